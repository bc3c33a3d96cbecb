// Timings of the label and card print runs over a full file of 1700 records,
// drawn through the real printer layer into PDF files: 3-across labels (57
// sheets) and 2-across cards (213 sheets), the whole file in ID order, no
// test page, with peak memory.
#include "PdfPrinting.h"

#include <QDialog>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace tavrel;
using namespace tavrel::bench;

namespace {

// Every ID in use, each label with five full lines.
FullFile& labelFile()
{
    static FullFile f([](int id, int n) {
        return filledRecord(id, n, QStringLiteral("Jonathan Q. Addressee No. %1").arg(n));
    });
    return f;
}

void printToPdf(benchmark::State& state, ReportKind kind, int stock)
{
    PdfProgram pdf(labelFile());
    test::ScriptedUi& ui = pdf.env.ui;
    int sheets = 0;
    for (auto _ : state) {
        ReportOptions o;
        o.kind = kind;
        o.sequence = 4;
        o.labelStock = stock;
        o.cardStock = stock;
        // No test page; the standard position.
        ui.answer(Ui::Answer::No);
        ui.onModal(
            [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("VertCmd1"))->click(); });
        test::SilentRunWindows windows;
        if (runReport(pdf.p, o, windows) != RunEnd::Completed) {
            state.SkipWithError("the run did not complete");
            break;
        }
        sheets = pdf.p.Report.PageNo - 1;
        state.PauseTiming();
        pdf.removePdf();
        state.ResumeTiming();
    }
    state.counters["sheets"] = sheets;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_ThreeAcrossLabelsToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::Labels, 2);
}
BENCHMARK(BM_ThreeAcrossLabelsToPdf)->Unit(benchmark::kMillisecond);

void BM_TwoAcrossCardsToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::Cards, 1);
}
BENCHMARK(BM_TwoAcrossCardsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
