// Timing of the envelope print run over a full file of 1700 active records:
// one envelope for every entry, sorted on both keys, drawn into a PDF file.
#include "FullFile.h"
#include "envelopes/EnvelopeRun.h"
#include "platform/gui/QtPrinter.h"

#include <QDir>
#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

class NoWindows : public EnvelopeWindows {
public:
    void showPleaseWait() override {}
    void closePleaseWait() override {}
    void showProgress() override {}
    void showPrepared(int) override {}
    void closeProgress() override {}
};

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
    FullFile& file = envelopeFile();
    test::TestEnv& env = file.env;
    const QString dir = env.dir() + QStringLiteral("/pdf");
    QtPrinter printer(dir);
    Program p(Services{env.ui, printer, env.clipboard, env.help, env.clock, *env.files});
    OpenNAFile(p);
    NoWindows windows;
    EnvelopeJob job;
    job.returnOption = ReturnFrom::Keyboard;
    job.mailOption = MailTo::AllEntries;
    job.sortIndex = 2;
    for (int i = 0; i < 5; ++i)
        job.ReturnAddr[i] = QStringLiteral("Return line %1").arg(i).leftJustified(35);
    EnvelopeRunEnd end = EnvelopeRunEnd::Completed;
    for (auto _ : state) {
        env.ui.answer(Ui::Answer::No);
        end = EnvPrintButton_Click(p, job, windows);
        state.PauseTiming();
        QDir(dir).removeRecursively();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMaxId);
    if (end != EnvelopeRunEnd::Completed)
        state.SkipWithError("the envelope run did not complete");
}
BENCHMARK(BM_EnvelopesForWholeFileToPdf)->Unit(benchmark::kMillisecond);

} // namespace
