#include "ShellFixture.h"

#include "platform/Text.h"
#include "records/gui/RecordScreens.h"
#include "shell/QuickFindWindow.h"
#include "store/ContactAccess.h"

#include <QListView>

namespace tavrel::test {
namespace {

class QuickFind : public ShellTest {
protected:
    void start(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        env.openFile(records, lastRecNo);
        env.ui.setAutoOk(true);
    }
    void open(QChar field, QChar sort)
    {
        env.p().QuickFindField = field;
        env.p().QuickFindSort = sort;
        startQuickFind(env.p());
        settle();
    }
    QWidget* form() { return findWindow(QStringLiteral("ListForm")); }
    QListView* list() { return control<QListView>(form(), "ListLst1"); }
    // The lines of the list; trimmed, the name on each line (field "0").
    QStringList lines(bool trimmed = false)
    {
        QStringList out = shownLines(list());
        if (trimmed)
            for (QString& line : out)
                line = trimRight(line);
        return out;
    }
    QStringList names() { return lines(true); }
    void clickLine(int row, bool twice = false)
    {
        const QRect r = list()->visualRect(list()->model()->index(row, 0));
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        if (twice)
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        settle();
    }
    // QuickFind has given way to the record screens showing `name` (every name
    // is another record's); they are closed again.
    void expectOpened(const char* name)
    {
        EXPECT_EQ(form(), nullptr) << "QuickFind unloads";
        QWidget* screen = findWindow("BrsForma");
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_EQ(env.p().ScreenMode, ScreenMode::Browse);
        EXPECT_EQ(control<QLineEdit>(screen, "BrsTxt2")->text(), QString::fromUtf8(name));
        closeRecordScreens(env.p());
        settle();
    }
};

// Opening unloads the report dialog, known by its name; another window titled
// "Print" stays.
TEST_F(QuickFind, ListsFollowEachSortCodeAndOpeningUnloadsTheReportDialog)
{
    start({{1, makeRecord(1, "Delta", "smith", "a")},
           {2, makeRecord(2, "Alpha", "Jones", "b")},
           {3, makeRecord(3, "Gamma", "SMITH", "B")},
           {4, makeRecord(4, "Beta", "", "c")}});
    QList<QPointer<QWidget>> print;
    for (const char* name : {"PrtForm", "PrintPreview"}) {
        print << new QWidget(nullptr, Qt::Window);
        print.last()->setObjectName(QLatin1String(name));
        print.last()->setWindowTitle("Print");
        loadWindow(print.last());
        print.last()->show();
    }
    const struct {
        char sort;
        const char* caption;
        QStringList order;
    } cases[] = {
        // Blank keys first; keys differing only in case are equal, in heapsort order.
        {'0', "Sort Key 1", {"Beta", "Alpha", "Gamma", "Delta"}},
        {'1', "Sort Key 2", {"Delta", "Gamma", "Alpha", "Beta"}},
        // The second key orders what the first leaves equal.
        {'2', "Sort Key 1 + Sort Key 2", {"Beta", "Alpha", "Delta", "Gamma"}},
        {'3', "Sort Key 2 + Sort Key 1", {"Delta", "Alpha", "Gamma", "Beta"}},
        {'4', "ID Number", {"Delta", "Alpha", "Gamma", "Beta"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        open(QLatin1Char('0'), QLatin1Char(c.sort));
        ASSERT_NE(form(), nullptr);
        EXPECT_EQ(control<QLabel>(form(), "ListLbl1")->text(), QLatin1String(c.caption));
        EXPECT_EQ(names(), c.order);
        EXPECT_FALSE(env.ui.waitCursor);
        EXPECT_TRUE(control<QPushButton>(form(), "ListCmd2")->isDefault());
        press(form(), "ListCmd1");
        EXPECT_EQ(form(), nullptr);
    }
    EXPECT_TRUE(print[0].isNull() || !isLoaded(print[0]));
    EXPECT_TRUE(!print[1].isNull() && isLoaded(print[1]));
}

TEST_F(QuickFind, EachFieldCodeShowsItsField)
{
    NARecord a = makeRecord(1, "Name A");
    a.AddrLine1 = "Line one";
    a.AddrLine3 = "Line three";
    a.Comments = "A comment";
    a.PhoneType1 = "Home";
    a.PhoneNum1 = "555-1000";
    a.PhoneType2 = "Work";
    a.PhoneNum2 = "555-2000";
    start({{1, a}});
    const QString phones = padRight("Home", 6) + " " + padRight("555-1000", 20) + "  " +
                           padRight("Work", 6) + " " + padRight("555-2000", 20);
    const struct {
        char code;
        const char* caption;
        QString first;
    } cases[] = {
        {'0', "Name", "Name A"},
        {'1', "Address Line 1", "Line one"},
        {'2', "Address Line 2", ""},
        {'3', "Address Line 3", "Line three"},
        {'4', "Address Line 4", ""},
        {'5', "Comments", padRight("A comment", 100)},
        {'6', "First Two Telephone Numbers", phones},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        open(QLatin1Char(c.code), QLatin1Char('4'));
        EXPECT_EQ(control<QLabel>(form(), "ListLbl2")->text(), QLatin1String(c.caption));
        EXPECT_EQ(lines(), QStringList{padRight(c.first, std::max<int>(35, c.first.size()))});
        press(form(), "ListCmd1");
    }
}

// By ID the lines are Carol, Alan, Hal, Bob, Emile, Renee; key 1 runs against
// the IDs (by key: Renee first, Carol last), so the sort order is seen to hold.
TEST_F(QuickFind, MouseKeysAndTypingChooseAndOpenALineIgnoringCaseAndAccents)
{
    std::map<int, NARecord> r;
    const std::pair<int, const char*> people[] = {
        {3, "Carol"}, {5, "Alan"}, {8, "Hal"}, {9, "Bob"}, {11, "\u00c9mile"}, {12, "Ren\u00e9e"}};
    for (auto [id, name] : people)
        r[id] = makeRecord(id, name, QString(QChar(u'z' - id)));
    start(r);
    // Blank fourth address lines, in key order: the display button asks for a
    // line; clicking one hands it the focus.
    open(QLatin1Char('4'), QLatin1Char('0'));
    press(form(), "ListCmd2");
    EXPECT_EQ(env.ui.last().text, "Please Select A Line.");
    EXPECT_EQ(env.ui.last().title, "Corvane Mark32");
    ASSERT_NE(form(), nullptr);
    clickLine(0);
    EXPECT_EQ(form()->focusWidget()->objectName(), "ListCmd2");
    press(form(), "ListCmd2");
    expectOpened("Ren\u00e9e");
    // A double click opens its line at once.
    open(QLatin1Char('0'), QLatin1Char('0'));
    clickLine(2, true);
    expectOpened("Bob");

    // The first arrow key chooses the first line; the keypad's Enter in the
    // list opens it (more arrow keys and Return there: the desktop test).
    open(QLatin1Char('0'), QLatin1Char('4'));
    pressKey(form(), Qt::Key_Down);
    pressKey(form(), Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    expectOpened("Carol");

    // Enter on the focused display button presses it; on Cancel it cancels.
    for (bool onCancel : {false, true}) {
        open(QLatin1Char('0'), QLatin1Char('4'));
        clickLine(1);
        if (onCancel)
            control<QPushButton>(form(), "ListCmd1")->setFocus();
        pressKey(form(), Qt::Key_Enter, Qt::KeypadModifier);
        settle();
        if (!onCancel)
            expectOpened("Alan");
    }
    EXPECT_EQ(form(), nullptr);
    EXPECT_EQ(findWindow("BrsForma"), nullptr);

    // Alt+F goes to the find box; typing there narrows the list, ignoring case and
    // accents; Return opens the one line left or the one chosen with the arrow keys.
    const QStringList all = {"Carol", "Alan", "Hal", "Bob", "\u00c9mile", "Ren\u00e9e"};
    const struct {
        char sort;
        QString typed;
        QStringList shown;
        std::vector<int> keys; // after the text, in the find box
        const char* opened;    // null: nothing opens, "Please Select A Line."
    } cases[] = {
        {'4', "AL", {"Alan", "Hal"}, {Qt::Key_Return}, nullptr},
        {'0', "AL", {"Hal", "Alan"}, {Qt::Key_Down, Qt::Key_Return}, "Hal"},
        {'4', "emi", {"\u00c9mile"}, {Qt::Key_Return}, "\u00c9mile"},
        {'4', "\u00e9E", {"Ren\u00e9e"}, {Qt::Key_Return}, "Ren\u00e9e"},
        // Sort keys count as well: Émile's is "o".
        {'4',
         "o",
         {"Carol", "Bob", "\u00c9mile \u2014 Sort Key 1: o"},
         {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return},
         "Bob"},
        {'4', "", all, {Qt::Key_Return}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " sort " + c.sort);
        open(QLatin1Char('0'), QLatin1Char(c.sort));
        // The window opens as it did without the box: the focus in the list.
        EXPECT_EQ(QApplication::focusWidget(), list());
        pressKey(form(), Qt::Key_F, Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), control<QLineEdit>(form(), "ListFilter"));
        type(control<QLineEdit>(form(), "ListFilter"), c.typed);
        EXPECT_EQ(names(), c.shown);
        const size_t shown = env.ui.messages.size();
        for (int key : c.keys)
            pressKey(form(), key);
        settle();
        if (c.opened) {
            expectOpened(c.opened);
            continue;
        }
        ASSERT_EQ(env.ui.messages.size(), shown + 1) << "one answer to one Enter";
        EXPECT_EQ(env.ui.last().text, "Please Select A Line.");
        press(form(), "ListCmd1");
    }
}

// The find box holds every word typed, in any order, against every field of
// the record; a line found through a field it does not show names that field.
TEST_F(QuickFind, FindBoxMatchesEveryWordInAnyFieldAndSaysWhereWhenNotShown)
{
    NARecord greta = makeRecord(1, "Greta Becker");
    greta.AddrLine1 = "12 Mill Lane";
    greta.AddrLine2 = "Thornbury";
    greta.EMail = "gb@example.org";
    greta.PhoneType1 = "Home";
    greta.PhoneNum1 = "(555) 123-4567";
    greta.Comments = "Met at the rowing club";
    NARecord weiss = makeRecord(2, "Hanna Wei\u00df", "Zeller");
    weiss.AddrLine1 = "Stra\u00dfe des Friedens 3";
    NARecord muller = makeRecord(3, "J\u00fcrgen M\u00fcller");
    muller.AddrLine2 = "Thornbury";
    muller.PhoneNum2 = "555 9876";
    start({{1, greta}, {2, weiss}, {3, muller}});
    open(QLatin1Char('0'), QLatin1Char('4'));
    const QString gretaLine = padRight("Greta Becker", 35);
    const struct {
        QString typed;
        QStringList shown;
    } cases[] = {
        // On the shown field the lines stay as they are, whatever the word order.
        {"becker greta", {gretaLine}},
        {"  GRETA   beck ", {gretaLine}},
        {"greta becker zz", {}},
        // ß is ss, accents and case are ignored, both ways round.
        {"weiss", {padRight("Hanna Wei\u00df", 35)}},
        {"WEI\u00df hanna", {padRight("Hanna Wei\u00df", 35)}},
        {"muller jurgen", {padRight("J\u00fcrgen M\u00fcller", 35)}},
        {"m\u00fcll", {padRight("J\u00fcrgen M\u00fcller", 35)}},
        // Other fields: the line names the one that matched.
        {"mill", {"Greta Becker \u2014 Address Line 1: 12 Mill Lane"}},
        {"greta thornbury", {"Greta Becker \u2014 Address Line 2: Thornbury"}},
        {"thornbury",
         {"Greta Becker \u2014 Address Line 2: Thornbury",
          "J\u00fcrgen M\u00fcller \u2014 Address Line 2: Thornbury"}},
        {"strasse", {"Hanna Wei\u00df \u2014 Address Line 1: Stra\u00dfe des Friedens 3"}},
        {"example.org", {"Greta Becker \u2014 E-Mail: gb@example.org"}},
        {"rowing", {"Greta Becker \u2014 Comments: Met at the rowing club"}},
        {"zeller", {"Hanna Wei\u00df \u2014 Sort Key 1: Zeller"}},
        // Words on two fields name both, in the record's order.
        {"club mill",
         {"Greta Becker \u2014 Address Line 1: 12 Mill Lane; Comments: Met at the rowing club"}},
        // Digits match a telephone number's digits, punctuation and blanks left out.
        {"555 12", {"Greta Becker \u2014 Home: (555) 123-4567"}},
        {"5551234567", {"Greta Becker \u2014 Home: (555) 123-4567"}},
        {"5559876", {"J\u00fcrgen M\u00fcller \u2014 Telephone: 555 9876"}},
        {"5551239", {}},
        // A word never spans two fields.
        {"lane thornbury",
         {"Greta Becker \u2014 Address Line 1: 12 Mill Lane; Address Line 2: "
          "Thornbury"}},
        {"lanethorn", {}},
    };
    auto* box = control<QLineEdit>(form(), "ListFilter");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        type(box, c.typed);
        EXPECT_EQ(lines(), c.shown);
    }
    // The phone list shows the numbers: a match there needs no naming.
    press(form(), "ListCmd1");
    open(QLatin1Char('6'), QLatin1Char('4'));
    type(control<QLineEdit>(form(), "ListFilter"), "555 12");
    ASSERT_EQ(lines().size(), 1);
    EXPECT_FALSE(lines().at(0).contains(u'\u2014')) << lines().at(0).toStdString();
    EXPECT_TRUE(lines().at(0).startsWith("Home")) << lines().at(0).toStdString();
    // Cleared, the list is whole and plain again.
    type(control<QLineEdit>(form(), "ListFilter"), "");
    EXPECT_EQ(lines().size(), 3);
}

// Typing as soon as the window opens goes to the find box; the arrow keys and
// Enter still work the list.
TEST_F(QuickFind, TypingRightAfterOpeningGoesToTheFindBox)
{
    start({{1, makeRecord(1, "Greta Becker")}, {2, makeRecord(2, "Hanna Wei\u00df")}});
    open(QLatin1Char('0'), QLatin1Char('4'));
    ASSERT_EQ(QApplication::focusWidget(), list());
    auto* box = control<QLineEdit>(form(), "ListFilter");
    QTest::keyClicks(list(), "Wei");
    EXPECT_EQ(QApplication::focusWidget(), box);
    QTest::keyClicks(box, "ss");
    EXPECT_EQ(box->text(), "Weiss");
    EXPECT_EQ(names(), QStringList{"Hanna Wei\u00df"});
    pressKey(form(), Qt::Key_Return);
    settle();
    expectOpened("Hanna Wei\u00df");

    // Arrow keys stay in the list; a capital typed there arrives as typed.
    open(QLatin1Char('0'), QLatin1Char('4'));
    pressKey(form(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(list()->currentIndex().row(), 0);
    QTest::keyClicks(list(), "B");
    EXPECT_EQ(control<QLineEdit>(form(), "ListFilter")->text(), "B");
    EXPECT_EQ(names(), QStringList{"Greta Becker"});
}

TEST_F(QuickFind, AnEmptyFileSaysSoAndLeavesTheListEmpty)
{
    start({}, 1);
    open(QLatin1Char('0'), QLatin1Char('0'));
    EXPECT_EQ(env.ui.last().text, "The N&A File Is Empty.");
    EXPECT_EQ(env.ui.last().title, "Tavrel");
    EXPECT_EQ(env.ui.beeps, 1);
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_FALSE(env.ui.waitCursor);
}

// A record whose fields the code page could not hold shows them as the person
// spelled them and is found by that spelling or the record's; it keeps the
// place its record's sort keys give it.
TEST_F(QuickFind, ANameInAnotherAlphabetShowsAsSpelledAndIsFoundByEitherSpelling)
{
    start({{1, makeRecord(1, "Adams", "ADAMS")},
           {2, makeRecord(2, "Placeholder")},
           {3, makeRecord(3, "Zorn", "ZORN")}});
    Contact ivan;
    ivan.id = 2;
    ivan.text(ContactField::Name) = QStringLiteral("Иван Петров");
    ivan.text(ContactField::SortKey1) = QStringLiteral("Петров");
    // Too long for the address line in Latin letters: the number is cut off there.
    ivan.text(ContactField::AddrLine1) = QStringLiteral("北京市朝阳区建国路八十八号");
    putContact(env.p(), 3, ivan);
    ASSERT_EQ(readRecord(env.naPath(), 3).SortKey1.trimmed(), "Petrov");

    open(QLatin1Char('0'), QLatin1Char('0'));
    const QString ivanLine = QStringLiteral("Иван Петров").leftJustified(35);
    EXPECT_EQ(lines(), (QStringList{padRight("Adams", 35), ivanLine, padRight("Zorn", 35)}))
        << "by the record's key Petrov, between Adams and Zorn";
    auto* box = control<QLineEdit>(form(), "ListFilter");
    const QString where =
        QStringLiteral("Иван Петров \u2014 Address Line 1: 北京市朝阳区建国路八十八号");
    const struct {
        QString typed;
        QStringList shown;
    } cases[] = {
        {"ivan", {ivanLine}},   {"Иван", {ivanLine}},  {"петров IVAN", {ivanLine}},
        {"Petrov", {ivanLine}}, {"八十八号", {where}}, {"jing ivan", {where}},
        {"Олег", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        type(box, c.typed);
        EXPECT_EQ(lines(), c.shown);
    }
    // The address line on show is the person's too; Enter opens the record.
    press(form(), "ListCmd1");
    open(QLatin1Char('1'), QLatin1Char('0'));
    EXPECT_EQ(lines().at(1), QStringLiteral("北京市朝阳区建国路八十八号").leftJustified(35));
    type(control<QLineEdit>(form(), "ListFilter"), QStringLiteral("八十八号"));
    ASSERT_EQ(lines().size(), 1);
    EXPECT_EQ(lines().at(0), QStringLiteral("北京市朝阳区建国路八十八号").leftJustified(35));
    pressKey(form(), Qt::Key_Down);
    pressKey(form(), Qt::Key_Return);
    settle();
    EXPECT_EQ(form(), nullptr);
    EXPECT_EQ(env.p().CurId, 2);
    closeRecordScreens(env.p());
    settle();
}

} // namespace
} // namespace tavrel::test
