#include "ReportFixture.h"

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

// The telephone list holds 8 people a page.
ReportOptions telephoneList(int sequence = 4, bool duplex = false, int from = 0, int through = 0)
{
    ReportOptions o;
    o.kind = ReportKind::TelephoneList;
    o.sequence = sequence;
    o.duplex = duplex;
    o.reprint = from > 0;
    o.reprintFrom = from;
    o.reprintThrough = through;
    return o;
}

} // namespace

class ReportRunTest : public ReportTest {};

TEST_F(ReportRunTest, OnePhaseRunShowsProgressAndCompletes)
{
    openPeople(17); // three pages
    EXPECT_EQ(run(telephoneList()), RunEnd::Completed);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2", "0.3=3"}));
    EXPECT_EQ(env.ui.texts(), QStringList{completed(3)});
    EXPECT_EQ(windows.calls,
              (QStringList{"preparing", "progress", "page 0", "closePreparing", "page 1", "page 2",
                           "page 2", "page 3", "page 3", "closeProgress"}));
    EXPECT_FALSE(env.ui.waitCursor);
    EXPECT_EQ(env.ui.waitCursorChanges, 2);

    // Two full pages end without an empty third, whether the walk ends on the
    // sorted list or on the file's last record.
    openPeople(16);
    for (int sequence : {0, 4}) {
        env.printer = RecordingPrinter();
        EXPECT_EQ(run(telephoneList(sequence)), RunEnd::Completed);
        EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2"}));
    }
}

// Two-sided runs print the odd pages, ask for the turn-over, then the even
// pages ("End Of Report" on the back of an odd last page); a reprint prints
// pages laid out as in a full run, two-sided ones whole sheets.
TEST_F(ReportRunTest, DuplexAndReprintRuns)
{
    const struct {
        const char* name;
        int people;
        ReportOptions o;
        std::optional<Ui::Answer> turnOver;
        RunEnd end;
        Sheets sheets;
        int firstPerson;  // on the first sheet: the same people as in a full run
        QString lastSaid; // after the turn-over prompt, when there is one
        QStringList docs; // what the printer was told of the documents
    } cases[] = {
        // clang-format off
        {"duplex of one page", 5, telephoneList(4, true), {}, RunEnd::Completed, {"0.1=1"}, 1,
         completed(1), {"endDoc"}},
        {"duplex cancelled at the turn-over", 33, telephoneList(4, true), Ui::Answer::Cancel,
         RunEnd::Cancelled, {"0.1=1", "0.2=3", "0.3=5"}, 1, kCancelled,
         {"endDoc", "killDoc", "endDoc"}},
        {"page 1", 64, telephoneList(4, false, 1, 1), {}, RunEnd::Completed, {"0.1=1"}, 1,
         completed(1), {"endDoc"}},
        {"pages 4-6", 64, telephoneList(4, false, 4, 6), {}, RunEnd::Completed,
         {"0.1=4", "0.2=5", "0.3=6"}, 25, completed(6), {"endDoc"}},
        {"duplex pages 2-5", 64, telephoneList(4, true, 2, 5), Ui::Answer::Ok, RunEnd::Completed,
         {"0.1=1", "0.2=3", "0.3=5", "1.1=2", "1.2=4", "1.3=6"}, 1, completed(6),
         {"endDoc", "endDoc"}},
        {"duplex pages 3-4", 64, telephoneList(4, true, 3, 4), Ui::Answer::Ok, RunEnd::Completed,
         {"0.1=3", "1.1=4"}, 17, completed(4), {"endDoc", "endDoc"}},
        {"duplex", 33, telephoneList(4, true), Ui::Answer::Ok, RunEnd::Completed,
         {"0.1=1", "0.2=3", "0.3=5", "1.1=2", "1.2=4", "1.3=End Of Report"}, 1, completed(5),
         {"endDoc", "endDoc"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openPeople(c.people);
        env.printer = RecordingPrinter();
        env.ui.messages.clear();
        if (c.turnOver)
            env.ui.answer(*c.turnOver);
        EXPECT_EQ(run(c.o), c.end);
        EXPECT_EQ(sheets(), c.sheets);
        EXPECT_EQ(namesOn(1).front(), c.firstPerson);
        EXPECT_EQ(env.ui.texts(),
                  c.turnOver ? (QStringList{kTurnOver, c.lastSaid}) : QStringList(c.lastSaid));
        EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), c.docs);
    }
    // The last case, the whole duplex run, looked at closer.
    ASSERT_GE(env.ui.messages.size(), 1u);
    EXPECT_EQ(std::pair(env.ui.messages[0].buttons, env.ui.messages[0].title),
              std::pair(Ui::Buttons::OkCancel, QStringLiteral("Tavrel")));
    EXPECT_EQ(namesOn(1, 1).front(), 9) << "page 2 holds the same people as in a one-sided run";
    // Date and page number at the left margin on even pages, right-aligned on odd ones.
    for (const auto& t : env.printer.texts) {
        if (t.y != 1140 && !(t.y == 14000 && !t.text.startsWith(u"Produced")))
            continue;
        EXPECT_EQ(t.x, t.document == 1 ? 360 : 11100 - RecordingPrinter().textWidth(t.text))
            << t.text.toStdString();
    }
    // "End Of Report" centred, so the last sheet is fed out.
    const auto* end = env.printer.find(QStringLiteral("End Of Report"));
    ASSERT_TRUE(end);
    EXPECT_EQ(std::tie(end->x, end->y, end->font, end->size, end->bold),
              std::make_tuple(11520 / 2.0 - widthOf(end->text, 11, true, kCourier) / 2, 7000.0,
                              kCourier, 11.0, true));
}

