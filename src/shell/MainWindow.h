#pragma once

#include <QMainWindow>
#include <QSet>
#include <QString>
#include <memory>

class QAction;
class QLabel;
class QLayout;
class QMenu;
class QToolButton;

namespace tavrel {

class Program;
class SyncPasswords;

// The main window: the menu bar and the toolbar from which every command
// starts. A running command owns the screen: the menus and toolbar hide, the
// F1 hint shows, and both come back once no other window is loaded.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `programFile` is the executable whose date the About box shows.
    MainWindow(Program& p, const QString& programFile, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What the window shows: the menus and toolbar when ready; the F1 hint
    // while a command starts; neither while a command's window is open.
    enum class State { Ready, StartingCommand, CommandOpen };
    // Shows the window in `state`.
    void applyState(State state);

    // The hide step every command takes before its window opens.
    void hideForCommand();
    // Brings the menus and toolbar back when no other window is loaded;
    // otherwise keeps watching the loaded windows until they unload.
    void restoreIfAlone();
    // True while the menus are hidden for a command.
    bool commandRunning() const;
    // True when no window but this one is loaded.
    bool aloneLoaded() const;

    // Menu and toolbar handlers.
    void onCreateMailList();
    void onReviseMailList();
    void onAddRecord();
    void onAddRecords();
    void onGetRecord();
    void onChangeRecord();
    void onDeleteRecord();
    void onSearch();
    void onCompact();
    void onQuickFind();
    void onFileStatistics();
    void onFindDuplicates();
    void onPrint();
    void onEnvelopePrint();
    void onBackups();
    void onImport();
    void onExport();
    void onSync();
    // Once the window is up: the sync at start-up, where the person asked for one.
    void syncAtStart();
    void onExit();
    void onUndo();
    void onRedo();
    void onSortOrderPreference();
    void onQuickFindPreferences();
    void onDialogBoxPreferences();
    void onBackupPreferences();
    void onPrinterCalibration();
    void onHelpContents();
    void onAbout();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildToolBar();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     const QString& shortcut, int helpContext, void (MainWindow::*handler)());
    QToolButton* addButton(const QString& name, const QString& toolTip, QAction* action);
    // One captioned group of toolbar buttons, the first group being 0.
    QLayout* buildButtonGroup(int group);
    // Starts a command after the hide step and watches the windows it loads.
    void runCommand(void (*start)(Program&));
    void watchLoadedWindows();
    void scheduleRestoreCheck();
    void onActivated();
    void showHelpFor(QObject* receiver);
    // Names the steps Edit > Undo and Redo take; each enabled only when ready
    // and there is one.
    void refreshUndoItem();
    void endRun();
    SyncPasswords& syncPasswords();

    Program& p_;
    QString programFile_;
    QWidget* toolBar_ = nullptr;
    QLabel* helpHintLabel_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;
    QMenu* preferenceMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QSet<QObject*> watched_;
    State state_ = State::Ready;
    bool ending_ = false;
    std::unique_ptr<SyncPasswords> syncPasswords_; // made when sync is first used
};

} // namespace tavrel
