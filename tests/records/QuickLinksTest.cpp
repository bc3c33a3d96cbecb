#include "RecordsFixture.h"

#include "store/NameList.h"

#include <QListView>
#include <QRadioButton>

namespace tavrel::test {
namespace {

using QuickLinks = RecordsFixture;

const QString kOutOfRange =
    QStringLiteral("ID Number Is Out Of Range.  Cannot Link To Other N&A Record.");
const QString kNoActive =
    QStringLiteral("There Is No Active N&A Record With The Link ID.  Nothing To Display.");

TEST_F(QuickLinks, AddAndChangeClearLinkIdsOutOfRange)
{
    start(people(1, 3));
    openById(ScreenMode::Change, 1);
    press(one(), "Screen2Button");
    const QStringList typed{"7", "0", "1701", " 7"};
    for (int i = 0; i < 4; ++i) {
        type(box(two(), QStringLiteral("BrsTxt30_%1").arg(i)), typed[i]);
        type(box(two(), QStringLiteral("BrsTxt40_%1").arg(i)), QStringLiteral("Desc %1").arg(i));
    }
    type(box(two(), "BrsTxt30_4"), "abc");
    press(two(), "BrsCmd5");
    const QString tail = QStringLiteral(" Link Is Out Of Range.  Must Be Between 1 And 1700.  Will "
                                        "Be Deleted.");
    EXPECT_EQ(messages(), QStringList({"ID Number In Second" + tail, "ID Number In Third" + tail,
                                       "ID Number In Fourth" + tail, "Record Changed."}));
    const NARecord r = onDisk(1);
    // A short ID is zero-filled and accepted, even beyond the file; the back
    // link is not checked, and with no leading digits it is 0.
    EXPECT_EQ(QList<int>({r.LinkId1, r.LinkId2, r.LinkId3, r.LinkId4, r.BackLinkId}),
              QList<int>({7, 0, 0, 0, 0}));
    EXPECT_EQ(texts(two(), {"BrsTxt30_1", "BrsTxt40_1"}), QStringList({"", "Desc 1"}))
        << "the description stays";

    // Add runs the same check before storing.
    press(two(), "BrsCmd2");
    env.ui.messages.clear();
    openById(ScreenMode::Add);
    press(one(), "Screen2Button");
    type(box(two(), "BrsTxt30_0"), "0000");
    press(two(), "BrsCmd7");
    EXPECT_EQ(messages(), QStringList({"ID Number In First" + tail, "Record Added."}));
    EXPECT_EQ(onDisk(4).LinkId1, 0);
}

// The display buttons refuse bad and dead links and change nothing; a good one
// writes the back link, and going back writes nothing.
TEST_F(QuickLinks, DisplayButtonsRefuseBadLinksAndFollowGoodOnesWritingTheBackLink)
{
    auto records = people(1, 9);
    records[4] = deletedRecord(4, QStringLiteral("Person 4"));
    records[5].LinkId1 = 9;
    records[5].LinkText1 = QStringLiteral("Sister");
    records[9].LinkId2 = 1; // the lowest ID a link can name
    start(records);
    openById(ScreenMode::Browse, 5);
    press(one(), "Screen2Button");
    const QByteArray unchanged = fileBytes(env.naPath());
    const NARecord buffer = env.p().CurRec;
    for (auto [link, message] : {std::pair{"", kOutOfRange},
                                 {"10", kOutOfRange},
                                 {"0", kOutOfRange},
                                 {"a1", kOutOfRange},
                                 {"4", kNoActive}}) {
        type(box(two(), "BrsTxt30_2"), QString::fromLatin1(link));
        press(two(), "DisplayButton_2");
        EXPECT_EQ(lastMessage(), message) << link;
        EXPECT_EQ(env.p().CurRec.toBytes(), buffer.toBytes()) << link;
    }
    // An empty back-link box cannot go back either.
    press(two(), "DisplayButton_4");
    EXPECT_EQ(lastMessage(), kOutOfRange);
    EXPECT_EQ(fileBytes(env.naPath()), unchanged);

    press(two(), "DisplayButton_0");
    EXPECT_FALSE(two()->isVisible());
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 9");
    EXPECT_EQ(texts(two(), {"BrsTxt30_4", "BrsTxt30_1"}), QStringList({"5", "1"}));
    NARecord expected = records[9];
    expected.BackLinkId = 5;
    EXPECT_EQ(recordBytes(env.naPath(), 10), expected.toBytes()) << "only the back link changes";

    // Chain 5 -> 9 -> 1, then back twice.
    press(one(), "Screen2Button");
    press(two(), "DisplayButton_1");
    EXPECT_EQ(onDisk(1).BackLinkId, 9);
    const QByteArray before = fileBytes(env.naPath());
    press(one(), "Screen2Button");
    press(two(), "DisplayButton_4");
    press(one(), "Screen2Button");
    press(two(), "DisplayButton_4");
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 5");
    EXPECT_EQ(fileBytes(env.naPath()), before) << "going back writes nothing";
}

// The first record of an empty file has nothing to link to: the picker says so
// and does not open.
TEST_F(QuickLinks, ThePickerOnAnEmptyFileSaysSoAndDoesNotOpen)
{
    start({});
    openById(ScreenMode::Add);
    press(one(), "Screen2Button");
    pickLink(0);
    EXPECT_EQ(lastMessage(), "The N&A File Is Empty.");
    EXPECT_TRUE(env.ui.modalWindows.isEmpty());
    EXPECT_EQ(box(two(), "BrsTxt30_0")->text(), "");
}

TEST_F(QuickLinks, PickerListsEntriesInSortPrefOrderAndFillsTheBoxByMouseOrKeyboard)
{
    std::map<int, NARecord> records;
    records[3] = makeRecord(3, QStringLiteral("Carol"), QStringLiteral("zeta"));
    records[12] =
        makeRecord(12, QStringLiteral("Twelve With A Long Name Indeed"), QStringLiteral("alpha"));
    records[5] = makeRecord(5, QStringLiteral("Eve"), QStringLiteral("Mid"));
    start(records);
    env.p().SortPref = QLatin1Char('0');
    openById(ScreenMode::Browse, 3);
    press(one(), "Screen2Button");
    QStringList lines;
    QString title;
    auto choose = [&](int row, int option) {
        return [&, row, option](QDialog& d) {
            title = d.windowTitle();
            auto* list = d.findChild<QListView*>("List1");
            ASSERT_NE(list, nullptr);
            lines = shownLines(list);
            list->setCurrentIndex(list->model()->index(row, 0));
            click(d.findChild<QRadioButton*>(QStringLiteral("Option3D1_%1").arg(option)));
            if (option == 1) {
                EXPECT_EQ(d.focusWidget()->objectName(), "OKButton");
            }
            click(d.findChild<QPushButton*>("OKButton"));
        };
    };
    env.ui.onModal(choose(0, 1));
    pickLink(0);
    EXPECT_EQ(title, "N&A File Content");
    EXPECT_EQ(lines, QStringList({pickerLine(12, "Twelve With A Long Name Indeed"),
                                  pickerLine(5, "Eve"), pickerLine(3, "Carol")}));
    EXPECT_EQ(box(two(), "BrsTxt30_0")->text(), "12");
    EXPECT_EQ(box(two(), "BrsTxt40_0")->text(), "Twelve With A Long Name Indeed")
        << "the picked name arrives whole, to be cut when stored";

    env.ui.onModal(choose(1, 0));
    pickLink(1);
    EXPECT_EQ(texts(two(), {"BrsTxt30_1", "BrsTxt40_1"}), QStringList({"5", ""}));

    // OK with no line chosen asks again; Cancel leaves the box as it was.
    type(box(two(), "BrsTxt30_2"), "3");
    env.ui.onModal([this](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("Option3D1_0")->isChecked()) << "the ID alone";
        click(d.findChild<QPushButton*>("OKButton"));
        EXPECT_TRUE(d.isVisible()) << "the picker stays open";
        EXPECT_EQ(lastMessage(), "Please Select A N&A Entry Or Click Cancel.");
        click(d.findChild<QPushButton*>("CancelButton"));
    });
    pickLink(2);
    EXPECT_EQ(texts(two(), {"BrsTxt30_2", "BrsTxt40_2"}), QStringList({"3", ""}));

