#include "shell/MainWindow.h"

#include "dups/gui/DupsCommand.h"
#include "envelopes/gui/EnvelopeCommands.h"
#include "exchange/gui/ExchangeCommands.h"
#include "maillists/gui/MailListCommands.h"
#include "platform/gui/Windows.h"
#include "records/gui/RecordCommands.h"
#include "reports/gui/ReportCommands.h"
#include "search/gui/SearchCommand.h"
#include "shell/AboutDialog.h"
#include "shell/BackupPreferencesDialog.h"
#include "shell/DialogBoxPreferencesDialog.h"
#include "shell/PrinterCalibrationDialog.h"
#include "shell/QuickFindPreferencesDialog.h"
#include "shell/QuickFindWindow.h"
#include "shell/ShellResources.h"
#include "shell/SortOrderPreferenceDialog.h"
#include "store/Program.h"
#include "store/UndoStore.h"
#include "sync/gui/SyncDialog.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/gui/BackupsDialog.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QToolButton>

namespace tavrel {

namespace {

const char* const kHelpContext = "helpContext";

} // namespace

MainWindow::MainWindow(Program& p, const QString& programFile, QWidget* parent)
    : QMainWindow(parent), p_(p), programFile_(programFile)
{
    initShellResources();
    setObjectName(QStringLiteral("MarkMain"));
    setWindowTitle(shownTitle(kDefaultTitle));
    setWindowIcon(QIcon(QStringLiteral(":/shell/tavrel.svg")));
    buildMenus();
    buildToolBar();
    refreshUndoItem();
    // The main window is the first and last window: it counts as loaded, but
    // closing it ends the run instead of deleting it.
    loadWindow(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption,
                             const QString& shortcut, int helpContext,
                             void (MainWindow::*handler)())
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

void MainWindow::buildMenus()
{
    auto* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    fileMenu_ = bar->addMenu(tr("&File"));
    fileMenu_->setObjectName(QStringLiteral("FileMenu"));
    fileMenu_->menuAction()->setObjectName(QStringLiteral("FileMenu"));

    QMenu* mail = fileMenu_->addMenu(tr("&Mail List"));
    mail->setObjectName(QStringLiteral("MailListMenu"));
    mail->menuAction()->setObjectName(QStringLiteral("MailListMenu"));
    mail->menuAction()->setProperty(kHelpContext, 105);
    addItem(mail, QStringLiteral("MailListCreate"), tr("Cr&eate"), QStringLiteral("Ctrl+E"), 65,
            &MainWindow::onCreateMailList);
    addItem(mail, QStringLiteral("MailListRevise"), tr("Rev&ise/Print"), QStringLiteral("Ctrl+I"),
            75, &MainWindow::onReviseMailList);

    QMenu* na = fileMenu_->addMenu(tr("&N&&A File"));
    na->setObjectName(QStringLiteral("NAFileMenu"));
    na->menuAction()->setObjectName(QStringLiteral("NAFileMenu"));
    na->menuAction()->setProperty(kHelpContext, 110);
    addItem(na, QStringLiteral("AddMenu"), tr("&Add Single Record"), QStringLiteral("Ctrl+A"), 25,
            &MainWindow::onAddRecord);
    addItem(na, QStringLiteral("AddMultRecsMenu"), tr("Add Multiple &Records"),
            QStringLiteral("Ctrl+R"), 30, &MainWindow::onAddRecords);
    addItem(na, QStringLiteral("BrowseMenu"), tr("Get Record &By ID"), QStringLiteral("Ctrl+B"), 45,
            &MainWindow::onGetRecord);
    addItem(na, QStringLiteral("ChangeMenu"), tr("Chan&ge Record By ID"), QStringLiteral("Ctrl+G"),
            35, &MainWindow::onChangeRecord);
    addItem(na, QStringLiteral("DeleteMenu"), tr("&Delete Record By ID"), QStringLiteral("Ctrl+D"),
            40, &MainWindow::onDeleteRecord);
    addItem(na, QStringLiteral("SearchMenu"), tr("&Search"), QStringLiteral("Ctrl+S"), 60,
            &MainWindow::onSearch);
    addItem(na, QStringLiteral("CompactMenu"), tr("Compac&t File"), QStringLiteral("Ctrl+T"), 50,
            &MainWindow::onCompact);
    addItem(na, QStringLiteral("ShortListMenu"), tr("&QuickFind"), QStringLiteral("Ctrl+Q"), 100,
            &MainWindow::onQuickFind);
    addItem(na, QStringLiteral("StatisticsMenu"), tr("&File Statistics"), QStringLiteral("Ctrl+F"),
            0, &MainWindow::onFileStatistics);
    addItem(na, QStringLiteral("FindDupsMenu"), tr("Find Dup&licate Records"),
            QStringLiteral("Ctrl+L"), 0, &MainWindow::onFindDuplicates);

    addItem(fileMenu_, QStringLiteral("PrintMenu"), tr("&Print"), QStringLiteral("Ctrl+P"), 55,
            &MainWindow::onPrint);
    addItem(fileMenu_, QStringLiteral("EnvelopePrintMenu"), tr("E&nvelope Print"),
            QStringLiteral("Ctrl+N"), 0, &MainWindow::onEnvelopePrint);
    addItem(fileMenu_, QStringLiteral("BackupsMenu"), tr("&Backups..."), QString(), 130,
            &MainWindow::onBackups);
    addItem(fileMenu_, QStringLiteral("ImportMenu"), tr("&Import..."), QString(), 120,
            &MainWindow::onImport);
    addItem(fileMenu_, QStringLiteral("ExportMenu"), tr("Expor&t..."), QString(), 125,
            &MainWindow::onExport);
    addItem(fileMenu_, QStringLiteral("SyncMenu"), tr("S&ync..."), QString(), 135,
            &MainWindow::onSync);
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("dashes"));
    addItem(fileMenu_, QStringLiteral("ExitMenu"), tr("E&xit"), QString(), 0, &MainWindow::onExit);

    editMenu_ = bar->addMenu(tr("&Edit"));
    editMenu_->setObjectName(QStringLiteral("EditMenu"));
    editMenu_->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    undoItem_ = addItem(editMenu_, QStringLiteral("UndoMenu"), tr("&Undo"),
                        QStringLiteral("Ctrl+Z"), 140, &MainWindow::onUndo);
    // Ctrl+Y stays with N&A Display here; the record screens take it for Redo too.
    redoItem_ = addItem(editMenu_, QStringLiteral("RedoMenu"), tr("&Redo"),
                        QStringLiteral("Ctrl+Shift+Z"), 140, &MainWindow::onRedo);
    connect(editMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshUndoItem);

    preferenceMenu_ = bar->addMenu(tr("&Preferences"));
    preferenceMenu_->setObjectName(QStringLiteral("PreferenceMenu"));
    preferenceMenu_->menuAction()->setObjectName(QStringLiteral("PreferenceMenu"));
    addItem(preferenceMenu_, QStringLiteral("DisplayMenu"), tr("N&&A Displa&y"),
            QStringLiteral("Ctrl+Y"), 0, &MainWindow::onSortOrderPreference);
    addItem(preferenceMenu_, QStringLiteral("PrefQuickFindMenu"), tr("Q&uickFind"),
            QStringLiteral("Ctrl+U"), 0, &MainWindow::onQuickFindPreferences);
    addItem(preferenceMenu_, QStringLiteral("PrefMenuShowBoxes"), tr(" Show Dialog Boxes"),
            QString(), 0, &MainWindow::onDialogBoxPreferences);
    addItem(preferenceMenu_, QStringLiteral("PrefBackupsMenu"), tr("&Backups..."), QString(), 0,
            &MainWindow::onBackupPreferences);
    addItem(preferenceMenu_, QStringLiteral("PrefCalibrationMenu"), tr("Printer &Calibration..."),
            QString(), 150, &MainWindow::onPrinterCalibration);

    helpMenu_ = bar->addMenu(tr("&Help"));
    helpMenu_->setObjectName(QStringLiteral("HelpMenu"));
    helpMenu_->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    addItem(helpMenu_, QStringLiteral("ContentsMenu"), tr("&Contents ..."), QString(), 0,
            &MainWindow::onHelpContents);
    helpMenu_->addSeparator()->setObjectName(QStringLiteral("Bar2Menu"));
    addItem(helpMenu_, QStringLiteral("AboutTVLMenu"), tr("&About The Tavrel"), QString(), 0,
            &MainWindow::onAbout);
}

// --- hide and restore ---

void MainWindow::applyState(State state)
{
    state_ = state;
    const bool ready = state == State::Ready;
    fileMenu_->menuAction()->setVisible(ready);
    editMenu_->menuAction()->setVisible(ready);
    helpMenu_->menuAction()->setVisible(ready);
    preferenceMenu_->menuAction()->setVisible(ready);
    // With all the menus gone the bar itself goes too, and so do their
    // shortcut keys: a hidden item cannot start a second command.
    menuBar()->setVisible(ready);
    for (QMenu* menu : {fileMenu_, editMenu_, helpMenu_, preferenceMenu_}) {
        for (QAction* a : menu->findChildren<QAction*>())
            a->setEnabled(ready);
    }
    refreshUndoItem();
    toolBar_->setVisible(ready);
    helpHintLabel_->setVisible(state == State::StartingCommand);
    repaint();
}

void MainWindow::hideForCommand()
{
    applyState(State::StartingCommand);
}

bool MainWindow::commandRunning() const
{
    return state_ != State::Ready;
}

bool MainWindow::aloneLoaded() const
{
    const auto loaded = loadedWindows();
    for (QWidget* w : loaded) {
        if (w != this)
            return false;
    }
    return true;
}

void MainWindow::restoreIfAlone()
{
    if (ending_ || !commandRunning())
        return;
    if (!aloneLoaded()) {
        watchLoadedWindows();
        return;
    }
    applyState(State::Ready);
}

void MainWindow::onActivated()
{
    if (ending_)
        return;
    if (aloneLoaded()) {
        applyState(State::Ready);
        return;
    }
    // A modeless window beside the menus leaves them in place.
    if (state_ == State::StartingCommand)
        applyState(State::CommandOpen);
    watchLoadedWindows();
}

// A command window can unload without the main window ever being activated
// (another window takes the focus, or nothing is on screen), so every window a
// command loads is watched and its end checked too.
void MainWindow::watchLoadedWindows()
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

void MainWindow::scheduleRestoreCheck()
{
    QMetaObject::invokeMethod(this, &MainWindow::restoreIfAlone, Qt::QueuedConnection);
}

void MainWindow::runCommand(void (*start)(Program&))
{
    hideForCommand();
    start(p_);
    watchLoadedWindows();
    scheduleRestoreCheck();
}

// --- commands ---

void MainWindow::onCreateMailList()
{
    runCommand(&startCreateMailList);
}

void MainWindow::onReviseMailList()
{
    runCommand(&startReviseMailList);
}

void MainWindow::onAddRecord()
{
    p_.ScreenMode = ScreenMode::Add;
    runCommand([](Program& p) { startAddCommand(p, false); });
}

void MainWindow::onAddRecords()
{
    p_.ScreenMode = ScreenMode::AddMult;
    runCommand([](Program& p) { startAddCommand(p, true); });
}

void MainWindow::onGetRecord()
{
    p_.ScreenMode = ScreenMode::Browse;
    runCommand([](Program& p) { startIdCommand(p, ScreenMode::Browse); });
}

void MainWindow::onChangeRecord()
{
    p_.ScreenMode = ScreenMode::Change;
    runCommand([](Program& p) { startIdCommand(p, ScreenMode::Change); });
}

void MainWindow::onDeleteRecord()
{
    p_.ScreenMode = ScreenMode::Delete;
    runCommand([](Program& p) { startIdCommand(p, ScreenMode::Delete); });
}

void MainWindow::onSearch()
{
    runCommand(&startSearch);
}

void MainWindow::onQuickFind()
{
    runCommand(&startQuickFind);
}

void MainWindow::onCompact()
{
    runCommand(&startCompact);
}

void MainWindow::onFileStatistics()
{
    runCommand(&showFileStatistics);
}

void MainWindow::onFindDuplicates()
{
    if (p_.LastRecNo < 3) {
        p_.ui.messageBox(tr("There Are No Duplicate Records In The N&A File."), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    runCommand(&startFindDups);
}

void MainWindow::onPrint()
{
    runCommand(&startPrintReport);
}

void MainWindow::onEnvelopePrint()
{
    runCommand(&showEnvelopeDialog);
}

void MainWindow::onBackups()
{
    runCommand(&startBackups);
}

void MainWindow::onImport()
{
    runCommand([](Program& p) { startImport(p); });
}

void MainWindow::onExport()
{
    runCommand(&startExport);
}

SyncPasswords& MainWindow::syncPasswords()
{
    if (!syncPasswords_)
        syncPasswords_ = std::make_unique<SyncPasswords>(makeDesktopSecretStore());
    return *syncPasswords_;
}

void MainWindow::onSync()
{
    hideForCommand();
    startSync(p_, syncPasswords());
    watchLoadedWindows();
    scheduleRestoreCheck();
}

void MainWindow::syncAtStart()
{
    if (ending_ || !aloneLoaded() || !syncsAtStartAndExit(p_.files))
        return;
    hideForCommand();
    startSync(p_, syncPasswords(), true);
    watchLoadedWindows();
    scheduleRestoreCheck();
}

void MainWindow::onExit()
{
    endRun();
}

void MainWindow::onSortOrderPreference()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    SortOrderPreferenceDialog f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MainWindow::onQuickFindPreferences()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    QuickFindPreferencesDialog f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MainWindow::onBackupPreferences()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    BackupPreferencesDialog f(p_, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MainWindow::onPrinterCalibration()
{
    if (!aloneLoaded())
        return;
    hideForCommand();
    PrinterCalibrationDialog f(p_, QPrinterInfo::availablePrinterNames(),
                               QPrinterInfo::defaultPrinterName(), this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

void MainWindow::onDialogBoxPreferences()
{
    // Already open: bring it forward rather than open a second one.
    QWidget* w = loadedWindow(QStringLiteral("ShowBoxesPref"));
    if (!w)
        w = new DialogBoxPreferencesDialog(p_, this);
    w->show();
    w->raise();
    w->activateWindow();
}

void MainWindow::onHelpContents()
{
    p_.help.showFinder();
}

void MainWindow::onAbout()
{
    hideForCommand();
    AboutDialog f(p_, programFile_, AboutDialog::Mode::About, this);
    p_.ui.runModal(f);
    restoreIfAlone();
}

// --- focus, help and ending ---

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        onActivated();
    return QMainWindow::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    endRun();
}

void MainWindow::endRun()
{
    if (ending_)
        return;
    ending_ = true;
    p_.help.quit();
    syncAtExit(p_, syncPasswords());
    // The history's digest then covers every write of this session.
    saveUndoHistory(p_);
    p_.naFile.close();
    tidyBackups(p_);
    p_.ui.endProgram();
}

// F1 anywhere: on a highlighted menu item it opens that item's topic (or the
// topic of the menu it belongs to); elsewhere the window's own topic when it
// names one, otherwise the help finder.
bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        showHelpFor(watched);
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::showHelpFor(QObject* receiver)
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
