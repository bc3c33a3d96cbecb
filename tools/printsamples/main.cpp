// tavrel_printsamples KIND OUTDIR [HOMEDIR]: prints sample printouts through
// the real printer into PDF files in OUTDIR, to look at. KIND is one of
//   reports    each list and book report of a 40-record sample file (book.pdf,
//              book-large.pdf, telephone.pdf, abbreviated.pdf, listing.pdf).
//              With HOMEDIR it also leaves the sample file and a mailing list
//              there, to try the program on (TAVREL_HOME=HOMEDIR).
//   labels     for each label and card stock (every A4 sheet of the sheet table
//              included), a test page (<stock>-test.pdf) and
//              one full sheet of a 30-record file (<stock>-sheet.pdf), at the
//              standard position; for continuous forms the whole run of the
//              30 records (three 12-inch forms, the last one half full).
//   envelopes  three envelopes of each size, fed sideways (size-N-NAME.pdf) and
//              upright (size-N-NAME-portrait.pdf).
//              The return address is typed; the three mailing addresses are the
//              whole of a small file, one of them at the full 35-character width.
#include "envelopes/EnvelopeRun.h"
#include "maillists/MailListFile.h"
#include "platform/gui/QtPrinter.h"
#include "reports/LabelLayouts.h"
#include "reports/ReportRun.h"
#include "reports/gui/ReportQuestions.h"
#include "store/RecordAccess.h"
#include "support/SilentWindows.h"
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

const char* const kNames[] = {
    "Abernathy, Margaret Louise",
    "Baker & Sons Hardware Ltd",
    "Castillo, Marta",
    "Dunn, Peter J.",
    "Evergreen Garden Club",
    "Fitzgerald-Whitworth, Anne",
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
    "Eriksen, Magnus",
    "Fairfax County Library",
    "Gallagher, Siobhan",
    "Huang, Mei-Ling",
    "Ibrahim, Yusuf",
    "Jorgensen, Lars",
    "Kaplan, Miriam",
    "Lopez-Hernandez, Maria Jose",
    "Moreau, Philippe",
    "Nguyen, Thi Minh",
};
const char* const kStreets[] = {"Harbour Road",    "Maple Avenue",    "Old Mill Lane",
                                "Queen Street",    "Riverside Drive", "Church Hill",
                                "Station Approach"};
const char* const kTowns[] = {"Springfield, IL 62704", "Riverton, NJ 08077", "Portland, OR 97205",
                              "Burlington, VT 05401", "Santa Fe, NM 87501"};

// Forty people and firms with every field the list and book layouts print,
// some at full width.
std::map<int, NARecord> reportRecords()
{
    const char* types[] = {"Home", "Work", "Cell", "Fax", "Pager", "Office"};
    const QString longComment =
        QStringLiteral("Met at the regional meeting in spring; prefers letters to telephone "
                       "calls. Send the newsletter in May!!");
    std::map<int, NARecord> out;
    for (int i = 0; i < 40; ++i) {
        const int id = i + 1;
        const QString name = QString::fromUtf8(kNames[i]);
        NARecord r = test::makeRecord(id, name, name.left(16).toUpper(),
                                      QString::fromLatin1(kTowns[i % 5]).left(10).toUpper());
        r.AddrLine1 = QStringLiteral("%1 %2").arg(10 + 37 * i).arg(QLatin1String(kStreets[i % 7]));
        if (i % 3 == 0)
            r.AddrLine2 = QStringLiteral("Suite %1, Building %2").arg(100 + i).arg(i % 4 + 1);
        r.AddrLine3 = QLatin1String(kTowns[i % 5]);
        if (i % 4 == 1)
            r.AddrLine4 = QStringLiteral("United States Of America");
        const int phones = 1 + i % 5;
        for (int n = 1; n <= phones; ++n) {
            r.phoneType(n) = QLatin1String(types[(i + n) % 6]);
            r.phoneNum(n) = QStringLiteral("(%1) 555-%2 x%3")
                                .arg(200 + i * 7)
                                .arg(1000 + i * 31 + n, 4, 10, QLatin1Char('0'))
                                .arg(n * 11);
        }
        if (i % 5 != 4)
            r.EMail = name.section(QLatin1Char(','), 0, 0)
                          .simplified()
                          .toLower()
                          .remove(QLatin1Char(' ')) +
                      QStringLiteral("@mail.example.com");
        if (i % 3 == 0)
            r.Comments = longComment.left(100);
        else if (i % 3 == 1)
            r.Comments = QStringLiteral("Exactly thirty-four characters ok"
                                        "!"); // 34: the first comment line only
        else
            r.Comments = QStringLiteral("Birthday %1 March.").arg(1 + i % 28);
        if (i % 4 == 0) {
            r.LinkId1 = qint16(1 + (i + 5) % 40);
            r.LinkText1 = QStringLiteral("Accountant");
            r.LinkId2 = qint16(1 + (i + 11) % 40);
            r.LinkText2 = QStringLiteral("Sister-in-law (Portland)");
        }
        if (i % 8 == 0) {
            r.LinkId3 = qint16(1 + (i + 17) % 40);
            r.LinkText3 = QStringLiteral("Neighbour");
            r.LinkId4 = qint16(1700);
            r.LinkText4 = QStringLiteral("Emergency Contact");
        }
        out[id] = r;
    }
    return out;
}

