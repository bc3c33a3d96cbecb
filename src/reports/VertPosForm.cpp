#include "reports/VertPosForm.h"

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

VertPosForm::VertPosForm(Program& p, bool cards, int verticalBase, QWidget* parent)
    : QDialog(parent), p_(p), base_(verticalBase)
{
    setObjectName(QStringLiteral("VertPosForm"));
    setWindowTitle(QStringLiteral("Form Positioning"));

    Label1 = named(new QLabel(QStringLiteral("Select The Desired Vertical And Horizontal Position "
                                             "For Your Labels Or Cards"),
                              this),
                   "Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);

    Frame1 = named(new QGroupBox(QStringLiteral("Vertical Positioning"), this), "Frame1");
    auto* vertical = new QVBoxLayout(Frame1);
    for (int i = 0; i < int(VertOpt1.size()); ++i) {
        VertOpt1[i] = new QRadioButton(QLatin1String(kVerticalCaptions[i]), Frame1);
        VertOpt1[i]->setObjectName(QStringLiteral("VertOpt1_%1").arg(i));
        vertical->addWidget(VertOpt1[i]);
        connect(VertOpt1[i], &QRadioButton::clicked, this, [this] { VertCmd1->setFocus(); });
    }
    Frame2 = named(new QGroupBox(QStringLiteral("Horizontal Positioning"), this), "Frame2");
    auto* horizontal = new QVBoxLayout(Frame2);
    for (int i = 0; i < int(HorizPos.size()); ++i) {
        HorizPos[i] = new QRadioButton(QLatin1String(kHorizontalCaptions[i]), Frame2);
        HorizPos[i]->setObjectName(QStringLiteral("HorizPos_%1").arg(i));
        horizontal->addWidget(HorizPos[i]);
        connect(HorizPos[i], &QRadioButton::clicked, this, [this] { VertCmd1->setFocus(); });
    }
    horizontal->addStretch(1);

    PosItalChk =
        named(new QCheckBox(QStringLiteral("&Print Label Data In Italics"), this), "PosItalChk");
    PosUpperChk =
        named(new QCheckBox(QStringLiteral("Print La&bel Data In UPPERCASE"), this), "PosUpperChk");
    PosItalChk->setEnabled(!cards);
    PosUpperChk->setEnabled(!cards);

    VertCmd1 = named(new QPushButton(QStringLiteral("&OK"), this), "VertCmd1",
                     QStringLiteral("Apply The Selected Positioning Values"));
    VertCmd2 = named(new QPushButton(QStringLiteral("Cance&l"), this), "VertCmd2",
                     QStringLiteral("Don't Change The Current Positioning Values"));
    VertCmd1->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    auto* checks = new QVBoxLayout;
    checks->addWidget(PosItalChk);
    checks->addWidget(PosUpperChk);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(VertCmd1);
    buttons->addWidget(VertCmd2);
    buttons->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setSpacing(10);
    top->addWidget(Label1);
    top->addLayout(frames);
    top->addLayout(checks);
    top->addLayout(buttons);
    setFixedSize(sizeHint());

    // A fresh window: the standard position, both boxes clear.
    VertOpt1[4]->setChecked(true);
    HorizPos[0]->setChecked(true);

    connect(PosItalChk, &QCheckBox::clicked, this, &VertPosForm::PosItalChk_Click);
    connect(PosUpperChk, &QCheckBox::clicked, this, &VertPosForm::PosUpperChk_Click);
    connect(VertCmd1, &QPushButton::clicked, this, &VertPosForm::VertCmd1_Click);
    connect(VertCmd2, &QPushButton::clicked, this, &VertPosForm::VertCmd2_Click);
    VertCmd1->setFocus();
}

void VertPosForm::PosItalChk_Click()
{
    p_.Report.LabelItalic = PosItalChk->isChecked() ? -1 : 0;
    VertCmd1->setFocus();
}

void VertPosForm::PosUpperChk_Click()
{
    p_.Report.LabelUpper = PosUpperChk->isChecked() ? -1 : 0;
    VertCmd1->setFocus();
}

void VertPosForm::VertCmd1_Click()
{
    int vertical = kVertical.back();
    for (int i = 0; i + 1 < int(VertOpt1.size()); ++i) {
        if (VertOpt1[i]->isChecked()) {
            vertical = kVertical[i];
            break;
        }
    }
    int horizontal = kHorizontal.back();
    for (int i = 0; i + 1 < int(HorizPos.size()); ++i) {
        if (HorizPos[i]->isChecked()) {
            horizontal = kHorizontal[i];
            break;
        }
    }
    p_.Report.LabelTop = base_ + vertical;
    p_.Report.LabelLeft = horizontal;
    accept();
}

void VertPosForm::VertCmd2_Click()
{
    reject();
}

void VertPosForm::reject()
{
    // LabelLeft and the check boxes keep their values.
    p_.Report.LabelTop = 999;
    QDialog::reject();
}

} // namespace tavrel
