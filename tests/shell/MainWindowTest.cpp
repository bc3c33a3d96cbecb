// The main window's menus and toolbar as the user meets them.
#include "ShellFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace tavrel::test {
namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
    int helpContext;
};

// Each menu in order, separators named as they appear.
const std::vector<Item> kNAFileItems = {
    {"AddMenu", "&Add Single Record", "Ctrl+A", 25},
    {"AddMultRecsMenu", "Add Multiple &Records", "Ctrl+R", 30},
    {"BrowseMenu", "Get Record &By ID", "Ctrl+B", 45},
    {"ChangeMenu", "Chan&ge Record By ID", "Ctrl+G", 35},
    {"DeleteMenu", "&Delete Record By ID", "Ctrl+D", 40},
    {"SearchMenu", "&Search", "Ctrl+S", 60},
    {"CompactMenu", "Compac&t File", "Ctrl+T", 50},
    {"ShortListMenu", "&QuickFind", "Ctrl+Q", 100},
    {"StatisticsMenu", "&File Statistics", "Ctrl+F", 0},
    {"FindDupsMenu", "Find Dup&licate Records", "Ctrl+L", 0},
};
const std::vector<Item> kFileItems = {
    {"MailListMenu", "&Mail List", "", 105},
    {"NAFileMenu", "&N&&A File", "", 110},
    {"PrintMenu", "&Print", "Ctrl+P", 55},
    {"EnvelopePrintMenu", "E&nvelope Print", "Ctrl+N", 0},
    {"BackupsMenu", "&Backups...", "", 130},
    {"ImportMenu", "&Import...", "", 120},
    {"ExportMenu", "Expor&t...", "", 125},
    {"SyncMenu", "S&ync...", "", 135},
    {"dashes", "", "", 0},
    {"ExitMenu", "E&xit", "", 0},
};
const std::vector<Item> kMailItems = {
    {"MailListCreate", "Cr&eate", "Ctrl+E", 65},
    {"MailListRevise", "Rev&ise/Print", "Ctrl+I", 75},
};
const std::vector<Item> kEditItems = {
    {"UndoMenu", "&Undo", "Ctrl+Z", 140},
};
const std::vector<Item> kPrefItems = {
    {"DisplayMenu", "N&&A Displa&y", "Ctrl+Y", 0},
    {"PrefQuickFindMenu", "Q&uickFind", "Ctrl+U", 0},
    {"PrefMenuShowBoxes", " Show Dialog Boxes", "", 0},
    {"PrefBackupsMenu", "&Backups...", "", 0},
    {"PrefCalibrationMenu", "Printer &Calibration...", "", 150},
};
const std::vector<Item> kHelpItems = {
    {"ContentsMenu", "&Contents ...", "", 0},
    {"Bar2Menu", "", "", 0},
    {"AboutTVLMenu", "&About The Tavrel", "", 0},
};

void expectMenu(QMenu* menu, const std::vector<Item>& items)
{
    ASSERT_NE(menu, nullptr);
    const auto actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(items.size())) << menu->objectName().toStdString();
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& want = items[i];
        QAction* a = actions[qsizetype(i)];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(a->objectName(), QLatin1String(want.name));
        if (!*want.caption) {
            EXPECT_TRUE(a->isSeparator());
            continue;
        }
        EXPECT_EQ(a->text(), QString::fromUtf8(want.caption));
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(want.shortcut)));
        EXPECT_EQ(a->property("helpContext").toInt(), want.helpContext);
    }
}

TEST_F(ShellTest, MenuBarHoldsEveryCommandWithItsKeysAndHelpNumbers)
{
    openFile(3);
    MainWindow* m = mainWindow();
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Corvane Mark32"));

    const auto top = m->menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Preferences"));
    EXPECT_EQ(top[3]->text(), QStringLiteral("&Help"));

    expectMenu(m->findChild<QMenu*>(QStringLiteral("FileMenu")), kFileItems);
    expectMenu(m->findChild<QMenu*>(QStringLiteral("MailListMenu")), kMailItems);
    expectMenu(m->findChild<QMenu*>(QStringLiteral("NAFileMenu")), kNAFileItems);
    expectMenu(m->findChild<QMenu*>(QStringLiteral("EditMenu")), kEditItems);
    expectMenu(m->findChild<QMenu*>(QStringLiteral("PreferenceMenu")), kPrefItems);
    expectMenu(m->findChild<QMenu*>(QStringLiteral("HelpMenu")), kHelpItems);

    // No two items may share a shortcut key.
    QSet<QString> keys;
    for (QAction* a : m->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty())
            continue;
        const QString k = a->shortcut().toString();
        EXPECT_FALSE(keys.contains(k)) << k.toStdString();
        keys.insert(k);
    }
    EXPECT_EQ(keys.size(), 17);
}

