// Timings of backup copies of a full file of 1700 records and twenty mailing
// lists: taking one (every file written, one flush of the disk, the folder
// renamed into place and synced), and the rotation after it, which here
// removes one expired copy of 22 files.
#include "FullFile.h"
#include "upkeep/Backups.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

struct Full {
    FullFile f{[](int id, int n) {
        return bench::addressedRecord(id, n, QStringLiteral("Person %1").arg(n));
    }};
    BackupIo io;
    Backups backups{*f.env.files, f.env.clock, io, f.env.dir() + QStringLiteral("/backups")};
    Full()
    {
        for (int i = 0; i < 20; ++i)
            test::writeBytes(f.env.dir() + QStringLiteral("/tvlmail.%1").arg(i),
                             QByteArray(46, ' ') + QByteArray(1700, i % 2 ? '1' : '0') + "\r\n");
    }
    // Copies a minute apart, as many as rotation keeps for one day.
    BackupCopy next()
    {
        f.env.clock.t = f.env.clock.t.addSecs(61);
        return backups.take(BackupTrigger::Daily);
    }
};

void BM_BackupCopy(benchmark::State& state)
{
    Full full;
    int active = 0;
    for (auto _ : state) {
        active = full.next().active;
        state.PauseTiming();
        full.backups.rotate();
        state.ResumeTiming();
    }
    if (active != kMaxId)
        state.SkipWithError("not the full file");
}
BENCHMARK(BM_BackupCopy)->Unit(benchmark::kMillisecond);

void BM_BackupRotation(benchmark::State& state)
{
    Full full;
    for (int i = 0; i < 10; ++i)
        full.next();
    for (auto _ : state) {
        state.PauseTiming();
        full.next(); // the eleventh copy of the day: the oldest goes
        state.ResumeTiming();
        full.backups.rotate();
    }
    if (full.backups.list().size() != 10)
        state.SkipWithError("rotation kept other than ten");
}
BENCHMARK(BM_BackupRotation)->Unit(benchmark::kMillisecond);

} // namespace
