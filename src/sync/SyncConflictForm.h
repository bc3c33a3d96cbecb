#pragma once

#include "sync/SyncPass.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tavrel {

// "Sync Conflict": the fields of one record changed both here and on the
// server, side by side, and the choice what to keep. Its result is the
// ConflictChoice picked plus one.
class SyncConflictForm : public QDialog {
    Q_OBJECT
public:
    SyncConflictForm(const SyncConflict& conflict, QWidget* parent = nullptr);

    QLabel* ConflictLbl1 = nullptr;
    QTreeWidget* ConflictLst1 = nullptr;
    QPushButton* ConflictCmd1 = nullptr; // Keep Mine
    QPushButton* ConflictCmd2 = nullptr; // Keep Theirs
    QPushButton* ConflictCmd3 = nullptr; // Keep Both

    static ConflictChoice choiceOf(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tavrel
