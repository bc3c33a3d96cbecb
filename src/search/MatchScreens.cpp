#include "search/MatchScreens.h"

#include "platform/gui/Windows.h"
#include "records/RecordCommands.h"

#include <QWidget>

namespace tavrel {

namespace {

QWidget* screenWindow(int screen)
{
    return loadedWindow(screen == 1 ? QStringLiteral("BrsForma") : QStringLiteral("BrsFormb"));
}

} // namespace

void showMatchOnScreens(Program& p)
{
    p.ScreenMode = QStringLiteral("Search");
    showRecordScreens(p);
    showRecordScreen(p, 1);
}

void showRecordScreen(Program& /*p*/, int screen)
{
    if (QWidget* shown = screenWindow(screen))
        shown->show();
    if (QWidget* hidden = screenWindow(screen == 1 ? 2 : 1))
        hidden->hide();
}

void closeRecordScreens(Program& /*p*/)
{
    for (int screen : {1, 2}) {
        if (QWidget* w = screenWindow(screen))
            unloadWindow(w);
    }
}

} // namespace tavrel
