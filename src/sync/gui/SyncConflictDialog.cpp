#include "sync/gui/SyncConflictDialog.h"

#include "platform/gui/Named.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavrel {

SyncConflictDialog::SyncConflictDialog(const SyncConflict& conflict, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SyncConflictForm"));
    setWindowTitle(tr("Sync Conflict"));
    setProperty("helpContext", 135);
    auto* v = new QVBoxLayout(this);
    headingLabel = named(new QLabel(tr("%1 (ID %2) Was Changed Here And On The Server:")
                                        .arg(fieldText(conflict.mine, SyncField::Name))
                                        .arg(conflict.id),
                                    this),
                         "ConflictLbl1");
    v->addWidget(headingLabel);
    valuesList = named(new QTreeWidget(this), "ConflictLst1");
    valuesList->setHeaderLabels({tr("Field"), tr("Here"), tr("On The Server")});
    valuesList->setRootIsDecorated(false);
    for (SyncField f : conflict.fields)
        new QTreeWidgetItem(valuesList, {syncFieldName(f), fieldText(conflict.mine, f),
                                         fieldText(conflict.theirs, f)});
    valuesList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    valuesList->setMinimumWidth(560);
    valuesList->setAccessibleName(tr("Fields changed on both sides"));
    v->addWidget(valuesList);
    auto* buttons = new QHBoxLayout;
    keepMineButton = named(new QPushButton(tr("Keep &Mine"), this), "ConflictCmd1");
    keepTheirsButton = named(new QPushButton(tr("Keep &Theirs"), this), "ConflictCmd2");
    keepBothButton = named(new QPushButton(tr("Keep &Both"), this), "ConflictCmd3");
    QPushButton* order[] = {keepMineButton, keepTheirsButton, keepBothButton};
    for (int i = 0; i < 3; ++i) {
        buttons->addWidget(order[i]);
        connect(order[i], &QPushButton::clicked, this, [this, i] { done(i + 1); });
    }
    v->addLayout(buttons);
    keepBothButton->setFocus();
}

ConflictChoice SyncConflictDialog::choiceOf(int result)
{
    // A window closed without a choice keeps both: nothing is lost.
    return result == 1   ? ConflictChoice::KeepMine
           : result == 2 ? ConflictChoice::KeepTheirs
                         : ConflictChoice::KeepBoth;
}

void SyncConflictDialog::keyPressEvent(QKeyEvent* event)
{
    // Only a choice ends the window; Esc chooses nothing.
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

} // namespace tavrel
