// Export of a full file of 1700 records, and import of 1700 records into an
// empty file: reading the file, planning every record and writing it through
// the record store, header and lowest free ID included.
#include "FullFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"

#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

FullFile& fullFile()
{
    static FullFile f([](int id, int n) {
        return bench::filledRecord(id, n, QStringLiteral("Person, Number %1").arg(n));
    });
    return f;
}

void exportAs(benchmark::State& state, ExportFormat format)
{
    Program& p = fullFile().env.p();
    ExportOptions options;
    options.format = format;
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(exportBytes(p, options, &count));
    state.counters["records"] = count;
}

void BM_ExportVCard30(benchmark::State& state)
{
    exportAs(state, ExportFormat::VCard30);
}
BENCHMARK(BM_ExportVCard30)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state)
{
    exportAs(state, ExportFormat::CsvNative);
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void importAs(benchmark::State& state, ExportFormat format)
{
    ExportOptions options;
    options.format = format;
    const QByteArray bytes = exportBytes(fullFile().env.p(), options);
    test::TestEnv env;
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        env.openFile({});
        state.ResumeTiming();
        const ImportSource source = readImportBytes(bytes, QStringLiteral("all"));
        const ImportPlan plan = planImport(env.p(), source, OverflowChoice::MoveToComments);
        imported = runImport(env.p(), plan).imported;
    }
    state.counters["records"] = imported;
}

void BM_ImportVCard30(benchmark::State& state)
{
    importAs(state, ExportFormat::VCard30);
}
BENCHMARK(BM_ImportVCard30)->Unit(benchmark::kMillisecond);

void BM_ImportCsv(benchmark::State& state)
{
    importAs(state, ExportFormat::CsvNative);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

} // namespace
