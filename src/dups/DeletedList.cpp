#include "dups/DeletedList.h"

#include "platform/Errors.h"
#include "reports/ListLayouts.h"
#include "store/Program.h"

#include <QCoreApplication>
#include <utility>

namespace tavrel {

namespace {

constexpr int kPerPage = 120;
constexpr double kLeftX = 400;
constexpr double kRightX = 5700;
// Text columns (from 1) where the names start, counted in body-font characters.
constexpr int kLeftNameColumn = 12;
constexpr int kRightNameColumn = 55;

void swapEntries(DupSearchState& s, int a, int b)
{
    std::swap(s.DeletedIds[a], s.DeletedIds[b]);
    std::swap(s.DeletedNames[a], s.DeletedNames[b]);
}

// The list-report heading and footer for page `pageNo` of this printout. The
// shared heading reads the page number and the duplex and reprint choices from
// the report run state; this printout is a plain run of its own, so it lends
// the heading a fresh state and gives the report run's back afterwards. There
// is no report dialog here, so the title line stays empty.
void printHeading(Program& p, int pageNo)
{
    struct Restore {
        Program& p;
        Program::ReportRunState saved;
        ~Restore() { p.Report = saved; }
    } restore{p, p.Report};
    p.Report = Program::ReportRunState{};
    p.Report.PageNo = pageNo;
    printPageHeading(p, QString(),
                     QCoreApplication::translate("tavrel::DeletedList",
                                                 "Duplicate Records Deleted From The N&A File"));
}

void printAt(Printer& pr, double x, double y, const QString& text)
{
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLine(text);
}

void printPages(Program& p, const DupSearchState& s)
{
    Printer& pr = p.printer;
    int pageNo = 0;
    int k = 1;
    while (k <= s.DeletedCount) {
        printHeading(p, ++pageNo);
        pr.setFontName(QStringLiteral("Courier New"));
        pr.setFontSize(10);
        pr.setFontBold(true);
        pr.setFontItalic(false);
        pr.setFontUnderline(false);
        const double column = pr.textWidth(QStringLiteral("0"));
        const int n = qMin(s.DeletedCount - k + 1, kPerPage);
        const int last = k + n - 1;
        for (int row = 1; k <= last; ++row) {
            const double y = 1610 + 200 * row;
            printAt(pr, kLeftX, y, QString::number(s.DeletedIds[k]));
            printAt(pr, column * (kLeftNameColumn - 1), y, s.DeletedNames[k]);
            ++k;
            if (k <= last) {
                printAt(pr, kRightX, y, QString::number(s.DeletedIds[k]));
                printAt(pr, column * (kRightNameColumn - 1), y, s.DeletedNames[k]);
                ++k;
            }
        }
        pr.newPage();
    }
    pr.endDoc();
}

} // namespace

void sortDeletedList(DupSearchState& s)
{
    const int n = s.DeletedCount;
    const auto& id = s.DeletedIds;
    for (int pos = 1; pos <= n; ++pos) {
        for (int c = pos; c >= 2;) {
            const int q = c / 2;
            if (id[q] >= id[c])
                break;
            swapEntries(s, q, c);
            c = q;
        }
    }
    for (int e = n; e >= 2; --e) {
        swapEntries(s, 1, e);
        int q = 1;
        int c = 2;
        while (c <= e - 1) {
            if (c < e - 1 && id[c] < id[c + 1])
                ++c;
            if (id[q] >= id[c])
                break;
            swapEntries(s, q, c);
            q = c;
            c = 2 * c;
        }
    }
}

QStringList deletedListLines(const DupSearchState& s)
{
    QStringList lines;
    for (int k = 1; k <= s.DeletedCount; ++k)
        lines << QString::number(s.DeletedIds[k]) + QStringLiteral("  ") +
                     s.deletedSpellings.value(s.DeletedIds[k], s.DeletedNames[k]);
    return lines;
}

void printDeletedList(Program& p, DupSearchState& s)
{
    sortDeletedList(s);
    try {
        printPages(p, s);
    } catch (const PlatformError& e) {
        try {
            p.printer.killDoc();
        } catch (const PlatformError&) {
        }
        p.ui.messageBox(printerFailureText(e, QCoreApplication::translate("tavrel::DeletedList",
                                                                          "Report Not Printed.")),
                        kPrinterErrorTitle, Ui::Buttons::Ok);
        return;
    }
    p.ui.messageBox(
        withOutputFile(QCoreApplication::translate("tavrel::DeletedList", "Report Complete"),
                       p.printer),
        kTitle, Ui::Buttons::Ok);
}

bool undeleteDeletedList(Program& p, DupSearchState& s)
{
    if (!undeleteDuplicates(p, s, QStringLiteral("DUP2")))
        return false;
    p.ui.messageBox(
        QCoreApplication::translate("tavrel::DeletedList",
                                    "Deleted Records Have Been Undeleted At Your Request."),
        kTitle, Ui::Buttons::Ok);
    s.DeletedCount = 0;
    return true;
}

QString nothingDeletedText()
{
    return QCoreApplication::translate(
        "tavrel::DeletedList",
        "No Records Were Deleted Or All Deleted Records Have Been Undeleted.");
}

} // namespace tavrel
