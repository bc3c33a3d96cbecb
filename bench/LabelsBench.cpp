// Timings of the label and card print runs over a full file of 1700 records,
// drawn through the real printer layer into PDF files: 3-across labels (57
// sheets) and 2-across cards (213 sheets), the whole file in ID order, no
// test page. Peak memory is the process's high-water mark (getrusage), so it
// covers the run and the PDF writer.
#include "FullFile.h"
#include "platform/gui/QtPrinter.h"
#include "reports/ReportRun.h"
#include "store/RecordAccess.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace tavrel;
using tavrel::bench::FullFile;

namespace {

// Every ID in use, each label with five full lines.
FullFile& labelFile()
{
    static FullFile f([](int id, int n) {
        NARecord r = test::makeRecord(id, QStringLiteral("Jonathan Q. Addressee No. %1").arg(n),
                                      QStringLiteral("KEY%1").arg(n % 389));
        r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
        r.AddrLine2 = QStringLiteral("Apartment %1").arg(n % 40);
        r.AddrLine3 = QStringLiteral("Riverton, NJ 0%1").arg(8000 + n);
        r.AddrLine4 = QStringLiteral("United States");
        for (int i = 1; i <= 5; ++i) {
            r.phoneType(i) = QStringLiteral("Home");
            r.phoneNum(i) = QStringLiteral("(609) 555-%1").arg(1000 + n + i);
        }
        r.EMail = QStringLiteral("person%1@mail.example.com").arg(n);
        r.Comments = QStringLiteral("Met at the regional meeting in spring; prefers letters to "
                                    "telephone calls. Entry %1 of the full file, padded out.")
                         .arg(n)
                         .left(100);
        return r;
    });
    return f;
}

struct NoWindows : RunWindows {
    void showPreparing() override {}
    void closePreparing() override {}
    void showProgress() override {}
    void showLastPageCompleted(int) override {}
    void closeProgress() override {}
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes on Linux
}

void printToPdf(benchmark::State& state, ReportKind kind, int stock)
{
    FullFile& file = labelFile();
    QTemporaryDir out;
    QtPrinter printer(out.path());
    test::TestEnv& env = file.env;
    Program p({env.ui, printer, env.clipboard, env.help, env.clock, *env.files});
    OpenNAFile(p);
    int sheets = 0;
    for (auto _ : state) {
        ReportOptions o;
        o.kind = kind;
        o.sequence = 4;
        o.labelStock = stock;
        o.cardStock = stock;
        // No test page; the standard position.
        env.ui.answer(Ui::Answer::No);
        env.ui.onModal(
            [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("VertCmd1"))->click(); });
        NoWindows windows;
        if (runReport(p, o, windows) != RunEnd::Completed) {
            state.SkipWithError("the run did not complete");
            break;
        }
        sheets = p.Report.PageNo - 1;
        state.PauseTiming();
        QFile::remove(printer.lastPdfFile());
        state.ResumeTiming();
    }
    state.counters["sheets"] = sheets;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_ThreeAcrossLabelsToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::Labels, 2);
}
BENCHMARK(BM_ThreeAcrossLabelsToPdf)->Unit(benchmark::kMillisecond);

void BM_TwoAcrossCardsToPdf(benchmark::State& state)
{
    printToPdf(state, ReportKind::Cards, 1);
}
BENCHMARK(BM_TwoAcrossCardsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
