#include "sync/SyncConflictForm.h"

#include "platform/gui/Named.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavrel {

SyncConflictForm::SyncConflictForm(const SyncConflict& conflict, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SyncConflictForm"));
    setWindowTitle(tr("Sync Conflict"));
    auto* v = new QVBoxLayout(this);
    ConflictLbl1 = named(new QLabel(tr("%1 (ID %2) Was Changed Here And On The Server:")
                                        .arg(fieldText(conflict.mine, SyncField::Name))
                                        .arg(conflict.id),
                                    this),
                         "ConflictLbl1");
    v->addWidget(ConflictLbl1);
    ConflictLst1 = named(new QTreeWidget(this), "ConflictLst1");
    ConflictLst1->setHeaderLabels({tr("Field"), tr("Here"), tr("On The Server")});
    ConflictLst1->setRootIsDecorated(false);
    for (SyncField f : conflict.fields)
        new QTreeWidgetItem(ConflictLst1, {syncFieldName(f), fieldText(conflict.mine, f),
                                           fieldText(conflict.theirs, f)});
    ConflictLst1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ConflictLst1->setMinimumWidth(560);
    ConflictLst1->setAccessibleName(tr("Fields changed on both sides"));
    v->addWidget(ConflictLst1);
    auto* buttons = new QHBoxLayout;
    ConflictCmd1 = named(new QPushButton(tr("Keep &Mine"), this), "ConflictCmd1");
    ConflictCmd2 = named(new QPushButton(tr("Keep &Theirs"), this), "ConflictCmd2");
    ConflictCmd3 = named(new QPushButton(tr("Keep &Both"), this), "ConflictCmd3");
    QPushButton* order[] = {ConflictCmd1, ConflictCmd2, ConflictCmd3};
    for (int i = 0; i < 3; ++i) {
        buttons->addWidget(order[i]);
        connect(order[i], &QPushButton::clicked, this, [this, i] { done(i + 1); });
    }
    v->addLayout(buttons);
    ConflictCmd3->setFocus();
}

ConflictChoice SyncConflictForm::choiceOf(int result)
{
    // A window closed without a choice keeps both: nothing is lost.
    return result == 1   ? ConflictChoice::KeepMine
           : result == 2 ? ConflictChoice::KeepTheirs
                         : ConflictChoice::KeepBoth;
}

void SyncConflictForm::keyPressEvent(QKeyEvent* event)
{
    // Only a choice ends the window; Esc chooses nothing.
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

} // namespace tavrel
