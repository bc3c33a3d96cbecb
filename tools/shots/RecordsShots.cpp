// The record screens in each mode, the QuickLink picker and QuickFind.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "records/NAContent.h"
#include "records/RecordCommands.h"
#include "records/RecordScreens.h"
#include "shell/ListForm.h"
#include "store/RecordAccess.h"

#include <QListWidget>

namespace {

using tavrel::Program;

// Shows record 3 (with a link and a back link) on the screens in `mode`.
QWidget* screens(Program& p, const char* mode, int screen)
{
    p.ScreenMode = QLatin1String(mode);
    if (tavrel::readActive(p, 3)) {
        p.CurRec.LinkId1 = 2;
        p.CurRec.LinkText1 = QStringLiteral("Supplier");
        p.CurRec.BackLinkId = 5;
        p.CurRec.EMail = QStringLiteral("marta.castillo@example.com");
        p.CurRec.Comments = QStringLiteral("Prefers letters to calls; the office is closed on "
                                           "Mondays and in the first two weeks of August.");
    }
    p.CurId = 3;
    if (QLatin1String(mode).startsWith(QLatin1String("Add")))
        tavrel::startAddCommand(p, QLatin1String(mode) == QLatin1String("AddMult"));
    else
        tavrel::showRecordScreens(p);
    tavrel::showRecordScreen(p, screen);
    return tavrel::recordScreen(p, screen);
}

} // namespace

TAVREL_SHOT("BrsForma-browse")
{
    return screens(s.p(), "Browse", 1);
}
TAVREL_SHOT("BrsFormb-browse")
{
    return screens(s.p(), "Browse", 2);
}
TAVREL_SHOT("BrsForma-change")
{
    return screens(s.p(), "Change", 1);
}
TAVREL_SHOT("BrsFormb-delete")
{
    return screens(s.p(), "Delete", 2);
}
TAVREL_SHOT("BrsForma-add")
{
    return screens(s.p(), "Add", 1);
}
TAVREL_SHOT("BrsFormb-add")
{
    return screens(s.p(), "Add", 2);
}
TAVREL_SHOT("BrsForma-addmult")
{
    return screens(s.p(), "AddMult", 1);
}
TAVREL_SHOT("BrsForma-search")
{
    return screens(s.p(), "Search", 1);
}
TAVREL_SHOT("BrsFormb-search")
{
    return screens(s.p(), "Search", 2);
}

TAVREL_SHOT("NAContent")
{
    auto* picker = new tavrel::NAContent(s.p());
    picker->Form_Load();
    picker->List1->setCurrentRow(1);
    return picker;
}

TAVREL_SHOT("ListForm")
{
    s.p().QuickFindField = QLatin1Char('6');
    s.p().QuickFindSort = QLatin1Char('0');
    tavrel::startQuickFind(s.p());
    return tavrel::loadedWindow(QStringLiteral("ListForm"));
}
