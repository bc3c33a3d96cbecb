// The main window's menus and toolbar as the user meets them.
#include "ShellFixture.h"

#include <QApplication>

#include <algorithm>

namespace tavrel::test {
namespace {

// Each menu's items in order; separators have no caption.
const struct {
    const char *menu, *name, *caption, *shortcut;
    int helpContext;
} kItems[] = {
    {"FileMenu", "MailListMenu", "&Mail List", "", 105},
    {"FileMenu", "NAFileMenu", "&N&&A File", "", 110},
    {"FileMenu", "PrintMenu", "&Print", "Ctrl+P", 55},
    {"FileMenu", "EnvelopePrintMenu", "E&nvelope Print", "Ctrl+N", 0},
    {"FileMenu", "BackupsMenu", "&Backups...", "", 130},
    {"FileMenu", "ImportMenu", "&Import...", "", 120},
    {"FileMenu", "ExportMenu", "Expor&t...", "", 125},
    {"FileMenu", "SyncMenu", "S&ync...", "", 135},
    {"FileMenu", "dashes", "", "", 0},
    {"FileMenu", "ExitMenu", "E&xit", "", 0},
    {"MailListMenu", "MailListCreate", "Cr&eate", "Ctrl+E", 65},
    {"MailListMenu", "MailListRevise", "Rev&ise/Print", "Ctrl+I", 75},
    {"NAFileMenu", "AddMenu", "&Add Single Record", "Ctrl+A", 25},
    {"NAFileMenu", "AddMultRecsMenu", "Add Multiple &Records", "Ctrl+R", 30},
    {"NAFileMenu", "BrowseMenu", "Get Record &By ID", "Ctrl+B", 45},
    {"NAFileMenu", "ChangeMenu", "Chan&ge Record By ID", "Ctrl+G", 35},
    {"NAFileMenu", "DeleteMenu", "&Delete Record By ID", "Ctrl+D", 40},
    {"NAFileMenu", "SearchMenu", "&Search", "Ctrl+S", 60},
    {"NAFileMenu", "CompactMenu", "Compac&t File", "Ctrl+T", 50},
    {"NAFileMenu", "ShortListMenu", "&QuickFind", "Ctrl+Q", 100},
    {"NAFileMenu", "StatisticsMenu", "&File Statistics", "Ctrl+F", 0},
    {"NAFileMenu", "FindDupsMenu", "Find Dup&licate Records", "Ctrl+L", 0},
    {"EditMenu", "UndoMenu", "&Undo", "Ctrl+Z", 140},
    {"EditMenu", "RedoMenu", "&Redo", "Ctrl+Shift+Z", 140},
    {"PreferenceMenu", "DisplayMenu", "N&&A Displa&y", "Ctrl+Y", 0},
    {"PreferenceMenu", "PrefQuickFindMenu", "Q&uickFind", "Ctrl+U", 0},
    {"PreferenceMenu", "PrefMenuShowBoxes", " Show Dialog Boxes", "", 0},
    {"PreferenceMenu", "PrefBackupsMenu", "&Backups...", "", 0},
    {"PreferenceMenu", "PrefCalibrationMenu", "Printer &Calibration...", "", 150},
    {"HelpMenu", "ContentsMenu", "&Contents ...", "", 0},
    {"HelpMenu", "Bar2Menu", "", "", 0},
    {"HelpMenu", "AboutTVLMenu", "&About The Tavrel", "", 0},
};

TEST_F(ShellTest, MenusAndToolbarHoldAndRunEveryCommandWithItsKeysTipsAndHelpNumbers)
{
    openFile(3);
    MainWindow* m = mainWindow();
    QStringList top;
    for (QAction* a : m->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Edit", "&Preferences", "&Help"}));

    QMap<QString, int> next; // position of the next item in each menu
    for (const auto& want : kItems) {
        SCOPED_TRACE(want.name);
        const auto actions = m->findChild<QMenu*>(QLatin1String(want.menu))->actions();
        const int at = next[QLatin1String(want.menu)]++;
        ASSERT_LT(at, actions.size());
        QAction* a = actions[at];
        EXPECT_EQ(a->objectName(), QLatin1String(want.name));
        EXPECT_EQ(a->isSeparator(), !*want.caption);
        EXPECT_EQ(a->text(), QString::fromUtf8(want.caption));
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(want.shortcut)));
        EXPECT_EQ(a->property("helpContext").toInt(), want.helpContext);
    }
    for (auto it = next.cbegin(); it != next.cend(); ++it)
        EXPECT_EQ(m->findChild<QMenu*>(it.key())->actions().size(), it.value())
            << it.key().toStdString();

    // No action beyond the items above has a shortcut key, so no two share one.
    const auto all = m->findChildren<QAction*>();
    EXPECT_EQ(std::count_if(all.cbegin(), all.cend(),
                            [](QAction* a) { return !a->shortcut().isEmpty(); }),
              18);

