#include "reports/PrintCommandLine.h"

#include "maillists/MailListFile.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/InstanceLock.h"
#include "platform/OutputFile.h"
#include "platform/PrinterCalibration.h"
#include "platform/Unattended.h"
#include "reports/LabelLayouts.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UnattendedRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace tavrel {

namespace {

struct Named {
    const char* name;
    int value;
};
const Named kKinds[] = {{"book", int(ReportKind::Book)},
                        {"phone", int(ReportKind::TelephoneList)},
                        {"abbreviated", int(ReportKind::AbbreviatedList)},
                        {"listing", int(ReportKind::Listing)},
                        {"labels", int(ReportKind::Labels)},
                        {"cards", int(ReportKind::Cards)}};
const Named kSorts[] = {{"key1", 0}, {"key2", 1}, {"key1+key2", 2}, {"key2+key1", 3}, {"id", 4}};
// Label stocks; -1 stands for 1-across labels on continuous forms.
const Named kLabelStocks[] = {
    {"1-across", 0}, {"continuous", -1}, {"2-across", 1}, {"3-across", 2}};
const Named kCardStocks[] = {{"1-across", 0}, {"2-across", 1}};
// In the order of the envelope dialog's size buttons.
const Named kEnvelopeSizes[] = {{"10", 0}, {"monarch", 1}, {"personal", 2}, {"dl", 3},
                                {"c6", 4}, {"b5", 5},      {"c5", 6}};
const Named kFeeds[] = {{"sideways", 1}, {"upright", 0}};

class CountingEnvelopeWindows : public EnvelopeWindows {
public:
    void showPleaseWait() override {}
    void closePleaseWait() override {}
    void showProgress() override {}
    void showPrepared(int count) override { prepared = count; }
    void closeProgress() override {}
    int prepared = 0;
};

template <size_t N> std::optional<int> lookUp(const Named (&table)[N], const QString& word)
{
    for (const Named& n : table) {
        if (word == QLatin1String(n.name))
            return n.value;
    }
    return std::nullopt;
}

std::optional<int> positiveNumber(const QString& word)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    return ok && n >= 1 ? std::optional(n) : std::nullopt;
}

// Active records the run walks: the list's members, or the whole file, with
// IDs in the range asked for.
int recordsInSelection(Program& p, const ReportOptions& o)
{
    const bool membersOnly = !o.mailListFile.isEmpty();
    if (membersOnly)
        loadMailList(p, o.mailListFile);
    int n = 0;
    readAscending(p, 2, p.LastRecNo, [&](int recNo) {
        const int id = recNo - 1;
        const bool inRange = o.firstId == 0 || (id >= o.firstId && id <= o.lastId);
        if (inRange && (!membersOnly || isMember(p, id)) && isActive(p.CurRec, id))
            ++n;
        return true;
    });
    return n;
}

} // namespace

QString printUsage()
{
    QString stocks;
    for (const Named& n : kLabelStocks)
        stocks += QLatin1String(n.name) + QLatin1Char(' ');
    for (const A4Sheet& s : a4Sheets())
        stocks += QLatin1String(s.name) + QLatin1Char(' ');
    return QCoreApplication::translate(
               "tavrel::PrintCommandLine",
               "Usage: tavrel --print KIND [--sort ORDER] [--list ID] [--from ID --to ID]\n"
               "                           [--stock NAME] [--quantity N] [--title TEXT] [--large]\n"
               "                           [--a4] [--output FILE.pdf | --printer QUEUE]\n"
               "KIND: book, phone, abbreviated, listing, labels, cards\n"
               "ORDER: key1 (the default), key2, key1+key2, key2+key1, id\n"
               "--from/--to: only the records with IDs from the one to the other\n"
               "--stock for labels: %1(1-across: cut sheets)\n"
               "--stock for cards: 1-across, 2-across\n"
               "--large: the address book in large print; --a4: lists and books on A4 paper\n"
               "       tavrel --envelopes [--size SIZE] [--feed sideways|upright] [--list ID]\n"
               "                          [--sort ORDER|none] [--count N] [--return LINE|LINE...]\n"
               "                          [--output FILE.pdf | --printer QUEUE]\n"
               "SIZE: 10 (the default), monarch, personal, dl, c6, b5, c5; every entry of the\n"
               "file, or the members of mailing list ID; --return: up to five lines, split at |\n"
               "Without --output or --printer it prints on the default printer. No test pages\n"
               "and no questions; exit status 0 printed, 1 not printed, 2 wrong arguments.\n")
        .arg(stocks);
}

