#include "shell/MarkMain.h"

#include "dups/DupsCommand.h"
#include "envelopes/EnvelopeCommands.h"
#include "exchange/ExchangeCommands.h"
#include "maillists/MailListCommands.h"
#include "platform/gui/Windows.h"
#include "records/RecordCommands.h"
#include "reports/ReportCommands.h"
#include "search/SearchCommand.h"
#include "shell/AbtForm.h"
#include "shell/BackupPref.h"
#include "shell/DisplayForm.h"
#include "shell/ListForm.h"
#include "shell/PreferenceForm.h"
#include "shell/ShellResources.h"
#include "shell/ShowBoxesPref.h"
#include "store/Program.h"
#include "sync/SyncForm.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/UpkeepCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace tavrel {

namespace {

// The toolbar is laid out in twips as the window was designed, at 15 twips a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr int kButtonTwips = 600;
constexpr int kStripHeight = 74;
constexpr int kStripWidth = 592;

const char* const kHelpContext = "helpContext";

} // namespace

MarkMain::MarkMain(Program& p, const QString& programFile, QWidget* parent)
    : QMainWindow(parent), p_(p), programFile_(programFile)
{
    initShellResources();
    setObjectName(QStringLiteral("MarkMain"));
    setWindowTitle(kDefaultTitle);
    setWindowIcon(QIcon(QStringLiteral(":/shell/tavrel.svg")));
    buildMenus();
    buildToolBar();
    // The main window is the first and last window: it counts as loaded, but
    // closing it ends the run instead of deleting it.
    loadWindow(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    qApp->installEventFilter(this);
}

MarkMain::~MarkMain()
{
    qApp->removeEventFilter(this);
}

QAction* MarkMain::addItem(QMenu* menu, const QString& name, const QString& caption,
                           const QString& shortcut, int helpContext, void (MarkMain::*handler)())
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    if (helpContext)
        a->setProperty(kHelpContext, helpContext);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void MarkMain::buildMenus()
{
    auto* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("FileMenu"));
    fileMenu_->menuAction()->setObjectName(QStringLiteral("FileMenu"));

    QMenu* mail = fileMenu_->addMenu(QStringLiteral("&Mail List"));
    mail->setObjectName(QStringLiteral("MailListMenu"));
    mail->menuAction()->setObjectName(QStringLiteral("MailListMenu"));
    mail->menuAction()->setProperty(kHelpContext, 105);
    addItem(mail, QStringLiteral("MailListCreate"), QStringLiteral("Cr&eate"),
            QStringLiteral("Ctrl+E"), 65, &MarkMain::MailListCreate_Click);
    addItem(mail, QStringLiteral("MailListRevise"), QStringLiteral("Rev&ise/Print"),
            QStringLiteral("Ctrl+I"), 75, &MarkMain::MailListRevise_Click);

    QMenu* na = fileMenu_->addMenu(QStringLiteral("&N&&A File"));
    na->setObjectName(QStringLiteral("NAFileMenu"));
    na->menuAction()->setObjectName(QStringLiteral("NAFileMenu"));
    na->menuAction()->setProperty(kHelpContext, 110);
    addItem(na, QStringLiteral("AddMenu"), QStringLiteral("&Add Single Record"),
            QStringLiteral("Ctrl+A"), 25, &MarkMain::AddMenu_Click);
    addItem(na, QStringLiteral("AddMultRecsMenu"), QStringLiteral("Add Multiple &Records"),
            QStringLiteral("Ctrl+R"), 30, &MarkMain::AddMultRecsMenu_Click);
    addItem(na, QStringLiteral("BrowseMenu"), QStringLiteral("Get Record &By ID"),
            QStringLiteral("Ctrl+B"), 45, &MarkMain::BrowseMenu_Click);
    addItem(na, QStringLiteral("ChangeMenu"), QStringLiteral("Chan&ge Record By ID"),
            QStringLiteral("Ctrl+G"), 35, &MarkMain::ChangeMenu_Click);
    addItem(na, QStringLiteral("DeleteMenu"), QStringLiteral("&Delete Record By ID"),
            QStringLiteral("Ctrl+D"), 40, &MarkMain::DeleteMenu_Click);
    addItem(na, QStringLiteral("SearchMenu"), QStringLiteral("&Search"), QStringLiteral("Ctrl+S"),
            60, &MarkMain::SearchMenu_Click);
    addItem(na, QStringLiteral("CompactMenu"), QStringLiteral("Compac&t File"),
            QStringLiteral("Ctrl+T"), 50, &MarkMain::CompactMenu_Click);
    addItem(na, QStringLiteral("ShortListMenu"), QStringLiteral("&QuickFind"),
            QStringLiteral("Ctrl+Q"), 100, &MarkMain::ShortListMenu_Click);
    addItem(na, QStringLiteral("StatisticsMenu"), QStringLiteral("&File Statistics"),
            QStringLiteral("Ctrl+F"), 0, &MarkMain::StatisticsMenu_Click);
    addItem(na, QStringLiteral("FindDupsMenu"), QStringLiteral("Find Dup&licate Records"),
            QStringLiteral("Ctrl+L"), 0, &MarkMain::FindDupsMenu_Click);

    addItem(fileMenu_, QStringLiteral("PrintMenu"), QStringLiteral("&Print"),
            QStringLiteral("Ctrl+P"), 55, &MarkMain::PrintMenu_Click);
    addItem(fileMenu_, QStringLiteral("EnvelopePrintMenu"), QStringLiteral("E&nvelope Print"),
            QStringLiteral("Ctrl+N"), 0, &MarkMain::EnvelopePrintMenu_Click);
    addItem(fileMenu_, QStringLiteral("BackupsMenu"), QStringLiteral("&Backups..."), QString(), 130,
            &MarkMain::BackupsMenu_Click);
    addItem(fileMenu_, QStringLiteral("ImportMenu"), QStringLiteral("&Import..."), QString(), 120,
            &MarkMain::ImportMenu_Click);
    addItem(fileMenu_, QStringLiteral("ExportMenu"), QStringLiteral("Expor&t..."), QString(), 125,
            &MarkMain::ExportMenu_Click);
    addItem(fileMenu_, QStringLiteral("SyncMenu"), QStringLiteral("S&ync..."), QString(), 135,
            &MarkMain::SyncMenu_Click);
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("dashes"));
    addItem(fileMenu_, QStringLiteral("ExitMenu"), QStringLiteral("E&xit"), QString(), 0,
            &MarkMain::ExitMenu_Click);

    preferenceMenu_ = bar->addMenu(QStringLiteral("&Preferences"));
    preferenceMenu_->setObjectName(QStringLiteral("PreferenceMenu"));
    preferenceMenu_->menuAction()->setObjectName(QStringLiteral("PreferenceMenu"));
    addItem(preferenceMenu_, QStringLiteral("DisplayMenu"), QStringLiteral("N&&A Displa&y"),
            QStringLiteral("Ctrl+Y"), 0, &MarkMain::DisplayMenu_Click);
    addItem(preferenceMenu_, QStringLiteral("PrefQuickFindMenu"), QStringLiteral("Q&uickFind"),
            QStringLiteral("Ctrl+U"), 0, &MarkMain::PrefQuickFindMenu_Click);
    addItem(preferenceMenu_, QStringLiteral("PrefMenuShowBoxes"),
            QStringLiteral(" Show Dialog Boxes"), QString(), 0, &MarkMain::PrefMenuShowBoxes_Click);
    addItem(preferenceMenu_, QStringLiteral("PrefBackupsMenu"), QStringLiteral("&Backups..."),
            QString(), 0, &MarkMain::PrefBackupsMenu_Click);

    helpMenu_ = bar->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("HelpMenu"));
    helpMenu_->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    addItem(helpMenu_, QStringLiteral("ContentsMenu"), QStringLiteral("&Contents ..."), QString(),
            0, &MarkMain::ContentsMenu_Click);
    helpMenu_->addSeparator()->setObjectName(QStringLiteral("Bar2Menu"));
    addItem(helpMenu_, QStringLiteral("AboutTVLMenu"), QStringLiteral("&About The Tavrel"),
            QString(), 0, &MarkMain::AboutTVLMenu_Click);
}

