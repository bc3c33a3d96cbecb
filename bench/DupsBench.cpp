// Timings of the silent duplicate search over a full file of 1700 active
// records: about 1.4 million compared pairs, with a yield every 1002 of them.
#include "FullFile.h"
#include "dups/DupSearch.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

// Every record different in name and in address.
NARecord distinct(int id, int n)
{
    return bench::addressedRecord(id, n, QStringLiteral("Person Number %1").arg(n));
}

// 100 IDs spread over the file (20, 36, ..., 1604), each a copy of the record
// at half its ID, which is never one of them.
bool isCopy(int id)
{
    return id >= 20 && id <= 1604 && (id - 20) % 16 == 0;
}

FullFile& noDuplicates()
{
    static FullFile f(distinct);
    return f;
}

FullFile& hundredDuplicates()
{
    static FullFile f([](int id, int n) {
        if (!isCopy(id))
            return distinct(id, n);
        const int original = id / 2;
        NARecord r = distinct(original, (original * 7919) % 1709);
        r.RecId = qint16(id);
        return r;
    });
    return f;
}

// The silent search's windows: none to show, nothing to wait for.
struct Silent : DupSearchView {
    int yields = 0;
    int reports = 0;
    void showPair(int, const NARecord&, int, const NARecord&) override {}
    void letEventsRun() override { ++yields; }
    void showDeletedReport() override { ++reports; }
};

void BM_DupSearchNoDuplicates(benchmark::State& state)
{
    FullFile& f = noDuplicates();
    Program& p = f.env.p();
    Silent view;
    for (auto _ : state) {
        DupSearchState s;
        runDupSearch(p, DupMatch::NameOrAddress, s, view);
        benchmark::DoNotOptimize(s.RunCount);
        if (s.RunCount != 0)
            state.SkipWithError("found a duplicate where there is none");
        f.env.ui.messages.clear();
    }
    state.counters["yields"] = double(view.yields) / double(state.iterations());
}
BENCHMARK(BM_DupSearchNoDuplicates)->Unit(benchmark::kMillisecond);

void BM_DupSearchHundredDuplicates(benchmark::State& state)
{
    FullFile& f = hundredDuplicates();
    Program& p = f.env.p();
    Silent view;
    for (auto _ : state) {
        DupSearchState s;
        runDupSearch(p, DupMatch::NameOrAddress, s, view);
        state.PauseTiming();
        if (s.RunCount != 100)
            state.SkipWithError("did not delete the 100 copies");
        // Put the file back as it was for the next round.
        undeleteDuplicates(p, s, QStringLiteral("DUP2"));
        state.ResumeTiming();
    }
    state.counters["deleted"] = 100;
}
BENCHMARK(BM_DupSearchHundredDuplicates)->Unit(benchmark::kMillisecond);

} // namespace
