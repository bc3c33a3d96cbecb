#include "ReportFixture.h"

#include "maillists/MailListFile.h"

#include "support/Gui.h"

#include <QPushButton>
#include <QRegularExpression>

#include <tuple>

namespace tavrel::test {

namespace {

using Sheets = std::vector<std::string>;

const QString kTurnOver = QStringLiteral(
    "Odd-Numbered Pages Have Been Prepared.  Ready To Print Even-Numbered Pages.\n"
    "\nNow Do This:\n   1.  Wait For Report To Print\n"
    "   2.  Remove Entire Report From Printer\n   3.  Turn Report Over\n"
    "   4.  Put Report Back In The Printer\n"
    "   5.  Click The OK Button To Continue   OR   Click The Cancel Button To Abort");
const QString kCancelled =
    QStringLiteral("Report Cancelled At Your Request. Throw Away Any Pages That Print.");
const QString kPrinterError =
    QStringLiteral("A Printer Error Occurred. Throw Away Any Pages That Print.");

ReportOptions withRange(ReportOptions o, int from, int through, bool duplex)
{
    o.reprint = true;
    o.reprintFrom = from;
    o.reprintThrough = through;
    o.duplex = duplex;
    return o;
}

} // namespace

class ReportRunTest : public ReportTest {
protected:
    // The telephone list holds 8 people a page.
    static ReportOptions telephoneList() { return options(ReportKind::TelephoneList); }
};

TEST_F(ReportRunTest, OnePhaseRunShowsProgressAndCompletes)
{
    openPeople(17); // three pages
    EXPECT_EQ(run(telephoneList()), RunEnd::Completed);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2", "0.3=3"}));
    EXPECT_EQ(namesOn(3), (std::vector<int>{17}));
    EXPECT_EQ(env.ui.texts(), QStringList{completed(3)});
    EXPECT_EQ(windows.calls,
              (QStringList{"preparing", "progress", "page 0", "closePreparing", "page 1", "page 2",
                           "page 2", "page 3", "page 3", "closeProgress"}));
    EXPECT_FALSE(env.ui.waitCursor);
    EXPECT_EQ(env.ui.waitCursorChanges, 2);
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), QStringList{"endDoc"});
}

// Two full pages end without an empty third, sorted (keys "k1-1", "k1-10", ...) or not.
TEST_F(ReportRunTest, FullPagesSortedAndUnsorted)
{
    openPeople(16);
    const std::vector<int> byKey[] = {{1, 10, 11, 12, 13, 14, 15, 16}, {2, 3, 4, 5, 6, 7, 8, 9}};
    const std::vector<int> byId[] = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}};
    for (int sequence : {0, 4}) {
        env.printer = RecordingPrinter();
        ReportOptions o = telephoneList();
        o.sequence = sequence;
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2"}));
        const auto* expected = sequence == 0 ? byKey : byId;
        EXPECT_EQ(namesOn(1), expected[0]);
        EXPECT_EQ(namesOn(2), expected[1]);
        EXPECT_EQ(lastMessage(), completed(2));
    }
}

TEST_F(ReportRunTest, DuplexPrintsOddPagesTurnsOverThenEvenPages)
{
    openPeople(33); // five pages
    ReportOptions o = telephoneList();
    o.duplex = true;
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=3", "0.3=5", "1.1=2", "1.2=4", "1.3=End Of Report"}));
    EXPECT_EQ(env.ui.texts(), (QStringList{kTurnOver, completed(5)}));
    EXPECT_EQ(env.ui.messages[0].buttons, Ui::Buttons::OkCancel);
    EXPECT_EQ(env.ui.messages[0].title, QStringLiteral("Tavrel"));
    EXPECT_EQ(namesOn(1, 1).front(), 9) << "page 2 holds the same people as in a one-sided run";

    // Date and page number at the left margin on even pages, right-aligned on odd ones.
    for (const auto& t : env.printer.texts) {
        if (t.y != 1140 && !(t.y == 14000 && !t.text.startsWith(u"Produced")))
            continue;
        const bool even = t.document == 1;
        EXPECT_EQ(t.x, even ? 360 : 11100 - RecordingPrinter().textWidth(t.text))
            << t.text.toStdString();
    }
    // "End Of Report" on the back of page 5, centred, so the last sheet is fed out.
    const auto* end = env.printer.find(QStringLiteral("End Of Report"));
    ASSERT_TRUE(end);
    RecordingPrinter courier;
    courier.setFontName(QStringLiteral("Courier New"));
    courier.setFontSize(11);
    courier.setFontBold(true);
    EXPECT_EQ(std::tie(end->x, end->y, end->font, end->size, end->bold),
              std::make_tuple(11520 / 2.0 - courier.textWidth(end->text) / 2, 7000.0,
                              courier.fontName(), 11.0, true));
}

