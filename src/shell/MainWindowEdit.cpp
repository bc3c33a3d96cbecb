#include "shell/MainWindow.h"
#include "store/Undo.h"

#include <QAction>

namespace tavrel {

// The Edit menu of the main window.

void MainWindow::onUndo()
{
    if (commandRunning())
        return;
    undoLastStep(p_);
    refreshUndoItem();
}

void MainWindow::onRedo()
{
    if (commandRunning())
        return;
    redoLastStep(p_);
    refreshUndoItem();
}

void MainWindow::refreshUndoItem()
{
    undoItem_->setText(undoMenuText(p_));
    undoItem_->setEnabled(!commandRunning() && canUndo(p_));
    redoItem_->setText(redoMenuText(p_));
    redoItem_->setEnabled(!commandRunning() && canRedo(p_));
}

} // namespace tavrel
