// Timings of the N&A file operations over a full file of 1700 active records.
#include "FullFile.h"
#include "platform/Text.h"
#include "store/Contact.h"
#include "store/NameList.h"
#include "store/OriginalSpellings.h"
#include "store/RecordAccess.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

FullFile& fullFile()
{
    static FullFile f([](int id, int n) {
        return test::makeRecord(id, QStringLiteral("Person %1").arg(n),
                                QStringLiteral("key%1").arg(n % 389),
                                QStringLiteral("Zone %1").arg(n % 17));
    });
    return f;
}

void BM_OpenNAFile(benchmark::State& state)
{
    Program& p = fullFile().env.p();
    for (auto _ : state) {
        p.naFile.close();
        openNAFile(p);
        benchmark::DoNotOptimize(p.LowestFreeId);
    }
    if (p.LowestFreeId != kMaxId + 1)
        state.SkipWithError("unexpected LowestFreeId");
}
BENCHMARK(BM_OpenNAFile)->Unit(benchmark::kMillisecond);

void BM_FindLowestFreeId(benchmark::State& state)
{
    Program& p = fullFile().env.p();
    for (auto _ : state) {
        findLowestFreeId(p);
        benchmark::DoNotOptimize(p.LowestFreeId);
    }
}
BENCHMARK(BM_FindLowestFreeId)->Unit(benchmark::kMillisecond);

void BM_BuildNameList(benchmark::State& state)
{
    Program& p = fullFile().env.p();
    const QChar code = QLatin1Char(char('0' + state.range(0)));
    for (auto _ : state) {
        buildNameList(p, code);
        benchmark::DoNotOptimize(p.SortedIdList.data());
    }
    if (p.SortedCount != kMaxId)
        state.SkipWithError("list is not full");
}
BENCHMARK(BM_BuildNameList)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_ReadEveryRecord(benchmark::State& state)
{
    Program& p = fullFile().env.p();
    for (auto _ : state) {
        int active = 0;
        for (int id = 1; id < p.LastRecNo; ++id)
            active += readActive(p, id) ? 1 : 0;
        benchmark::DoNotOptimize(active);
    }
}
BENCHMARK(BM_ReadEveryRecord)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets: the record screens and QuickFind are timed too. No display is
    // needed for timing, so run off-screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Reading the original spellings of a full file (every record's name in
// another alphabet) and checking each against its record's bytes: what
// opening such a file adds.
void BM_LoadOriginalSpellings(benchmark::State& state)
{
    Program& p = fullFile().env.p();
    OriginalSpellings kept;
    std::vector<QByteArray> bytes;
    for (int id = 1; id <= kMaxId; ++id) {
        Contact c;
        c.id = id;
        c.text(ContactField::Name) = QStringLiteral("Иван Петров %1").arg(id);
        c.text(ContactField::AddrLine1) = QStringLiteral("ул. Ленина %1").arg(id);
        const EncodedContact e = encodeContact(c);
        bytes.push_back(e.record.toBytes());
        kept.keep(id, bytes.back(), e.originals);
    }
    kept.save(p.files, p.files.path(QStringLiteral("n&a.mrk")));
    for (auto _ : state) {
        OriginalSpellings read;
        read.load(p.files);
        int found = 0;
        for (int id = 1; id <= kMaxId; ++id)
            found += int(!read.originalsFor(id, bytes[size_t(id - 1)]).empty());
        if (found != kMaxId)
            state.SkipWithError("an entry was not found");
    }
    p.files.remove(kOriginalSpellingsName);
}
BENCHMARK(BM_LoadOriginalSpellings)->Unit(benchmark::kMillisecond);

// A full file whose every record is a name and a street in another alphabet,
// as a record write leaves it, with the originals kept beside it.
FullFile& spelledFile()
{
    static FullFile f([](int id, int) {
        Contact c;
        c.id = id;
        c.text(ContactField::Name) = QStringLiteral("Иван Петров %1").arg(id);
        c.text(ContactField::AddrLine1) = QStringLiteral("ул. Ленина %1").arg(id);
        return encodeContact(c).record;
    });
    return f;
}

// Opening the full file with its 1700 spellings entries (1) and without the
// spellings file (0): the difference is what the entries add to an open.
void BM_OpenNAFileWithSpellings(benchmark::State& state)
{
    Program& p = spelledFile().env.p();
    const bool withSpellings = state.range(0) != 0;
    OriginalSpellings kept;
    for (int id = 1; id <= kMaxId; ++id) {
        Contact c;
        c.id = id;
        c.text(ContactField::Name) = QStringLiteral("Иван Петров %1").arg(id);
        c.text(ContactField::AddrLine1) = QStringLiteral("ул. Ленина %1").arg(id);
        const EncodedContact e = encodeContact(c);
        kept.keep(id, e.record.toBytes(), e.originals);
    }
    if (withSpellings)
        kept.save(p.files, p.files.path(QStringLiteral("n&a.mrk")));
    for (auto _ : state) {
        p.naFile.close();
        openNAFile(p);
        benchmark::DoNotOptimize(p.Spellings.size());
    }
    if (p.Spellings.size() != (withSpellings ? kMaxId : 0))
        state.SkipWithError("the spellings were not read");
    if (withSpellings)
        p.files.remove(kOriginalSpellingsName);
}
BENCHMARK(BM_OpenNAFileWithSpellings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