TEST_F(ReportRunTest, DuplexWithoutATurnOver)
{
    // One page: nothing to turn over (no box is answered).
    openPeople(5);
    ReportOptions o = telephoneList();
    o.duplex = true;
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1"}));
    EXPECT_EQ(env.ui.texts(), QStringList{completed(1)});

    // Cancel at the turn-over: the odd pages are out, the even phase never starts.
    env.printer = RecordingPrinter();
    env.ui.messages.clear();
    openPeople(33);
    env.ui.answer(Ui::Answer::Cancel);
    EXPECT_EQ(run(o), RunEnd::Cancelled);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=3", "0.3=5"}));
    EXPECT_EQ(env.ui.texts(), (QStringList{kTurnOver, kCancelled}));
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")),
              (QStringList{"endDoc", "killDoc", "endDoc"}));
}

TEST_F(ReportRunTest, ReprintRanges)
{
    openPeople(64); // eight pages
    const struct {
        ReportOptions o;
        Sheets sheets;
        int firstPerson; // on the first sheet: the same people as in a full run
        int lastPage;
    } cases[] = {
        // Pages 1-3 are laid out unprinted and printing stops after page 6.
        {withRange(telephoneList(), 4, 6, false), {"0.1=4", "0.2=5", "0.3=6"}, 25, 6},
        // Two-sided reprints take whole sheets.
        {withRange(telephoneList(), 2, 5, true),
         {"0.1=1", "0.2=3", "0.3=5", "1.1=2", "1.2=4", "1.3=6"},
         1,
         6},
        {withRange(telephoneList(), 3, 4, true), {"0.1=3", "1.1=4"}, 17, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.o.reprintFrom);
        env.printer = RecordingPrinter();
        env.ui.messages.clear();
        if (c.o.duplex)
            env.ui.answer(Ui::Answer::Ok);
        EXPECT_EQ(run(c.o), RunEnd::Completed);
        EXPECT_EQ(sheets(), c.sheets);
        EXPECT_EQ(namesOn(1).front(), c.firstPerson);
        EXPECT_EQ(lastMessage(), completed(c.lastPage));
    }
}

TEST_F(ReportRunTest, CancelIsNoticedAfterThePageInProgress)
{
    openPeople(33);
    env.ui.onProcessEvents = [this] {
        if (windows.lastShown == 2)
            p.StopRequested = true;
    };
    EXPECT_EQ(run(telephoneList()), RunEnd::Cancelled);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2"}));
    EXPECT_EQ(namesOn(2).size(), 8u);
    EXPECT_EQ(env.ui.texts(), QStringList{kCancelled});
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), (QStringList{"killDoc", "endDoc"}));
    EXPECT_EQ(windows.calls.last(), QStringLiteral("closeProgress"));
}

