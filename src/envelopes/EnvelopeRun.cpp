#include "envelopes/EnvelopeRun.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/PrintedText.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace tavrel {

namespace {

const EnvelopeSize kSizes[kEnvelopeSizeCount] = {
    {20, 5760, 2880, 'A'}, // Commercial #10
    {37, 4320, 2880, 'A'}, // Monarch
    {38, 3240, 2520, 'B'}, // Personal
    {27, 5760, 2880, 'A'}, // DL
    {31, 3240, 2520, 'B'}, // C6
    {34, 5760, 4320, 'C'}, // B5
    {28, 5760, 4320, 'C'}, // C5
};

const EnvelopeFonts kClassA{10, 230, 12, 290};
const EnvelopeFonts kClassB{9, 200, 10, 230};
const EnvelopeFonts kClassC{11, 260, 14, 350};

void say(Program& p, const QString& text, const QString& title = kTitle)
{
    p.ui.messageBox(text, title, Ui::Buttons::Ok);
}

// Puts the printer back to letter, portrait, unturned and not bold when a run
// ends, whichever way it ends; a printer that fails here has nothing more to say.
class PrinterReset {
public:
    explicit PrinterReset(Printer& printer) : printer_(printer) {}
    ~PrinterReset() { now(); }
    PrinterReset(const PrinterReset&) = delete;
    PrinterReset& operator=(const PrinterReset&) = delete;

    void now()
    {
        if (done_)
            return;
        done_ = true;
        attempt([this] { printer_.setOrientation(1); });
        attempt([this] { printer_.setQuarterTurn(false); });
        attempt([this] { printer_.setPaperSize(1); });
        attempt([this] { printer_.setFontBold(false); });
        attempt([this] { printer_.setFontItalic(false); });
    }

private:
    template <typename F> static void attempt(F f)
    {
        try {
            f();
        } catch (const PlatformError&) {
        }
    }

    Printer& printer_;
    bool done_ = false;
};

// The feed: sideways on the envelope's landscape page; upright on its own
// upright page with the drawing turned a quarter, so that the face of the
// envelope looks the same either way (the blocks' offsets are the face's).
void setFeed(Printer& printer, bool landscape)
{
    printer.setOrientation(landscape ? 2 : 1);
    printer.setQuarterTurn(!landscape);
}

// Fills SortedIdList with the active members of MailListFlags, in key order
// (ascending ID order for "Do Not Sort"), and returns how many there are.
int buildAddressList(Program& p, int sortIndex)
{
    const int size = qMax(p.LastRecNo - 1, 0);
    const bool sorted = sortIndex != kDoNotSort;
    QVector<QString> sortKeys(sorted ? size + 1 : 0);
    p.SortedIdList = QVector<qint16>(size + 1, 0);
    int n = 0;
    readAscending(p, 2, size + 1, [&](int recNo) {
        const int id = recNo - 1;
        if (isMember(p, id) && isActive(p.CurRec, id)) {
            ++n;
            if (sorted)
                sortKeys[n] = sortKey(p.CurRec, id, QChar(u'0' + sortIndex));
            p.SortedIdList[n] = qint16(id);
        }
        return true;
    });
    if (sorted)
        sortNameList(sortKeys, p.SortedIdList, n);
    p.SortedCount = n;
    return n;
}

void printBlock(Printer& printer, const AddressLines& lines, double x, double y, double size,
                int step, bool italic, bool upper, bool test)
{
    static const QString kTestLine(35, QLatin1Char('X'));
    printer.setFontSize(size);
    printer.setFontItalic(!test && italic);
    for (int i = 0; i < 5; ++i) {
        const QString line = test ? kTestLine : upper ? upperSameLength(lines[i]) : lines[i];
        // A line in another alphabet keeps to the room of the test line's
        // 35 characters, and a right-to-left one ends at its right edge.
        if (!isCodePageText(line) &&
            (line.isRightToLeft() || printer.textWidth(line) > fieldRoom(printer, 35))) {
            printFitted(printer, x, y + i * step, line, 35);
            continue;
        }
        printer.setCurrentX(x);
        printer.setCurrentY(y + i * step);
        printer.printLine(line);
    }
    printer.setFontItalic(false);
}

// The test-envelope question and its loop; false when the person cancelled.
bool testEnvelopes(Program& p, EnvelopeJob& job)
{
    Ui::Answer answer = p.ui.messageBox(
        QCoreApplication::translate("tavrel::EnvelopeRun", "Do You Want To Print A Test Envelope?"),
        kTitle, Ui::Buttons::YesNoCancel, Ui::Icon::Question);
    for (;;) {
        switch (answer) {
        case Ui::Answer::Cancel:
            return false;
        case Ui::Answer::No:
            return true;
        case Ui::Answer::Yes:
            printTestEnvelope(p.printer, job);
            answer = p.ui.messageBox(
                QCoreApplication::translate(
                    "tavrel::EnvelopeRun",
                    "Wait For Test Envelope To Print.\n\nDo You Want To Print Another "
                    "Test Envelope?"),
                kTitle, Ui::Buttons::YesNoCancel, Ui::Icon::Question);
            break;
        default:
            say(p, QCoreApplication::translate("tavrel::EnvelopeRun",
                                               "Error In Select Case Of EnvCheckResult:") +
                       numText(int(answer)));
            return false;
        }
    }
}

} // namespace

