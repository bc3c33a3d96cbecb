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
class SyncConflictDialog : public QDialog {
    Q_OBJECT
public:
    SyncConflictDialog(const SyncConflict& conflict, QWidget* parent = nullptr);

    QLabel* headingLabel = nullptr;
    QTreeWidget* valuesList = nullptr;
    QPushButton* keepMineButton = nullptr;   // Keep Mine
    QPushButton* keepTheirsButton = nullptr; // Keep Theirs
    QPushButton* keepBothButton = nullptr;   // Keep Both

    static ConflictChoice choiceOf(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tavrel