// Keys that tie once upper-cased, so the order of equal keys shows the shared
// heapsort; a stray record (ID 5 claiming to be 9), a deleted one and one past
// the file's last record never print; a list of deleted members prints no one
// (sorted: a page with its heading only); a missing list stops the run before
// anything starts (an empty file: ReportDialogTest).
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
                  {6, deletedRecord(6, QStringLiteral("Person 6"), QStringLiteral("0"))},
                  {7, person(7, "0", "0")}}, // past the last record the header names
                 7);
    writeList("tvlmail.few", QString(), "4 1 3 5 6");

    const struct {
        int sequence;
        const char* list;
        std::vector<int> ids;
        int pages;
    } cases[] = {
        {0, "", {2, 3, 4, 1}, 1},         {1, "", {4, 3, 1, 2}, 1},
        {2, "", {3, 2, 4, 1}, 1},         {3, "", {3, 4, 1, 2}, 1},
        {4, "", {1, 2, 3, 4}, 1},         {2, "tvlmail.few", {3, 4, 1}, 1},
        {4, "tvlmail.few", {1, 3, 4}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sequence);
        env.printer = RecordingPrinter();
        ReportOptions o = options(ReportKind::AbbreviatedList, c.sequence);
        o.mailListFile = QString::fromLatin1(c.list);
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(namesOn(1), c.ids);
        EXPECT_EQ(std::pair(int(sheets().size()), lastMessage()),
                  std::pair(c.pages, completed(c.pages)));
    }
    env.printer = RecordingPrinter();
    windows.calls.clear();
    ReportOptions o = options(ReportKind::AbbreviatedList);
    o.mailListFile = QStringLiteral("tvlmail.old");
    EXPECT_EQ(run(o), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Error  53 In PrtCmd1.  Notify Programmer."));
    EXPECT_TRUE(env.printer.log.isEmpty());
    EXPECT_TRUE(windows.calls.isEmpty());
}

TEST_F(ReportRunTest, PrinterErrors)
{
    // Ending the document fails: said once, no completion claimed, and nothing
    // more goes to the printer (no second page, no second document). A print
    // system that refused the document is quoted.
    openPeople(3);
    const struct {
        int docFailWith;
        QString notSent;
        QString message;
        QStringList sent; // the document operations and page breaks logged
    } endFailures[] = {
        {482, {}, kPrinterError, {}},
        {0,
         kRefusal,
         QStringLiteral("Report Not Printed.\n\n") + kRefusal,
         {"endDoc not sent", "killDoc"}},
    };
    for (const auto& f : endFailures) {
        env.printer = RecordingPrinter();
        env.printer.docFailWith = f.docFailWith;
        env.printer.notSentReason = f.notSent;
        env.ui.messages.clear();
        EXPECT_EQ(run(telephoneList()), RunEnd::NotPrinted);
        ASSERT_EQ(env.ui.messages.size(), 1u);
        EXPECT_EQ(std::pair(env.ui.messages[0].text, env.ui.messages[0].title),
                  std::pair(f.message, QStringLiteral("Printer Error")));
        EXPECT_EQ(env.printer.log.filter(QRegularExpression(QStringLiteral("Doc|newPage"))),
                  f.sent);
        EXPECT_EQ(windows.calls.last(), QStringLiteral("closeProgress"));
    }

    // Cancel is noticed once the page in progress is done (page 2 is said done
    // twice: when it starts and when it ends); abandoning and ending the job
    // then both fail: still said once.
    openPeople(33);
    env.printer = RecordingPrinter();
    env.ui.messages.clear();
    env.ui.onProcessEvents = [this] {
        p.StopRequested = windows.lastShown == 2;
        if (windows.calls.count(QStringLiteral("page 2")) == 2)
            env.printer.docFailWith = 482;
    };
    EXPECT_EQ(run(telephoneList()), RunEnd::Cancelled);
    EXPECT_EQ(sheets(), (Sheets{"0.1=1", "0.2=2"}));
    EXPECT_EQ(namesOn(2).size(), 8u);
    EXPECT_EQ(env.ui.texts(), (QStringList{kCancelled, kPrinterError}));
    env.ui.onProcessEvents = nullptr;

    // A failure while a page is drawn abandons the job.
    env.printer = RecordingPrinter();
    env.printer.failWith = 482;
    env.ui.messages.clear();
    EXPECT_EQ(run(telephoneList()), RunEnd::Cancelled);
    EXPECT_EQ(env.ui.texts(), QStringList{kPrinterError});
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), (QStringList{"killDoc", "endDoc"}));
}

} // namespace tavrel::test
