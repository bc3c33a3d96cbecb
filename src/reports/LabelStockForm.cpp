#include "reports/LabelStockForm.h"

#include "platform/gui/Named.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

LabelStockForm::LabelStockForm(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("LabelStockForm"));
    setWindowTitle(QStringLiteral("Label Stock Information"));

    Frame1 = named(new QGroupBox(QStringLiteral("Form Type"), this), "Frame1");
    StockOpt2[0] = named(new QRadioButton(QStringLiteral("Cut &Sheets (8 Labels/Sheet)"), Frame1),
                         "StockOpt2_0");
    Label1 = named(new QLabel(QStringLiteral("Laser, Inkjet, Other Non-Impact Printers"), Frame1),
                   "Label1");
    StockOpt2[1] =
        named(new QRadioButton(QStringLiteral("&Continuous Forms (12 Labels/Sheet)"), Frame1),
              "StockOpt2_1");
    Label2 =
        named(new QLabel(QStringLiteral("Dot Matrix, Other Impact Printers"), Frame1), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Refer To \"About Printing\" In TVL Help"), this),
                   "Label3");
    Label3->setAlignment(Qt::AlignCenter);
    Command3D1 = named(new QPushButton(QStringLiteral("&OK"), this), "Command3D1",
                       QStringLiteral("Continue Preparing The Report"));
    Command3D1->setDefault(true);

    auto* grid = new QGridLayout(Frame1);
    grid->setColumnMinimumWidth(0, 22);
    grid->addWidget(StockOpt2[0], 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(StockOpt2[1], 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command3D1);
    buttons->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setSpacing(10);
    top->addWidget(Frame1);
    top->addWidget(Label3);
    top->addLayout(buttons);
    setFixedSize(sizeHint());

    StockOpt2[0]->setChecked(true);
    for (QRadioButton* o : StockOpt2)
        connect(o, &QRadioButton::clicked, this, [this] { Command3D1->setFocus(); });
    connect(Command3D1, &QPushButton::clicked, this, &LabelStockForm::Command3D1_Click);
    Command3D1->setFocus();
}

void LabelStockForm::Command3D1_Click()
{
    p_.Report.ContinuousForms = StockOpt2[0]->isChecked() ? 0 : 1;
    accept();
}

void LabelStockForm::reject()
{
    // There is nothing to cancel: Esc or the close box take the stock shown.
    Command3D1_Click();
}

} // namespace tavrel