QToolButton* MarkMain::addButton(const QString& name, int leftTwips, const QString& toolTip,
                                 QAction* action)
{
    auto* b = new QToolButton(toolBar_);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    b->setIcon(QIcon(QStringLiteral(":/shell/icons/%1.svg").arg(name)));
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(px(leftTwips), px(120), px(kButtonTwips), px(kButtonTwips));
    connect(b, &QToolButton::clicked, action, &QAction::trigger);
    return b;
}

void MarkMain::buildToolBar()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainArea"));
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);

    toolBar_ = new QWidget(central);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setFixedSize(kStripWidth, kStripHeight);

    auto act = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    const struct {
        const char* name;
        int left;
        const char* tip;
        const char* action;
    } buttons[] = {
        {"ToolAddOne", 120, "Add One New N&A Record", "AddMenu"},
        {"ToolAddMany", 720, "Add One Or More New N&A Records", "AddMultRecsMenu"},
        {"ToolPrt", 1320, "Print A Report Using N&A Data", "PrintMenu"},
        {"ToolSrch", 1920, "Search The N&A File", "SearchMenu"},
        {"ToolQuik", 2520, "Quickly Locate A Desired N&A Record", "ShortListMenu"},
        {"ToolDups", 3120, "Search N&A File For Duplicates", "FindDupsMenu"},
        {"EnvButton", 3720, "Print Envelopes", "EnvelopePrintMenu"},
        {"ToolInfo", 5040, "Get Info About Corvane MARK 32", "AboutTVLMenu"},
        {"ToolHelp", 5640, "Invoke The Corvane MARK32 Help System", "ContentsMenu"},
        {"ToolMLNew", 6840, "Create A New Mailing List", "MailListCreate"},
        {"ToolMLChg", 7440, "Change An Existing Mailing List", "MailListRevise"},
        {"ToolMLShow", 8040, "Display Contents Of An Existing Mailing List", "MailListRevise"},
    };
    for (const auto& b : buttons)
        addButton(QLatin1String(b.name), b.left, QString::fromUtf8(b.tip), act(b.action));

    auto caption = [this](const char* name, const QString& text, int leftTwips, int rightTwips) {
        auto* l = new QLabel(text, toolBar_);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(px(leftTwips), px(120 + kButtonTwips) + 4, px(rightTwips - leftTwips), 18);
    };
    caption("Label2", QStringLiteral("Name And Address File"), 120, 4320);
    caption("Label3", QStringLiteral("About    Help"), 4920, 6360);
    caption("Label4", QStringLiteral("Mailing List Files"), 6840, 8640);

    label1_ = new QLabel(QStringLiteral("Press F1 For Help"), central);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    // Where the toolbar was; it also takes the room the hidden menu bar leaves.
    label1_->setMinimumSize(kStripWidth, kStripHeight);
    label1_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // A strip in the colours of a button, so it stands out in a light or a dark palette.
    label1_->setAutoFillBackground(true);
    label1_->setBackgroundRole(QPalette::Button);
    label1_->setForegroundRole(QPalette::ButtonText);
    QFont f = label1_->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    label1_->setFont(f);
    label1_->hide();

    grid->addWidget(toolBar_, 0, 0);
    grid->addWidget(label1_, 0, 0);
    setCentralWidget(central);
}

