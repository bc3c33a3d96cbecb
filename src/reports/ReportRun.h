#pragma once

#include "platform/Printer.h"

#include <QString>

namespace tavrel {

class Program;
struct SheetChoice;

// The two questions of a label or card run that a person answers in windows
// of their own: the reports windows ask them (reports/gui/ReportQuestions.h).
// Without them a run asks neither, as a run nobody watches.
class ReportQuestions {
public:
    virtual ~ReportQuestions() = default;
    // Which A4 sheet 1-across labels print on: an index into a4Sheets(), or -1.
    virtual int chooseA4Sheet(Program& p) const = 0;
    // "Form Positioning": sets LabelTop (999: stop), LabelLeft, LabelItalic and
    // LabelUpper; gives the first slot chosen on `sheet` (its start when none).
    virtual int askFormPosition(Program& p, bool cards, int verticalBase,
                                const SheetChoice* sheet) const = 0;
};

// What a labels or cards run says when the quantity per address is not a
// whole number of at least 1; nothing is printed.
QString quantityRefusedText();
// "Report Not Printed.", said when a report's document fails at the printer.
QString notPrintedText();
// What the person does between the two sides of a two-sided report.
QString turnOverPrompt();
// A report's completion message followed by where the printout went, as
// withOutputFile says it; for a two-sided report saved as two files (the
// odd-numbered pages in `oddPagesFile`, kept when that side ended, the
// even-numbered ones in the printer's last file) it names both.
QString withReportFiles(const QString& completion, const QString& oddPagesFile,
                        const Printer& printer);

// Report kinds, in the order of the report dialog's buttons.
enum class ReportKind { Book = 0, TelephoneList, AbbreviatedList, Listing, Labels, Cards };

// What the report dialog hands to the print run: its choices, read once when
// Print is pressed.
struct ReportOptions {
    ReportKind kind = ReportKind::Book;
    bool largePrint = false; // book only
    QString mailListFile;    // empty: every active record of the N&A file
    int sequence = 0;        // 0..3 the four sort keys, 4 ID order
    QString title;           // printed above the report name
    int labelStock = 0;      // 0 1-across, 1 2-across, 2 3-across, 3.. the A4 sheets
    int cardStock = 0;       // 0 1-across, 1 2-across
    int quantity = 1;        // labels or cards per address, at least 1
    bool duplex = false;
    bool reprint = false; // a confirmed reprint range
    int reprintFrom = 1;
    int reprintThrough = 32000;
    bool a4Paper = false; // list and book reports on A4 paper rather than letter
    // Only the records whose IDs lie from firstId to lastId (of the list's
    // members, when a list is chosen); 0: no such limit. The command line's
    // --from and --to. The range is walked as a mailing list is, so it takes
    // the place of MailListFlags for the run.
    int firstId = 0;
    int lastId = 0;
    // A run with nobody to ask (the command line): no stock question, no test
    // page, the standard position; 1-across labels on continuous forms when set.
    bool unattended = false;
    bool continuousForms = false;
    // The first sheet of labels or cards starts at this slot (from 0); the
    // positioning step sets it.
    int firstSlot = 0;
    // A preview: the pages (not the test pages, which go to the printer) are
    // drawn into this printer, every document of a two-sided run in turn with
    // no question between them, and the run says nothing when it completes.
    Printer* pagesInto = nullptr;
    // Set by a labels or cards run: the slot (from 0) after the last one filled.
    int nextFreeSlot = 0;
    // The stock and position questions; none for a run nobody watches.
    const ReportQuestions* questions = nullptr;

    bool sorted() const { return sequence != 4; }
};

// The small windows a run shows while it works. The report dialog supplies the
// real ones; tests supply a recorder.
class RunWindows {
public:
    virtual ~RunWindows() = default;
    // "Printing" / "TVL Is Preparing The Report.", shown without blocking.
    virtual void showPreparing() = 0;
    virtual void closePreparing() = 0;
    // The page counter with its Cancel button; Cancel sets StopRequested.
    virtual void showProgress() = 0;
    virtual void showLastPageCompleted(int pageNo) = 0;
    virtual void closeProgress() = 0;
};

// The windows of a run nobody watches (the command line, the screenshot tool).
class NoRunWindows : public RunWindows {
public:
    void showPreparing() override {}
    void closePreparing() override {}
    void showProgress() override {}
    void showLastPageCompleted(int) override {}
    void closeProgress() override {}
};

// How a run ended; in every case the report dialog closes afterwards.
enum class RunEnd {
    EmptyFile,      // nothing to print (no record, or none of those chosen), said so
    CancelledEarly, // cancelled before any page (duplex question, test page); nothing printed
    Cancelled,      // cancelled during or between phases; document abandoned
    NotPrinted,     // the finished document failed at the printer; said so, sent no more
    Completed,
};

// The print run started by the dialog's Print button: collects and sorts the
// records, lays out page after page, handles duplex and reprint ranges, and
// ends with its close-down message. Printer errors of the close-down are shown
// under "Printer Error". `o.duplex` is cleared when the person agrees that
// labels and cards cannot be duplex printed. Labels and cards first ask for
// the stock (1-across labels), offer test pages and ask for the position;
// Cancel there ends the run with nothing printed but the test pages.
RunEnd runReport(Program& p, ReportOptions& o, RunWindows& w);

// Keeps the slot after the last label or card of a completed run (o.nextFreeSlot)
// as the first free one of its stock, for the next run. A reprint, a run
// nobody watched, and any other kind of report leave it alone.
void rememberFreeSlot(Program& p, const ReportOptions& o);

} // namespace tavrel
