#include "reports/ReportRun.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "reports/LabelLayouts.h"
#include "reports/ListLayouts.h"
#include "store/NameList.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <optional>

namespace tavrel {

QString notPrintedText()
{
    return QCoreApplication::translate("PrintRun", "Report Not Printed.");
}

QString turnOverPrompt()
{
    return QCoreApplication::translate(
        "PrintRun", "Odd-Numbered Pages Have Been Prepared.  Ready To Print Even-Numbered "
                    "Pages.\n\nNow Do This:\n"
                    "   1.  Wait For Report To Print\n"
                    "   2.  Remove Entire Report From Printer\n"
                    "   3.  Turn Report Over\n"
                    "   4.  Put Report Back In The Printer\n"
                    "   5.  Click The OK Button To Continue   OR   Click The Cancel Button "
                    "To Abort");
}

QString withReportFiles(const QString& completion, const QString& oddPagesFile,
                        const Printer& printer)
{
    const QString evenPagesFile = printer.lastOutputFile();
    if (oddPagesFile.isEmpty() || evenPagesFile.isEmpty())
        return withOutputFile(completion, printer);
    return completion + QCoreApplication::translate("PrintRun", "\n\nSaved As Two Files:\n"
                                                                "Odd-Numbered Pages: %1\n"
                                                                "Even-Numbered Pages: %2")
                            .arg(oddPagesFile, evenPagesFile);
}

namespace {

void say(Program& p, const QString& text, const QString& title = kTitle)
{
    p.ui.messageBox(text, title, Ui::Buttons::Ok);
}

// The sorted walk: (key, ID) of every active record (of the mailing list's
// members only, when `membersOnly`), sorted by key; the IDs stay in SortedIdList.
void buildSortedWalk(Program& p, QChar code, bool membersOnly)
{
    const int size = qMax(p.LastRecNo - 1, 0);
    QVector<QString> keys(size + 1);
    p.SortedIdList = QVector<qint16>(size + 1, 0);
    int n = 0;
    readAscending(p, 2, size + 1, [&](int recNo) {
        const int id = recNo - 1;
        if ((!membersOnly || isMember(p, id)) && isActive(p.CurRec, id)) {
            ++n;
            keys[n] = sortKey(p.CurRec, id, code);
            p.SortedIdList[n] = qint16(id);
        }
        return true;
    });
    sortNameList(keys, p.SortedIdList, n);
    p.SortedCount = n;
    p.Cursor.WalkLength = n;
}

// One print run, from the Print button to the close-down message.
class PrintRun {
    Q_DECLARE_TR_FUNCTIONS(PrintRun)

public:
    PrintRun(Program& p, ReportOptions& o, RunWindows& w) : p_(p), o_(o), w_(w), r_(p.Report) {}

    RunEnd run()
    {
        if (p_.LastRecNo <= 1) {
            say(p_, tr("The N&A File Is Empty.  There Is Nothing To Print."));
            return RunEnd::EmptyFile;
        }
        if (labelsOrCards()) {
            if (o_.quantity < 1) {
                say(p_, quantityRefusedText());
                return RunEnd::CancelledEarly;
            }
            if (o_.duplex) {
                if (p_.ui.messageBox(tr("Labels And Rotary File Cards Cannot Be Duplex "
                                        "Printed.  Duplex Option Will Be Deselected."),
                                     kTitle, Ui::Buttons::OkCancel) == Ui::Answer::Cancel)
                    return RunEnd::CancelledEarly;
                o_.duplex = false;
            }
        }
        if (o_.reprint && (o_.reprintFrom < 1 || o_.reprintThrough < o_.reprintFrom)) {
            say(p_, tr("Invalid Page Range.  Please Re-Enter."));
            return RunEnd::CancelledEarly;
        }
        setUpRunState();
        if (!o_.unattended && !labelsOrCards() && reportsOnA4Paper(p_.files))
            o_.a4Paper = true;
        if (!o_.mailListFile.isEmpty() && !readChosenMailList())
            return RunEnd::CancelledEarly;
        if (o_.firstId > 0)
            keepIdRange();
        if (!anythingToPrint()) {
            // Said here, before any document starts: no page, no file, and no
            // word of an earlier printout's file.
            say(p_, tr("No Entry Chosen For This Report Is In The N&A File.  There Is "
                       "Nothing To Print."));
            return RunEnd::EmptyFile;
        }

        w_.showPreparing();
        p_.ui.setWaitCursor(true);
        if (sorted_)
            buildSortedWalk(p_, sortCode(), p_.Cursor.fromMailList);
        if (labelsOrCards()) {
            bool go = false;
            try {
                go = setUpStock();
            } catch (const PlatformError& e) {
                // A test page the printer could not take.
                p_.ui.setWaitCursor(false);
                say(p_, printerFailureText(e, tr("Test Page Not Printed.")), kPrinterErrorTitle);
                tryPrinter([this] { p_.printer.killDoc(); });
            }
            if (!go) {
                w_.closePreparing();
                p_.ui.setWaitCursor(false);
                releaseSortedList();
                return RunEnd::CancelledEarly;
            }
        }
        w_.showProgress();
        w_.showLastPageCompleted(0);
        w_.closePreparing();
        p_.ui.setWaitCursor(false);

        std::optional<PrinterRoute> preview;
        if (o_.pagesInto)
            preview.emplace(p_.printer, *o_.pagesInto, true);
        try {
            printPhases();
        } catch (const PlatformError& e) {
            // A printer that fails while pages are drawn (or takes no odd
            // pages of a two-sided run): the job is abandoned.
            say(p_, printerFailureText(e, notPrintedText()), kPrinterErrorTitle);
            tryPrinter([this] { p_.printer.killDoc(); });
            tryPrinter([this] { p_.printer.endDoc(); });
            finish();
            return RunEnd::Cancelled;
        }
        return closeDown();
    }

private:
    QChar sortCode() const { return QChar(u'0' + o_.sequence); }
    bool labelsOrCards() const
    {
        return o_.kind == ReportKind::Labels || o_.kind == ReportKind::Cards;
    }