// --- hide and restore ---

void MarkMain::setMenusVisible(bool on)
{
    fileMenu_->menuAction()->setVisible(on);
    helpMenu_->menuAction()->setVisible(on);
    preferenceMenu_->menuAction()->setVisible(on);
    // With all three menus gone the bar itself goes too, and so do their
    // shortcut keys: a hidden item cannot start a second command.
    menuBar()->setVisible(on);
    for (QMenu* menu : {fileMenu_, helpMenu_, preferenceMenu_}) {
        for (QAction* a : menu->findChildren<QAction*>())
            a->setEnabled(on);
    }
    toolBar_->setVisible(on);
}

void MarkMain::hideForCommand()
{
    setMenusVisible(false);
    label1_->show();
    repaint();
}

bool MarkMain::commandRunning() const
{
    return !fileMenu_->menuAction()->isVisible();
}

bool MarkMain::aloneLoaded() const
{
    const auto loaded = loadedWindows();
    for (QWidget* w : loaded) {
        if (w != this)
            return false;
    }
    return true;
}

void MarkMain::restoreIfAlone()
{
    if (ending_ || !commandRunning())
        return;
    if (!aloneLoaded()) {
        watchLoadedWindows();
        return;
    }
    label1_->hide();
    setMenusVisible(true);
    repaint();
}

void MarkMain::onActivated()
{
    if (ending_)
        return;
    label1_->hide();
    if (aloneLoaded()) {
        setMenusVisible(true);
        repaint();
    } else {
        watchLoadedWindows();
    }
}

// A command window can unload without the main window ever being activated
// (another window takes the focus, or nothing is on screen), so every window a
// command loads is watched and its end checked too.
void MarkMain::watchLoadedWindows()
{
    const auto loaded = loadedWindows();
    for (QWidget* w : loaded) {
        if (w == this || watched_.contains(w))
            continue;
        watched_.insert(w);
        connect(w, &QObject::destroyed, this, [this](QObject* gone) {
            watched_.remove(gone);
            scheduleRestoreCheck();
        });
    }
}

void MarkMain::scheduleRestoreCheck()
{
    QMetaObject::invokeMethod(this, &MarkMain::restoreIfAlone, Qt::QueuedConnection);
}

void MarkMain::runCommand(void (*start)(Program&))
{
    hideForCommand();
    start(p_);
    watchLoadedWindows();
    scheduleRestoreCheck();
}

// --- commands ---

void MarkMain::MailListCreate_Click()
{
    runCommand(&startCreateMailList);
}

