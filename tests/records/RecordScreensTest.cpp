#include "RecordsFixture.h"

#include "platform/Text.h"

#include <QSet>
#include <QTest>

namespace tavrel::test {
namespace {

const QStringList kBrowseButtons{"BrsCmd1", "BrsCmd4", "BrsCmd3", "BrsCmd5", "BrsCmd2", "Label8"};
const QStringList kAddButtons{"BrsCmd7", "BrsCmd6"};

class RecordScreens : public RecordsFixture {
protected:
    // Both screens show the browse commands, the add commands (with the
    // "(Optional)" label) or neither.
    void expectCommands(bool browse, bool add)
    {
        for (QWidget* w : {one(), two()}) {
            for (const QString& b : kBrowseButtons)
                EXPECT_EQ(shown(w, b), browse) << b.toStdString();
            for (const QString& b : kAddButtons)
                EXPECT_EQ(shown(w, b), add) << b.toStdString();
            EXPECT_EQ(shown(w, "Label3"), add);
        }
    }
    // A screen reader tells every box of `screen` apart by its name.
    static void expectNamedApart(QWidget* screen)
    {
        QSet<QString> seen;
        for (QWidget* c : screen->findChildren<QWidget*>()) {
            if (c->focusPolicy() == Qt::NoFocus || !c->isVisible() ||
                qobject_cast<QComboBox*>(c->parentWidget()))
                continue;
            const QString name = spokenName(c);
            EXPECT_FALSE(seen.contains(name))
                << name.toStdString() << " twice, " << c->objectName().toStdString();
            seen.insert(name);
        }
    }
};

// The browse modes share one look and differ in focus; the add modes show
// only Add and Cancel. The focus rule holds on whichever screen comes up. A
// screen reader tells every box apart by its name, the rows of address lines,
// telephones and QuickLinks included (that each has one: window_names; screen
// 1's names over the bus: desktop_a11y).
TEST_F(RecordScreens, EachModeShowsItsCommandsAndFocusAndNamesEachBoxApart)
{
    const QString browse = "Browse/Change/Delete N&A Records - Screen %1 Of 2";
    const QString add = "Add N&A Record";
    const QByteArray before = start(people(1, 3));
    for (auto [mode, title1, title2, browsing, focus1, focus2, topic] :
         {std::tuple{ScreenMode::Browse, browse.arg(1), browse.arg(2), true, "BrsCmd1", "BrsCmd1",
                     45},
          {ScreenMode::Change, browse.arg(1), browse.arg(2), true, "BrsCmd5", "BrsCmd5", 35},
          {ScreenMode::Delete, browse.arg(1), browse.arg(2), true, "BrsCmd3", "BrsCmd3", 40},
          {ScreenMode::Add, add, add, false, "BrsTxt2", "BrsTxt20_0", 25},
          {ScreenMode::AddMult, add, add, false, "BrsTxt2", "BrsTxt20_0", 30}}) {
        SCOPED_TRACE(screenModeName(mode).toStdString());
        openById(mode, 2);
        ASSERT_NE(one(), nullptr);
        EXPECT_TRUE(one()->isVisible());
        EXPECT_EQ(one()->windowTitle(), title1);
        EXPECT_EQ(two()->windowTitle(), title2);
        // F1 opens the topic of the command that opened the screens.
        EXPECT_EQ(one()->property("helpContext").toInt(), topic);
        EXPECT_EQ(two()->property("helpContext").toInt(), topic);
        expectCommands(browsing, !browsing);
        EXPECT_EQ(control<QLabel>(one(), "Label3")->text(), "(Optional)");
        EXPECT_EQ(box(two(), "BrsTxt1")->text(), browsing ? "2" : "");
        EXPECT_EQ(shown(one(), "CopyButton"), browsing);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(button(two(), QStringLiteral("DisplayButton_%1").arg(i))->isEnabled(),
                      browsing);
        EXPECT_EQ(focused(one()), focus1);
        expectNamedApart(one());
        press(one(), "Screen2Button");
        EXPECT_FALSE(one()->isVisible());
        EXPECT_EQ(focused(two()), focus2);
        expectNamedApart(two());
        press(two(), browsing ? "BrsCmd2" : "BrsCmd6");
        EXPECT_EQ(two(), nullptr);
    }
    EXPECT_EQ(fileBytes(env.naPath()), before) << "cancel wrote nothing";
}

// Tab goes down each screen's boxes in reading order, and a screen reader
// tells the rows apart by their numbers.
TEST_F(RecordScreens, TabWalksTheBoxesInReadingOrderAndNamesEachRowByItsNumber)
{
    start(people(1, 2));
    openById(ScreenMode::Change, 1);
    auto walk = [](QWidget* screen, const QString& from, qsizetype count) {
        QStringList names;
        QWidget* w = screen->findChild<QWidget*>(from);
        while (w && names.size() < count) {
            names << spokenName(w);
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(screen) ||
                   qobject_cast<QComboBox*>(w->parentWidget()));
        }
        return names;
    };
    QStringList one{"Name"};
    for (int i = 1; i <= 4; ++i)
        one << QStringLiteral("Address Line %1").arg(i);
    for (int i = 1; i <= 5; ++i)
        one << QStringLiteral("Telephone %1 Type").arg(i)
            << QStringLiteral("Telephone %1 Number").arg(i);
    one << "Next";
    EXPECT_EQ(walk(this->one(), "BrsTxt2", one.size()), one);

