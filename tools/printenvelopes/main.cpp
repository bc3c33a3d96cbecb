// tavrel_printenvelopes OUTDIR: prints three envelopes of each size (fed
// sideways) through the real printer into OUTDIR/size-N-NAME.pdf, plus one
// upright Commercial #10 run (size-0-commercial10-portrait.pdf). The return
// address is typed; the three mailing addresses are the whole of a small N&A
// file, one of them at the full 35-character width.
#include "envelopes/EnvelopeRun.h"
#include "platform/gui/QtPrinter.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace tavrel;

namespace {

class NoWindows : public EnvelopeWindows {
public:
    void showPleaseWait() override {}
    void closePleaseWait() override {}
    void showProgress() override {}
    void showPrepared(int) override {}
    void closeProgress() override {}
};

std::map<int, NARecord> sampleRecords()
{
    NARecord a = test::makeRecord(1, QStringLiteral("Margaret Louise Abernathy-Whitworth"));
    a.AddrLine1 = QStringLiteral("Apartment 12B, Harbour View Towers");
    a.AddrLine2 = QStringLiteral("1234 Long Meadow Road North-West");
    a.AddrLine3 = QStringLiteral("Springfield, IL 62704-1234");
    a.AddrLine4 = QStringLiteral("United States Of America WWWWWWWWW");
    NARecord b = test::makeRecord(2, QStringLiteral("Baker & Sons Hardware Ltd"));
    b.AddrLine1 = QStringLiteral("Attn: Accounts Payable");
    b.AddrLine2 = QStringLiteral("88 Mill Lane");
    b.AddrLine3 = QStringLiteral("Leeds LS1 4AB");
    NARecord c = test::makeRecord(3, QStringLiteral("Castillo, Marta"));
    c.AddrLine1 = QStringLiteral("Calle Mayor 7");
    c.AddrLine2 = QStringLiteral("28013 Madrid");
    return {{1, a}, {2, b}, {3, c}};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tavrel_printenvelopes OUTDIR\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    test::TestEnv env;
    test::writeNAFile(env.naPath(), sampleRecords());
    QtPrinter printer(env.dir() + QStringLiteral("/pdf"));
    Program p(Services{env.ui, printer, env.clipboard, env.help, env.clock, *env.files});
    OpenNAFile(p);
    env.ui.setAutoOk(true);

    const char* names[kEnvelopeSizeCount] = {"commercial10", "monarch", "personal", "dl",
                                             "c6",           "b5",      "c5"};
    struct Run {
        int size;
        bool landscape;
        QString file;
    };
    std::vector<Run> runs;
    for (int size = 0; size < kEnvelopeSizeCount; ++size)
        runs.push_back({size, true, QStringLiteral("size-%1-%2.pdf").arg(size).arg(names[size])});
    runs.push_back({0, false, QStringLiteral("size-0-commercial10-portrait.pdf")});

    NoWindows windows;
    for (const Run& r : runs) {
        EnvelopeJob j;
        j.returnOption = ReturnFrom::Keyboard;
        j.mailOption = MailTo::AllEntries;
        j.sortIndex = kDoNotSort;
        j.sizeIndex = r.size;
        j.landscape = r.landscape;
        j.mailUppercase = r.size == 1;
        j.returnItalics = r.size == 2;
        const char* ret[] = {"Tavrel Sample Sender", "42 Quarry Street", "Hometown, ST 01234", "",
                             ""};
        for (int i = 0; i < 5; ++i)
            j.ReturnAddr[i] = QString::fromLatin1(ret[i]).leftJustified(35);
        env.ui.answer(Ui::Answer::No);
        if (EnvPrintButton_Click(p, j, windows) != EnvelopeRunEnd::Completed) {
            err << r.file << ": the run did not complete\n";
            return 1;
        }
        const QString target = out + QLatin1Char('/') + r.file;
        QFile::remove(target);
        if (!QFile::rename(printer.lastPdfFile(), target) &&
            !QFile::copy(printer.lastPdfFile(), target)) {
            err << "cannot write " << target << '\n';
            return 1;
        }
    }
    return 0;
}
