// Timings of syncs of a full file of 1700 records with a CardDAV server on
// this machine: a sync with nothing changed, the first upload of every record
// and the first download of every card. The process's processor time is the
// program's own share (the server is a process of its own); the wall time
// adds the server's.
#include "FullFile.h"
#include "RadicaleServer.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QUuid>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

using namespace tavrel;
using tavrel::bench::FullFile;
using tavrel::test::RadicaleServer;

namespace {

struct SyncBench {
    RadicaleServer server;
    DavSettings settings;
    SyncBench()
    {
        settings.server = server.base();
        settings.user = RadicaleServer::user;
        settings.password = RadicaleServer::password;
        settings.timeoutMs = 60000;
    }
    QUrl newBook()
    {
        const QUrl book = server.home().resolved(
            QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('/')));
        CardDavClient(settings).createAddressBook(book, QStringLiteral("Bench"));
        return book;
    }
    void setUp(test::TestEnv& env, const QUrl& book)
    {
        SyncState st;
        st.server = server.base().toString();
        st.user = RadicaleServer::user;
        st.book = book;
        saveSyncState(*env.files, st);
        env.p().BeforeBulkChange = [](const QString&) { return true; };
    }
    SyncReport sync(test::TestEnv& env)
    {
        CardDavClient client(settings);
        return runSync(env.p(), client, SyncOptions());
    }
};

std::unique_ptr<FullFile> fullFile()
{
    return std::make_unique<FullFile>([](int id, int n) {
        return bench::filledRecord(id, n, QStringLiteral("Person %1").arg(n));
    });
}

// This process's user and system processor time so far, in milliseconds: the
// split tells the program's own work from what it asks of the kernel (writes,
// flushes, sockets, wake-ups).
struct ProcessorTime {
    double userMs = 0;
    double systemMs = 0;
    static ProcessorTime now()
    {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        const auto ms = [](const timeval& t) {
            return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
        };
        return {ms(u.ru_utime), ms(u.ru_stime)};
    }
};

// Adds the time since `from` to the run's user and system counters.
void addProcessorTime(ProcessorTime& total, const ProcessorTime& from)
{
    const ProcessorTime to = ProcessorTime::now();
    total.userMs += to.userMs - from.userMs;
    total.systemMs += to.systemMs - from.systemMs;
}

void reportProcessorTime(benchmark::State& state, const ProcessorTime& total)
{
    state.counters["user_ms"] =
        benchmark::Counter(total.userMs, benchmark::Counter::kAvgIterations);
    state.counters["system_ms"] =
        benchmark::Counter(total.systemMs, benchmark::Counter::kAvgIterations);
}

bool check(benchmark::State& state, SyncBench& b, const SyncReport& r)
{
    if (!b.server.running())
        state.SkipWithError(qPrintable(b.server.whyNotRunning()));
    else if (!r.ok())
        state.SkipWithError(qPrintable(r.summary()));
    return b.server.running() && r.ok();
}

void BM_SyncNothingChanged(benchmark::State& state)
{
    SyncBench b;
    auto full = fullFile();
    b.setUp(full->env, b.newBook());
    if (!check(state, b, b.sync(full->env)))
        return;
    ProcessorTime spent;
    for (auto _ : state) {
        const ProcessorTime from = ProcessorTime::now();
        const SyncReport r = b.sync(full->env);
        addProcessorTime(spent, from);
        if (!check(state, b, r) || r.addedThere || r.changedThere || r.changedHere)
            state.SkipWithError("something was synced");
    }
    reportProcessorTime(state, spent);
}
BENCHMARK(BM_SyncNothingChanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_SyncFirstUpload1700(benchmark::State& state)
{
    SyncBench b;
    ProcessorTime spent;
    for (auto _ : state) {
        state.PauseTiming();
        auto full = fullFile();
        b.setUp(full->env, b.newBook());
        state.ResumeTiming();
        const ProcessorTime from = ProcessorTime::now();
        const SyncReport r = b.sync(full->env);
        addProcessorTime(spent, from);
        if (check(state, b, r) && r.addedThere != kMaxId)
            state.SkipWithError("not every record went up");
    }
    reportProcessorTime(state, spent);
}
BENCHMARK(BM_SyncFirstUpload1700)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(1);

void BM_SyncFirstDownload1700(benchmark::State& state)
{
    SyncBench b;
    const QUrl book = b.newBook();
    {
        auto full = fullFile();
        b.setUp(full->env, book);
        if (!check(state, b, b.sync(full->env)))
            return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        test::TestEnv empty;
        empty.openFile({});
        b.setUp(empty, book);
        state.ResumeTiming();
        const SyncReport r = b.sync(empty);
        if (check(state, b, r) && r.addedHere != kMaxId)
            state.SkipWithError("not every card came down");
    }
}
BENCHMARK(BM_SyncFirstDownload1700)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

} // namespace
