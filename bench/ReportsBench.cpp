// Timings of the print run over a full file of 1700 records, drawn through the
// real printer layer into PDF files: the address book in normal print and the
// telephone list, each the whole file sorted on key 1, with peak memory.
#include "PdfPrinting.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using namespace tavrel::bench;

namespace {

// Every ID in use and every printed field filled, the comments at full length.
FullFile& reportFile()
{
    static FullFile f([](int id, int n) {
        return filledRecord(id, n, QStringLiteral("Person Number %1, Jonathan").arg(n),
                            QStringLiteral("ZONE %1").arg(n % 17));
    });
    return f;
}

void printToPdf(benchmark::State& state, ReportKind kind)
{
    PdfProgram pdf(reportFile());
    int pages = 0;
    for (auto _ : state) {
        ReportOptions o;
        o.kind = kind;
        o.title = QStringLiteral("Benchmark Report");
        test::SilentRunWindows windows;
        if (runReport(pdf.p, o, windows) != RunEnd::Completed) {
            state.SkipWithError("the run did not complete");
            break;
        }
        pages = pdf.p.Report.PageNo - 1;
        state.PauseTiming();
        pdf.removePdf();
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_BookToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::Book);
}
BENCHMARK(BM_BookToPdf)->Unit(benchmark::kMillisecond);

void BM_TelephoneListToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::TelephoneList);
}
BENCHMARK(BM_TelephoneListToPdf)->Unit(benchmark::kMillisecond);

} // namespace
