// tavrel_printlabels OUTDIR: for each label and card stock, prints a test page
// (<stock>-test.pdf) and one full sheet of a sample file (<stock>-sheet.pdf)
// through the real printer into OUTDIR, at the standard position.
#include "platform/gui/QtPrinter.h"
#include "reports/LabelLayouts.h"
#include "reports/ReportRun.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

using namespace tavrel;

namespace {

// Thirty people and firms; some lines at the full 35 characters, some
// addresses of two lines only.
std::map<int, NARecord> sampleRecords()
{
    const char* names[] = {
        "Abernathy, Margaret Louise",
        "Baker & Sons Hardware Ltd",
        "Castillo, Marta",
        "Dunn, Peter J.",
        "Evergreen Garden Club",
        "Fitzgerald-Whitworth, Anne-Marie Jo",
        "Gomez, Luis",
        "Harbour View Dental Practice",
        "Ishikawa, Kenji",
        "Jablonski, Teresa",
        "Kowalczyk, Wojciech",
        "Lindqvist, Ebba",
        "MacPherson, Alasdair",
        "Nakamura, Yui",
        "O'Sullivan, Declan",
        "Papadopoulos, Eleni",
        "Quigley Brothers Plumbing",
        "Rasmussen, Freja",
        "St. Bartholomew's Parish Office",
        "Thompson, William Henry III",
        "Underwood, Grace",
        "Van der Berg, Pieter",
        "Wojcik, Zofia",
        "Xavier, Francisco",
        "Yamamoto, Haruki",
        "Zimmermann, Klaus",
        "Adams, Ruth",
        "Bellweather Insurance Agency",
        "Chen, Wei",
        "Delacroix, Amelie",
    };
    const char* streets[] = {"Harbour Road", "Maple Avenue", "Old Mill Lane", "Queen Street",
                             "Riverside Drive"};
    const char* towns[] = {"Springfield, IL 62704", "Riverton, NJ 08077", "Portland, OR 97205",
                           "Burlington, VT 05401", "Santa Fe, NM 87501"};
    std::map<int, NARecord> out;
    for (int i = 0; i < 30; ++i) {
        const int id = i + 1;
        NARecord r = test::makeRecord(id, QString::fromUtf8(names[i]));
        r.AddrLine1 = QStringLiteral("%1 %2").arg(10 + 37 * i).arg(QLatin1String(streets[i % 5]));
        if (i % 3 == 0) {
            r.AddrLine2 = QStringLiteral("Suite %1, Building %2").arg(100 + i).arg(i % 4 + 1);
            r.AddrLine3 = QLatin1String(towns[i % 5]);
            r.AddrLine4 = QStringLiteral("United States Of America 1234567890"); // 35
        } else {
            r.AddrLine2 = QLatin1String(towns[i % 5]);
        }
        r.EMail = QStringLiteral("contact%1@mail.example.com").arg(id);
        r.PhoneType1 = QStringLiteral("Home");
        r.PhoneNum1 = QStringLiteral("(555) 010-%1").arg(1000 + id);
        r.PhoneType2 = QStringLiteral("Work");
        r.PhoneNum2 = QStringLiteral("(555) 020-%1 x12").arg(2000 + id);
        r.Comments = QStringLiteral("Card list since 2019; prefers letters to telephone calls. "
                                    "Send the newsletter in May and the calendar in December.")
                         .left(100);
        out[id] = r;
    }
    return out;
}

struct NoWindows : RunWindows {
    void showPreparing() override {}
    void closePreparing() override {}
    void showProgress() override {}
    void showLastPageCompleted(int) override {}
    void closeProgress() override {}
};

void pressInDialog(test::ScriptedUi& ui, const char* button, const char* option = nullptr)
{
    ui.onModal([button, option](QDialog& d) {
        if (option)
            d.findChild<QRadioButton*>(QLatin1String(option))->click();
        d.findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tavrel_printlabels OUTDIR\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    test::TestEnv env;
    test::writeNAFile(env.naPath(), sampleRecords());
    env.ui.setAutoOk(true);
    QtPrinter printer(out);
    Program p({env.ui, printer, env.clipboard, env.help, env.clock, *env.files});
    OpenNAFile(p);

    const struct {
        const char* file;
        ReportKind kind;
        int stock;
        const char* stockOption; // 1-across labels: the answer in LabelStockForm
    } stocks[] = {
        {"labels-1across-continuous", ReportKind::Labels, 0, "StockOpt2_1"},
        {"labels-1across-cut", ReportKind::Labels, 0, "StockOpt2_0"},
        {"labels-2across", ReportKind::Labels, 1, nullptr},
        {"labels-3across", ReportKind::Labels, 2, nullptr},
        {"cards-1across", ReportKind::Cards, 0, nullptr},
        {"cards-2across", ReportKind::Cards, 1, nullptr},
    };
    int failures = 0;
    auto keep = [&](const QString& name) {
        const QString target = out + QLatin1Char('/') + name + QStringLiteral(".pdf");
        QFile::remove(target);
        if (printer.lastPdfFile().isEmpty() || !QFile::rename(printer.lastPdfFile(), target)) {
            err << name << ": no PDF\n";
            ++failures;
            return;
        }
        QTextStream(stdout) << target << '\n';
    };
    for (const auto& s : stocks) {
        ReportOptions o;
        o.kind = s.kind;
        o.sequence = 4;
        o.labelStock = s.stock;
        o.cardStock = s.stock;
        NoWindows windows;
        const bool continuous = s.stockOption && QLatin1String(s.stockOption).endsWith(u'1');

        // A test page, then Cancel on the question that follows.
        if (s.stockOption)
            pressInDialog(env.ui, "Command3D1", s.stockOption);
        env.ui.answer(Ui::Answer::Yes);
        if (!continuous)
            pressInDialog(env.ui, "VertCmd1");
        env.ui.answer(Ui::Answer::Cancel);
        runReport(p, o, windows);
        keep(QLatin1String(s.file) + QStringLiteral("-test"));

        // The first full sheet (a reprint of page 1): no test page, the standard position.
        o.reprint = true;
        o.reprintFrom = o.reprintThrough = 1;
        if (s.stockOption)
            pressInDialog(env.ui, "Command3D1", s.stockOption);
        env.ui.answer(Ui::Answer::No);
        pressInDialog(env.ui, "VertCmd1");
        const RunEnd end = runReport(p, o, windows);
        if (end != RunEnd::Completed) {
            err << s.file << ": the run did not complete\n";
            ++failures;
            continue;
        }
        keep(QLatin1String(s.file) + QStringLiteral("-sheet"));
    }
    return failures ? 1 : 0;
}
