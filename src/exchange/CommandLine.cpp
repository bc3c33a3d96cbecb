#include "exchange/CommandLine.h"

#include "exchange/Export.h"
#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/OutputFile.h"
#include "platform/RestoreJournal.h"
#include "platform/Text.h"
#include "platform/Unattended.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UnattendedRun.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace tavrel {

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP(
    "tavrel::CommandLine",
    "Usage: tavrel --export FORMAT FILE [--list ID] [--encoding ENCODING] [--separator SEPARATOR]\n"
    "                                   [--spreadsheet]\n"
    "       tavrel --import FILE [--dry-run] [--overflow move|cut|skip] [--no-backup]\n"
    "FORMAT: vcard (3.0), vcard4, csv (this program's columns), outlook\n"
    "ENCODING (CSV only): utf8-bom (the default), utf8, windows-1252\n"
    "SEPARATOR (CSV only): comma (the default), semicolon\n"
    "--spreadsheet (CSV only): cells a spreadsheet would turn into numbers, dates or\n"
    "            formulas are written as =\"text\" so that it keeps them as text\n"
    "--no-backup: import without the backup copy taken first; without it, an import\n"
    "            whose copy cannot be made changes nothing\n"
    "--overflow: a field that does not fit is moved into Comments (move, the default),\n"
    "            cut and logged (cut), or its record is left out (skip)\n"
    "--import skips an entry that looks like a record in the file: the same Name and\n"
    "            the same first address line, e-mail or first telephone number\n"
    "Exit status: 0 done; 1 failed, nothing was written; 2 wrong arguments;\n"
    "             3 imported, but some entries were skipped; 4 the N&A file is full\n");

// The exit statuses of an import that ran.
constexpr int kSomeSkipped = 3;
constexpr int kFileFull = 4;

// Each entry the import leaves out by its rules, one line apiece with the reason.
QStringList skippedEntries(const ImportPlan& plan)
{
    QStringList lines;
    for (const PlannedRecord& r : plan.records) {
        const QString name = trimRight(r.record.Name);
        if (!r.include)
            lines << QCoreApplication::translate(
                         "tavrel::CommandLine", "Skipped: %1 (looks like a record in the file: %2)")
                         .arg(name, r.duplicate);
        else if (plan.choice == OverflowChoice::SkipRecord && r.overflows)
            lines << QCoreApplication::translate("tavrel::CommandLine",
                                                 "Skipped: %1 (does not fit the record)")
                         .arg(name);
    }
    return lines;
}

// The word after `flag`: empty when the flag is not given, nullopt when nothing follows it.
std::optional<QString> optionValue(const QStringList& args, const QString& flag)
{
    const qsizetype at = args.indexOf(flag);
    if (at < 0)
        return QString();
    if (at + 1 >= args.size())
        return std::nullopt;
    return args.at(at + 1);
}

// The CSV choices of the command line; false when a word is not one of them.
bool parseCsvOptions(const QStringList& args, ExportOptions& options)
{
    const std::optional<QString> encoding = optionValue(args, QStringLiteral("--encoding"));
    const std::optional<QString> separator = optionValue(args, QStringLiteral("--separator"));
    if (!encoding || !separator)
        return false;
    const bool csv =
        options.format == ExportFormat::CsvNative || options.format == ExportFormat::CsvOutlook;
    const bool spreadsheet = args.contains(QStringLiteral("--spreadsheet"));
    if (!csv)
        return encoding->isEmpty() && separator->isEmpty() && !spreadsheet;
    options.forSpreadsheet = spreadsheet;
    const QString e = encoding->toLower();
    if (e == QLatin1String("utf8-bom"))
        options.encoding = CsvEncoding::Utf8Bom;
    else if (e == QLatin1String("utf8"))
        options.encoding = CsvEncoding::Utf8;
    else if (e == QLatin1String("windows-1252"))
        options.encoding = CsvEncoding::Windows1252;
    else if (!e.isEmpty())
        return false;
    const QString s = separator->toLower();
    if (s == QLatin1String("semicolon"))
        options.delimiter = QLatin1Char(';');
    else if (!s.isEmpty() && s != QLatin1String("comma"))
        return false;
    return true;
}

// The --overflow choice; false when its word is not one of move, cut and skip.
bool parseOverflow(const QStringList& args, OverflowChoice* choice)
{
    const std::optional<QString> word = optionValue(args, QStringLiteral("--overflow"));
    if (!word)
        return false;
    const QString w = word->toLower();
    if (w == QLatin1String("cut"))
        *choice = OverflowChoice::CutAndLog;
    else if (w == QLatin1String("skip"))
        *choice = OverflowChoice::SkipRecord;
    else if (!w.isEmpty() && w != QLatin1String("move"))
        return false;
    return true;
}

