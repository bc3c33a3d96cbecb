#include "dups/DupDelCompl.h"

#include "dups/DeletedList.h"
#include "dups/DupsDeleted.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

DupDelCompl::DupDelCompl(Program& program, DupSearchState& state, QWidget* parent)
    : DupDialog(parent), p(program), s(state)
{
    setObjectName(QStringLiteral("DupDelCompl"));
    setWindowTitle(QStringLiteral("Duplicate Deletion Complete"));

    Text1 = new QLineEdit(QString::number(s.RunCount));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("Duplicate Records Deleted"));
    Text1->setFocusPolicy(Qt::ClickFocus);
    Text1->setAlignment(Qt::AlignCenter);
    QFont arial = arialFont();
    arial.setBold(true);
    Text1->setFont(arial);
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    auto* label = new QLabel(QStringLiteral("Duplicate Records Were Deleted From The N&A File"));
    label->setObjectName(QStringLiteral("Label1"));

    const char* const captions[3] = {"&Display A List Of Duplicate Records Deleted",
                                     "&Print A List Of Duplicate Records Deleted",
                                     "&Undelete All Records That Were Just Deleted"};
    auto* frame = optionFrame(QStringLiteral("Options"), captions, Option1);

    PerformButton =
        makeButton(QStringLiteral("Perform Selected &Option"), "PerformButton", QString());
    CancelButton = makeButton(QStringLiteral("Cance&l"), "CancelButton",
                              QStringLiteral("Return To Main Screen"));

    auto* count = new QHBoxLayout;
    count->addWidget(Text1);
    count->addWidget(label);
    count->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(count);
    top->addWidget(frame);
    top->addLayout(buttonRow({PerformButton, CancelButton}, Row::Right));
    top->setSizeConstraint(QLayout::SetFixedSize);

    focusOnChoice(Option1, PerformButton);
    connect(PerformButton, &QPushButton::clicked, this, &DupDelCompl::PerformButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DupDelCompl::CancelButton_Click);
    Option1[0]->setFocus();
}

void DupDelCompl::PerformButton_Click()
{
    if (Option1[0]->isChecked())
        display();
    else if (Option1[1]->isChecked())
        print();
    else
        undelete();
}

void DupDelCompl::display()
{
    if (s.DeletedCount == 0) {
        p.ui.messageBox(kNothingDeleted, kTitle, Ui::Buttons::Ok);
        return;
    }
    DupsDeleted list(s, this);
    p.ui.runModal(list);
}

void DupDelCompl::print()
{
    if (s.DeletedCount == 0) {
        p.ui.messageBox(kNothingDeleted, kTitle, Ui::Buttons::Ok);
        return;
    }
    printDeletedList(p, s);
}

void DupDelCompl::undelete()
{
    if (undeleteDeletedList(p, s))
        Text1->setText(QStringLiteral("0"));
}

void DupDelCompl::CancelButton_Click()
{
    s.discard();
    accept();
}

} // namespace tavrel