    // Twelve buttons in three captioned groups.
    QWidget* bar = control(m, QStringLiteral("ToolBar"));
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
    EXPECT_EQ(bar->findChildren<QToolButton*>().size(), 12);
    for (const auto& w : want) {
        SCOPED_TRACE(w.name);
        auto* b = control<QToolButton>(bar, QLatin1String(w.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(w.tip));
        EXPECT_EQ(b->geometry(), QRect(w.leftTwips / 15, b->y(), 40, 40));
        EXPECT_FALSE(b->icon().pixmap(32, 32).isNull()) << "missing picture";
    }
    const struct {
        const char *name, *text, *first, *last;
    } groups[] = {
        {"Label2", "Name And Address File", "ToolAddOne", "EnvButton"},
        {"Label3", "About    Help", "ToolInfo", "ToolHelp"},
        {"Label4", "Mailing List Files", "ToolMLNew", "ToolMLShow"},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.name);
        auto* l = control<QLabel>(bar, QLatin1String(g.name));
        EXPECT_EQ(l->text(), QLatin1String(g.text));
        // Under its group, and wide enough to show the whole caption.
        const QRect first = control(bar, QLatin1String(g.first))->geometry();
        EXPECT_GT(l->y(), first.bottom());
        EXPECT_LE(l->geometry().left(), first.center().x());
        EXPECT_GE(l->geometry().right(),
                  control(bar, QLatin1String(g.last))->geometry().center().x());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
        EXPECT_LE(l->geometry().bottom(), bar->height());
    }

    auto* hint = control<QLabel>(m, QStringLiteral("Label1"));
    EXPECT_EQ(hint->text(), QStringLiteral("Press F1 For Help"));
    // A strip in the palette's button colours, so it reads in a dark one as well.
    EXPECT_TRUE(hint->autoFillBackground());
    EXPECT_TRUE(hint->font().bold());
    QPalette dark = m->palette();
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
    m->setPalette(dark);
    EXPECT_EQ(hint->palette().color(hint->backgroundRole()), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(hint->palette().color(hint->foregroundRole()), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_LE(m->frameGeometry().width(), 1024);
    EXPECT_LE(m->frameGeometry().height(), 768);

    // Each button does what its menu item does. The About box is modal, with the
    // menus hidden until its OK button closes it.
    env.ui.onModal([this](QDialog& d) {
        EXPECT_FALSE(menusShown());
        EXPECT_TRUE(hintShown());
        EXPECT_EQ(control<QLineEdit>(&d, QStringLiteral("Text1"))->text(),
                  QStringLiteral("Unable To Verify EXE Date And Time"));
        click(control<QAbstractButton>(&d, QStringLiteral("AbtCmd1")));
        EXPECT_FALSE(d.isVisible());
    });
    click(control<QToolButton>(m, QStringLiteral("ToolInfo")));
    EXPECT_EQ(env.ui.modalWindows, QStringList{QStringLiteral("AbtForm")});
    settle();
    EXPECT_TRUE(menusShown());
    EXPECT_FALSE(hintShown());
    click(control<QToolButton>(m, QStringLiteral("ToolHelp")));
    EXPECT_EQ(env.help.calls, QStringList{QStringLiteral("finder")});
}

// A desktop set to a larger font: the toolbar's captions widen their groups
// instead of being clipped, and the pictures keep their size and order.
TEST_F(ShellTest, ToolbarCaptionsFollowALargerDesktopFont)
{
    struct FontGuard {
        QFont usual = QApplication::font();
        ~FontGuard() { QApplication::setFont(usual); }
    } guard;
    QFont large = guard.usual;
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 1.6);
    else
        large.setPixelSize(large.pixelSize() * 8 / 5);
    QApplication::setFont(large);
    openFile(3);
    MainWindow* m = mainWindow();
    QWidget* bar = control(m, QStringLiteral("ToolBar"));

    const struct {
        const char *name, *first, *last;
    } groups[] = {
        {"Label2", "ToolAddOne", "EnvButton"},
        {"Label3", "ToolInfo", "ToolHelp"},
        {"Label4", "ToolMLNew", "ToolMLShow"},
    };
    int rightOfLast = 0;
    for (const auto& g : groups) {
        SCOPED_TRACE(g.name);
        auto* l = control<QLabel>(bar, QLatin1String(g.name));
        const QFontMetrics fm(l->font());
        EXPECT_EQ(l->font().pointSizeF(), large.pointSizeF());
        EXPECT_LE(fm.horizontalAdvance(l->text()), l->contentsRect().width());
        EXPECT_LE(fm.height(), l->contentsRect().height());
        EXPECT_LE(l->geometry().bottom(), bar->height() - 1);
        EXPECT_GE(l->x(), rightOfLast) << "groups overlap";
        rightOfLast = l->geometry().right();
        const QRect first = control(bar, QLatin1String(g.first))->geometry();
        const QRect last = control(bar, QLatin1String(g.last))->geometry();
        EXPECT_LT(first.bottom(), l->y());
        EXPECT_GE(first.left(), l->x());
        EXPECT_LE(last.right(), l->geometry().right());
    }
    int left = 0;
    for (QToolButton* b : bar->findChildren<QToolButton*>()) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_EQ(b->size(), QSize(40, 40));
        EXPECT_GE(b->x(), left);
        left = b->geometry().right() + 1;
    }
    EXPECT_LE(m->frameGeometry().width(), 1024);
}

} // namespace
} // namespace tavrel::test
