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
class LabelStockForm : public QDialog {
public:
    explicit LabelStockForm(Program& p, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> StockOpt2{};
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command3D1;

    void reject() override;

private:
    void Command3D1_Click();

    Program& p_;
};

} // namespace tavrel
