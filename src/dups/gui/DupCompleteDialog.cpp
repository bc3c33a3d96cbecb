#include "dups/gui/DupCompleteDialog.h"

#include "dups/DeletedList.h"
#include "dups/gui/DeletedListDialog.h"
#include "store/Program.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

DupCompleteDialog::DupCompleteDialog(Program& program, DupSearchState& state, QWidget* parent)
    : DupDialog(parent), p(program), s(state)
{
    setObjectName(QStringLiteral("DupDelCompl"));
    setWindowTitle(tr("Duplicate Deletion Complete"));

    deletedCountEdit = new QLineEdit(QString::number(s.RunCount));
    deletedCountEdit->setObjectName(QStringLiteral("Text1"));
    deletedCountEdit->setReadOnly(true);
    deletedCountEdit->setAccessibleName(tr("Duplicate Records Deleted"));
    deletedCountEdit->setFocusPolicy(Qt::ClickFocus);
    deletedCountEdit->setAlignment(Qt::AlignCenter);
    QFont arial = arialFont();
    arial.setBold(true);
    deletedCountEdit->setFont(arial);
    deletedCountEdit->setFixedWidth(
        deletedCountEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    auto* label = new QLabel(tr("Duplicate Records Were Deleted From The N&A File"));
    label->setObjectName(QStringLiteral("Label1"));

    const QString captions[3] = {tr("&Display A List Of Duplicate Records Deleted"),
                                 tr("&Print A List Of Duplicate Records Deleted"),
                                 tr("&Undelete All Records That Were Just Deleted")};
    auto* frame = optionFrame(tr("Options"), captions, actionOptions);

    performButton = makeButton(tr("Perform Selected &Option"), "PerformButton", QString());
    cancelButton = makeButton(tr("Cance&l"), "CancelButton", tr("Return To Main Screen"));

    auto* count = new QHBoxLayout;
    count->addWidget(deletedCountEdit);
    count->addWidget(label);
    count->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(count);
    top->addWidget(frame);
    top->addLayout(buttonRow({performButton, cancelButton}, Row::Right));
    top->setSizeConstraint(QLayout::SetFixedSize);

    focusOnChoice(actionOptions, performButton);
    connect(performButton, &QPushButton::clicked, this, &DupCompleteDialog::onPerformClicked);
    connect(cancelButton, &QPushButton::clicked, this, &DupCompleteDialog::onCancelClicked);
    actionOptions[0]->setFocus();
}

void DupCompleteDialog::onPerformClicked()
{
    if (actionOptions[0]->isChecked())
        display();
    else if (actionOptions[1]->isChecked())
        print();
    else
        undelete();
}

void DupCompleteDialog::display()
{
    if (s.DeletedCount == 0) {
        p.ui.messageBox(nothingDeletedText(), kTitle, Ui::Buttons::Ok);
        return;
    }
    DeletedListDialog list(s, this);
    p.ui.runModal(list);
}

void DupCompleteDialog::print()
{
    if (s.DeletedCount == 0) {
        p.ui.messageBox(nothingDeletedText(), kTitle, Ui::Buttons::Ok);
        return;
    }
    printDeletedList(p, s);
}

void DupCompleteDialog::undelete()
{
    if (undeleteDeletedList(p, s))
        deletedCountEdit->setText(QStringLiteral("0"));
}

void DupCompleteDialog::onCancelClicked()
{
    s.discard();
    accept();
}

} // namespace tavrel
