// Timings of the field search over a full file of 1700 active records, with
// no matches displayed: the scan the person waits for behind "Searching".
#include "FullFile.h"
#include "platform/Text.h"
#include "search/SearchRun.h"
#include "store/NameListModel.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

// Every ID in use, each record filled in every searched field.
FullFile& searchFile()
{
    static FullFile f([](int id, int n) {
        return bench::filledRecord(id, n, QStringLiteral("Person Number %1").arg(n),
                                   QStringLiteral("ZONE %1").arg(n % 17));
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

// The QuickFind find box: each record's fields folded once as the list
// loads, as QuickFind fills it (name shown, every field looked in).
void fillFindList(NameListModel& lines, Program& p)
{
    QVector<NameListModel::Line> all;
    for (int id = 1; id <= kMaxId; ++id) {
        Get_NA_Rec(p, id + 1);
        all.append({qint16(id), padRight(p.CurRec.Name, Width::Name), findFieldsOf(p.CurRec)});
    }
    lines.setLines(std::move(all));
}

void BM_FindBoxLoad(benchmark::State& state)
{
    Program& p = searchFile().env.p();
    for (auto _ : state) {
        NameListModel lines;
        fillFindList(lines, p);
        benchmark::DoNotOptimize(lines.rowCount());
    }
}
BENCHMARK(BM_FindBoxLoad)->Unit(benchmark::kMillisecond);

// One keystroke each: the text grows by a letter and the list is filtered
// again over all 1700 records, two words in any field, one of them digits.
void BM_FindBoxKeystroke(benchmark::State& state)
{
    Program& p = searchFile().env.p();
    NameListModel lines;
    fillFindList(lines, p);
    NameListFilter shown(&lines);
    const QString typed = QStringLiteral("meadow 555 10");
    int k = 1;
    for (auto _ : state) {
        shown.setFilterText(typed.left(k));
        benchmark::DoNotOptimize(shown.rowCount());
        k = k % typed.size() + 1;
    }
}
BENCHMARK(BM_FindBoxKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
