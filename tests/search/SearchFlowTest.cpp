#include "SearchFixture.h"

#include "records/AddressScreen.h"
#include "records/DetailScreen.h"
#include "support/FailingDevice.h"

#include <QTest>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QPushButton* button(QDialog& d, int index)
{
    return control<QPushButton>(&d, QStringLiteral("Command3D1_%1").arg(index));
}

AddressScreen* screen1()
{
    return qobject_cast<AddressScreen*>(findWindow(QStringLiteral("BrsForma")));
}

DetailScreen* screen2()
{
    return qobject_cast<DetailScreen*>(findWindow(QStringLiteral("BrsFormb")));
}

// What the person sees when a match window comes up: which screen, whose name.
struct Seen {
    QString window;
    QString title;
    QString switchCaption;
    int screenShown = 0;
    QString name;
    QString screenTitle;
    bool dialogVisible = true;
};

Seen look(QDialog& d)
{
    Seen s;
    s.window = d.objectName();
    s.title = d.windowTitle();
    if (QPushButton* b = button(d, 1))
        s.switchCaption = b->text();
    AddressScreen* one = screen1();
    DetailScreen* two = screen2();
    if (one && one->isVisible())
        s.screenShown = 1;
    else if (two && two->isVisible())
        s.screenShown = 2;
    if (one) {
        s.name = one->nameEdit->text();
        s.screenTitle = one->windowTitle();
    }
    QWidget* dialog = findWindow(QStringLiteral("SchForm"));
    s.dialogVisible = dialog && dialog->isVisible();
    return s;
}

} // namespace

TEST_F(SearchTest, WithoutDisplayEveryMatchIsCountedAndSavedWithoutAsking)
{
    p.MailListFlags[1] = '1'; // left over from an earlier list
    p.MailListFlags[1699] = '1';
    search(QStringLiteral("baker"), {1}, /*save*/ true, /*display*/ false);

    // Name and address: names 1, 3, 7 and the address line of 5; never the
    // deleted 2, the free 4, or 8 beyond LastRecNo.
    EXPECT_EQ(flaggedIds(), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(p.MailListFlags.size(), 1700);
    EXPECT_EQ(p.SearchMatchCount, 4);
    EXPECT_EQ(p.MailListAddCount, 4);
    EXPECT_TRUE(p.SearchSavesList);
    EXPECT_TRUE(env.ui.modalWindows.isEmpty());
    EXPECT_TRUE(env.ui.messages.empty());

    ASSERT_NE(completeForm(), nullptr);
    EXPECT_EQ(completeText("ComplTxt1"), QStringLiteral("4"));
    EXPECT_EQ(completeText("ComplTxt2"), QStringLiteral("4"));
    settle();
    EXPECT_FALSE(loaded("SchForm"));
    EXPECT_FALSE(loaded("SearchingForm"));
    EXPECT_FALSE(loaded("BrsForma"));
}

TEST_F(SearchTest, WithoutSavingTheListFlagsAreLeftAlone)
{
    p.MailListFlags[5] = '1';
    p.MailListAddCount = 9;
    search(QStringLiteral("BAKER"), {7}, false, false);

    // All fields: 1 matches in its name and its comment and counts once.
    EXPECT_EQ(p.SearchMatchCount, 4);
    EXPECT_EQ(p.MailListAddCount, 0);
    EXPECT_FALSE(p.SearchSavesList);
    EXPECT_EQ(flaggedIds(), (std::vector<int>{6}));
    ASSERT_NE(completeForm(), nullptr);
    EXPECT_EQ(completeText("ComplTxt1"), QStringLiteral("4"));
    EXPECT_TRUE(control<QLineEdit>(completeForm(), QStringLiteral("ComplTxt2"))->isHidden());
}

TEST_F(SearchTest, NameOnlyIgnoresEveryOtherFieldAndBlanksInTheKeyCount)
{
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"ker", {1, 3, 7}}, // not the address of 5
        {" ve b", {}},      // "Eve Bake" has no blank before "ve"
        {"baker ", {1, 7}}, // names followed by fill blanks, not "Bakersfield"
        {"e bake", {6}},
    };
    for (const auto& [key, ids] : cases) {
        SCOPED_TRACE(key);
        search(QString::fromLatin1(key), {0}, true, false);
        EXPECT_EQ(flaggedIds(), ids);
        EXPECT_EQ(p.SearchMatchCount, int(ids.size()));
        closeAllWindows();
    }
}

