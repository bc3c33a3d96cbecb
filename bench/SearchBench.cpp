// Timings of the field search over a full file of 1700 active records, with
// no matches displayed: the scan the person waits for behind "Searching".
#include "FullFile.h"
#include "search/SearchRun.h"
#include "store/RecordAccess.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

// Every ID in use, each record filled in every searched field.
FullFile& searchFile()
{
    static FullFile f([](int id, int n) {
        NARecord r = test::makeRecord(id, QStringLiteral("Person Number %1").arg(n),
                                      QStringLiteral("KEY%1").arg(n % 389),
                                      QStringLiteral("ZONE %1").arg(n % 17));
        r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
        r.AddrLine2 = QStringLiteral("Apartment %1").arg(n % 40);
        r.AddrLine3 = QStringLiteral("Riverton, NJ 0%1").arg(8000 + n);
        r.AddrLine4 = QStringLiteral("United States");
        for (int i = 1; i <= 5; ++i) {
            r.phoneType(i) = QStringLiteral("Home");
            r.phoneNum(i) = QStringLiteral("(609) 555-%1").arg(1000 + n + i);
        }
        r.EMail = QStringLiteral("person%1@mail.example.com").arg(n);
        r.Comments = QStringLiteral("Met at the regional meeting in spring; prefers letters "
                                    "to telephone calls. Entry %1.")
                         .arg(n);
        return r;
    });
    return f;
}

// No display: nothing to show, only count the repaints of the progress window.
struct NoDisplay : SearchView {
    int repaints = 0;
    void progress() override { ++repaints; }
    MatchDecision showMatch(int) override { return MatchDecision::Skip; }
};

SearchRequest allFields(const QString& key, bool save)
{
    SearchRequest r;
    r.key = key;
    r.boxes[7] = true;
    r.saveToList = save;
    return r;
}

// A key found nowhere: every field of every record is tested.
void BM_SearchAllFieldsNoMatch(benchmark::State& state)
{
    Program& p = searchFile().env.p();
    const SearchRequest request = allFields(QStringLiteral("nowhere to be found"), true);
    for (auto _ : state) {
        NoDisplay view;
        runSearch(p, request, view);
        benchmark::DoNotOptimize(p.SearchMatchCount);
    }
    if (p.SearchMatchCount != 0)
        state.SkipWithError("unexpected match");
}
BENCHMARK(BM_SearchAllFieldsNoMatch)->Unit(benchmark::kMillisecond);

// A key in every comment, saved into the list: every record is collected.
void BM_SearchAllFieldsEveryRecordSaved(benchmark::State& state)
{
    Program& p = searchFile().env.p();
    const SearchRequest request = allFields(QStringLiteral("LETTERS"), true);
    for (auto _ : state) {
        NoDisplay view;
        runSearch(p, request, view);
        benchmark::DoNotOptimize(p.MailListAddCount);
    }
    if (p.MailListAddCount != kMaxId)
        state.SkipWithError("not every record was collected");
}
BENCHMARK(BM_SearchAllFieldsEveryRecordSaved)->Unit(benchmark::kMillisecond);

// "&Name Only (Fast Search)" for comparison.
void BM_SearchNameOnly(benchmark::State& state)
{
    Program& p = searchFile().env.p();
    SearchRequest request = allFields(QStringLiteral("nowhere"), false);
    request.boxes = {true};
    for (auto _ : state) {
        NoDisplay view;
        runSearch(p, request, view);
        benchmark::DoNotOptimize(p.SearchMatchCount);
    }
}
BENCHMARK(BM_SearchNameOnly)->Unit(benchmark::kMillisecond);

} // namespace
