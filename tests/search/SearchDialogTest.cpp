#include "SearchFixture.h"

#include "records/gui/RecordScreens.h"
#include "search/gui/MatchListWindow.h"
#include "search/gui/MatchViewWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace tavrel;
using namespace tavrel::test;

TEST_F(SearchTest, DialogOpensBlankBoxesExcludeEachOtherAndMissingPartsAreRefused)
{
    SearchDialog* f = openDialog();
    ASSERT_NE(f, nullptr);
    // Which of the eight field boxes can be used, as a string of 1/0.
    const auto enabledBoxes = [f] {
        QString s;
        for (QCheckBox* b : f->fieldChecks)
            s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    EXPECT_EQ(f->windowTitle(), "N&A File Search");
    EXPECT_EQ(f->searchTextEdit->maxLength(), 32767); // no limit of its own
    EXPECT_EQ(enabledBoxes(), "11111111");
    EXPECT_EQ(f->fieldChecks[7]->text(), "Search All &fields Listed Above");
    EXPECT_EQ(f->searchButton->toolTip(), "Start The Search");

    // Name only shuts out every other field box; any other box shuts out name
    // only, until none of them is ticked; "all fields" shuts out the single
    // fields as well. Each tick sends the focus on to "&Search".
    const std::pair<int, const char*> steps[] = {
        {0, "10000000"}, {0, "11111111"}, {2, "01111111"}, {5, "01111111"}, {2, "01111111"},
        {5, "11111111"}, {3, "01111111"}, {7, "00000001"}, {7, "01111111"}, {3, "11111111"},
        {8, "11111111"}, {9, "11111111"}}; // 8 and 9: the option boxes, which send it on too
    const auto& b = f->fieldChecks;
    for (auto [i, enabled] : steps) {
        f->searchTextEdit->setFocus();
        click(i < 8 ? b[i] : i == 8 ? f->saveToListCheck : f->displayMatchesCheck);
        EXPECT_EQ(enabledBoxes(), enabled) << i;
        EXPECT_EQ(f->focusWidget(), f->searchButton) << i;
        // With "all fields", box 3 is still ticked, only unavailable.
        EXPECT_TRUE(i != 7 || enabled[3] == '1' || b[3]->isChecked());
    }

    // Missing text or fields is refused.
    click(f->fieldChecks[1]);
    env.ui.setAutoOk(true);
    // Enter on a box presses "&Search", the default button, not Cancel.
    pressKey(f, Qt::Key_Backtab);
    ASSERT_EQ(f->focusWidget(), f->ignoreAccentsCheck);
    pressKey(f, Qt::Key_Return);
    click(f->fieldChecks[1]);
    type(f->searchTextEdit, " baker ");
    click(f->searchButton);
    EXPECT_EQ(env.ui.texts(), QStringList({"Please Specify A Search Parameter.",
                                           "Please Select One Or More Search Fields."}));
    EXPECT_EQ(env.ui.last().title, "Tavrel");

    // Enter in the text moves on to "&Search" and does not search.
    click(f->fieldChecks[0]);
    f->searchTextEdit->setFocus();
    QTest::keyClick(f->searchTextEdit, Qt::Key_Return);
    EXPECT_EQ(f->focusWidget(), f->searchButton);
    EXPECT_EQ(env.ui.messages.size(), 2u);
    // Nothing ran and nothing was reset; the dialog is still there to fix.
    settle();
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->searchTextEdit->text(), " baker "); // blanks kept as typed
    EXPECT_EQ(completeForm(), nullptr);

    click(f->cancelButton);
    settle();
    EXPECT_FALSE(loaded("SchForm"));
}

