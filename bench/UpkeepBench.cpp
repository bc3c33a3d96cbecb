// Timings of file upkeep over a full file of 1700 IDs with every third record
// deleted: compaction (write, flush and rename of the new file included) and
// the file statistics (count, free space, and the box, answered at once).
#include "FullFile.h"
#include "upkeep/Compaction.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

// The full file and its bytes as first written, to start each timing afresh.
struct ThirdDeleted {
    FullFile f{[](int id, int n) {
        NARecord r = test::makeRecord(id, QStringLiteral("Person %1").arg(n),
                                      QStringLiteral("key%1").arg(n % 389));
        r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
        r.LinkId1 = qint16(n % kMaxId + 1);
        r.BackLinkId = qint16((id * 13) % kMaxId + 1);
        if (id % 3 == 0) {
            r.RecStatus = kDeleted;
            r.RecId = 0;
        }
        return r;
    }};
    QByteArray original = test::fileBytes(f.env.naPath());
    Program& p() { return f.env.p(); }
    void restore()
    {
        p().naFile.close();
        test::writeBytes(f.env.naPath(), original);
        openNAFile(p());
    }
};

ThirdDeleted& thirdDeleted()
{
    static ThirdDeleted file;
    return file;
}

void BM_Compaction(benchmark::State& state)
{
    ThirdDeleted& f = thirdDeleted();
    Program& p = f.p();
    int active = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        state.ResumeTiming();
        FileReplacement out(p.files, kNAFileName, kCompactTempName);
        active = compactNAFile(p, out).active;
    }
    if (active != kMaxId - kMaxId / 3)
        state.SkipWithError("unexpected count of active records");
}
BENCHMARK(BM_Compaction)->Unit(benchmark::kMillisecond);

void BM_FileStatistics(benchmark::State& state)
{
    ThirdDeleted& f = thirdDeleted();
    Program& p = f.p();
    // The file as it was before any compaction timed above.
    f.restore();
    f.f.env.files->diskFiguresHook = [] { return DiskFigures{8, 512, 1 << 24, 1 << 25}; };
    for (auto _ : state) {
        showFileStatistics(p);
        // The please-wait window is deleted as the event loop would delete it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f.f.env.ui.messages.clear();
    }
    if (p.LastRecNo != kMaxId + 1)
        state.SkipWithError("not the full file");
}
BENCHMARK(BM_FileStatistics)->Unit(benchmark::kMillisecond);

} // namespace