namespace {

// The mailing list file a --list value names; nullopt for a name that is
// empty or would reach outside the program directory.
std::optional<QString> listFileNamed(const QString& value)
{
    QString file;
    try {
        file = mailListFileName(value);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
    if (value.isEmpty() || !Files::isPlainName(file))
        return std::nullopt;
    return file;
}

// Reads the words of `--print` or `--envelopes` option by option: each option
// but the `flags` takes the next word as its value. The options both commands
// share fill `c` and `list`; `take(option, value)` takes every other one and
// gives back the word it refuses (nullopt: taken). Gives back the first word
// refused, or nullopt when every word was taken.
template <typename Take>
std::optional<QString> readOptions(const QStringList& args,
                                   std::initializer_list<const char*> flags, PrintCommand& c,
                                   QString& list, Take take)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool flag =
            std::any_of(flags.begin(), flags.end(), [&](const char* f) { return a == f; });
        if (!flag && (!a.startsWith(QLatin1String("--")) || i + 1 >= args.size()))
            return a;
        const QString value = flag ? QString() : args[++i];
        if (a == QLatin1String("--list")) {
            const std::optional<QString> file = listFileNamed(value);
            if (!file)
                return value;
            list = *file;
        } else if (a == QLatin1String("--output")) {
            if (value.isEmpty() || !c.queue.isEmpty())
                return a;
            c.outputFile = QDir::current().absoluteFilePath(value);
        } else if (a == QLatin1String("--printer")) {
            if (value.isEmpty() || !c.outputFile.isEmpty())
                return a;
            c.queue = value;
        } else if (std::optional<QString> refused = take(a, value)) {
            return refused;
        }
    }
    return std::nullopt;
}

} // namespace

ParsedPrintCommand parsePrintCommand(const QStringList& args)
{
    ParsedPrintCommand result;
    const auto refuse = [&](const QString& word) {
        result.error = QCoreApplication::translate("tavrel::PrintCommandLine",
                                                   "tavrel: --print does not take \"%1\"")
                           .arg(word);
        return result;
    };
    PrintCommand c;
    ReportOptions& o = c.options;
    o.unattended = true;
    bool haveKind = false, haveFrom = false, haveTo = false;
    QString stock;
    const std::optional<QString> refused =
        readOptions(args, {"--large", "--a4"}, c, o.mailListFile,
                    [&](const QString& a, const QString& value) -> std::optional<QString> {
                        if (a == QLatin1String("--print")) {
                            const std::optional<int> kind = lookUp(kKinds, value);
                            if (!kind || haveKind)
                                return value;
                            o.kind = ReportKind(*kind);
                            haveKind = true;
                        } else if (a == QLatin1String("--sort")) {
                            const std::optional<int> sort = lookUp(kSorts, value);
                            if (!sort)
                                return value;
                            o.sequence = *sort;
                        } else if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
                            const std::optional<int> id = positiveNumber(value);
                            if (!id)
                                return value;
                            (a == QLatin1String("--from") ? o.firstId : o.lastId) = *id;
                            (a == QLatin1String("--from") ? haveFrom : haveTo) = true;
                        } else if (a == QLatin1String("--stock")) {
                            stock = value;
                        } else if (a == QLatin1String("--quantity")) {
                            const std::optional<int> n = positiveNumber(value);
                            if (!n)
                                return value;
                            o.quantity = *n;
                        } else if (a == QLatin1String("--title")) {
                            o.title = value;
                        } else if (a == QLatin1String("--large")) {
                            o.largePrint = true;
                        } else if (a == QLatin1String("--a4")) {
                            o.a4Paper = true;
                        } else {
                            return a;
                        }
                        return std::nullopt;
                    });
    if (refused)
        return refuse(*refused);
    if (!haveKind)
        return refuse(QStringLiteral("--print"));
    const bool labelsOrCards = o.kind == ReportKind::Labels || o.kind == ReportKind::Cards;
    if (o.largePrint && o.kind != ReportKind::Book)
        return refuse(QStringLiteral("--large"));
    if (o.a4Paper && labelsOrCards)
        return refuse(QStringLiteral("--a4"));
    if (haveFrom != haveTo)
        return refuse(haveFrom ? QStringLiteral("--from") : QStringLiteral("--to"));
    if (haveFrom && o.lastId < o.firstId)
        return refuse(QString::number(o.lastId));
    if (!stock.isEmpty()) {
        if (o.kind == ReportKind::Labels) {
            std::optional<int> s = lookUp(kLabelStocks, stock);
            for (int k = 0; !s && k < int(a4Sheets().size()); ++k) {
                if (stock == QLatin1String(a4Sheets()[k].name))
                    s = kFirstA4LabelStock + k;
            }
            if (!s)
                return refuse(stock);
            o.continuousForms = *s == -1;
            o.labelStock = std::max(*s, 0);
        } else if (o.kind == ReportKind::Cards) {
            const std::optional<int> s = lookUp(kCardStocks, stock);
            if (!s)
                return refuse(stock);
            o.cardStock = *s;
        } else {
            return refuse(QStringLiteral("--stock"));
        }
    }
    result.command = c;
    return result;
}

