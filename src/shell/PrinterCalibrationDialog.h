#pragma once

#include "platform/Printer.h"
#include "platform/PrinterCalibration.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrel {

struct Services;

// "Printer Calibration": prints the calibration sheet on a print queue and
// takes how far that printer prints off (and how much it stretches), as read
// from the sheet. Kept per queue in the settings file; PDF files need none.
class PrinterCalibrationDialog : public QDialog {
    Q_OBJECT

public:
    // `queues`: the print queues to choose from, `current` the one shown first.
    PrinterCalibrationDialog(Services& services, const QStringList& queues, const QString& current,
                             QWidget* parent = nullptr);

    QComboBox* printerCombo = nullptr;
    QRadioButton* millimetresOption = nullptr;
    QRadioButton* inchesOption = nullptr;
    QLineEdit* offsetXEdit = nullptr;
    QLineEdit* offsetYEdit = nullptr;
    QLineEdit* scaleXEdit = nullptr;
    QLineEdit* scaleYEdit = nullptr;
    QLabel* offsetUnitLabels[2] = {nullptr, nullptr};
    QPushButton* printSheetButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // Opens the named print queue for the calibration sheet. Tests put their own here.
    std::function<std::unique_ptr<Printer>(const QString& queue)> openPrinter;

    void onPrinterChosen();
    void onUnitsChanged();
    void onPrintSheetClicked();
    void onOkClicked();

private:
    bool inches() const;
    void showCalibration(const PrinterCalibration& c);
    // The figures as typed, in millimetres and percent; nullopt (said, and
    // the box given the focus) when one is not a number or out of range.
    std::optional<PrinterCalibration> typedCalibration();
    void refuse(QLineEdit* box, const QString& text);

    Services& services_;
};

} // namespace tavrel