    press(this->one(), "Screen2Button");
    QStringList two{"Key 1", "Key 2", "E-Mail Address", "Comments"};
    for (int i = 1; i <= 4; ++i)
        two << QStringLiteral("QuickLink %1 ID").arg(i)
            << QStringLiteral("QuickLink %1 Description").arg(i)
            << QStringLiteral("Display QuickLink %1").arg(i);
    two << "QuickLink Previous Record ID"
        << "Go Back"
        << "Next";
    EXPECT_EQ(walk(this->two(), "BrsTxt20_0", two.size()), two);
}

// (Screen 1's title in a search: SearchFlowTest.)
TEST_F(RecordScreens, SearchModeShowsNoCommandsAndLocksTheSwitches)
{
    start({{4, makeRecord(4, QStringLiteral("Found Person"))}});
    env.p().ScreenMode = ScreenMode::Search;
    readActive(env.p(), 4);
    showRecordScreens(env.p());
    settle();
    EXPECT_EQ(recordScreenOnDisplay(env.p()), 1);
    EXPECT_EQ(two()->windowTitle(), "Search Result - Matched Record - Screen 2 Of 2");
    EXPECT_EQ(two()->property("helpContext").toInt(), 60);
    expectCommands(false, false);
    for (auto [w, name] : {std::pair{one(), "Screen2Button"},
                           {one(), "CopyButton"},
                           {two(), "Screen1Button"},
                           {two(), "BrsTxt30_4"}})
        EXPECT_FALSE(control<QWidget>(w, name)->isEnabled()) << name;

    // The search switches screens itself and closes both when it ends.
    showRecordScreen(env.p(), 2);
    EXPECT_EQ(recordScreenOnDisplay(env.p()), 2);
    EXPECT_EQ(recordScreen(env.p(), 2), two());
    closeRecordScreens(env.p());
    settle();
    for (int screen : {1, 2})
        EXPECT_EQ(recordScreen(env.p(), screen), nullptr) << screen;
    EXPECT_EQ(recordScreenOnDisplay(env.p()), 0);
}

TEST_F(RecordScreens, ControlsCarryTheirCaptionsAndShowTrimmedTextEmptyLinksAndWideTextsStart)
{
    NARecord r = makeRecord(3, QStringLiteral("Ann Lee"), QStringLiteral("LEE"));
    r.AddrLine2 = QStringLiteral("Second line");
    r.PhoneType3 = QStringLiteral("Work");
    r.PhoneNum3 = QStringLiteral("555-0100");
    r.LinkId1 = 1;
    r.LinkText1 = QStringLiteral("Brother");
    r.LinkId2 = 0;
    r.LinkText2 = QStringLiteral("Orphan text");
    r.EMail = QStringLiteral("ann@example.com");
    const QString wide(35, QLatin1Char('W'));
    start({{1, makeRecord(1, "One")}, {2, makeRecord(2, wide)}, {3, r}});
    openById(ScreenMode::Browse, 3);
    EXPECT_EQ(texts(one(), {"BrsTxt1", "BrsTxt2", "BrsTxt3_1", "BrsTxt3_0", "BrsTxt10_2"}),
              QStringList({"3", "Ann Lee", "Second line", "", "555-0100"}));
    EXPECT_EQ(combo(2)->currentText(), "Work");
    EXPECT_EQ(combo(0)->currentText(), "");
    // The copy holds the record as stored, not the edits on screen (the copy
    // after a delete: RecordCommands).
    type(box(one(), "BrsTxt2"), "Unsaved edit");
    press(one(), "CopyButton");
    const QString blank(35, QLatin1Char(' '));
    EXPECT_EQ(env.clipboard.content, QStringList({padRight("Ann Lee", 35), blank,
                                                  padRight("Second line", 35), blank, blank, ""})
                                         .join(QLatin1Char('\n')));
    EXPECT_EQ(env.clipboard.clears, 1);
    EXPECT_EQ(env.ui.last().text, "Name And Address Copied To Windows Clipboard.");
    EXPECT_EQ(env.ui.last().title, "Tavrel");
    EXPECT_EQ(focused(one()), "BrsCmd1");
    const QStringList types{"CelTel", "Data", "FAX", "Home", "Pager", "School", "Voice", "Work"};
    for (int i = 0; i < 5; ++i) {
        QComboBox* c = combo(i);
        EXPECT_TRUE(c->isEditable());
        EXPECT_EQ(comboItems(c), types);
        EXPECT_EQ(c->toolTip(), "Up To 6 Characters");
    }
    EXPECT_EQ(box(one(), "BrsTxt3_2")->toolTip(), "Address Line 3 - Up To 35 Characters");
    EXPECT_EQ(button(one(), "CopyButton")->text(), "C&opy N&&A To Clipboard");
    EXPECT_EQ(button(two(), "DisplayButton_2")->text(), "Displ&ay");
    EXPECT_EQ(button(two(), "DisplayButton_4")->text(), "Go Bac&k");
    EXPECT_EQ(box(two(), "BrsTxt30_4")->toolTip(), "QuickLink Previous Record ID - Up To 4 Digits");
    // Alt+N reaches the name box through its label.
    EXPECT_EQ(control<QLabel>(one(), "NameLabel")->buddy(), box(one(), "BrsTxt2"));
    // Link 0 shows as an empty box.
    EXPECT_EQ(texts(two(), {"BrsTxt1", "BrsTxt20_0", "BrsTxt21", "BrsTxt30_0", "BrsTxt40_0",
                            "BrsTxt30_1", "BrsTxt40_1", "BrsTxt30_4"}),
              QStringList({"3", "LEE", "ann@example.com", "1", "Brother", "", "Orphan text", ""}));
    // Tab goes from the Go Back button on to the commands.
    QWidget* next = button(two(), "DisplayButton_4");
    do
        next = next->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(two()));
    EXPECT_EQ(next->objectName(), "BrsCmd1");

