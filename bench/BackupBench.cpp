// Timings of backup copies of a full file of 1700 records and twenty mailing
// lists: what the daily copy costs start-up (every file written, one flush of
// the disk, the folder renamed into place and synced, and the rotation that
// renames an expired copy out of the list), and the removal of that expired
// copy's 22 files, which waits for the end of the run.
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
        // Ten copies of the day already: each new one sends the oldest out.
        for (int i = 0; i < 10; ++i)
            next();
    }
    // Copies a second apart, all of one day.
    BackupCopy next()
    {
        f.env.clock.t = f.env.clock.t.addSecs(1);
        return backups.take(BackupTrigger::Daily);
    }
};

void BM_BackupCopy(benchmark::State& state)
{
    Full full;
    int active = 0;
    for (auto _ : state) {
        active = full.next().active;
        full.backups.rotate();
        state.PauseTiming();
        full.backups.tidy();
        state.ResumeTiming();
    }
    if (active != kMaxId)
        state.SkipWithError("not the full file");
}
BENCHMARK(BM_BackupCopy)->Unit(benchmark::kMillisecond);

void BM_BackupTidy(benchmark::State& state)
{
    Full full;
    for (auto _ : state) {
        state.PauseTiming();
        full.next();
        full.backups.rotate();
        state.ResumeTiming();
        full.backups.tidy();
    }
    if (full.backups.list().size() != 10)
        state.SkipWithError("rotation kept other than ten");
}
BENCHMARK(BM_BackupTidy)->Unit(benchmark::kMillisecond);

} // namespace
