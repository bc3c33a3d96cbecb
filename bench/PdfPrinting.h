#pragma once

// What the print benchmarks share: a program over a full file whose printer is
// the real one writing PDF files, and the process's peak memory.
#include "FullFile.h"
#include "envelopes/EnvelopeRun.h"
#include "platform/gui/QtPrinter.h"
#include "reports/ReportRun.h"
#include "support/SilentWindows.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace tavrel::bench {

// The same file as `file`, opened by a second program that prints into a
// temporary folder of PDF files.
struct PdfProgram {
    explicit PdfProgram(FullFile& file) : env(file.env), p(env.services(printer)) { openNAFile(p); }
    // Deletes the PDF file the last run wrote, so the folder does not fill up.
    void removePdf() { QFile::remove(printer.lastPdfFile()); }

    test::TestEnv& env;
    QTemporaryDir out;
    QtPrinter printer{out.path()};
    Program p;
};

// The process's high-water mark (getrusage), so it covers the run and the PDF writer.
inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes on Linux
}

} // namespace tavrel::bench