    // Labels and cards: the stock, test pages as long as the person wants
    // them, and the position. False when the person cancelled.
    bool setUpStock()
    {
        Printer& pr = p_.printer;
        r_.ContinuousForms = 0;
        // Italics and upper case are chosen anew in this run's positioning
        // window, which shows both boxes clear: an earlier run's choice must
        // not print unseen.
        r_.LabelItalic = 0;
        r_.LabelUpper = 0;
        if (o_.unattended)
            r_.ContinuousForms =
                o_.kind == ReportKind::Labels && o_.labelStock == 0 && o_.continuousForms ? 1 : 0;
        if (o_.kind == ReportKind::Labels) {
            if (o_.labelStock == 0 && !o_.unattended) {
                p_.ui.setWaitCursor(false);
                const int sheet = o_.questions ? o_.questions->chooseA4Sheet(p_) : -1;
                if (sheet >= 0)
                    o_.labelStock = kFirstA4LabelStock + sheet;
                p_.ui.setWaitCursor(true);
                r_.LabelTop = r_.ContinuousForms == 1 ? 0 : 720;
            } else {
                r_.LabelTop = 720;
            }
        } else {
            r_.LabelTop = o_.cardStock == 0 ? 0 : 1180;
        }
        // Sheets are letter or A4 paper and the continuous form its own
        // 12-inch page, upright, so all its twelve labels are on the page.
        const int paper = paperOf(stockOf(p_, o_));
        if (pr.paperSize() != paper) {
            try {
                pr.setPaperSize(paper);
            } catch (const PlatformError& e) {
                if (paper != kContinuousFormPaper || e.number() != ErrNo::InvalidPropertyValue)
                    throw;
                p_.ui.setWaitCursor(false);
                say(p_, tr("Your Printer Does Not Take The 8 1/2 x 12 Inch "
                           "Continuous Form.\n\nPlease Print The Labels On Cut "
                           "Sheets Or Choose Another Printer."));
                return false;
            }
        }
        if (pr.orientation() != 1)
            pr.setOrientation(1);
        if (o_.unattended) {
            r_.LabelTop = standardTop(stockOf(p_, o_));
            r_.LabelLeft = 0;
            return true;
        }
        QString question = tr("Do You Want To Print A Test Page?");
        for (;;) {
            const Ui::Answer a =
                p_.ui.messageBox(question, kTitle, Ui::Buttons::YesNoCancel, Ui::Icon::Question);
            if (a == Ui::Answer::Cancel)
                return false;
            if (a == Ui::Answer::Yes) {
                if (o_.kind == ReportKind::Labels)
                    printLabelTestPage(p_, o_);
                else
                    printCardTestPage(p_, o_);
                if (r_.LabelTop == 999)
                    return false;
                question = tr("Wait For The Test Page To Print.\nExamine The Page.\n\n"
                              "Do You Want To Print Another Test Page?");
                continue;
            }
            p_.ui.setWaitCursor(false);
            // A half-used sheet: the run offers the slot the last one left
            // free; a reprint the slot the last run started at, so its pages
            // hold the same records as before.
            o_.firstSlot = rememberedStartSlot(p_, stockOf(p_, o_), o_.reprint);
            askPosition(p_, o_, &o_.firstSlot);
            return r_.LabelTop != 999;
        }
    }