TEST_F(ShellTest, ToolbarHasTwelveButtonsInThreeCaptionedGroups)
{
    openFile(3);
    MainWindow* m = mainWindow();
    QWidget* bar = control(m, QStringLiteral("ToolBar"));
    ASSERT_NE(bar, nullptr);
    const struct {
        const char* name;
        int leftTwips;
        const char* tip;
    } want[] = {
        {"ToolAddOne", 120, "Add One New N&A Record"},
        {"ToolAddMany", 720, "Add One Or More New N&A Records"},
        {"ToolPrt", 1320, "Print A Report Using N&A Data"},
        {"ToolSrch", 1920, "Search The N&A File"},
        {"ToolQuik", 2520, "Quickly Locate A Desired N&A Record"},
        {"ToolDups", 3120, "Search N&A File For Duplicates"},
        {"EnvButton", 3720, "Print Envelopes"},
        {"ToolInfo", 5040, "Get Info About Corvane MARK 32"},
        {"ToolHelp", 5640, "Invoke The Corvane MARK32 Help System"},
        {"ToolMLNew", 6840, "Create A New Mailing List"},
        {"ToolMLChg", 7440, "Change An Existing Mailing List"},
        {"ToolMLShow", 8040, "Display Contents Of An Existing Mailing List"},
    };
    const auto buttons = bar->findChildren<QToolButton*>();
    EXPECT_EQ(buttons.size(), 12);
    for (const auto& w : want) {
        SCOPED_TRACE(w.name);
        auto* b = control<QToolButton>(bar, QLatin1String(w.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(w.tip));
        EXPECT_EQ(b->x(), w.leftTwips / 15);
        EXPECT_EQ(b->width(), 40);
        EXPECT_EQ(b->height(), 40);
        EXPECT_FALSE(b->icon().isNull()) << "missing picture";
        EXPECT_FALSE(b->icon().pixmap(32, 32).isNull()) << "picture does not render";
    }

    const struct {
        const char* name;
        const char* text;
        const char* first;
        const char* last;
    } groups[] = {
        {"Label2", "Name And Address File", "ToolAddOne", "EnvButton"},
        {"Label3", "About    Help", "ToolInfo", "ToolHelp"},
        {"Label4", "Mailing List Files", "ToolMLNew", "ToolMLShow"},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.name);
        auto* l = control<QLabel>(bar, QLatin1String(g.name));
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), QLatin1String(g.text));
        // Under its group, and wide enough to show the whole caption.
        const QRect first = control(bar, QLatin1String(g.first))->geometry();
        const QRect last = control(bar, QLatin1String(g.last))->geometry();
        EXPECT_GT(l->y(), first.bottom());
        EXPECT_LE(l->geometry().left(), first.center().x());
        EXPECT_GE(l->geometry().right(), last.center().x());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
        EXPECT_LE(l->geometry().bottom(), bar->height());
    }

    auto* hint = control<QLabel>(m, QStringLiteral("Label1"));
    EXPECT_EQ(hint->text(), QStringLiteral("Press F1 For Help"));
    EXPECT_TRUE(hint->isHidden());
    // Its colours come from the palette, so it reads in a dark one as well.
    QPalette dark = m->palette();
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
    m->setPalette(dark);
    EXPECT_EQ(hint->palette().color(hint->backgroundRole()), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(hint->palette().color(hint->foregroundRole()), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_LE(m->frameGeometry().width(), 1024);
    EXPECT_LE(m->frameGeometry().height(), 768);
}

// Each button does what its menu item does.
TEST_F(ShellTest, ToolbarButtonsRunTheirMenuItems)
{
    openFile(1);
    MainWindow* m = mainWindow();
    auto* about = control<QToolButton>(m, QStringLiteral("ToolInfo"));
    env.ui.onModal([](QDialog& d) { EXPECT_EQ(d.objectName(), QStringLiteral("AbtForm")); });
    click(about);
    EXPECT_EQ(env.ui.modalWindows, QStringList{QStringLiteral("AbtForm")});

    click(control<QToolButton>(m, QStringLiteral("ToolHelp")));
    EXPECT_EQ(env.help.calls, QStringList{QStringLiteral("finder")});

    env.ui.answer(Ui::Answer::Ok);
    click(control<QToolButton>(m, QStringLiteral("ToolDups")));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("There Are No Duplicate Records In The N&A File."));
}

// Each state shows the menus, the toolbar and the F1 hint, or not.
TEST_F(ShellTest, EachWindowStateShowsItsControls)
{
    openFile(1);
    MainWindow* m = mainWindow();
    const struct {
        MainWindow::State state;
        bool menus;
        bool hint;
    } states[] = {
        {MainWindow::State::StartingCommand, false, true},
        {MainWindow::State::CommandOpen, false, false},
        {MainWindow::State::Ready, true, false},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(int(s.state));
        m->applyState(s.state);
        EXPECT_EQ(m->commandRunning(), !s.menus);
        EXPECT_EQ(control(m, QStringLiteral("MenuBar"))->isVisible(), s.menus);
        EXPECT_EQ(control(m, QStringLiteral("ToolBar"))->isVisible(), s.menus);
        EXPECT_EQ(control(m, QStringLiteral("Label1"))->isVisible(), s.hint);
        for (const char* item : {"AddMenu", "PrintMenu", "DisplayMenu", "AboutTVLMenu"})
            EXPECT_EQ(m->findChild<QAction*>(QLatin1String(item))->isEnabled(), s.menus) << item;
    }
}

} // namespace
} // namespace tavrel::test
