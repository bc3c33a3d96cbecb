#include "reports/gui/LabelStockDialog.h"

#include "platform/Errors.h"
#include "platform/SettingsFile.h"
#include "platform/gui/Named.h"
#include "reports/LabelLayouts.h"
#include "store/Program.h"

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

const QString kSheetKey = QStringLiteral("LabelSheet");
const QString kPaperKey = QStringLiteral("ReportPaper");
const QString kCutSheets = QStringLiteral("cut");
const QString kContinuous = QStringLiteral("continuous");
const QString kA4 = QStringLiteral("a4");

} // namespace

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
    a4SheetsGroup = named(new QGroupBox(tr("A4 Sheets"), this), "A4SheetsFrame");
    for (const A4Sheet& sheet : a4Sheets()) {
        auto* option = new QRadioButton(tr(sheet.caption), a4SheetsGroup);
        option->setObjectName(QStringLiteral("A4StockOpt_%1").arg(a4SheetOptions.size()));
        a4SheetOptions.push_back(option);
    }
    a4PaperCheck =
        named(new QCheckBox(tr("Print &Reports On A4 Paper"), this), "A4PaperChk",
              tr("Print The Book, Lists And Listing On A4 Paper Rather Than Letter Paper"));
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
    auto* a4 = new QVBoxLayout(a4SheetsGroup);
    for (QRadioButton* option : a4SheetOptions)
        a4->addWidget(option);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setSpacing(10);
    top->addWidget(formTypeGroup);
    top->addWidget(a4SheetsGroup);
    top->addWidget(a4PaperCheck);
    top->addWidget(helpHintLabel);
    top->addLayout(buttons);
    setFixedSize(sizeHint());

    showSavedChoice();
    for (QRadioButton* o : formTypeOptions)
        connect(o, &QRadioButton::toggled, this, [this, o](bool on) {
            if (on)
                onStockChosen(o);
        });
    for (QRadioButton* o : a4SheetOptions)
        connect(o, &QRadioButton::toggled, this, [this, o](bool on) {
            if (on)
                onStockChosen(o);
        });
    // A click moves on to OK; the arrow keys keep travelling through the choices.
    for (QRadioButton* o : formTypeOptions)
        connect(o, &QRadioButton::clicked, this, [this] { okButton->setFocus(); });
    for (QRadioButton* o : a4SheetOptions)
        connect(o, &QRadioButton::clicked, this, [this] { okButton->setFocus(); });
    connect(okButton, &QPushButton::clicked, this, &LabelStockDialog::onOkClicked);
    okButton->setFocus();
}

void LabelStockDialog::showSavedChoice()
{
    // The last choice, or cut sheets.
    const QByteArray settings = readSettings(p_.files);
    const QString sheet = settingIn(settings, kSheetKey).value_or(kCutSheets);
    const int a4 = a4SheetNamed(sheet);
    if (a4 >= 0)
        a4SheetOptions[a4]->setChecked(true);
    else
        formTypeOptions[sheet == kContinuous ? 1 : 0]->setChecked(true);
    a4PaperCheck->setChecked(settingIn(settings, kPaperKey) == kA4);
}

void LabelStockDialog::onStockChosen(QRadioButton* chosen)
{
    const bool a4 = chosen->parentWidget() == a4SheetsGroup;
    const auto clear = [](auto& options) {
        for (QRadioButton* o : options) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    };
    if (a4)
        clear(formTypeOptions);
    else
        clear(a4SheetOptions);
}

int LabelStockDialog::chosenA4Sheet() const
{
    for (int i = 0; i < int(a4SheetOptions.size()); ++i)
        if (a4SheetOptions[i]->isChecked())
            return i;
    return -1;
}

void LabelStockDialog::onOkClicked()
{
    p_.Report.ContinuousForms = formTypeOptions[1]->isChecked() ? 1 : 0;
    const int a4 = chosenA4Sheet();
    const QString sheet = a4 >= 0                          ? QLatin1String(a4Sheets()[a4].name)
                          : p_.Report.ContinuousForms == 1 ? kContinuous
                                                           : kCutSheets;
    try {
        writeSetting(p_.files, kSheetKey, sheet);
        writeSetting(p_.files, kPaperKey,
                     a4PaperCheck->isChecked() ? kA4 : QStringLiteral("letter"));
    } catch (const PlatformError&) {
        // The choice still holds for this run; it is only not offered next time.
    }
    accept();
}

void LabelStockDialog::reject()
{
    // There is nothing to cancel: Esc or the close box take the stock shown.
    onOkClicked();
}

} // namespace tavrel