AddressLines envelopeLines(const Contact& contact)
{
    AddressLines lines;
    for (int i = 0; i < 5; ++i) {
        const QString& text = contact.text(ContactField(int(ContactField::Name) + i));
        lines[size_t(i)] = isCodePageText(text) ? padRight(text, Width::Addr) : text;
    }
    return lines;
}

const EnvelopeSize& envelopeSize(int index)
{
    return kSizes[index >= 0 && index < kEnvelopeSizeCount ? index : 0];
}

const EnvelopeFonts& envelopeFonts(int sizeIndex)
{
    switch (envelopeSize(sizeIndex).sizeClass) {
    case 'B':
        return kClassB;
    case 'C':
        return kClassC;
    default:
        return kClassA;
    }
}

void setEnvelopeSize(Printer& printer, EnvelopeJob& job)
{
    const EnvelopeSize& s = envelopeSize(job.sizeIndex);
    printer.setPaperSize(s.paperCode);
    job.mailX = s.mailX;
    job.mailY = s.mailY;
}

void placeEnvelope(Printer& printer, const EnvelopeJob& job, const AddressLines& mailAddr,
                   bool test)
{
    const EnvelopeFonts& f = envelopeFonts(job.sizeIndex);
    if (job.returnOption != ReturnFrom::None)
        printBlock(printer, job.returnAddress, 0, 0, f.returnSize, f.returnStep, job.returnItalics,
                   job.returnUppercase, test);
    if (job.mailOption != MailTo::None)
        printBlock(printer, mailAddr, job.mailX, job.mailY, f.mailSize, f.mailStep, job.mailItalics,
                   job.mailUppercase, test);
}

void printTestEnvelope(Printer& printer, EnvelopeJob& job)
{
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontBold(true);
    setFeed(printer, job.landscape);
    setEnvelopeSize(printer, job);
    placeEnvelope(printer, job, job.mailAddress, true);
    printer.endDoc();
}

bool envelopeCount(const QString& text, int& count, QString& message)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+(\\.\\d*)?|\\.\\d+)\\s*$"));
    if (!number.match(text).hasMatch()) {
        message = QCoreApplication::translate("tavrel::EnvelopeRun",
                                              "The Number Of Envelopes To Print Must Be A Number.");
        return false;
    }
    const double value = std::nearbyint(leadingNumber(text));
    if (value > 32767) {
        message = QCoreApplication::translate(
            "tavrel::EnvelopeRun", "The Number Of Envelopes To Print Cannot Be More Than 32767.");
        return false;
    }
    // A count below 1 prints nothing, however far below.
    count = value < 0 ? 0 : int(value);
    return true;
}

