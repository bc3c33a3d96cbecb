#include "SearchFixture.h"

#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "support/FailingDevice.h"

#include <QTest>
#include <variant>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QPushButton* button(QDialog& d, int index)
{
    return control<QPushButton>(&d, QStringLiteral("Command3D1_%1").arg(index));
}

// What the person sees when a match window comes up, as one line: the window's
// name and title, the caption of its screen switch, the record screen shown and
// its title, the name on it, and whether the search dialog is still visible.
QString look(QDialog& d)
{
    auto* one = qobject_cast<AddressScreen*>(findWindow("BrsForma"));
    QWidget* two = findWindow("BrsFormb");
    const int shown = one && one->isVisible() ? 1 : two && two->isVisible() ? 2 : 0;
    QWidget* dialog = findWindow("SchForm");
    return QString("%1|%2|%3|%4|%5|%6|%7")
        .arg(d.objectName(), d.windowTitle(), button(d, 1) ? button(d, 1)->text() : "")
        .arg(shown)
        .arg(one ? one->windowTitle() : "", one ? one->nameEdit->text() : "",
             dialog && dialog->isVisible() ? "dialog" : "no dialog");
}

// Queues the answer to the next match window: `seen` notes how it looks, then
// `act` runs on it, or its button `act` is pressed (-1: Enter, which continues).
void onMatch(TestEnv& env, QStringList& seen, std::variant<int, std::function<void(QDialog&)>> act)
{
    env.ui.onModal([&seen, act](QDialog& d) {
        seen.push_back(look(d));
        if (const int* pressed = std::get_if<int>(&act))
            *pressed < 0 ? QTest::keyClick(&d, Qt::Key_Return) : click(button(d, *pressed));
        else
            std::get<1>(act)(d);
    });
}

} // namespace

TEST_F(SearchTest, WithoutDisplayEveryMatchIsCountedAndSavedOnlyWhenAsked)
{
    struct Case {
        const char* key;
        std::vector<int> boxes;
        bool save;
        std::vector<int> flagged; // IDs 2 and 1700 are flagged before
        int matches;
    };
    const Case cases[] = {
        // Name and address: names 1, 3, 7 and the address line of 5; never the
        // deleted 2, the free 4, or 8 beyond LastRecNo.
        {"baker", {1}, true, {1, 3, 5, 7}, 4},
        // All fields: 1 matches in its name and its comment and counts once.
        {"BAKER", {7}, false, {2, 1700}, 4},
        // Name only ignores every other field, and blanks in the key count.
        {"ker", {0}, true, {1, 3, 7}, 3}, // not the address of 5
        {" ve b", {0}, true, {}, 0},      // "Eve Bake" has no blank before "ve"
        {"baker ", {0}, true, {1, 7}, 2}, // names followed by fill blanks, not "Bakersfield"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        p.MailListFlags.fill('0');
        p.MailListFlags[1] = '1';
        p.MailListFlags[1699] = '1';
        p.MailListAddCount = 9;
        search(c.key, c.boxes, c.save, false);

        // The counts as the completion window shows them (how it shows them: its own tests);
        // no match window and no box came up (the scripted interface fails on any).
        EXPECT_EQ(flaggedIds(), c.flagged);
        EXPECT_EQ(std::tie(p.SearchMatchCount, p.MailListAddCount, p.SearchSavesList),
                  std::make_tuple(c.matches, c.save ? c.matches : 0, c.save));
        EXPECT_NE(completeForm(), nullptr);
        closeAllWindows();
    }
}

