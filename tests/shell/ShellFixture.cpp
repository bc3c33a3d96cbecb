#include "ShellFixture.h"

namespace tavrel::test {

void ShellTest::openFile(int records, QChar welcomeOff)
{
    writeNAFile(env.naPath(), people(1, records), -1, welcomeOff);
    env.open();
}

MainWindow* ShellTest::mainWindow()
{
    if (!main) {
        main =
            std::make_unique<MainWindow>(env.p(), env.dir() + QStringLiteral("/no-such-program"));
        main->show();
        settle();
    }
    return main.get();
}

void ShellTest::TearDown()
{
    for (QWidget* w : loadedWindows()) {
        if (w != main.get())
            unloadWindow(w);
    }
    settle();
    main.reset();
    settle();
}

QAction* ShellTest::action(const QString& name)
{
    auto* a = mainWindow()->findChild<QAction*>(name);
    if (!a)
        ADD_FAILURE() << "no menu item " << name.toStdString();
    return a;
}

void ShellTest::choose(const QString& name)
{
    QAction* a = action(name);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled());
    a->trigger();
}

bool ShellTest::menusShown()
{
    MainWindow* m = mainWindow();
    const bool bar = !m->menuBar()->isHidden();
    const bool tool = !control(m, QStringLiteral("ToolBar"))->isHidden();
    int visible = 0;
    for (const char* name : {"FileMenu", "EditMenu", "PreferenceMenu", "HelpMenu"})
        visible += m->findChild<QMenu*>(QLatin1String(name))->menuAction()->isVisible() ? 1 : 0;
    EXPECT_TRUE(visible == 0 || visible == 4) << "menus half shown";
    EXPECT_EQ(bar, tool) << "menu bar and toolbar disagree";
    return bar && tool && visible == 4;
}

bool ShellTest::hintShown()
{
    return !control<QLabel>(mainWindow(), QStringLiteral("Label1"))->isHidden();
}

QStringList ShellTest::otherWindows()
{
    QStringList out;
    for (QWidget* w : loadedWindows()) {
        if (w != main.get())
            out << w->objectName();
    }
    return out;
}

QByteArray fieldBytes(const QString& path, int recNo, const char* field)
{
    const QByteArray rec = recordBytes(path, recNo);
    for (const auto& f : kNARecordLayout) {
        if (qstrcmp(f.name, field) == 0)
            return rec.mid(f.offset, f.width);
    }
    ADD_FAILURE() << "no field " << field;
    return {};
}

} // namespace tavrel::test
