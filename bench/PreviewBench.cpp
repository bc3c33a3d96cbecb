// Timings of the print preview over a full file of 1700 records on 3-across
// labels (57 sheets): from the run into the recording to the first page
// painted, and turning a page (painted) once it is open.
#include "PdfPrinting.h"
#include "platform/gui/PreviewWindow.h"

#include <QPushButton>
#include <QScrollArea>
#include <benchmark/benchmark.h>

using namespace tavrel;
using namespace tavrel::bench;

namespace {

FullFile& previewFile()
{
    static FullFile f([](int id, int n) {
        return filledRecord(id, n, QStringLiteral("Jonathan Q. Addressee No. %1").arg(n));
    });
    return f;
}

// The labels run of the report dialog's Preview, without the questions.
void recordLabels(Program& p, RecordingPrinter& recording)
{
    ReportOptions o;
    o.kind = ReportKind::Labels;
    o.sequence = 4;
    o.labelStock = 2;
    o.unattended = true;
    o.pagesInto = &recording;
    test::SilentRunWindows windows;
    runReport(p, o, windows);
}

void paint(PreviewWindow& w)
{
    benchmark::DoNotOptimize(w.scrollArea->widget()->grab());
}

void BM_PreviewOfLabelsOpens(benchmark::State& state)
{
    PdfProgram pdf(previewFile());
    int pages = 0;
    for (auto _ : state) {
        RecordingPrinter recording;
        recordLabels(pdf.p, recording);
        PreviewWindow w(recording, QString());
        w.show();
        paint(w);
        pages = w.pageCount();
    }
    state.counters["sheets"] = pages;
}
BENCHMARK(BM_PreviewOfLabelsOpens)->Unit(benchmark::kMillisecond);

void BM_PreviewTurnsAPage(benchmark::State& state)
{
    PdfProgram pdf(previewFile());
    RecordingPrinter recording;
    recordLabels(pdf.p, recording);
    PreviewWindow w(recording, QString());
    w.show();
    paint(w);
    int page = 1;
    for (auto _ : state) {
        page = page % w.pageCount() + 1;
        w.showPage(page);
        paint(w);
    }
    state.counters["sheets"] = w.pageCount();
}
BENCHMARK(BM_PreviewTurnsAPage)->Unit(benchmark::kMillisecond);

} // namespace
