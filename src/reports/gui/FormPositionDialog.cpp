#include "reports/gui/FormPositionDialog.h"

#include "platform/gui/Named.h"
#include "reports/gui/SheetMap.h"
#include "store/ReportState.h"

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
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "&Move Data UP 1/4 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data &UP 3/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Mo&ve Data UP 1/8 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Mov&e Data UP 1/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "&Standard Position"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move &Data DOWN 1/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move D&ata DOWN 1/8 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Da&ta DOWN 3/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data DO&WN 1/4 Inch"),
};
const char* const kHorizontalCaptions[] = {
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Sta&ndard Position"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data &RIGHT 1/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data R&IGHT 1/8 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data RI&GHT 3/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data RIG&HT 1/4 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data RIGHT &5/16 Inch"),
    QT_TRANSLATE_NOOP("tavrel::FormPositionDialog", "Move Data RIGHT &3/8 Inch"),
};

} // namespace

FormPositionDialog::FormPositionDialog(ReportState& state, bool cards, int verticalBase,
                                       const SheetChoice* sheet, QWidget* parent)
    : QDialog(parent), state_(state), base_(verticalBase), cards_(cards)
{
    setObjectName(QStringLiteral("VertPosForm"));
    setWindowTitle(tr("Form Positioning"));

    instructionLabel = named(new QLabel(tr("Select The Desired Vertical And Horizontal Position "
                                           "For Your Labels Or Cards"),
                                        this),
                             "Label1");
    instructionLabel->setWordWrap(true);
    instructionLabel->setAlignment(Qt::AlignCenter);

    verticalGroup = named(new QGroupBox(tr("Vertical Positioning"), this), "Frame1");
    auto* vertical = new QVBoxLayout(verticalGroup);
    for (int i = 0; i < int(verticalOptions.size()); ++i) {
        verticalOptions[i] = new QRadioButton(tr(kVerticalCaptions[i]), verticalGroup);
        verticalOptions[i]->setObjectName(QStringLiteral("VertOpt1_%1").arg(i));
        vertical->addWidget(verticalOptions[i]);
        connect(verticalOptions[i], &QRadioButton::clicked, this, [this] { okButton->setFocus(); });
    }
    horizontalGroup = named(new QGroupBox(tr("Horizontal Positioning"), this), "Frame2");
    auto* horizontal = new QVBoxLayout(horizontalGroup);
    for (int i = 0; i < int(horizontalOptions.size()); ++i) {
        horizontalOptions[i] = new QRadioButton(tr(kHorizontalCaptions[i]), horizontalGroup);
        horizontalOptions[i]->setObjectName(QStringLiteral("HorizPos_%1").arg(i));
        horizontal->addWidget(horizontalOptions[i]);
        connect(horizontalOptions[i], &QRadioButton::clicked, this,
                [this] { okButton->setFocus(); });
    }
    horizontal->addStretch(1);

    italicCheck = named(new QCheckBox(tr("&Print Label Data In Italics"), this), "PosItalChk");
    upperCaseCheck =
        named(new QCheckBox(tr("Print La&bel Data In UPPERCASE"), this), "PosUpperChk");
    italicCheck->setEnabled(!cards);
    upperCaseCheck->setEnabled(!cards);

    okButton = named(new QPushButton(tr("&OK"), this), "VertCmd1",
                     tr("Apply The Selected Positioning Values"));
    cancelButton = named(new QPushButton(tr("Cance&l"), this), "VertCmd2",
                         tr("Don't Change The Current Positioning Values"));
    okButton->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(verticalGroup);
    frames->addWidget(horizontalGroup);
    if (sheet) {
        buildSheetGroup(*sheet);
        frames->addWidget(sheetGroup);
        // Reading order: the map after the horizontal choices.
        setTabOrder(horizontalOptions.back(), sheetMap);
        setTabOrder(sheetMap, firstSlotButton);
        setTabOrder(firstSlotButton, italicCheck);
    }
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

void FormPositionDialog::buildSheetGroup(const SheetChoice& sheet)
{
    sheetGroup =
        named(new QGroupBox(sheet.cards ? tr("&First Free Card") : tr("&First Free Label"), this),
              "SheetFrame");
    sheetMap = named(new SheetMap(sheet.slots, sheet.slotSize, sheetGroup), "SheetMap",
                     sheet.cards ? tr("Click The First Card Not Yet Used On The Sheet")
                                 : tr("Click The First Label Not Yet Used On The Sheet"));
    slotLabel = named(new QLabel(sheetGroup), "SheetSlotLabel");
    slotLabel->setAlignment(Qt::AlignCenter);
    firstSlotButton = named(
        new QPushButton(sheet.cards ? tr("Start At Card &1") : tr("Start At Label &1"), sheetGroup),
        "SheetFirstSlot", tr("Start With A Whole New Sheet"));
    auto* v = new QVBoxLayout(sheetGroup);
    v->addWidget(sheetMap, 1, Qt::AlignHCenter);
    v->addWidget(slotLabel);
    v->addWidget(firstSlotButton);
    sheetMap->setCurrent(sheet.start);
    showSlot(sheetMap->current());
    connect(sheetMap, &SheetMap::currentChanged, this, &FormPositionDialog::showSlot);
    connect(sheetMap, &SheetMap::slotClicked, this, [this] { okButton->setFocus(); });
    connect(firstSlotButton, &QPushButton::clicked, this, [this] {
        sheetMap->setCurrent(0);
        sheetMap->setFocus();
    });
}

void FormPositionDialog::showSlot(int index)
{
    const QString text = cards_ ? tr("Start At Card %1 Of %2") : tr("Start At Label %1 Of %2");
    slotLabel->setText(text.arg(index + 1).arg(sheetMap->count()));
}

int FormPositionDialog::startSlot() const
{
    return sheetMap ? sheetMap->current() : 0;
}

void FormPositionDialog::onItalicClicked()
{
    state_.Report.LabelItalic = italicCheck->isChecked() ? -1 : 0;
    okButton->setFocus();
}

void FormPositionDialog::onUpperCaseClicked()
{
    state_.Report.LabelUpper = upperCaseCheck->isChecked() ? -1 : 0;
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
    state_.Report.LabelTop = base_ + vertical;
    state_.Report.LabelLeft = horizontal;
    accept();
}

void FormPositionDialog::onCancelClicked()
{
    reject();
}

void FormPositionDialog::reject()
{
    // LabelLeft and the check boxes keep their values.
    state_.Report.LabelTop = 999;
    QDialog::reject();
}

} // namespace tavrel
