#pragma once

#include <QMainWindow>
#include <QSet>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace tavrel {

class Program;

// The main window: the menu bar and the toolbar from which every command
// starts. A running command owns the screen: the menus and toolbar hide, the
// F1 hint shows, and both come back once no other window is loaded.
class MarkMain : public QMainWindow {
    Q_OBJECT

public:
    // `programFile` is the executable whose date the About box shows.
    MarkMain(Program& p, const QString& programFile, QWidget* parent = nullptr);
    ~MarkMain() override;

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
    void MailListCreate_Click();
    void MailListRevise_Click();
    void AddMenu_Click();
    void AddMultRecsMenu_Click();
    void BrowseMenu_Click();
    void ChangeMenu_Click();
    void DeleteMenu_Click();
    void SearchMenu_Click();
    void CompactMenu_Click();
    void ShortListMenu_Click();
    void StatisticsMenu_Click();
    void FindDupsMenu_Click();
    void PrintMenu_Click();
    void EnvelopePrintMenu_Click();
    void BackupsMenu_Click();
    void ImportMenu_Click();
    void SyncMenu_Click();
    void ExportMenu_Click();
    void ExitMenu_Click();
    void DisplayMenu_Click();
    void PrefQuickFindMenu_Click();
    void PrefMenuShowBoxes_Click();
    void PrefBackupsMenu_Click();
    void ContentsMenu_Click();
    void AboutTVLMenu_Click();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildToolBar();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     const QString& shortcut, int helpContext, void (MarkMain::*handler)());
    QToolButton* addButton(const QString& name, int leftTwips, const QString& toolTip,
                           QAction* action);
    void setMenusVisible(bool on);
    // Starts a command after the hide step and watches the windows it loads.
    void runCommand(void (*start)(Program&));
    void watchLoadedWindows();
    void scheduleRestoreCheck();
    void onActivated();
    void showHelpFor(QObject* receiver);
    void endRun();

    Program& p_;
    QString programFile_;
    QWidget* toolBar_ = nullptr;
    QLabel* label1_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* preferenceMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QSet<QObject*> watched_;
    bool ending_ = false;
};

} // namespace tavrel
