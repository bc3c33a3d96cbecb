#pragma once

#include "upkeep/Backups.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tavrel {

class Program;

// "Backups": the copies in the backup folder, newest first, with Restore and
// Open Folder.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackupsDialog(Program& p, QWidget* parent = nullptr);

    QLabel* headingLabel = nullptr;
    QLabel* folderLabel = nullptr;
    QLabel* damageLabel = nullptr; // what is wrong with the selected copy
    QTreeWidget* copyList = nullptr;
    QPushButton* restoreButton = nullptr;
    QPushButton* openFolderButton = nullptr;
    QPushButton* closeButton = nullptr;

    // Shows a folder in the desktop's file manager; tests put their own here.
    std::function<void(const QString& folder)> openFolder;
    // The file steps copies are made and restored with; tests put their own here.
    BackupIo* io = nullptr;

    void onRestoreClicked();
    void onOpenFolderClicked();
    void onCloseClicked();
    // Fills the list from the folder.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { onCloseClicked(); }

private:
    Program& p_;
    BackupIo ownIo_;
    QList<BackupCopy> copies_;
};

// "&Backups...": opens BackupsDialog without blocking.
void startBackups(Program& p);

} // namespace tavrel