// Thirty of them; some lines at the full 35 characters, some addresses of two
// lines only.
std::map<int, NARecord> labelRecords()
{
    std::map<int, NARecord> out;
    for (int i = 0; i < 30; ++i) {
        const int id = i + 1;
        const QString name = i == 5 ? QStringLiteral("Fitzgerald-Whitworth, Anne-Marie Jo")
                                    : QString::fromUtf8(kNames[i]);
        NARecord r = test::makeRecord(id, name);
        r.AddrLine1 = QStringLiteral("%1 %2").arg(10 + 37 * i).arg(QLatin1String(kStreets[i % 5]));
        if (i % 3 == 0) {
            r.AddrLine2 = QStringLiteral("Suite %1, Building %2").arg(100 + i).arg(i % 4 + 1);
            r.AddrLine3 = QLatin1String(kTowns[i % 5]);
            r.AddrLine4 = QStringLiteral("United States Of America 1234567890"); // 35
        } else {
            r.AddrLine2 = QLatin1String(kTowns[i % 5]);
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

std::map<int, NARecord> envelopeRecords()
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

// A scratch program over a sample file whose printer is the real one, writing
// PDF files into a scratch folder; keep() moves the last one into OUTDIR.
class Samples {
public:
    Samples(const QString& out, const std::map<int, NARecord>& records) : out_(out)
    {
        test::writeNAFile(env.naPath(), records);
        openNAFile(p);
        env.ui.setAutoOk(true);
    }

    // Moves the PDF file of the last run to OUTDIR/NAME.pdf and says where it
    // went, followed by `note`; counts a failure when there is none.
    void keep(const QString& name, const QString& note = QString())
    {
        const QString pdf = printer.lastPdfFile();
        const QString target = out_ + QLatin1Char('/') + name + QStringLiteral(".pdf");
        QFile::remove(target);
        if (pdf.isEmpty() || !QFile::exists(pdf) ||
            (!QFile::rename(pdf, target) && !(QFile::copy(pdf, target) && QFile::remove(pdf)))) {
            QTextStream(stderr) << name << ": no PDF\n";
            ++failures;
            return;
        }
        QTextStream out(stdout);
        out << target;
        if (!note.isEmpty())
            out << "  " << note;
        out << '\n';
    }
    void fail(const char* name, const char* why)
    {
        QTextStream(stderr) << name << ": " << why << '\n';
        ++failures;
    }

    test::TestEnv env;
    QtPrinter printer{env.dir() + QStringLiteral("/pdf")};
    Program p{env.services(printer)};
    int failures = 0;

private:
    QString out_;
};

// Leaves the report sample file, with a mailing list of some of its entries,
// in `home` to try the program on.
void leaveHome(Samples& s, const QString& home)
{
    QDir().mkpath(home);
    test::writeNAFile(home + QStringLiteral("/n&a.mrk"), reportRecords(), -1, QLatin1Char('1'));
    Files homeFiles(home);
    test::TestEnv& env = s.env;
    Program h(env.services(s.printer, &homeFiles));
    parseIdList(h, QStringLiteral("1-5 12 27-30"));
    writeMailList(h, QStringLiteral("tvlmail.xms"), QStringLiteral("Christmas Cards 2026"));
}

void printReports(Samples& s)
{
    const struct {
        const char* file;
        ReportKind kind;
        bool large;
        const char* title;
    } reports[] = {
        {"book", ReportKind::Book, false, "Sample Address Book - Forty Entries"},
        {"book-large", ReportKind::Book, true, "Sample Address Book In Large Print"},
        {"telephone", ReportKind::TelephoneList, false, "Sample Telephone List"},
        {"abbreviated", ReportKind::AbbreviatedList, false, ""},
        {"listing", ReportKind::Listing, false, "Sample Database Listing"},
    };
    for (const auto& r : reports) {
        ReportOptions o;
        o.kind = r.kind;
        o.largePrint = r.large;
        o.title = QString::fromUtf8(r.title);
        test::SilentRunWindows windows;
        if (runReport(s.p, o, windows) != RunEnd::Completed)
            s.fail(r.file, "the run did not complete");
        else
            s.keep(QLatin1String(r.file), s.env.ui.last().text);
    }
}

// The next modal window gets `option` chosen, if any, and `button` pressed.
void pressInDialog(test::ScriptedUi& ui, const char* button, const char* option = nullptr)
{
    ui.onModal([button, option](QDialog& d) {
        if (option)
            d.findChild<QRadioButton*>(QLatin1String(option))->click();
        d.findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

void printLabels(Samples& s)
{
    struct Stock {
        QString file;
        ReportKind kind;
        int stock;
        const char* stockOption; // 1-across labels: the answer in LabelStockForm
    };
    std::vector<Stock> stocks = {
        {"labels-1across-continuous", ReportKind::Labels, 0, "StockOpt2_1"},
        {"labels-1across-cut", ReportKind::Labels, 0, "StockOpt2_0"},
        {"labels-2across", ReportKind::Labels, 1, nullptr},
        {"labels-3across", ReportKind::Labels, 2, nullptr},
        {"cards-1across", ReportKind::Cards, 0, nullptr},
        {"cards-2across", ReportKind::Cards, 1, nullptr},
    };
    // Every A4 sheet of the table, by its name.
    for (int i = 0; i < int(a4Sheets().size()); ++i)
        stocks.push_back({QStringLiteral("labels-") + QLatin1String(a4Sheets()[i].name),
                          ReportKind::Labels, kFirstA4LabelStock + i, nullptr});
    test::ScriptedUi& ui = s.env.ui;
    for (const auto& stock : stocks) {
        ReportOptions o;
        o.questions = &windowQuestions();
        o.kind = stock.kind;
        o.sequence = 4;
        o.labelStock = stock.stock;
        o.cardStock = stock.stock;
        test::SilentRunWindows windows;
        const bool continuous =
            stock.stockOption && QLatin1String(stock.stockOption).endsWith(u'1');
        const QString& file = stock.file;

        // A test page, then Cancel on the question that follows.
        if (stock.stockOption)
            pressInDialog(ui, "Command3D1", stock.stockOption);
        ui.answer(Ui::Answer::Yes);
        if (!continuous)
            pressInDialog(ui, "VertCmd1");
        ui.answer(Ui::Answer::Cancel);
        runReport(s.p, o, windows);
        s.keep(file + QStringLiteral("-test"));

        // The first full sheet (a reprint of page 1), or every continuous form:
        // no test page, the standard position.
        o.reprint = !continuous;
        o.reprintFrom = o.reprintThrough = 1;
        if (stock.stockOption)
            pressInDialog(ui, "Command3D1", stock.stockOption);
        ui.answer(Ui::Answer::No);
        pressInDialog(ui, "VertCmd1");
        if (runReport(s.p, o, windows) != RunEnd::Completed)
            s.fail(qPrintable(file), "the run did not complete");
        else
            s.keep(file + QStringLiteral("-sheet"));
    }
}

void printEnvelopes(Samples& s)
{
    const char* names[kEnvelopeSizeCount] = {"commercial10", "monarch", "personal", "dl",
                                             "c6",           "b5",      "c5"};
    struct Run {
        int size;
        bool landscape;
        QString file;
    };
    std::vector<Run> runs;
    for (int size = 0; size < kEnvelopeSizeCount; ++size) {
        const QString file = QStringLiteral("size-%1-%2").arg(size).arg(names[size]);
        runs.push_back({size, true, file});
        runs.push_back({size, false, file + QStringLiteral("-portrait")});
    }

    test::SilentEnvelopeWindows windows;
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
            j.returnAddress[i] = QString::fromLatin1(ret[i]).leftJustified(35);
        s.env.ui.answer(Ui::Answer::No);
        if (printEnvelopes(s.p, j, windows) != EnvelopeRunEnd::Completed)
            s.fail(qPrintable(r.file), "the run did not complete");
        else
            s.keep(r.file);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool reports = kind == QLatin1String("reports");
    if (argc < 3 || argc > (reports ? 4 : 3) ||
        !(reports || kind == QLatin1String("labels") || kind == QLatin1String("envelopes"))) {
        QTextStream(stderr) << "usage: tavrel_printsamples reports OUTDIR [HOMEDIR]\n"
                               "       tavrel_printsamples labels|envelopes OUTDIR\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out);

    if (reports) {
        Samples s(out, reportRecords());
        if (argc == 4)
            leaveHome(s, QDir(QString::fromLocal8Bit(argv[3])).absolutePath());
        printReports(s);
        return s.failures ? 1 : 0;
    }
    if (kind == QLatin1String("labels")) {
        Samples s(out, labelRecords());
        printLabels(s);
        return s.failures ? 1 : 0;
    }
    Samples s(out, envelopeRecords());
    printEnvelopes(s);
    return s.failures ? 1 : 0;
}
