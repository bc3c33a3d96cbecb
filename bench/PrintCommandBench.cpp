// The whole program run from the command line, as a script would run it:
// `tavrel --print labels --stock 3-across --sort id --output FILE.pdf` over a
// full file of 1700 records (57 sheets), from start to exit, with the
// program's peak memory (its own process, not this one).
#include "FullFile.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace tavrel;
using namespace tavrel::bench;

namespace {

void BM_PrintLabelsCommandLine(benchmark::State& state)
{
    static FullFile file([](int id, int n) {
        return filledRecord(id, n, QStringLiteral("Jonathan Q. Addressee No. %1").arg(n));
    });
    const QString pdf = file.env.dir() + QStringLiteral("/labels.pdf");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVREL_HOME"), file.env.dir());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TAVREL_PROGRAM),
                      {QStringLiteral("--print"), QStringLiteral("labels"),
                       QStringLiteral("--stock"), QStringLiteral("3-across"),
                       QStringLiteral("--sort"), QStringLiteral("id"), QStringLiteral("--output"),
                       pdf});
        if (!program.waitForFinished(60000) || program.exitCode() != 0 ||
            !program.readAllStandardOutput().startsWith("1700 records, 57 pages printed.")) {
            state.SkipWithError("the print command did not print 57 sheets");
            break;
        }
        state.PauseTiming();
        QFile::remove(pdf);
        state.ResumeTiming();
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    state.counters["program_peak_MB"] = double(children.ru_maxrss) / 1024;
}
BENCHMARK(BM_PrintLabelsCommandLine)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