    // A name too wide for its box shows from its start.
    QLineEdit* name = box(one(), "BrsTxt2");
    ASSERT_GT(name->fontMetrics().horizontalAdvance(wide), name->width())
        << "the test needs a name wider than its box";
    press(one(), "BrsCmd4");
    EXPECT_EQ(name->text(), wide);
    EXPECT_EQ(name->cursorPosition(), 0) << "a long name must show its beginning";
}

TEST_F(RecordScreens, BoxesLimitTextToTheFieldsWidthAndSayWhatTheyCutOrStoreOtherwise)
{
    start(people(1, 1));
    openById(ScreenMode::Add);
    auto notice = [this](QWidget* w) -> QString {
        QLabel* n = w->findChild<QLabel*>(QStringLiteral("FieldNotice"));
        return n && n->isVisibleTo(w) ? n->text() : QString();
    };
    // Typing up to the limit is quiet; each key past it beeps and is said.
    QLineEdit* name = box(one(), "BrsTxt2");
    name->setFocus();
    QTest::keyClicks(name, QString(35, QLatin1Char('x')));
    EXPECT_EQ(env.ui.beeps, 0);
    EXPECT_EQ(notice(one()), "");
    QTest::keyClicks(name, "yz");
    EXPECT_EQ(name->text(), QString(35, QLatin1Char('x')));
    EXPECT_EQ(env.ui.beeps, 2);
    EXPECT_EQ(notice(one()), "Only 35 characters fit here; the rest was left out.");
    // In the colours of a tool tip, over the window.
    EXPECT_TRUE(one()->findChild<QLabel*>(QStringLiteral("FieldNotice"))->autoFillBackground());
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(notice(one()), "");
    // Letters the file lacks: the note gives what will be stored, and that is stored.
    name->clear();
    // Each letter as a keyboard layout that has it sends it.
    for (QChar c : QString::fromUtf8("Nguyễn Văn An"))
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(notice(one()), "Will be stored as \"Nguyen Van An\".");
    EXPECT_EQ(env.ui.beeps, 2);
    // Leaving the box takes the note away; a paste past the end says both.
    QTest::keyClick(name, Qt::Key_Tab);
    settle();
    EXPECT_EQ(notice(one()), "");
    QLineEdit* mail = box(two(), "BrsTxt21");
    press(one(), "Screen2Button");
    enter(mail, QString::fromUtf8("ł").repeated(40));
    EXPECT_EQ(notice(two()), "Only 35 characters fit here; the rest was left out.\n"
                             "Will be stored as \"" +
                                 QString(35, QLatin1Char('l')) + "\".");
    EXPECT_EQ(env.ui.beeps, 3);
    press(two(), "BrsCmd7");
    const NARecord added = readRecord(env.naPath(), 3);
    EXPECT_EQ(trimRight(added.Name), "Nguyen Van An");
    EXPECT_EQ(added.EMail, QString(35, QLatin1Char('l')));

    // The limits are the fields' widths in characters, whatever is typed or pasted.
    openById(ScreenMode::Change, 1);
    name = box(one(), "BrsTxt2");
    // A letter of another alphabet counts once, although the file spells it
    // with more (Щукин is Shchukin); so does a character outside the basic plane.
    const QString smile = QString::fromUcs4(U"\U0001F600");
    enter(name, QString(30, QLatin1Char('a')) + QString::fromUtf8("Щукиных"));
    EXPECT_EQ(name->text(), QString(30, QLatin1Char('a')) + QString::fromUtf8("Щукин"));
    EXPECT_EQ(notice(one()), "Only 35 characters fit here; the rest was left out.\n"
                             "Will be stored as \"" +
                                 QString(30, QLatin1Char('a')) + "Shchu\".");
    enter(name, smile.repeated(40));
    EXPECT_EQ(name->text(), smile.repeated(35));
    // Pasting into the middle of a full box drops the pasted excess, not the tail.
    type(name, QString(33, QLatin1Char('b')) + QStringLiteral("ZZ"));
    name->setCursorPosition(2);
    name->insert(QStringLiteral("cccc"));
    EXPECT_EQ(name->text(), QStringLiteral("bb") + QString(31, QLatin1Char('b')) + "ZZ");
    // Screen 1's ID box takes anything; screen 2's takes four characters.
    for (auto [w, name, typed, kept] : {std::tuple{one(), "BrsTxt1", 6, 6},
                                        {two(), "BrsTxt1", 6, 4},
                                        {two(), "BrsTxt22", 120, 100},
                                        {two(), "BrsTxt40_0", 25, 20},
                                        {two(), "BrsTxt30_0", 5, 4}}) {
        type(box(w, name), QString(typed, QLatin1Char('1')));
        EXPECT_EQ(box(w, name)->text(), QString(kept, QLatin1Char('1'))) << name;
    }
}

