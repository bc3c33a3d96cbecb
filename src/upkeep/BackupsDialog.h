#pragma once

#include "store/Program.h"
#include "upkeep/Backups.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tavrel {

// "Backups": the copies in the backup folder, newest first, with Restore and
// Open Folder.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackupsDialog(Program& p, QWidget* parent = nullptr);

    QLabel* BackupLbl1 = nullptr;
    QLabel* BackupLbl2 = nullptr;
    QLabel* BackupLbl3 = nullptr; // what is wrong with the selected copy
    QTreeWidget* BackupLst1 = nullptr;
    QPushButton* BackupCmd1 = nullptr; // Restore
    QPushButton* BackupCmd2 = nullptr; // Open Folder
    QPushButton* BackupCmd3 = nullptr; // Close

    // Shows a folder in the desktop's file manager; tests put their own here.
    std::function<void(const QString& folder)> openFolder;
    // The file steps copies are made and restored with; tests put their own here.
    BackupIo* io = nullptr;

    void BackupCmd1_Click();
    void BackupCmd2_Click();
    void BackupCmd3_Click();
    // Fills the list from the folder.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { BackupCmd3_Click(); }

private:
    Program& p_;
    BackupIo ownIo_;
    QList<BackupCopy> copies_;
};

} // namespace tavrel