TEST_F(ReportRunTest, RunsThatPrintNothing)
{
    env.openFile({}, 1);
    EXPECT_EQ(run(telephoneList()), RunEnd::EmptyFile);
    EXPECT_EQ(env.ui.texts(),
              QStringList{QStringLiteral("The N&A File Is Empty.  There Is Nothing To Print.")});

    openPeople(3);
    env.ui.messages.clear();
    ReportOptions missing = telephoneList();
    missing.mailListFile = QStringLiteral("tvlmail.zz");
    EXPECT_EQ(run(missing), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Error  53 In PrtCmd1.  Notify Programmer."));
    EXPECT_TRUE(env.printer.log.isEmpty());
    EXPECT_TRUE(windows.calls.isEmpty());
}

TEST_F(ReportRunTest, MailingListWhoseMembersWereAllDeleted)
{
    auto records = peopleWithDetails(6);
    records[4] = deletedRecord(4, QStringLiteral("Person 4"));
    records[5] = deletedRecord(5, QStringLiteral("Person 5"));
    env.openFile(records);
    parseIdList(p, QStringLiteral("4 5"));
    writeMailList(p, QStringLiteral("tvlmail.old"), QStringLiteral("Old"));

    ReportOptions o = telephoneList();
    o.mailListFile = QStringLiteral("tvlmail.old");
    o.sequence = 0;
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_TRUE(env.printer.texts.empty());
    EXPECT_EQ(lastMessage(), completed(0));

    o.sequence = 4;
    env.printer = RecordingPrinter();
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1"}));
    EXPECT_TRUE(env.printer.find(QStringLiteral("Telephone List")));
    EXPECT_TRUE(namesOn(1).empty());
    EXPECT_EQ(lastMessage(), completed(1));
}

// Keys that tie once upper-cased, so the order of equal keys shows the shared
// heapsort; a stray record (ID 5 claiming to be 9) and a deleted one never print.
TEST_F(ReportRunTest, OrderBySequenceAndSource)
{
    auto person = [](int id, const char* k1, const char* k2) {
        return makeRecord(id, QStringLiteral("Person %1").arg(id), QString::fromLatin1(k1),
                          QString::fromLatin1(k2));
    };
    NARecord stray = person(5, "0", "0");
    stray.RecId = 9;
    env.openFile({{1, person(1, "b", "2")},
                  {2, person(2, "a", "9")},
                  {3, person(3, "A", "1")},
                  {4, person(4, "B", "1")},
                  {5, stray},
                  {6, deletedRecord(6, QStringLiteral("Person 6"), QStringLiteral("0"))}},
                 7);
    parseIdList(p, QStringLiteral("4 1 3 5 6"));
    writeMailList(p, QStringLiteral("tvlmail.few"), QString());

    const struct {
        int sequence;
        bool mailList;
        std::vector<int> ids;
    } cases[] = {
        {0, false, {2, 3, 4, 1}}, {1, false, {4, 3, 1, 2}}, {2, false, {3, 2, 4, 1}},
        {3, false, {3, 4, 1, 2}}, {4, false, {1, 2, 3, 4}}, {2, true, {3, 4, 1}},
        {4, true, {1, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sequence);
        env.printer = RecordingPrinter();
        ReportOptions o = options(ReportKind::AbbreviatedList, c.sequence);
        if (c.mailList)
            o.mailListFile = QStringLiteral("tvlmail.few");
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(namesOn(1), c.ids);
        EXPECT_EQ(lastMessage(), completed(1));
    }
}

TEST_F(ReportRunTest, PrinterErrors)
{
    // Ending the document fails: said once, no completion claimed, and nothing
    // more goes to the printer (no second page, no second document). A print
    // system that refused the document is quoted.
    openPeople(3);
    const QString refusal =
        QStringLiteral("The Print System Said: The printer or class does not exist.");
    const struct {
        int docFailWith;
        QString notSent;
        QString message;
    } endFailures[] = {
        {482, {}, kPrinterError},
        {0, refusal, QStringLiteral("Report Not Printed.\n\n") + refusal},
    };
    for (const auto& f : endFailures) {
        env.printer = RecordingPrinter();
        env.printer.docFailWith = f.docFailWith;
        env.printer.notSentReason = f.notSent;
        env.ui.messages.clear();
        EXPECT_EQ(run(telephoneList()), RunEnd::NotPrinted);
        ASSERT_EQ(env.ui.messages.size(), 1u);
        EXPECT_EQ(env.ui.messages[0].text, f.message);
        EXPECT_EQ(env.ui.messages[0].title, QStringLiteral("Printer Error"));
        const QStringList sent =
            f.notSent.isEmpty() ? QStringList() : QStringList{"endDoc not sent", "killDoc"};
        EXPECT_EQ(env.printer.log.filter(QRegularExpression(QStringLiteral("Doc|newPage"))), sent);
        EXPECT_EQ(windows.calls.last(), QStringLiteral("closeProgress"));
    }
    env.printer = RecordingPrinter();
    env.printer.docFailWith = 482;

    // Cancelled, and both abandoning and ending the job fail: still said once.
    env.ui.messages.clear();
    env.ui.onProcessEvents = [this] { p.StopRequested = true; };
    EXPECT_EQ(run(telephoneList()), RunEnd::Cancelled);
    EXPECT_EQ(env.ui.texts(), (QStringList{kCancelled, kPrinterError}));
    env.ui.onProcessEvents = nullptr;

    // A failure while a page is drawn abandons the job.
    env.printer = RecordingPrinter();
    env.printer.failWith = 482;
    env.ui.messages.clear();
    EXPECT_EQ(run(telephoneList()), RunEnd::Cancelled);
    EXPECT_EQ(env.ui.texts(), QStringList{kPrinterError});
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), (QStringList{"killDoc", "endDoc"}));

    // A test page the print system refused: said in its words; the run stops.
    env.printer = RecordingPrinter();
    env.printer.notSentReason = refusal;
    env.ui.messages.clear();
    env.ui.answer(Ui::Answer::Yes);
    env.ui.onModal([](QDialog& d) { click(control<QPushButton>(&d, "VertCmd1")); });
    ReportOptions labels = options(ReportKind::Labels);
    labels.labelStock = 2;
    EXPECT_EQ(run(labels), RunEnd::CancelledEarly);
    EXPECT_EQ(env.ui.texts().last(), QStringLiteral("Test Page Not Printed.\n\n") + refusal);
}

} // namespace tavrel::test
