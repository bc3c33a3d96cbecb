#include "reports/FormPositionDialog.h"

#include "platform/gui/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

const char* const kVerticalCaptions[] = {
    "&Move Data UP 1/4 Inch",   "Move Data &UP 3/16 Inch",   "Mo&ve Data UP 1/8 Inch",
    "Mov&e Data UP 1/16 Inch",  "&Standard Position",        "Move &Data DOWN 1/16 Inch",
    "Move D&ata DOWN 1/8 Inch", "Move Da&ta DOWN 3/16 Inch", "Move Data DO&WN 1/4 Inch",
};
const char* const kHorizontalCaptions[] = {
    "Sta&ndard Position",         "Move Data &RIGHT 1/16 Inch", "Move Data R&IGHT 1/8 Inch",
    "Move Data RI&GHT 3/16 Inch", "Move Data RIG&HT 1/4 Inch",  "Move Data RIGHT &5/16 Inch",
    "Move Data RIGHT &3/8 Inch",
};

} // namespace

FormPositionDialog::FormPositionDialog(Program& p, bool cards, int verticalBase, QWidget* parent)
    : QDialog(parent), p_(p), base_(verticalBase)
{
    setObjectName(QStringLiteral("VertPosForm"));
    setWindowTitle(QStringLiteral("Form Positioning"));

    instructionLabel =
        named(new QLabel(QStringLiteral("Select The Desired Vertical And Horizontal Position "
                                        "For Your Labels Or Cards"),
                         this),
              "Label1");
    instructionLabel->setWordWrap(true);
    instructionLabel->setAlignment(Qt::AlignCenter);

    verticalGroup = named(new QGroupBox(QStringLiteral("Vertical Positioning"), this), "Frame1");
    auto* vertical = new QVBoxLayout(verticalGroup);
    for (int i = 0; i < int(verticalOptions.size()); ++i) {
        verticalOptions[i] = new QRadioButton(QLatin1String(kVerticalCaptions[i]), verticalGroup);
        verticalOptions[i]->setObjectName(QStringLiteral("VertOpt1_%1").arg(i));
        vertical->addWidget(verticalOptions[i]);
        connect(verticalOptions[i], &QRadioButton::clicked, this, [this] { okButton->setFocus(); });
    }
    horizontalGroup =
        named(new QGroupBox(QStringLiteral("Horizontal Positioning"), this), "Frame2");
    auto* horizontal = new QVBoxLayout(horizontalGroup);
    for (int i = 0; i < int(horizontalOptions.size()); ++i) {
        horizontalOptions[i] =
            new QRadioButton(QLatin1String(kHorizontalCaptions[i]), horizontalGroup);
        horizontalOptions[i]->setObjectName(QStringLiteral("HorizPos_%1").arg(i));
        horizontal->addWidget(horizontalOptions[i]);
        connect(horizontalOptions[i], &QRadioButton::clicked, this,
                [this] { okButton->setFocus(); });
    }
    horizontal->addStretch(1);

    italicCheck =
        named(new QCheckBox(QStringLiteral("&Print Label Data In Italics"), this), "PosItalChk");
    upperCaseCheck =
        named(new QCheckBox(QStringLiteral("Print La&bel Data In UPPERCASE"), this), "PosUpperChk");
    italicCheck->setEnabled(!cards);
    upperCaseCheck->setEnabled(!cards);

    okButton = named(new QPushButton(QStringLiteral("&OK"), this), "VertCmd1",
                     QStringLiteral("Apply The Selected Positioning Values"));
    cancelButton = named(new QPushButton(QStringLiteral("Cance&l"), this), "VertCmd2",
                         QStringLiteral("Don't Change The Current Positioning Values"));
    okButton->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(verticalGroup);
    frames->addWidget(horizontalGroup);
    auto* checks = new QVBoxLayout;
    checks->addWidget(italicCheck);
    checks->addWidget(upperCaseCheck);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setSpacing(10);
    top->addWidget(instructionLabel);
    top->addLayout(frames);
    top->addLayout(checks);
    top->addLayout(buttons);
    setFixedSize(sizeHint());

    // A fresh window: the standard position, both boxes clear.
    verticalOptions[4]->setChecked(true);
    horizontalOptions[0]->setChecked(true);

    connect(italicCheck, &QCheckBox::clicked, this, &FormPositionDialog::onItalicClicked);
    connect(upperCaseCheck, &QCheckBox::clicked, this, &FormPositionDialog::onUpperCaseClicked);
    connect(okButton, &QPushButton::clicked, this, &FormPositionDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &FormPositionDialog::onCancelClicked);
    okButton->setFocus();
}

void FormPositionDialog::onItalicClicked()
{
    p_.Report.LabelItalic = italicCheck->isChecked() ? -1 : 0;
    okButton->setFocus();
}

void FormPositionDialog::onUpperCaseClicked()
{
    p_.Report.LabelUpper = upperCaseCheck->isChecked() ? -1 : 0;
    okButton->setFocus();
}

void FormPositionDialog::onOkClicked()
{
    int vertical = kVertical.back();
    for (int i = 0; i + 1 < int(verticalOptions.size()); ++i) {
        if (verticalOptions[i]->isChecked()) {
            vertical = kVertical[i];
            break;
        }
    }
    int horizontal = kHorizontal.back();
    for (int i = 0; i + 1 < int(horizontalOptions.size()); ++i) {
        if (horizontalOptions[i]->isChecked()) {
            horizontal = kHorizontal[i];
            break;
        }
    }
    p_.Report.LabelTop = base_ + vertical;
    p_.Report.LabelLeft = horizontal;
    accept();
}

void FormPositionDialog::onCancelClicked()
{
    reject();
}

void FormPositionDialog::reject()
{
    // LabelLeft and the check boxes keep their values.
    p_.Report.LabelTop = 999;
    QDialog::reject();
}

} // namespace tavrel