    void setUpRunState()
    {
        sorted_ = o_.sequence >= 0 && o_.sequence < 4;
        r_.ReprintOn = o_.reprint;
        r_.ReprintFrom = o_.reprint ? o_.reprintFrom : 1;
        r_.ReprintThrough = o_.reprint ? o_.reprintThrough : 32000;
        r_.DuplexOn = 0;
        if (o_.duplex) {
            r_.DuplexOn = 1;
            r_.DuplexPhase = 1;
            // A reprint of a two-sided report takes whole sheets.
            if (o_.reprint && r_.ReprintFrom % 2 == 0)
                --r_.ReprintFrom;
            if (o_.reprint && r_.ReprintThrough % 2 == 1)
                ++r_.ReprintThrough;
        }
        p_.Cursor = {};
        p_.Cursor.fromMailList = !o_.mailListFile.isEmpty();
        p_.Cursor.sorted = sorted_;
    }

    bool readChosenMailList()
    {
        try {
            tavrel::loadMailList(p_, o_.mailListFile);
        } catch (const PlatformError& e) {
            p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                                 tr(" In PrtCmd1.  Notify Programmer."),
                             kDefaultTitle, Ui::Buttons::Ok);
            return false;
        }
        return true;
    }

    // True when an active record is chosen: the list's members (or the ID
    // range) may all have been deleted.
    bool anythingToPrint()
    {
        const bool chosenOnly = p_.Cursor.fromMailList;
        bool found = false;
        readAscending(p_, 2, p_.LastRecNo, [&](int recNo) {
            const int id = recNo - 1;
            found = (!chosenOnly || isMember(p_, id)) && isActive(p_.CurRec, id);
            return !found;
        });
        return found;
    }

    // The records with IDs in the range, of the list's members when there is
    // a list, walked as the members of a list are.
    void keepIdRange()
    {
        const bool ofList = p_.Cursor.fromMailList;
        for (int id = 1; id <= kMaxId; ++id)
            setMember(p_, id, id >= o_.firstId && id <= o_.lastId && (!ofList || isMember(p_, id)));
        p_.Cursor.fromMailList = true;
    }

    // Both phases of a duplex run, or the one phase of any other.
    void printPhases()
    {
        if (o_.a4Paper && !labelsOrCards() && p_.printer.paperSize() != kA4Paper)
            p_.printer.setPaperSize(kA4Paper);
        for (;;) {
            const bool laidOut = printPhase();
            p_.printer.setFontItalic(false);
            if (r_.DuplexOn != 1 || r_.DuplexPhase != 1 || p_.StopRequested)
                break;
            // Nothing to turn over when the report has one page or none.
            if (!laidOut || (r_.PageNo == 2 && r_.EndOfRecords == 1))
                return;
            p_.printer.endDoc();
            oddPagesFile_ = p_.printer.lastOutputFile();
            r_.DuplexPhase = 0;
            if (!o_.pagesInto && p_.ui.messageBox(turnOverPrompt(), kTitle,
                                                  Ui::Buttons::OkCancel) == Ui::Answer::Cancel) {
                p_.StopRequested = true;
                return;
            }
        }
        if (r_.DuplexOn == 1 && !p_.StopRequested && r_.EndOfRecords == 1 && r_.PageNo % 2 == 0)
            printEndOfReport();
    }

    // Lays out every page of one phase; false when there was no page to lay out.
    bool printPhase()
    {
        auto& c = p_.Cursor;
        c.scanPosition = 1;
        p_.CurId = 1;
        c.WalkLength = sorted_ ? p_.SortedCount : p_.LastRecNo - 1;
        r_.EndOfRecords = 0;
        r_.PageNo = 1;
        p_.StopRequested = false;

        const int bound = c.WalkLength;
        bool laidOut = false;
        for (c.WalkPosition = 1; c.WalkPosition <= bound; ++c.WalkPosition) {
            if (labelsOrCards())
                o_.nextFreeSlot = layoutLabelPage(p_, o_);
            else
                layoutListPage(p_, o_);
            laidOut = true;
            const bool newSheet = endOfPage();
            if (r_.EndOfRecords == 1 || (r_.ReprintOn && r_.PageNo >= r_.ReprintThrough)) {
                pageDone(r_.PageNo);
                if (!p_.StopRequested)
                    ++r_.PageNo;
                break;
            }
            if (newSheet) {
                pageDone(r_.PageNo);
                if (p_.StopRequested)
                    break;
            }
            ++r_.PageNo;
            pageDone(r_.PageNo);
        }
        return laidOut;
    }

