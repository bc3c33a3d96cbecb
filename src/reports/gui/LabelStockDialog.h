#pragma once

#include "reports/LabelLayouts.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavrel {

class Program;

// "Label Stock Information": asked before 1-across labels are printed, it
// tells cut sheets (8 labels a sheet) from continuous forms (12 labels) and
// sets ContinuousForms. It also offers the A4 label sheets in their place,
// and A4 paper for the list and book reports; the choice is remembered in the
// settings file and shown the next time. The A4 sheets are the rows of
// a4Sheets(), in a frame of their own (a Tab stop of their own, each with its
// access key); one choice holds across both frames. It has only OK; closing
// it keeps the choice shown.
class LabelStockDialog : public QDialog {
    Q_OBJECT

public:
    explicit LabelStockDialog(Program& p, QWidget* parent = nullptr);

    QGroupBox* formTypeGroup;
    std::array<QRadioButton*, 2> formTypeOptions{};
    QLabel* cutSheetsLabel;
    QLabel* continuousFormsLabel;
    QGroupBox* a4SheetsGroup;
    std::vector<QRadioButton*> a4SheetOptions; // in the order of a4Sheets()
    QCheckBox* a4PaperCheck;
    QLabel* helpHintLabel;
    QPushButton* okButton;

    void reject() override;

    // The A4 sheet chosen (index into a4Sheets()), or -1 for the letter stocks.
    int chosenA4Sheet() const;

private:
    void onOkClicked();
    // A stock chosen in one frame clears the choice in the other.
    void onStockChosen(QRadioButton* chosen);
    void showSavedChoice();

    Program& p_;
};

} // namespace tavrel