int runExport(Program& p, const QStringList& args, QTextStream& out)
{
    ExportOptions options;
    const qsizetype at = args.indexOf(QStringLiteral("--export"));
    const std::optional<QString> list = optionValue(args, QStringLiteral("--list"));
    if (at + 2 >= args.size() || !parseExportFormat(args.at(at + 1), &options.format) ||
        !parseCsvOptions(args, options) || !list) {
        out << QCoreApplication::translate("tavrel::CommandLine", kUsage);
        return 2;
    }
    const QString path = args.at(at + 2);
    if (!list->isEmpty()) {
        options.mailList = mailListFileName(*list);
        if (mailListFile(p, options.mailList).isEmpty()) {
            out << QCoreApplication::translate("tavrel::CommandLine",
                                               "There is no mailing list with identifier '")
                << *list << "'." << Qt::endl;
            return 1;
        }
    }
    int count = 0;
    const QByteArray bytes = exportBytes(p, options, &count);
    try {
        writeExportFile(path, bytes);
    } catch (const PlatformError& e) {
        out << QCoreApplication::translate("tavrel::CommandLine", "%1 could not be written: ")
                   .arg(path)
            << outputFailureText(e) << " ("
            << QCoreApplication::translate("tavrel::CommandLine", "Error") << numText(e.number())
            << QCoreApplication::translate("tavrel::CommandLine", ") Nothing was exported.")
            << Qt::endl;
        return 1;
    }
    out << count << QCoreApplication::translate("tavrel::CommandLine", " records exported to ")
        << path << "." << Qt::endl;
    return 0;
}

int runImportCommand(Program& p, const QStringList& args, QTextStream& out)
{
    const qsizetype at = args.indexOf(QStringLiteral("--import"));
    OverflowChoice choice = OverflowChoice::MoveToComments;
    if (at + 1 >= args.size() || !parseOverflow(args, &choice)) {
        out << QCoreApplication::translate("tavrel::CommandLine", kUsage);
        return 2;
    }
    const ImportSource source = readImportFile(p, args.at(at + 1));
    if (!source.error.isEmpty()) {
        out << source.fileName << ": " << source.error
            << QCoreApplication::translate("tavrel::CommandLine", " Nothing was imported.")
            << Qt::endl;
        return 1;
    }
    if (source.needsMapping) {
        out << source.fileName
            << QCoreApplication::translate(
                   "tavrel::CommandLine",
                   ": the columns of this file are not known. Import it once from the File menu to "
                   "map and save its columns. Nothing was imported.")
            << Qt::endl;
        return 1;
    }
    const ImportPlan plan = planImport(p, source, choice);
    out << planText(plan) << Qt::endl;
    const QStringList skipped = skippedEntries(plan);
    if (args.contains(QStringLiteral("--dry-run"))) {
        out << QCoreApplication::translate("tavrel::CommandLine", "Dry run: nothing was written.")
            << Qt::endl;
        return skipped.isEmpty() ? 0 : kSomeSkipped;
    }
    // The backup copy before the first write is part of the import unless the
    // person asked to go without it.
    if (args.contains(QStringLiteral("--no-backup")))
        p.BeforeBulkChange = nullptr;
    const ImportResult result = runImport(p, plan);
    for (const QString& line : skipped)
        out << line << Qt::endl;
    out << QString(result.message).replace('\n', ' ') << Qt::endl;
    if (result.noSafetyCopy) {
        out << QCoreApplication::translate(
                   "tavrel::CommandLine",
                   "Run again with --no-backup to import without a backup copy.")
            << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("tavrel::CommandLine", "The import log is ")
        << p.files.path(kImportLogName) << "." << Qt::endl;
    if (result.cancelled)
        return 1;
    return result.stoppedAtLimit ? kFileFull : skipped.isEmpty() ? 0 : kSomeSkipped;
}

} // namespace

int runExchangeCommand(Program& p, const QStringList& args, QTextStream& out)
{
    return args.contains(QStringLiteral("--export")) ? runExport(p, args, out)
                                                     : runImportCommand(p, args, out);
}

int exchangeMain(int argc, char** argv, const QStringList& args, void (*prepare)(Program&))
{
    // No window opens and nothing is drawn: the run needs no display.
    // The words are the launcher's to read: Qt gets the program's name alone.
    argc = std::min(argc, 1);
    QCoreApplication app(argc, argv);
    const qsizetype exportAt = args.indexOf(QStringLiteral("--export"));
    // An export to standard output (FILE /dev/stdout) gets no report lines mixed into it.
    const bool toStdout =
        exportAt >= 0 && exportAt + 2 < args.size() && isStandardOutput(args.at(exportAt + 2));
    QTextStream out(toStdout ? stderr : stdout);

    Files files(resolveProgramDirectory(QCoreApplication::applicationDirPath()));
    UnattendedUi ui(&out);
    NoPrinter printer;
    NoClipboard clipboard;
    NoHelp help;
    SystemClock clock;
    Program program({ui, printer, clipboard, help, clock, files});

    return runOverNAFile(
        program, out, QCoreApplication::translate("tavrel::CommandLine", "nothing more was done."),
        [&] {
            if (prepare)
                prepare(program);
            return runExchangeCommand(program, args, out);
        });
}

QString exchangeUsage()
{
    return QCoreApplication::translate("tavrel::CommandLine", kUsage);
}

} // namespace tavrel