    void pageDone(int pageNo)
    {
        w_.showLastPageCompleted(pageNo);
        p_.ui.processEvents();
    }

    // Starts a new sheet after the page just laid out when the next printed
    // page belongs on one; true when it did.
    bool endOfPage()
    {
        int firstSheet = 1; // an odd page after this one starts a sheet in the even phase
        if (r_.ReprintOn) {
            if (r_.PageNo < r_.ReprintFrom)
                return false;
            firstSheet = r_.ReprintFrom;
        }
        if (r_.EndOfRecords == 1)
            return false;
        bool sheet = true;
        if (r_.DuplexOn == 1)
            sheet = r_.DuplexPhase == 1 ? r_.PageNo % 2 == 0
                                        : r_.PageNo % 2 == 1 && r_.PageNo > firstSheet;
        if (sheet)
            p_.printer.newPage();
        return sheet;
    }

    // The back of the last odd page, so the sheet is fed out.
    void printEndOfReport()
    {
        Printer& pr = p_.printer;
        pr.newPage();
        pr.setFontName(QStringLiteral("Courier New"));
        pr.setFontSize(11);
        pr.setFontBold(true);
        pr.setFontItalic(false);
        pr.setFontUnderline(false);
        const QString text = tr("End Of Report");
        pr.setCurrentX(pr.pageWidth() / 2 - pr.textWidth(text) / 2);
        pr.setCurrentY(7000);
        pr.printLine(text);
    }

    // A close-down printer step; false when it failed. A failure is reported
    // once per run and the document is dropped: nothing is tried again, so a
    // job the printer refused is never followed by another one.
    bool closeDownStep(void (Printer::*op)())
    {
        Printer& pr = p_.printer;
        try {
            (pr.*op)();
            return true;
        } catch (const PlatformError& e) {
            if (!errorShown_)
                say(p_, printerFailureText(e, notPrintedText()), kPrinterErrorTitle);
            errorShown_ = true;
        }
        tryPrinter([&] { pr.killDoc(); });
        return false;
    }

    template <typename Op> static bool tryPrinter(Op op)
    {
        try {
            op();
            return true;
        } catch (const PlatformError&) {
            return false;
        }
    }

    RunEnd closeDown()
    {
        RunEnd end = RunEnd::Completed;
        if (p_.StopRequested) {
            say(p_, tr("Report Cancelled At Your Request. Throw Away Any Pages That Print."));
            closeDownStep(&Printer::killDoc);
            closeDownStep(&Printer::endDoc);
            end = RunEnd::Cancelled;
        } else if (closeDownStep(&Printer::endDoc)) {
            if (!o_.pagesInto) {
                rememberFreeSlot(p_, o_);
                say(p_, withReportFiles(tr("Report Completed.  Last Page Printed: ") +
                                            numText(r_.PageNo - 1),
                                        oddPagesFile_, p_.printer));
            }
        } else {
            end = RunEnd::NotPrinted;
        }
        finish();
        return end;
    }

    void releaseSortedList()
    {
        if (sorted_) {
            p_.SortedIdList.clear();
            p_.SortedCount = 0;
        }
    }

    void finish()
    {
        releaseSortedList();
        w_.closeProgress();
    }

    Program& p_;
    ReportOptions& o_;
    RunWindows& w_;
    Program::ReportRunState& r_;
    bool sorted_ = false;
    bool errorShown_ = false;
    QString oddPagesFile_; // the file the first side of a two-sided run went to
};

} // namespace

RunEnd runReport(Program& p, ReportOptions& o, RunWindows& w)
{
    const RunEnd end = PrintRun(p, o, w).run();
    // Whatever prints next goes on letter paper again.
    if (p.printer.paperSize() != 1) {
        try {
            p.printer.setPaperSize(1);
        } catch (const PlatformError&) {
            // Nothing more to say about a printer that refuses letter paper.
        }
    }
    return end;
}

void rememberFreeSlot(Program& p, const ReportOptions& o)
{
    const bool labelsOrCards = o.kind == ReportKind::Labels || o.kind == ReportKind::Cards;
    if (!labelsOrCards || o.unattended || o.reprint)
        return;
    const Stock stock = stockOf(p, o);
    const int perSheet = int(sheetSlots(stock, standardTop(stock), 0).size());
    rememberStartSlot(p, stock, perSheet > 0 ? o.nextFreeSlot % perSheet : 0, o.firstSlot);
}

QString quantityRefusedText()
{
    return PrintRun::tr("The Quantity Per Address Must Be A Whole Number Of 1 Or More.");
}

} // namespace tavrel