TEST_F(SearchTest, DisplayWithSavingAddsOnlyWhatTheUserAdds)
{
    std::vector<Seen> seen;
    // First match: "&Add To ML".
    env.ui.onModal([&](QDialog& d) {
        seen.push_back(look(d));
        click(button(d, 0));
    });
    // Second: closed with its close box, which counts as adding.
    env.ui.onModal([&](QDialog& d) {
        seen.push_back(look(d));
        d.reject();
    });
    // Third: Esc first, which does nothing, then "&Don't Add".
    env.ui.onModal([&](QDialog& d) {
        seen.push_back(look(d));
        QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible()) << "Esc closed the match window";
        EXPECT_EQ(button(d, 3)->text(), QStringLiteral("&Don't Add"));
        click(button(d, 3));
    });
    search(QStringLiteral("baker"), {0}, true, true);

    ASSERT_EQ(seen.size(), 3u);
    const char* names[3] = {"Anna Baker", "Carl Bakersfield", "FRED BAKER"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seen[i].window, QStringLiteral("SrchMsg2Form"));
        EXPECT_EQ(seen[i].title, QStringLiteral("Record Matches Search Parameter"));
        EXPECT_EQ(seen[i].name, QString::fromLatin1(names[i]));
        EXPECT_EQ(seen[i].screenShown, 1);
        EXPECT_EQ(seen[i].screenTitle,
                  QStringLiteral("Search Result - Matched Record - Screen 1 Of 2"));
        EXPECT_FALSE(seen[i].dialogVisible);
    }
    EXPECT_EQ(flaggedIds(), (std::vector<int>{1, 3}));
    EXPECT_EQ(p.SearchMatchCount, 3);
    EXPECT_EQ(p.MailListAddCount, 2);
    EXPECT_TRUE(env.ui.allUsed());
    ASSERT_NE(completeForm(), nullptr);
    EXPECT_EQ(completeText("ComplTxt1"), QStringLiteral("3"));
    EXPECT_EQ(completeText("ComplTxt2"), QStringLiteral("2"));
    settle();
    EXPECT_FALSE(loaded("BrsForma"));
    EXPECT_FALSE(loaded("BrsFormb"));
    EXPECT_FALSE(loaded("SearchingForm"));
    EXPECT_FALSE(loaded("SchForm"));
}

TEST_F(SearchTest, MatchWindowSwitchesScreensAndCopiesTheNameAndAddress)
{
    std::vector<Seen> seen;
    auto step = [&](int pressed) { // -1: Enter, which continues
        env.ui.onModal([&, pressed](QDialog& d) {
            seen.push_back(look(d));
            if (pressed < 0)
                QTest::keyClick(&d, Qt::Key_Return);
            else
                click(button(d, pressed));
        });
    };
    // Match 1: to screen 2, copy there, back to screen 1, continue.
    step(1);
    env.ui.onModal([&](QDialog& d) {
        seen.push_back(look(d));
        EXPECT_EQ(screen2()->idEdit->text(), QStringLiteral("1"));
        env.ui.answer(Ui::Answer::Ok);
        click(button(d, 3));
        EXPECT_TRUE(d.isVisible()); // copying leaves the window up
        click(button(d, 1));
    });
    step(0);
    // Match 3: to screen 2 and continue from there.
    step(1);
    step(0);
    // Match 7 starts on screen 1 again.
    step(-1);
    search(QStringLiteral("BAKER"), {0}, false, true);

    ASSERT_EQ(seen.size(), 6u);
    const int screens[6] = {1, 2, 1, 1, 2, 1};
    const char* captions[6] = {"&Screen 2", "&Screen 1", "&Screen 2",
                               "&Screen 2", "&Screen 1", "&Screen 2"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(seen[i].window, QStringLiteral("SrchMsgForm")) << i;
        EXPECT_EQ(seen[i].title, QStringLiteral("Record  Matches Search Parameter")) << i;
        EXPECT_EQ(seen[i].screenShown, screens[i]) << i;
        EXPECT_EQ(seen[i].switchCaption, QString::fromLatin1(captions[i])) << i;
    }
    EXPECT_EQ(seen[5].name, QStringLiteral("FRED BAKER"));

    const QString expected = QStringLiteral("Anna Baker").leftJustified(35) + QLatin1Char('\n') +
                             QStringLiteral("4 Mill Lane").leftJustified(35) + QLatin1Char('\n') +
                             QStringLiteral("Thornbury").leftJustified(35) + QLatin1Char('\n') +
                             QString(35, QLatin1Char(' ')) + QLatin1Char('\n') +
                             QString(35, QLatin1Char(' ')) + QLatin1Char('\n');
    EXPECT_EQ(env.clipboard.content, expected);
    EXPECT_EQ(env.clipboard.clears, 1);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Name And Address Copied To Windows Clipboard."));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Tavrel"));

    EXPECT_EQ(p.SearchMatchCount, 3);
    EXPECT_EQ(p.MailListAddCount, 0);
    ASSERT_NE(completeForm(), nullptr);
    EXPECT_EQ(completeText("ComplTxt1"), QStringLiteral("3"));
}