ParsedPrintCommand parseEnvelopeCommand(const QStringList& args)
{
    ParsedPrintCommand result;
    PrintCommand c;
    EnvelopeJob job;
    job.unattended = true;
    job.returnOption = ReturnFrom::None;
    job.mailOption = MailTo::AllEntries;
    const std::optional<QString> refused =
        readOptions(args, {"--envelopes"}, c, job.mailListFile,
                    [&](const QString& a, const QString& value) -> std::optional<QString> {
                        if (a == QLatin1String("--envelopes"))
                            return std::nullopt;
                        if (a == QLatin1String("--size")) {
                            const std::optional<int> size = lookUp(kEnvelopeSizes, value);
                            if (!size)
                                return value;
                            job.sizeIndex = *size;
                        } else if (a == QLatin1String("--feed")) {
                            const std::optional<int> feed = lookUp(kFeeds, value);
                            if (!feed)
                                return value;
                            job.landscape = *feed == 1;
                        } else if (a == QLatin1String("--sort")) {
                            const std::optional<int> sort = value == QLatin1String("none")
                                                                ? std::optional(kDoNotSort)
                                                                : lookUp(kSorts, value);
                            if (!sort) // "id" and "none" alike: the file's order
                                return value;
                            job.sortIndex = *sort;
                        } else if (a == QLatin1String("--count")) {
                            if (!positiveNumber(value))
                                return value;
                            job.countText = value;
                        } else if (a == QLatin1String("--return")) {
                            const QStringList lines = value.split(QLatin1Char('|'));
                            if (lines.size() > 5)
                                return value;
                            for (int k = 0; k < 5; ++k) {
                                const QString line =
                                    k < lines.size() ? lines[k].trimmed() : QString();
                                if (line.size() > 35)
                                    return lines[k];
                                job.returnAddress[size_t(k)] = line.leftJustified(35);
                            }
                            job.returnOption = ReturnFrom::Keyboard;
                        } else {
                            return a;
                        }
                        return std::nullopt;
                    });
    if (refused) {
        result.error = QCoreApplication::translate("tavrel::PrintCommandLine",
                                                   "tavrel: --envelopes does not take \"%1\"")
                           .arg(*refused);
        return result;
    }
    if (!job.mailListFile.isEmpty())
        job.mailOption = MailTo::MailingList;
    c.envelopes = job;
    result.command = c;
    return result;
}

int runPrintCommand(Program& p, PrintCommand c, QTextStream& out)
{
    if (c.envelopes) {
        if (!c.envelopes->mailListFile.isEmpty() && !p.files.exists(c.envelopes->mailListFile)) {
            out << QCoreApplication::translate("tavrel::PrintCommandLine",
                                               "There is no mailing list %1.")
                       .arg(c.envelopes->mailListFile)
                << Qt::endl;
            return 1;
        }
        auto* ui = dynamic_cast<UnattendedUi*>(&p.ui);
        const qsizetype said = ui ? ui->messages.size() : 0;
        CountingEnvelopeWindows windows;
        if (printEnvelopes(p, *c.envelopes, windows) != EnvelopeRunEnd::Completed) {
            if (ui)
                for (const QString& m : ui->messages.mid(said))
                    out << m << Qt::endl;
            out << QCoreApplication::translate("tavrel::PrintCommandLine", "Nothing was printed.")
                << Qt::endl;
            return 1;
        }
        const int perAddress = c.envelopes->countText.toInt();
        const int records = perAddress > 0 ? windows.prepared / perAddress : 0;
        out << (records == 1
                    ? QCoreApplication::translate("tavrel::PrintCommandLine", "1 record, ")
                    : QCoreApplication::translate("tavrel::PrintCommandLine", "%1 records, ")
                          .arg(records))
            << (windows.prepared == 1
                    ? QCoreApplication::translate("tavrel::PrintCommandLine", "1 envelope printed.")
                    : QCoreApplication::translate("tavrel::PrintCommandLine",
                                                  "%1 envelopes printed.")
                          .arg(windows.prepared))
            << Qt::endl;
        return 0;
    }
    auto* ui = dynamic_cast<UnattendedUi*>(&p.ui);
    const qsizetype said = ui ? ui->messages.size() : 0;
    const bool fromList = !c.options.mailListFile.isEmpty();
    if (fromList && !p.files.exists(c.options.mailListFile)) {
        out << QCoreApplication::translate("tavrel::PrintCommandLine",
                                           "There is no mailing list %1.")
                   .arg(c.options.mailListFile)
            << Qt::endl;
        return 1;
    }
    int records = -1; // not known yet: the run itself says what is wrong with a list
    try {
        records = recordsInSelection(p, c.options);
    } catch (const PlatformError&) {
    }
    if (records == 0 && c.options.firstId > 0) {
        out << QCoreApplication::translate("tavrel::PrintCommandLine",
                                           "No record has an ID from %1 to %2.")
                   .arg(c.options.firstId)
                   .arg(c.options.lastId)
            << Qt::endl;
        return 1;
    }
    NoRunWindows windows;
    const RunEnd end = runReport(p, c.options, windows);
    if (end != RunEnd::Completed) {
        // Whatever the run said in place of its completion message.
        if (ui)
            for (const QString& m : ui->messages.mid(said))
                out << m << Qt::endl;
        out << QCoreApplication::translate("tavrel::PrintCommandLine", "Nothing was printed.")
            << Qt::endl;
        return 1;
    }
    const int pages = std::max(0, p.Report.PageNo - 1);
    if (records < 0)
        records = recordsInSelection(p, c.options);
    out << (records == 1 ? QCoreApplication::translate("tavrel::PrintCommandLine", "1 record, ")
                         : QCoreApplication::translate("tavrel::PrintCommandLine", "%1 records, ")
                               .arg(records))
        << (pages == 1
                ? QCoreApplication::translate("tavrel::PrintCommandLine", "1 page printed.")
                : QCoreApplication::translate("tavrel::PrintCommandLine", "%1 pages printed.")
                      .arg(pages))
        << Qt::endl;
    return 0;
}

