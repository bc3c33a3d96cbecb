#pragma once

#include "envelopes/EnvelopeRun.h"
#include "reports/ReportRun.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>

namespace tavrel {

class Program;

// What `tavrel --print KIND ...` or `tavrel --envelopes ...` asks for.
struct PrintCommand {
    ReportOptions options;
    std::optional<EnvelopeJob> envelopes; // set for --envelopes
    QString outputFile;                   // --output: a PDF file
    QString queue;                        // --printer: a print queue
};

// The arguments (without the program name) read as a print command, or the
// message naming the word that was not taken.
struct ParsedPrintCommand {
    std::optional<PrintCommand> command;
    QString error;
};
ParsedPrintCommand parsePrintCommand(const QStringList& args);

ParsedPrintCommand parseEnvelopeCommand(const QStringList& args);

QString printUsage();

// Prints the report on p.printer with the layouts the report dialog uses, with
// no questions and no test pages, and writes "N records, M pages printed."
// (N: the records of the report's selection, within the ID range when one is
// given; M: the pages sent) or why nothing was printed, to `out`.
// Returns the exit status: 0 printed, 1 not.
// An envelope run writes "N records, M envelopes printed." instead.
int runPrintCommand(Program& p, PrintCommand c, QTextStream& out);

class Files;

// The printers a print run from the command line may print on. The program
// gives those of the system (reports/gui/SystemPrinters.h); tests may give
// their own.
struct PrinterMaker {
    // Writes each document into PDF file `file`, whose folder exists.
    std::function<std::unique_ptr<Printer>(const QString& file)> pdf;
    // Prints on print queue `queue`, with the calibration `files` keep for
    // it; null when the system has no such queue.
    std::function<std::unique_ptr<Printer>(const QString& queue, const Files& files)> queue;
    // The system's default printer, or PDF files into the program's folder.
    std::function<std::unique_ptr<Printer>(const QString& programDirectory)> system;
};

// The whole run from main(), without windows, on `args` as the launcher's
// parser gives them, printing through `printers`; the exit status (2: misused).
int printCommandLineMain(int argc, char** argv, const QStringList& args,
                         const PrinterMaker& printers);

} // namespace tavrel