TEST_F(SearchTest, EndSearchClosesEverythingAndKeepsNothing)
{
    const QByteArray before = fileBytes(env.naPath());
    env.ui.onModal([&](QDialog& d) { click(button(d, 0)); });
    env.ui.onModal([&](QDialog& d) { click(button(d, 0)); });
    env.ui.onModal([&](QDialog& d) {
        EXPECT_EQ(button(d, 2)->text(), QStringLiteral("&End Search"));
        click(button(d, 2));
    });
    search(QStringLiteral("baker"), {1}, true, true);
    settle();

    for (const char* name :
         {"SchForm", "SearchingForm", "BrsForma", "BrsFormb", "SrchMsg2Form", "CompleteForm"})
        EXPECT_FALSE(loaded(name)) << name;
    EXPECT_EQ(completeForm(), nullptr);
    EXPECT_TRUE(mailListFiles().isEmpty());
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(env.ui.modalWindows.size(), 3);
}

TEST_F(SearchTest, ASearchThatFindsNothingStillReportsZero)
{
    search(QStringLiteral("nobody"), {7}, true, true);
    EXPECT_TRUE(env.ui.modalWindows.isEmpty());
    EXPECT_EQ(p.SearchMatchCount, 0);
    EXPECT_TRUE(flaggedIds().empty());
    ASSERT_NE(completeForm(), nullptr);
    EXPECT_EQ(completeText("ComplTxt1"), QStringLiteral("0"));
    EXPECT_EQ(completeText("ComplTxt2"), QStringLiteral("0"));
}

TEST_F(SearchTest, AReadFailureEndsTheProgramAndSavesNothing)
{
    // Record 6 (ID 5) cannot be read.
    auto disk =
        std::make_unique<FailingDevice>(fileBytes(env.naPath()), qint64(5) * NARecord::Size + 10);
    const FailingDevice& device = *disk;
    p.naFile.attach(std::move(disk));
    SearchDialog* f = openDialog();
    ASSERT_NE(f, nullptr);
    type(f->searchTextEdit, QStringLiteral("baker"));
    click(f->fieldChecks[7]);
    click(f->saveToListCheck);
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(f->onSearchClicked(), ProgramEnded);

    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Error =  57 In Get_NA_Rec.  Id =  6"));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Corvane Mark32"));
    // The records before the bad one were examined; nothing went to disk.
    EXPECT_EQ(p.SearchMatchCount, 2);
    EXPECT_EQ(completeForm(), nullptr);
    EXPECT_TRUE(mailListFiles().isEmpty());
    EXPECT_EQ(device.writeCalls, 0);
    settle();
    EXPECT_FALSE(loaded("SearchingForm"));
}