// Telephone types are stored as typed, cut to six; a letter of another
// alphabet is spelled in Latin letters and what has no spelling becomes '?'; a back link beyond
// four digits, as a damaged file may hold it, stays whole. The switch keeps edits (the ID carried
// to screen 2 whole: keyboard_check.py, record_ids); closing either screen
// closes both.
TEST_F(RecordScreens, ChangeStoresTextAsTheFileHoldsItAndTheScreensShareEdits)
{
    NARecord r = makeRecord(1, QStringLiteral("One"));
    r.BackLinkId = 12345;
    start({{1, r}});
    openById(ScreenMode::Change, 1);
    enter(box(one(), "BrsTxt2"), QString::fromUcs4(U"Zo\u00EB \u4E2D\U0001F600 Caf\u00E9"));
    type(box(one(), "BrsTxt10_0"), "555-1234");
    type(box(one(), "BrsTxt3_0"), QString(35, QLatin1Char('A')));
    const char* typed[] = {"Cellular9", "Wo", "Fa", "fax", "work"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* edit = combo(i)->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QLatin1String(typed[i]));
    }
    EXPECT_EQ(env.ui.beeps, 3); // the type box took six of the nine keys
    // Enter and leaving the box accept the text as it is, adding no entry.
    QTest::keyClick(combo(3)->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo(4)->lineEdit(), Qt::Key_Return);
    box(one(), "BrsTxt2")->setFocus();
    settle();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(combo(i)->currentText(), QLatin1String(typed[i]).left(6)) << i;
        EXPECT_EQ(combo(i)->count(), 8) << i;
    }
    // The long back link is shown whole; typing still adds nothing beyond the limit.
    QLineEdit* back = box(two(), "BrsTxt30_4");
    back->setFocus();
    back->end(false);
    QTest::keyClicks(back, "6");
    EXPECT_EQ(back->text(), "12345");
    press(one(), "BrsCmd5");
    const QByteArray rec = recordBytes(env.naPath(), 2);
    EXPECT_EQ(rec.mid(6, 35), QByteArray("Zo\xEB Zhong? Caf\xE9").leftJustified(35, ' '));
    EXPECT_EQ(rec.mid(41, 35), QByteArray(35, 'A'));
    EXPECT_EQ(rec.mid(181, 26), QByteArray("Cellul555-1234").leftJustified(26, ' '));
    const NARecord stored = NARecord::fromBytes(rec);
    EXPECT_EQ(
        QStringList({stored.PhoneType2, stored.PhoneType3, stored.PhoneType4, stored.PhoneType5}),
        QStringList({"Wo    ", "Fa    ", "fax   ", "work  "}));
    EXPECT_EQ(stored.BackLinkId, 12345) << "stored as it was, not cut";

    // Edits and the ID typed on screen 2 come back to screen 1.
    type(box(one(), "BrsTxt2"), "Edited name");
    press(one(), "Screen2Button");
    type(box(two(), "BrsTxt1"), "7");
    type(box(two(), "BrsTxt21"), "x@y.z");
    press(two(), "Screen1Button");
    EXPECT_TRUE(one()->isVisible());
    EXPECT_FALSE(two()->isVisible());
    EXPECT_EQ(texts(one(), {"BrsTxt1", "BrsTxt2"}), QStringList({"7", "Edited name"}));
    EXPECT_EQ(box(two(), "BrsTxt21")->text(), "x@y.z");
    for (int which : {1, 2}) {
        if (which == 2) {
            openById(ScreenMode::Browse, 1);
            press(one(), "Screen2Button");
        }
        (which == 1 ? one() : two())->close();
        settle();
        EXPECT_EQ(one(), nullptr) << which;
        EXPECT_EQ(two(), nullptr) << which;
    }
}

} // namespace
} // namespace tavrel::test
