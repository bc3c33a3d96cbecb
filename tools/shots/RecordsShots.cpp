// The record screens in each mode, the QuickLink picker and QuickFind.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "records/gui/RecordCommands.h"
#include "records/gui/RecordPickerDialog.h"
#include "records/gui/RecordScreens.h"
#include "shell/QuickFindWindow.h"
#include "store/RecordAccess.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

using tavrel::Program;

// Shows record 3 (with a link and a back link) on the screens in `mode`.
QWidget* screens(Program& p, tavrel::ScreenMode mode, int screen)
{
    p.ScreenMode = mode;
    if (tavrel::readActive(p, 3)) {
        p.CurRec.LinkId1 = 2;
        p.CurRec.LinkText1 = QStringLiteral("Supplier");
        p.CurRec.BackLinkId = 5;
        p.CurRec.EMail = QStringLiteral("marta.castillo@example.com");
        p.CurRec.Comments = QStringLiteral("Prefers letters to calls; the office is closed on "
                                           "Mondays and in the first two weeks of August.");
    }
    p.CurId = 3;
    if (mode == tavrel::ScreenMode::Add || mode == tavrel::ScreenMode::AddMult)
        tavrel::startAddCommand(p, mode == tavrel::ScreenMode::AddMult);
    else
        tavrel::showRecordScreens(p);
    tavrel::showRecordScreen(p, screen);
    return tavrel::recordScreen(p, screen);
}

// Both screens in every mode: AddressScreen-browse, DetailScreen-browse, ...
const bool registered = [] {
    using tavrel::ScreenMode;
    for (ScreenMode mode : {ScreenMode::Browse, ScreenMode::Change, ScreenMode::Delete,
                            ScreenMode::Add, ScreenMode::AddMult, ScreenMode::Search}) {
        for (int screen : {1, 2}) {
            const QString name = QStringLiteral("BrsForm%1-%2")
                                     .arg(QLatin1Char(screen == 1 ? 'a' : 'b'))
                                     .arg(tavrel::screenModeName(mode).toLower());
            tavrel::shots::registry().push_back({name, [mode, screen](tavrel::shots::Shots& s) {
                                                     return screens(s.p(), mode, screen);
                                                 }});
        }
    }
    return true;
}();

} // namespace

TAVREL_SHOT("NAContent")
{
    auto* picker = new tavrel::RecordPickerDialog(s.p());
    picker->load();
    picker->recordList->setCurrentIndex(picker->recordList->model()->index(1, 0));
    return picker;
}

TAVREL_SHOT("ListForm")
{
    s.p().QuickFindField = QLatin1Char('6');
    s.p().QuickFindSort = QLatin1Char('0');
    tavrel::startQuickFind(s.p());
    return tavrel::loadedWindow(QStringLiteral("ListForm"));
}

// The note a box shows when the file would store its text otherwise.
TAVREL_SHOT("BrsForma-notice")
{
    QWidget* w = screens(s.p(), tavrel::ScreenMode::Add, 1);
    auto* name = w->findChild<QLineEdit*>(QStringLiteral("BrsTxt2"));
    name->setFocus();
    name->insert(QString::fromUtf8("Nguyễn Văn An"));
    return w;
}

TAVREL_SHOT("BrsFormb-notice")
{
    QWidget* w = screens(s.p(), tavrel::ScreenMode::Add, 2);
    auto* mail = w->findChild<QLineEdit*>(QStringLiteral("BrsTxt21"));
    mail->setFocus();
    mail->insert(QStringLiteral("margaret.featherstonehaugh@longcompanyname.example.com"));
    return w;
}
