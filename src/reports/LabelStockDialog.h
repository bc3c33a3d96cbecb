#pragma once

#include "store/Program.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavrel {

// "Label Stock Information": asked before 1-across labels are printed, it
// tells cut sheets (8 labels a sheet) from continuous forms (12 labels) and
// sets ContinuousForms. It has only OK; closing it keeps the choice shown.
class LabelStockDialog : public QDialog {
    Q_OBJECT

public:
    explicit LabelStockDialog(Program& p, QWidget* parent = nullptr);

    QGroupBox* formTypeGroup;
    std::array<QRadioButton*, 2> formTypeOptions{};
    QLabel* cutSheetsLabel;
    QLabel* continuousFormsLabel;
    QLabel* helpHintLabel;
    QPushButton* okButton;

    void reject() override;

private:
    void onOkClicked();

    Program& p_;
};

} // namespace tavrel