int printCommandLineMain(int argc, char** argv, const QStringList& args,
                         const PrinterMaker& printers)
{
    // No window opens; the offscreen platform lets the run go on a machine without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The words are the launcher's to read: Qt gets the program's name alone.
    argc = std::min(argc, 1);
    QGuiApplication app(argc, argv);
    const qsizetype outputAt = args.indexOf(QStringLiteral("--output"));
    // A PDF sent to standard output (--output /dev/stdout) gets no report lines mixed into it.
    const bool pdfOnStdout =
        outputAt >= 0 && outputAt + 1 < args.size() && isStandardOutput(args.at(outputAt + 1));
    QTextStream out(pdfOnStdout ? stderr : stdout), err(stderr);
    const ParsedPrintCommand parsed = args.contains(QStringLiteral("--envelopes"))
                                          ? parseEnvelopeCommand(args)
                                          : parsePrintCommand(args);
    if (!parsed.command) {
        err << parsed.error << "\n" << printUsage() << Qt::flush;
        return 2;
    }
    const PrintCommand& c = *parsed.command;
    Files files(resolveProgramDirectory(QGuiApplication::applicationDirPath()));

    // A PDF file is written under a temporary name beside it and renamed into
    // place whole (a device or a pipe is written as it is).
    std::unique_ptr<Printer> printer;
    if (!c.outputFile.isEmpty()) {
        const QString folder = QFileInfo(c.outputFile).absolutePath();
        if (!QFileInfo(folder).isDir()) {
            out << QCoreApplication::translate("tavrel::PrintCommandLine",
                                               "The PDF file cannot be written in ")
                << folder << "." << Qt::endl;
            return 1;
        }
        printer = printers.pdf(c.outputFile);
    } else if (!c.queue.isEmpty()) {
        printer = printers.queue(c.queue, files);
        if (!printer) {
            out << QCoreApplication::translate("tavrel::PrintCommandLine", "There is no printer ")
                << c.queue << "." << Qt::endl;
            return 1;
        }
    } else {
        printer = printers.system(files.programDirectory());
    }

    UnattendedUi ui;
    NoClipboard clipboard;
    NoHelp help;
    SystemClock clock;
    Program program({ui, *printer, clipboard, help, clock, files});
    return runOverNAFile(
        program, out,
        QCoreApplication::translate("tavrel::PrintCommandLine", "nothing was printed."),
        [&] {
            const int status = runPrintCommand(program, c, out);
            if (status != 0 || c.outputFile.isEmpty())
                return status;
            // The printer put it in place whole, or said why not and the run failed.
            if (printer->lastOutputFile() != c.outputFile) {
                out << QCoreApplication::translate("tavrel::PrintCommandLine",
                                                   "The PDF file could not be written: ")
                    << c.outputFile << Qt::endl;
                return 1;
            }
            out << QCoreApplication::translate("tavrel::PrintCommandLine", "Saved as ")
                << c.outputFile << Qt::endl;
            return 0;
        },
        NAFileUse::ReadOnly);
}

} // namespace tavrel
