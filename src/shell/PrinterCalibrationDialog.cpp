#include "shell/PrinterCalibrationDialog.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/gui/QtPrinter.h"
#include "shell/PreferenceWidgets.h"
#include "store/Services.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace tavrel {

namespace {

constexpr double kMmPerInch = 25.4;

// A figure for a box: no more decimals than it needs.
QString figure(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

// A typed figure, with a point or a comma for the decimals; `empty` when blank.
std::optional<double> parseFigure(const QString& typed, double empty)
{
    QString t = typed.trimmed();
    if (t.isEmpty())
        return empty;
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

PrinterCalibrationDialog::PrinterCalibrationDialog(Services& services, const QStringList& queues,
                                                   const QString& current, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("CalibrationPref"));
    setWindowTitle(tr("Printer Calibration"));
    setProperty("helpContext", 150);
    openPrinter = [this](const QString& queue) -> std::unique_ptr<Printer> {
        return std::make_unique<QtPrinter>(QPrinterInfo::printerInfo(queue), &services_.ui);
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* heading = headingLabel(
        this, tr("Print The Calibration Sheet And Measure Where Its Crosshairs Landed.\n"
                 "Then Enter How Far To Move The Print: Negative Figures Move It Left Or Up."));
    v->addWidget(heading);

    auto* grid = new QGridLayout;
    auto* printerLabel = new QLabel(tr("&Printer:"), this);
    printerCombo = new QComboBox(this);
    printerCombo->setObjectName(QStringLiteral("CalibPrinter"));
    printerCombo->addItems(queues);
    printerCombo->setCurrentIndex(std::max(0, int(queues.indexOf(current))));
    printerLabel->setBuddy(printerCombo);
    grid->addWidget(printerLabel, 0, 0);
    grid->addWidget(printerCombo, 0, 1, 1, 3);

    auto* units = new QHBoxLayout;
    millimetresOption = new QRadioButton(tr("&Millimetres"), this);
    millimetresOption->setObjectName(QStringLiteral("CalibUnitsMm"));
    inchesOption = new QRadioButton(tr("I&nches"), this);
    inchesOption->setObjectName(QStringLiteral("CalibUnitsInch"));
    millimetresOption->setChecked(true);
    units->addWidget(millimetresOption);
    units->addWidget(inchesOption);
    units->addStretch();
    auto* unitsLabel = new QLabel(tr("Units:"), this);
    grid->addWidget(unitsLabel, 1, 0);
    grid->addLayout(units, 1, 1, 1, 3);

    struct Row {
        const char* name;
        const char* caption;
        QLineEdit** edit;
    };
    const Row rows[] = {
        {"CalibOffsetX", QT_TR_NOOP("Move Print &Right By:"), &offsetXEdit},
        {"CalibOffsetY", QT_TR_NOOP("Move Print &Down By:"), &offsetYEdit},
        {"CalibScaleX", QT_TR_NOOP("&Width Scale:"), &scaleXEdit},
        {"CalibScaleY", QT_TR_NOOP("&Height Scale:"), &scaleYEdit},
    };
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(tr(rows[i].caption), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(rows[i].name));
        edit->setMaxLength(10);
        edit->setFixedWidth(90);
        label->setBuddy(edit);
        *rows[i].edit = edit;
        auto* unit = new QLabel(i < 2 ? QString() : tr("% (98 To 102)"), this);
        if (i < 2)
            offsetUnitLabels[i] = unit;
        grid->addWidget(label, 2 + i, 0);
        grid->addWidget(edit, 2 + i, 1);
        grid->addWidget(unit, 2 + i, 2);
    }
    grid->setColumnStretch(3, 1);
    v->addLayout(grid);

    printSheetButton =
        makeButton(this, QStringLiteral("CalibPrintSheet"), tr("Print &Calibration Sheet"),
                   tr("Print Rulers And Crosshairs To Measure The Printer By"));
    okButton = makeButton(this, QStringLiteral("OKButton"), tr("&OK"),
                          tr("Keep The Calibration Shown For This Printer"));
    cancelButton = makeButton(this, QStringLiteral("CancelButton"), tr("Cance&l"),
                              tr("Don't Change The Calibration"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printSheetButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    v->addSpacing(8);
    v->addLayout(buttons);

    if (queues.isEmpty()) {
        auto* none =
            new QLabel(tr("No Printer Is Installed.  PDF Files Need No Calibration."), this);
        none->setObjectName(QStringLiteral("CalibNoPrinter"));
        v->insertWidget(1, none);
        for (QWidget* w : std::initializer_list<QWidget*>{printerCombo, millimetresOption,
                                                          inchesOption, offsetXEdit, offsetYEdit,
                                                          scaleXEdit, scaleYEdit, printSheetButton})
            w->setEnabled(false);
    }

    connect(printerCombo, &QComboBox::currentIndexChanged, this,
            &PrinterCalibrationDialog::onPrinterChosen);
    connect(inchesOption, &QRadioButton::toggled, this, &PrinterCalibrationDialog::onUnitsChanged);
    connect(printSheetButton, &QPushButton::clicked, this,
            &PrinterCalibrationDialog::onPrintSheetClicked);
    connect(okButton, &QPushButton::clicked, this, &PrinterCalibrationDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    onPrinterChosen();
}

bool PrinterCalibrationDialog::inches() const
{
    return inchesOption->isChecked();
}

void PrinterCalibrationDialog::showCalibration(const PrinterCalibration& c)
{
    const double per = inches() ? kMmPerInch : 1;
    const int decimals = inches() ? 3 : 2;
    offsetXEdit->setText(figure(c.offsetXmm / per, decimals));
    offsetYEdit->setText(figure(c.offsetYmm / per, decimals));
    scaleXEdit->setText(figure(c.scaleXPercent, 2));
    scaleYEdit->setText(figure(c.scaleYPercent, 2));
    for (QLabel* l : offsetUnitLabels)
        l->setText(inches() ? tr("Inches") : tr("mm"));
}

void PrinterCalibrationDialog::onPrinterChosen()
{
    const QString queue = printerCombo->currentText();
    showCalibration(queue.isEmpty() ? PrinterCalibration{}
                                    : loadCalibration(services_.files, queue));
}

void PrinterCalibrationDialog::onUnitsChanged()
{
    // The figures shown keep their length in the other unit.
    const double factor = inches() ? 1 / kMmPerInch : kMmPerInch;
    for (QLineEdit* e : {offsetXEdit, offsetYEdit})
        if (const auto v = parseFigure(e->text(), 0))
            e->setText(figure(*v * factor, inches() ? 3 : 2));
    for (QLabel* l : offsetUnitLabels)
        l->setText(inches() ? tr("Inches") : tr("mm"));
}

void PrinterCalibrationDialog::refuse(QLineEdit* box, const QString& text)
{
    services_.ui.beep();
    services_.ui.messageBox(text, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    box->setFocus();
    box->selectAll();
}

std::optional<PrinterCalibration> PrinterCalibrationDialog::typedCalibration()
{
    const double per = inches() ? kMmPerInch : 1;
    double mm[2];
    QLineEdit* offsets[2] = {offsetXEdit, offsetYEdit};
    for (int i = 0; i < 2; ++i) {
        const auto v = parseFigure(offsets[i]->text(), 0);
        if (!v) {
            refuse(offsets[i], tr("\"%1\" Is Not A Number.  Enter A Figure Such As 1.5 Or -0.5.")
                                   .arg(offsets[i]->text().trimmed()));
            return std::nullopt;
        }
        mm[i] = *v * per;
        // A hair over the limit is what 0.394 inches comes to.
        if (std::abs(mm[i]) > PrinterCalibration::kMaxOffsetMm + 1e-9) {
            refuse(offsets[i], inches() ? tr("The Print Can Be Moved At Most 0.39 Inches Either "
                                             "Way.  Enter A Figure From -0.39 To 0.39.")
                                        : tr("The Print Can Be Moved At Most 10 mm Either Way.  "
                                             "Enter A Figure From -10 To 10."));
            return std::nullopt;
        }
    }
    double pct[2];
    QLineEdit* scales[2] = {scaleXEdit, scaleYEdit};
    for (int i = 0; i < 2; ++i) {
        const auto v = parseFigure(scales[i]->text(), 100);
        if (!v || *v < PrinterCalibration::kMinScalePercent ||
            *v > PrinterCalibration::kMaxScalePercent) {
            refuse(scales[i], tr("A Scale Must Be A Figure From 98 To 102 Percent "
                                 "(100 Prints At The Size Drawn)."));
            return std::nullopt;
        }
        pct[i] = *v;
    }
    PrinterCalibration c;
    c.offsetXmm =
        std::clamp(mm[0], -PrinterCalibration::kMaxOffsetMm, PrinterCalibration::kMaxOffsetMm);
    c.offsetYmm =
        std::clamp(mm[1], -PrinterCalibration::kMaxOffsetMm, PrinterCalibration::kMaxOffsetMm);
    c.scaleXPercent = pct[0];
    c.scaleYPercent = pct[1];
    return c;
}

void PrinterCalibrationDialog::onPrintSheetClicked()
{
    const QString queue = printerCombo->currentText();
    services_.ui.setWaitCursor(true);
    QString said;
    try {
        std::unique_ptr<Printer> printer = openPrinter(queue);
        printCalibrationSheet(*printer);
        said = withOutputFile(
            tr("The Calibration Sheet Has Been Sent To ") + queue + QStringLiteral("."), *printer);
    } catch (const PlatformError& e) {
        said = printerFailureText(e, tr("The Calibration Sheet Was Not Printed."));
    }
    services_.ui.setWaitCursor(false);
    services_.ui.messageBox(said, kTitle, Ui::Buttons::Ok);
}

void PrinterCalibrationDialog::onOkClicked()
{
    const QString queue = printerCombo->currentText();
    if (queue.isEmpty()) {
        accept();
        return;
    }
    const std::optional<PrinterCalibration> c = typedCalibration();
    if (!c)
        return;
    try {
        saveCalibration(services_.files, queue, *c);
    } catch (const PlatformError& e) {
        services_.ui.messageBox(tr("The Calibration Could Not Be Saved: Error") +
                                    numText(e.number()) + QStringLiteral("."),
                                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    // Every printer of the program reads the saved figures when its next
    // printout starts.
    accept();
}

} // namespace tavrel
