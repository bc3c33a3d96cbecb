// Every command from the main window: what it opens, the hide step, and the
// menus coming back when its window unloads.
#include "ShellFixture.h"

namespace tavrel::test {
namespace {

TEST_F(ShellTest, CommandsHideTheMenusUntilTheirWindowUnloadsOrTheirIdIsCancelled)
{
    openFile(4);
    const struct {
        const char* item;
        const char* button; // "" when the command has no button
        const char* window;
        ScreenMode mode; // what the command sets ScreenMode to
    } commands[] = {
        {"MailListCreate", "ToolMLNew", "CreateForm", ScreenMode::None},
        {"MailListRevise", "ToolMLChg", "MailForm", ScreenMode::None},
        {"MailListRevise", "ToolMLShow", "MailForm", ScreenMode::None},
        {"AddMenu", "ToolAddOne", "BrsForma", ScreenMode::Add},
        {"AddMultRecsMenu", "ToolAddMany", "BrsForma", ScreenMode::AddMult},
        {"SearchMenu", "ToolSrch", "SchForm", ScreenMode::None},
        {"ShortListMenu", "ToolQuik", "ListForm", ScreenMode::None},
        {"PrintMenu", "ToolPrt", "PrtForm", ScreenMode::None},
        {"EnvelopePrintMenu", "EnvButton", "EnvelopePrint", ScreenMode::None},
        {"ImportMenu", "", "ImportForm", ScreenMode::None},
        {"ExportMenu", "", "ExportForm", ScreenMode::None},
        {"CompactMenu", "", "CompactForm", ScreenMode::None},
    };
    for (const auto& c : commands) {
        for (bool byButton : {false, true}) {
            if (byButton && !*c.button)
                continue;
            SCOPED_TRACE(std::string(byButton ? c.button : c.item));
            env.p().ScreenMode = ScreenMode::None;
            if (byButton)
                click(control<QToolButton>(mainWindow(), QLatin1String(c.button)));
            else
                choose(QLatin1String(c.item));
            settle();
            EXPECT_FALSE(menusShown());
            EXPECT_TRUE(hintShown());
            // Shortcut keys of the hidden menus start nothing.
            EXPECT_FALSE(action(QStringLiteral("AddMenu"))->isEnabled());
            EXPECT_TRUE(otherWindows().contains(QLatin1String(c.window)))
                << otherWindows().join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(env.p().ScreenMode, c.mode);

            // The main window may be activated while the command runs: the
            // menus stay away as long as the command's window is loaded, and
            // the hint goes with the command's window open beside it.
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(mainWindow(), &activate);
            settle();
            EXPECT_FALSE(menusShown());
            EXPECT_FALSE(hintShown());

            // The command ends: its windows unload one after the other, and
            // the next command starts from the menus.
            for (const QString& name : otherWindows()) {
                unloadWindow(loadedWindow(name));
                settle();
                EXPECT_EQ(menusShown(), otherWindows().isEmpty());
            }
        }
    }

    // The record commands by ID ask for the ID in the mode their name says;
    // Cancel there brings the menus back at once.
    for (const ScreenMode mode : {ScreenMode::Browse, ScreenMode::Change, ScreenMode::Delete}) {
        const QString name = screenModeName(mode);
        SCOPED_TRACE(name.toStdString());
        env.ui.answerInput(std::nullopt);
        choose(name + "Menu");
        EXPECT_EQ(env.p().ScreenMode, mode);
        settle();
        EXPECT_TRUE(menusShown());
        EXPECT_TRUE(otherWindows().isEmpty());
    }
}

// The statistics and a refused duplicate search (here by its button) show
// their box and leave the menus in place; the duplicate search ends with the
// menus back.
TEST_F(ShellTest, MessageCommandsAndRunsThatEndBringTheMenusBack)
{
    openFile(1); // LastRecNo 2: only ID 1 can be in use
    env.ui.answer(Ui::Answer::Ok);
    choose(QStringLiteral("StatisticsMenu"));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Corvane N&A File Information"));
    settle();
    env.ui.answer(Ui::Answer::Ok);
    click(control<QToolButton>(mainWindow(), QStringLiteral("ToolDups")));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("There Are No Duplicate Records In The N&A File."));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Tavrel"));
    settle();
    EXPECT_TRUE(menusShown());
    EXPECT_TRUE(otherWindows().isEmpty());

    // Two IDs in use: no refusal; the menus hide while DupParams is open.
    env.p().LastRecNo = 3;
    choose(QStringLiteral("FindDupsMenu"));
    EXPECT_EQ(otherWindows(), QStringList{QStringLiteral("DupParams")});
    EXPECT_TRUE(hintShown());
    click(control<QAbstractButton>(loadedWindow(QStringLiteral("DupParams")),
                                   QStringLiteral("CancelButton")));
    settle();
    EXPECT_TRUE(menusShown());
}

TEST_F(ShellTest, PreferenceDialogsOpenOnlyWhenNoOtherWindowIsLoaded)
{
    openFile(3);
    // " Show Dialog Boxes" leaves the menus in place...
    choose(QStringLiteral("PrefMenuShowBoxes"));
    settle();
    EXPECT_TRUE(menusShown());
    choose(QStringLiteral("PrefMenuShowBoxes"));
    EXPECT_EQ(otherWindows(), QStringList{QStringLiteral("ShowBoxesPref")}) << "opened twice";
    // ...and while it is open the other two preferences do nothing (alone, each
    // hides the menus while it is open: the preference tests).
    choose(QStringLiteral("DisplayMenu"));
    choose(QStringLiteral("PrefQuickFindMenu")); // no modal window is scripted
    EXPECT_TRUE(menusShown());
}

TEST_F(ShellTest, ExitAndClosingTheMainWindowCloseHelpAndEndTheRun)
{
    for (bool byMenu : {true, false}) {
        SCOPED_TRACE(byMenu);
        openFile(2);
        env.help.calls.clear();
        if (byMenu)
            EXPECT_THROW(choose(QStringLiteral("ExitMenu")), ProgramEnded);
        else
            EXPECT_THROW(mainWindow()->close(), ProgramEnded);
        EXPECT_EQ(env.help.calls, QStringList{QStringLiteral("quit")});
        EXPECT_FALSE(env.p().naFile.isOpen());
        main.reset();
    }
}

TEST_F(ShellTest, F1OnAHighlightedMenuItemOpensItsTopic)
{
    openFile(2);
    MainWindow* m = mainWindow();
    auto pressF1On = [&](const char* menuName, const char* itemName) {
        auto* menu = m->findChild<QMenu*>(QLatin1String(menuName));
        menu->popup(QPoint(10, 10));
        menu->setActiveAction(m->findChild<QAction*>(QLatin1String(itemName)));
        QTest::keyClick(menu, Qt::Key_F1);
        menu->hide();
    };
    pressF1On("NAFileMenu", "AddMenu");
    // Items without a topic of their own fall back to their menu's topic...
    pressF1On("NAFileMenu", "StatisticsMenu");
    // ...or, at the top, to the help finder.
    pressF1On("FileMenu", "ExitMenu");
    choose(QStringLiteral("ContentsMenu"));
    EXPECT_EQ(env.help.calls, (QStringList{"context 25", "context 110", "finder", "finder"}));

    // F1 in a window that names no topic (the main window too) opens the finder;
    // one that names its topic: the help tests.
    env.help.calls.clear();
    QWidget commandWindow;
    commandWindow.show();
    QTest::keyClick(&commandWindow, Qt::Key_F1);
    EXPECT_EQ(env.help.calls, QStringList{"finder"});
}

} // namespace
} // namespace tavrel::test