EnvelopeRunEnd printEnvelopes(Program& p, EnvelopeJob job, EnvelopeWindows& w)
{
    if (job.returnOption < 0) {
        say(p, QCoreApplication::translate("tavrel::EnvelopeRun",
                                           "Please Select A 'Return Address' Option."));
        return EnvelopeRunEnd::Refused;
    }
    if (job.mailOption < 0) {
        say(p, QCoreApplication::translate("tavrel::EnvelopeRun",
                                           "Please Select A 'Mailing Address' Option."));
        return EnvelopeRunEnd::Refused;
    }
    int perAddress = 0;
    QString why;
    if (!envelopeCount(job.countText, perAddress, why)) {
        say(p, why);
        return EnvelopeRunEnd::Refused;
    }
    const bool fromList =
        job.mailOption == MailTo::MailingList || job.mailOption == MailTo::AllEntries;
    if (job.mailOption == MailTo::MailingList && job.mailListFile.isEmpty()) {
        say(p, QCoreApplication::translate("tavrel::EnvelopeRun", "Please Select A Mailing List."));
        return EnvelopeRunEnd::Refused;
    }

    int addressCount = 1;
    if (fromList) {
        w.showPleaseWait();
        if (job.mailOption == MailTo::AllEntries) {
            clearMailListFlags(p);
            for (int id = 1; id < p.LastRecNo; ++id)
                setMember(p, id, true);
        } else {
            try {
                loadMailList(p, job.mailListFile);
            } catch (const PlatformError& e) {
                w.closePleaseWait();
                p.ui.messageBox(
                    QCoreApplication::translate("tavrel::EnvelopeRun", "Error ") +
                        numText(e.number()) +
                        QCoreApplication::translate(
                            "tavrel::EnvelopeRun", " In EnvPrintButton_Click.  Notify Programmer."),
                    kDefaultTitle, Ui::Buttons::Ok);
                return EnvelopeRunEnd::Stopped;
            }
        }
        addressCount = buildAddressList(p, job.sortIndex);
        w.closePleaseWait();
        if (addressCount == 0) {
            say(p, QCoreApplication::translate(
                       "tavrel::EnvelopeRun",
                       "The N&A File Or The Selected Mailing List Is Empty. Nothing To Print."));
            p.SortedIdList.clear();
            p.SortedCount = 0;
            return EnvelopeRunEnd::Empty;
        }
    }

    PrinterReset reset(p.printer);
    std::optional<PrinterRoute> preview;
    bool cancelled = false;
    try {
        p.printer.setFontName(QStringLiteral("Courier New"));
        p.printer.setFontBold(true);
        if (!job.unattended && !testEnvelopes(p, job))
            return EnvelopeRunEnd::Stopped;

        if (job.pagesInto) {
            // The preview's pages start in the envelopes' font, as the printer's do.
            job.pagesInto->setFontName(p.printer.fontName());
            job.pagesInto->setFontBold(p.printer.fontBold());
            preview.emplace(p.printer, *job.pagesInto, true);
        }
        w.cancelRequested = false;
        int prepared = 0;
        w.showProgress();
        setEnvelopeSize(p.printer, job);
        setFeed(p.printer, job.landscape);
        for (int k = 1; k <= addressCount && !cancelled; ++k) {
            if (fromList && readActive(p, p.sortedId(k)))
                job.mailAddress = envelopeLines(contactOf(p, p.sortedId(k), p.CurRec));
            for (int j = 1; j <= perAddress; ++j) {
                if (j > 1)
                    p.printer.newPage();
                placeEnvelope(p.printer, job, job.mailAddress, false);
                p.ui.processEvents();
                if (w.cancelRequested) {
                    p.printer.killDoc();
                    cancelled = true;
                    break;
                }
                w.showPrepared(++prepared);
            }
            // With nothing to print per address no sheet is fed either.
            if (!cancelled && k < addressCount && perAddress >= 1)
                p.printer.newPage();
        }
        p.printer.endDoc();
    } catch (const PlatformError& e) {
        // The job is abandoned as far as the failing printer still lets it be.
        for (void (Printer::*end)() : {&Printer::killDoc, &Printer::endDoc}) {
            try {
                (p.printer.*end)();
            } catch (const PlatformError&) {
            }
        }
        preview.reset();
        reset.now();
        w.closeProgress();
        say(p,
            printerFailureText(
                e, QCoreApplication::translate("tavrel::EnvelopeRun", "Envelopes Not Printed.")),
            kPrinterErrorTitle);
        return EnvelopeRunEnd::PrinterError;
    }
    preview.reset();
    reset.now();
    if (job.pagesInto && !cancelled) {
        w.closeProgress();
        return EnvelopeRunEnd::Completed;
    }
    say(p, cancelled ? QCoreApplication::translate("tavrel::EnvelopeRun",
                                                   "Envelope Printing Terminated At Your Request.")
                     : withOutputFile(QCoreApplication::translate("tavrel::EnvelopeRun",
                                                                  "Envelope Printing Completed."),
                                      p.printer));
    w.closeProgress();
    return cancelled ? EnvelopeRunEnd::Cancelled : EnvelopeRunEnd::Completed;
}

} // namespace tavrel
