#include "maillists/MailListPrint.h"

#include "maillists/MailListFile.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>

namespace tavrel {

namespace {

void printCentred(Program& p, const QString& text, double y)
{
    p.printer.setCurrentX((p.printer.pageWidth() - p.printer.textWidth(text)) / 2);
    p.printer.setCurrentY(y);
    p.printer.printLine(text);
}

QString memberLine(Program& p, int id)
{
    if (id >= p.LastRecNo || !readActive(p, id))
        return QString::number(id) +
               QCoreApplication::translate("tavrel::MailListPrint", "  ** ID Not Active **");
    const Contact c = contactOf(p, id, p.CurRec);
    return QString::number(id) + QStringLiteral("  ") +
           padRight(c.text(ContactField::Name), contactFieldWidth(ContactField::Name)) +
           QStringLiteral("  ") +
           padRight(c.text(ContactField::AddrLine1), contactFieldWidth(ContactField::AddrLine1));
}

} // namespace

bool printMailListContents(Program& p, const QString& fileName, const QString& titleText)
{
    Printer& pr = p.printer;
    pr.setScaleTwips();
    pr.setFontName(QStringLiteral("Arial"));
    pr.setFontSize(16);
    pr.setFontBold(true);
    printCentred(p, QCoreApplication::translate("tavrel::MailListPrint", "Mailing List Contents"),
                 300);
    pr.setFontSize(12);
    pr.setFontBold(false);
    printCentred(p,
                 QCoreApplication::translate("tavrel::MailListPrint", "Mailing List  '") +
                     fileName +
                     QCoreApplication::translate("tavrel::MailListPrint", "'  With Title  '") +
                     titleText + QCoreApplication::translate("tavrel::MailListPrint", "'"),
                 800);
    pr.setFontSize(10);
    printCentred(p, p.clock.now().date().toString(QStringLiteral("MM-dd-yyyy")), 1100);

    pr.setFontName(QStringLiteral("Courier New"));
    pr.setFontSize(10);
    loadMailList(p, fileName);
    p.StopRequested = false;
    double y = 1600;
    for (int id = 1; id <= kMaxId; ++id) {
        if (!isMember(p, id))
            continue;
        pr.setCurrentX(720);
        pr.setCurrentY(y);
        pr.printLine(memberLine(p, id));
        if (y > 14400) {
            y = 720;
            pr.newPage();
            p.ui.processEvents();
            if (p.StopRequested) {
                p.ui.messageBox(
                    QCoreApplication::translate("tavrel::MailListPrint",
                                                "Print Cancelled At Your Request. Throw Away Any "
                                                "Pages That Print."),
                    kTitle, Ui::Buttons::Ok);
                pr.killDoc();
                pr.endDoc();
                return false;
            }
        } else {
            y += 250;
        }
    }
    pr.endDoc();
    return true;
}

} // namespace tavrel
