// Timing of the envelope print run over a full file of 1700 active records:
// one envelope for every entry, sorted on both keys, drawn into a PDF file,
// with peak memory.
#include "PdfPrinting.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using namespace tavrel::bench;

namespace {

FullFile& envelopeFile()
{
    static FullFile f([](int id, int n) {
        NARecord r = test::makeRecord(id, QStringLiteral("Person Number %1").arg(n),
                                      QStringLiteral("KEY%1").arg(n % 389),
                                      QStringLiteral("ZONE %1").arg(n % 17));
        r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
        r.AddrLine2 = QStringLiteral("Suite %1").arg(n % 90);
        r.AddrLine3 = QStringLiteral("Springfield, IL 627%1").arg(n % 100, 2, 10, QLatin1Char('0'));
        return r;
    });
    return f;
}

// From Print (no test envelope) to the finished PDF of 1700 envelopes.
void BM_EnvelopesForWholeFileToPdf(benchmark::State& state)
{
    PdfProgram pdf(envelopeFile());
    test::SilentEnvelopeWindows windows;
    EnvelopeJob job;
    job.returnOption = ReturnFrom::Keyboard;
    job.mailOption = MailTo::AllEntries;
    job.sortIndex = 2;
    for (int i = 0; i < 5; ++i)
        job.returnAddress[i] = QStringLiteral("Return line %1").arg(i).leftJustified(35);
    EnvelopeRunEnd end = EnvelopeRunEnd::Completed;
    for (auto _ : state) {
        pdf.env.ui.answer(Ui::Answer::No);
        end = printEnvelopes(pdf.p, job, windows);
        state.PauseTiming();
        pdf.removePdf();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMaxId);
    state.counters["peak_MB"] = peakMegabytes();
    if (end != EnvelopeRunEnd::Completed)
        state.SkipWithError("the envelope run did not complete");
}
BENCHMARK(BM_EnvelopesForWholeFileToPdf)->Unit(benchmark::kMillisecond);

} // namespace
