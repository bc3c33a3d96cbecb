#include "platform/Text.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/RecordActions.h"
#include "records/gui/RecordPickerDialog.h"
#include "records/gui/RecordScreens.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace tavrel {

void followLink(Program& p, int i)
{
    DetailScreen* two = loadedScreen2(p);
    if (!two || i < 0 || i > 4)
        return;
    const QString t = two->linkIdEdits[i]->text();
    if (linkIdBad(t) || t.toInt() + 1 > p.LastRecNo) {
        p.ui.messageBox(QCoreApplication::translate(
                            "tavrel::QuickLinks",
                            "ID Number Is Out Of Range.  Cannot Link To Other N&A Record."),
                        kTitle, Ui::Buttons::Ok);
        return;
    }
    const int target = t.toInt();
    const QString from = two->idEdit->text();
    const NARecord before = p.CurRec;
    if (!readActive(p, target)) {
        p.CurRec = before;
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::QuickLinks",
                                        "There Is No Active N&A Record With The Link ID.  Nothing "
                                        "To Display."),
            kTitle, Ui::Buttons::Ok);
        return;
    }
    p.CurId = qint16(target);
    fillScreen1(p);
    fillScreen2(p);
    if (i < 4) {
        two->linkIdEdits[4]->setText(from);
        p.CurRec.BackLinkId = qint16(qBound(-32768LL, leadingInteger(from), 32767LL));
        Put_NA_Rec(p, target + 1);
        // The record on display now carries its new back link.
        fillScreen2(p);
    }
    showRecordScreen(p, 1);
}

void pickLink(Program& p, int i)
{
    DetailScreen* two = loadedScreen2(p);
    if (!two || i < 0 || i > 4)
        return;
    RecordPickerDialog picker(p, two);
    if (!picker.load())
        return;
    // A cancelled pick leaves the box as it was.
    if (p.ui.runModal(picker) != QDialog::Accepted)
        return;
    if (p.PickedLinkId <= 2000) {
        two->linkIdEdits[i]->setText(QString::number(p.PickedLinkId));
        return;
    }
    two->linkIdEdits[i]->setText(QString::number(p.PickedLinkId - 2000));
    // The back link has no description box: it takes the ID alone.
    if (i < 4)
        two->linkTextEdits[i]->setText(trimRight(p.PickedLinkName));
}

} // namespace tavrel