// "&Ignore Accents" is on as the dialog opens: case, accents and ß against ss
// fold alike in the key and the fields. Off, the search compares letter for letter.
TEST_F(SearchTest, IgnoreAccentsIsOnByDefaultAndFoldsKeyAndFieldsAlike)
{
    NARecord muller = makeRecord(1, "J\u00fcrgen M\u00fcller");
    muller.AddrLine1 = "Stra\u00dfe des Friedens 3";
    muller.SortKey2 = "M\u00dcLLER";
    NARecord weiss = makeRecord(2, "Hanna Wei\u00df");
    weiss.Comments = "Caf\u00e9 owner";
    weiss.PhoneNum1 = "555-0100";
    env.openFile({{1, muller}, {2, weiss}, {3, makeRecord(3, "Anna Muller")}}, 4);

    SearchDialog* f = openDialog();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ignoreAccentsCheck->text(), "&Ignore Accents");
    EXPECT_TRUE(f->ignoreAccentsCheck->isChecked());
    pressKey(f, Qt::Key_I, Qt::AltModifier);
    // An access key clicks a check box the animated way, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([f] { return !f->ignoreAccentsCheck->isChecked(); }, 1000))
        << "Alt+I toggles it";
    closeAllWindows();

    struct Case {
        const char* key;
        std::vector<int> boxes;
        int folded; // matches with accents ignored
        int exact;  // and letter for letter
    };
    const Case cases[] = {
        {"muller", {0}, 2, 1},              // Anna Muller only, letter for letter
        {"M\u00dcLLER", {0}, 2, 1},         // J\u00fcrgen only, letter for letter
        {"weiss", {0}, 1, 0},               // ß is ss
        {"strasse des", {1}, 1, 0},         // in an address line
        {"cafe", {3}, 1, 0},                // in a comment
        {"mueller", {7}, 0, 0},             // folding drops accents, it spells nothing out
        {"muller          xyz", {5}, 1, 0}, // cut to the sort key's 16 characters first
        {"555-0100", {2}, 1, 1},            // digits are digits either way
    };
    for (const Case& c : cases) {
        for (bool ignore : {true, false}) {
            SCOPED_TRACE(std::string(c.key) + (ignore ? " ignoring accents" : " exact"));
            SearchDialog* d = openDialog();
            ASSERT_NE(d, nullptr);
            type(d->searchTextEdit, QString::fromUtf8(c.key));
            for (int i : c.boxes)
                click(d->fieldChecks[i]);
            if (!ignore)
                click(d->ignoreAccentsCheck);
            click(d->searchButton);
            EXPECT_EQ(p.SearchMatchCount, ignore ? c.folded : c.exact);
            closeAllWindows();
        }
    }
}

TEST_F(SearchTest, MatchWindowsAnswerZeroUnlessAButtonSaysOtherwise)
{
    const NARecord r = makeRecord(3, "Carl");
    p.MatchAnswer = 2;
    MatchViewWindow view(p, r, 1);
    EXPECT_EQ(p.MatchAnswer, 0);                     // reset on loading
    EXPECT_TRUE(view.answerButtons[0]->isDefault()); // drawn as the one Enter presses
    const int expected[4] = {0, 2, 1, 3};
    for (int i = 0; i < 4; ++i) {
        MatchListWindow w(p, r, 2);
        w.show();
        click(w.answerButtons[i]);
        EXPECT_EQ(p.MatchAnswer, expected[i]) << i;
    }
    view.show();
    click(view.answerButtons[2]);
    EXPECT_EQ(p.MatchAnswer, 1);
}

TEST_F(SearchTest, MatchWindowSitsCentredLowOnTheScreenAndNeverOverTheRecordScreen)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->geometry();
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInchY();
    const NARecord r = makeRecord(1, "Anna");

    const std::pair<int, int> cases[] = {{140, 2000}, {139, 1000}, {90, 1000}, {89, 500}};
    for (auto [figure, margin] : cases) {
        p.ScreenSizeFigure = figure;
        MatchListWindow w(p, r, 1);
        w.show();
        const QRect g = w.frameGeometry();
        EXPECT_NEAR(g.center().x(), area.center().x(), 1) << figure;
        EXPECT_NEAR(g.bottom() + 1, area.bottom() + 1 - margin / twipsPerPixel, 1) << figure;
    }

    // A record screen on display is never covered.
    p.ScreenSizeFigure = 150;
    ASSERT_TRUE(readActive(p, 1));
    p.ScreenMode = ScreenMode::Search;
    showRecordScreens(p);
    for (int shown : {1, 2}) {
        showRecordScreen(p, shown);
        QWidget* record = recordScreen(p, shown);
        ASSERT_TRUE(record && record->isVisible());
        MatchViewWindow w(p, p.CurRec, shown);
        w.show();
        const QRect g = w.frameGeometry();
        const bool below = g.top() > record->frameGeometry().bottom();
        const bool atScreenBottom = g.bottom() == area.bottom();
        EXPECT_TRUE(below || atScreenBottom) << shown;
        EXPECT_TRUE(area.contains(g)) << shown;
    }
}
