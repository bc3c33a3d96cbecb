#include "reports/LabelStockDialog.h"

#include "platform/gui/Named.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

LabelStockDialog::LabelStockDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("LabelStockForm"));
    setWindowTitle(tr("Label Stock Information"));

    formTypeGroup = named(new QGroupBox(tr("Form Type"), this), "Frame1");
    formTypeOptions[0] =
        named(new QRadioButton(tr("Cut &Sheets (8 Labels/Sheet)"), formTypeGroup), "StockOpt2_0");
    cutSheetsLabel =
        named(new QLabel(tr("Laser, Inkjet, Other Non-Impact Printers"), formTypeGroup), "Label1");
    formTypeOptions[1] = named(
        new QRadioButton(tr("&Continuous Forms (12 Labels/Sheet)"), formTypeGroup), "StockOpt2_1");
    continuousFormsLabel =
        named(new QLabel(tr("Dot Matrix, Other Impact Printers"), formTypeGroup), "Label2");
    helpHintLabel =
        named(new QLabel(tr("Refer To \"About Printing\" In TVL Help"), this), "Label3");
    helpHintLabel->setAlignment(Qt::AlignCenter);
    okButton =
        named(new QPushButton(tr("&OK"), this), "Command3D1", tr("Continue Preparing The Report"));
    okButton->setDefault(true);

    auto* grid = new QGridLayout(formTypeGroup);
    grid->setColumnMinimumWidth(0, 22);
    grid->addWidget(formTypeOptions[0], 0, 0, 1, 2);
    grid->addWidget(cutSheetsLabel, 1, 1);
    grid->addWidget(formTypeOptions[1], 2, 0, 1, 2);
    grid->addWidget(continuousFormsLabel, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setSpacing(10);
    top->addWidget(formTypeGroup);
    top->addWidget(helpHintLabel);
    top->addLayout(buttons);
    setFixedSize(sizeHint());

    formTypeOptions[0]->setChecked(true);
    for (QRadioButton* o : formTypeOptions)
        connect(o, &QRadioButton::clicked, this, [this] { okButton->setFocus(); });
    connect(okButton, &QPushButton::clicked, this, &LabelStockDialog::onOkClicked);
    okButton->setFocus();
}

void LabelStockDialog::onOkClicked()
{
    p_.Report.ContinuousForms = formTypeOptions[0]->isChecked() ? 0 : 1;
    accept();
}

void LabelStockDialog::reject()
{
    // There is nothing to cancel: Esc or the close box take the stock shown.
    onOkClicked();
}

} // namespace tavrel