    // The back-link box has no description: it takes the ID alone.
    env.ui.onModal(choose(2, 1));
    pickLink(4);
    EXPECT_EQ(texts(two(), {"BrsTxt30_4", "BrsTxt40_3"}), QStringList({"3", ""}));

    // From the keyboard: the picker opens with no line chosen; the arrow keys
    // choose one; Enter takes the chosen line, and Enter on Cancel cancels.
    env.ui.onModal([](QDialog& d) {
        auto* list = d.findChild<QListView*>("List1");
        ASSERT_NE(list, nullptr);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(list->currentIndex().row(), 0);
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), list);
        EXPECT_EQ(list->currentIndex().row(), 2);
        pressKey(&d, Qt::Key_Return);
    });
    pickLink(3);
    EXPECT_EQ(box(two(), "BrsTxt30_3")->text(), "3");
    env.ui.onModal([](QDialog& d) {
        pressKey(&d, Qt::Key_Down);
        d.findChild<QPushButton*>("CancelButton")->setFocus();
        pressKey(&d, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    pickLink(3);
    // The find box: Enter takes the one line it leaves.
    env.ui.onModal([](QDialog& d) {
        pressKey(&d, Qt::Key_F, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
        pressKey(&d, Qt::Key_Return);
    });
    pickLink(3);
    EXPECT_EQ(box(two(), "BrsTxt30_3")->text(), "12");

    // Nothing is stored until Change, which asks about the description that
    // does not fit; kept cut, it is 20 characters on disk.
    env.ui.onModal([](QDialog& d) { click(d.findChild<QPushButton*>("KeepButton")); });
    press(two(), "BrsCmd5");
    const NARecord r = onDisk(3);
    EXPECT_EQ(r.LinkId1, 12);
    EXPECT_EQ(r.LinkText1, "Twelve With A Long N");
}

} // namespace
} // namespace tavrel::test