void MarkMain::MailListRevise_Click()
{
    runCommand(&startReviseMailList);
}

void MarkMain::AddMenu_Click()
{
    p_.ScreenMode = QStringLiteral("Add");
    runCommand([](Program& p) { startAddCommand(p, false); });
}

void MarkMain::AddMultRecsMenu_Click()
{
    p_.ScreenMode = QStringLiteral("AddMult");
    runCommand([](Program& p) { startAddCommand(p, true); });
}

void MarkMain::BrowseMenu_Click()
{
    p_.ScreenMode = QStringLiteral("Browse");
    runCommand([](Program& p) { startIdCommand(p, QStringLiteral("Browse")); });
}

void MarkMain::ChangeMenu_Click()
{
    p_.ScreenMode = QStringLiteral("Change");
    runCommand([](Program& p) { startIdCommand(p, QStringLiteral("Change")); });
}

void MarkMain::DeleteMenu_Click()
{
    p_.ScreenMode = QStringLiteral("Delete");
    runCommand([](Program& p) { startIdCommand(p, QStringLiteral("Delete")); });
}

void MarkMain::SearchMenu_Click()
{
    runCommand(&startSearch);
}

void MarkMain::ShortListMenu_Click()
{
    runCommand(&startQuickFind);
}

void MarkMain::CompactMenu_Click()
{
    runCommand(&startCompact);
}

void MarkMain::StatisticsMenu_Click()
{
    runCommand(&showFileStatistics);
}

void MarkMain::FindDupsMenu_Click()
{
    if (p_.LastRecNo < 3) {
        p_.ui.messageBox(QStringLiteral("There Are No Duplicate Records In The N&A File."), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    runCommand(&startFindDups);
}

void MarkMain::PrintMenu_Click()
{
    runCommand(&startPrintReport);
}

void MarkMain::EnvelopePrintMenu_Click()
{
    runCommand(&showEnvelopeDialog);
}

void MarkMain::BackupsMenu_Click()
{
    runCommand(&startBackups);
}

void MarkMain::ImportMenu_Click()
{
    runCommand([](Program& p) { startImport(p); });
}

void MarkMain::ExportMenu_Click()
{
    runCommand(&startExport);
}

void MarkMain::SyncMenu_Click()
{
    runCommand(&startSync);
}

void MarkMain::ExitMenu_Click()
{
    endRun();
}

void MarkMain::DisplayMenu_Click()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    PreferenceForm f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MarkMain::PrefQuickFindMenu_Click()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    DisplayForm f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MarkMain::PrefBackupsMenu_Click()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    BackupPref f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MarkMain::PrefMenuShowBoxes_Click()
{
    // Already open: bring it forward rather than open a second one.
    QWidget* w = loadedWindow(QStringLiteral("ShowBoxesPref"));
    if (!w)
        w = new ShowBoxesPref(p_, this);
    w->show();
    w->raise();
    w->activateWindow();
}

void MarkMain::ContentsMenu_Click()
{
    p_.help.showFinder();
}

void MarkMain::AboutTVLMenu_Click()
{
    hideForCommand();
    AbtForm f(p_, programFile_, AbtForm::Mode::About, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

// --- focus, help and ending ---

bool MarkMain::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        onActivated();
    return QMainWindow::event(e);
}

void MarkMain::closeEvent(QCloseEvent* e)
{
    e->accept();
    endRun();
}

void MarkMain::endRun()
{
    if (ending_)
        return;
    ending_ = true;
    p_.help.quit();
    p_.naFile.close();
    tidyBackups(p_);
    p_.ui.endProgram();
}

// F1 anywhere: on a highlighted menu item it opens that item's topic (or the
// topic of the menu it belongs to); elsewhere the window's own topic when it
// names one, otherwise the help finder.
bool MarkMain::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        showHelpFor(watched);
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void MarkMain::showHelpFor(QObject* receiver)
{
    auto* widget = static_cast<QWidget*>(receiver);
    if (auto* menu = qobject_cast<QMenu*>(widget->window())) {
        QAction* item = menu->activeAction();
        for (QMenu* m = menu; item;) {
            const int n = item->property(kHelpContext).toInt();
            if (n > 0) {
                p_.help.showContext(n);
                return;
            }
            // No topic of its own: the menu it sits in may have one.
            item = m ? m->menuAction() : nullptr;
            m = item ? qobject_cast<QMenu*>(m->parentWidget()) : nullptr;
        }
        p_.help.showFinder();
        return;
    }
    const int n = widget->window()->property(kHelpContext).toInt();
    if (n > 0)
        p_.help.showContext(n);
    else
        p_.help.showFinder();
}

} // namespace tavrel
