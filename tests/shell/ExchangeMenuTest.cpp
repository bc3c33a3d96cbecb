// File > Import... and Export...: the hide step, their windows, and the menus
// coming back when the window unloads.
#include "ShellFixture.h"

#include "platform/gui/Windows.h"

namespace tavrel::test {
namespace {

TEST_F(ShellTest, ImportAndExportHideTheMenusUntilTheirWindowUnloads)
{
    openFile(2);
    for (const char* item : {"ImportMenu", "ExportMenu"}) {
        SCOPED_TRACE(item);
        const QString window = QLatin1String(item) == QLatin1String("ImportMenu")
                                   ? QStringLiteral("ImportForm")
                                   : QStringLiteral("ExportForm");
        choose(QLatin1String(item));
        settle();
        EXPECT_FALSE(menusShown());
        EXPECT_EQ(otherWindows(), QStringList{window});
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(mainWindow(), &activate);
        settle();
        EXPECT_FALSE(menusShown());
        unloadWindow(loadedWindow(window));
        settle();
        EXPECT_TRUE(menusShown());
    }
}

} // namespace
} // namespace tavrel::test
