// tavrel_printsamples OUTDIR [HOMEDIR]: prints each list and book report of a
// 40-record sample file through the real printer into PDF files in OUTDIR
// (book.pdf, book-large.pdf, telephone.pdf, abbreviated.pdf, listing.pdf).
// With HOMEDIR it also leaves the sample file and a mailing list there, to try
// the program on (TAVREL_HOME=HOMEDIR).
#include "maillists/MailListFile.h"
#include "platform/gui/QtPrinter.h"
#include "reports/ReportRun.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace tavrel;

namespace {

// Forty people and firms with every field the layouts print, some at full width.
std::map<int, NARecord> sampleRecords()
{
    const char* names[] = {
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
    const char* streets[] = {"Harbour Road",    "Maple Avenue", "Old Mill Lane",   "Queen Street",
                             "Riverside Drive", "Church Hill",  "Station Approach"};
    const char* towns[] = {"Springfield, IL 62704", "Riverton, NJ 08077", "Portland, OR 97205",
                           "Burlington, VT 05401", "Santa Fe, NM 87501"};
    const char* types[] = {"Home", "Work", "Cell", "Fax", "Pager", "Office"};
    const QString longComment =
        QStringLiteral("Met at the regional meeting in spring; prefers letters to telephone "
                       "calls. Send the newsletter in May!!");
    std::map<int, NARecord> out;
    for (int i = 0; i < 40; ++i) {
        const int id = i + 1;
        const QString name = QString::fromUtf8(names[i]);
        NARecord r = test::makeRecord(id, name, name.left(16).toUpper(),
                                      QString::fromLatin1(towns[i % 5]).left(10).toUpper());
        r.AddrLine1 = QStringLiteral("%1 %2").arg(10 + 37 * i).arg(QLatin1String(streets[i % 7]));
        if (i % 3 == 0)
            r.AddrLine2 = QStringLiteral("Suite %1, Building %2").arg(100 + i).arg(i % 4 + 1);
        r.AddrLine3 = QLatin1String(towns[i % 5]);
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

struct NoWindows : RunWindows {
    void showPreparing() override {}
    void closePreparing() override {}
    void showProgress() override {}
    void showLastPageCompleted(int) override {}
    void closeProgress() override {}
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: tavrel_printsamples OUTDIR [HOMEDIR]\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    // A scratch program whose printer is the real one, writing PDF files.
    test::TestEnv env;
    test::writeNAFile(env.naPath(), sampleRecords());
    env.ui.setAutoOk(true);
    QtPrinter printer(out);
    Program p({env.ui, printer, env.clipboard, env.help, env.clock, *env.files});
    OpenNAFile(p);

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
    if (argc == 3) {
        const QString home = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
        QDir().mkpath(home);
        test::writeNAFile(home + QStringLiteral("/n&a.mrk"), sampleRecords(), -1, QLatin1Char('1'));
        Files homeFiles(home);
        Program h({env.ui, printer, env.clipboard, env.help, env.clock, homeFiles});
        ParseIdList(h, QStringLiteral("1-5 12 27-30"));
        WriteMailList(h, QStringLiteral("tvlmail.xms"), QStringLiteral("Christmas Cards 2026"));
    }

    int failures = 0;
    for (const auto& r : reports) {
        ReportOptions o;
        o.kind = r.kind;
        o.largePrint = r.large;
        o.title = QString::fromUtf8(r.title);
        NoWindows windows;
        const RunEnd end = runReport(p, o, windows);
        const QString target =
            out + QLatin1Char('/') + QLatin1String(r.file) + QStringLiteral(".pdf");
        QFile::remove(target);
        if (end != RunEnd::Completed || !QFile::rename(printer.lastPdfFile(), target)) {
            err << r.file << ": no PDF\n";
            ++failures;
            continue;
        }
        QTextStream(stdout) << target << "  " << env.ui.last().text << '\n';
    }
    return failures ? 1 : 0;
}