// With the matches displayed and saving on, only what the user adds is flagged;
// "&End Search" then closes everything and keeps nothing.
TEST_F(SearchTest, DisplayWithSavingAddsOnlyWhatTheUserAddsAndEndSearchKeepsNothing)
{
    const QByteArray before = fileBytes(env.naPath());
    QStringList seen;
    // First match: "&Add To ML"; the second is closed with its close box, which
    // counts as adding.
    onMatch(env, seen, 0);
    onMatch(env, seen, [](QDialog& d) { d.reject(); });
    // Third: Esc first, which does nothing, then "&Don't Add".
    onMatch(env, seen, [](QDialog& d) {
        QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible()) << "Esc closed the match window";
        EXPECT_EQ(button(d, 3)->text(), "&Don't Add");
        click(button(d, 3));
    });
    // Fourth of five: "&End Search".
    onMatch(env, seen, [](QDialog& d) {
        EXPECT_EQ(button(d, 2)->text(), "&End Search");
        click(button(d, 2));
    });
    search("bake", {1}, true, true);

    const QString each = "SrchMsg2Form|Record Matches Search Parameter|&Screen 2|1|"
                         "Search Result - Matched Record - Screen 1 Of 2|%1|no dialog";
    EXPECT_EQ(seen, QStringList({each.arg("Anna Baker"), each.arg("Carl Bakersfield"),
                                 each.arg("Dora Smith"), each.arg("Eve Bake")}));
    EXPECT_EQ(flaggedIds(), (std::vector<int>{1, 3}));
    settle();
    for (const char* name :
         {"SchForm", "SearchingForm", "BrsForma", "BrsFormb", "SrchMsg2Form", "CompleteForm"})
        EXPECT_FALSE(loaded(name)) << name;
    EXPECT_TRUE(QDir(env.dir()).entryList({"tvlmail.*"}, QDir::Files).isEmpty());
    EXPECT_EQ(fileBytes(env.naPath()), before);
}

TEST_F(SearchTest, MatchWindowSwitchesScreensAndCopiesTheNameAndAddress)
{
    QStringList seen;
    // Match 1: to screen 2, copy there, back to screen 1, continue.
    onMatch(env, seen, 1);
    onMatch(env, seen, [this](QDialog& d) {
        EXPECT_EQ(qobject_cast<DetailScreen*>(findWindow("BrsFormb"))->idEdit->text(), "1");
        env.ui.answer(Ui::Answer::Ok);
        click(button(d, 3));
        EXPECT_TRUE(d.isVisible()); // copying leaves the window up
        click(button(d, 1));
    });
    // Match 3: to screen 2 and continue from there; match 7 starts on screen 1 again.
    for (int pressed : {0, 1, 0, -1})
        onMatch(env, seen, pressed);
    search("BAKER", {0}, false, true);

    const QString at = "SrchMsgForm|Record  Matches Search Parameter|&Screen %1|%2|"
                       "Search Result - Matched Record - Screen 1 Of 2|%3|no dialog";
    const QString anna = "Anna Baker", carl = "Carl Bakersfield";
    EXPECT_EQ(seen, QStringList({at.arg(2).arg(1).arg(anna), at.arg(1).arg(2).arg(anna),
                                 at.arg(2).arg(1).arg(anna), at.arg(2).arg(1).arg(carl),
                                 at.arg(1).arg(2).arg(carl), at.arg(2).arg(1).arg("FRED BAKER")}));
    // The record shown is copied (how a copy looks: the record screens' tests).
    EXPECT_TRUE(env.clipboard.content.startsWith(QString("Anna Baker").leftJustified(35) + '\n'));
    EXPECT_EQ(p.SearchMatchCount, 3);
}

TEST_F(SearchTest, AReadFailureEndsTheProgramAndSavesNothing)
{
    // Record 6 (ID 5) cannot be read.
    auto disk =
        std::make_unique<FailingDevice>(fileBytes(env.naPath()), qint64(5) * NARecord::Size + 10);
    const FailingDevice& device = *disk;
    p.naFile.attach(std::move(disk));
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(search("baker", {7}, true, false), ProgramEnded);

    EXPECT_EQ(env.ui.texts(), QStringList{"Error =  57 In Get_NA_Rec.  Id =  6"});
    // Nothing went to disk, and no list is saved either.
    EXPECT_EQ(completeForm(), nullptr);
    EXPECT_EQ(device.writeCalls, 0);
}
