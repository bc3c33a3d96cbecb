#pragma once

#include "reports/ReportRun.h"
#include "store/Program.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavrel {

// "Print": the report dialog. The person picks a report kind, the source
// (the whole N&A file or one mailing list), the order, a title, label or card
// stock, a quantity, large print, duplex and a reprint range; "&Print" starts
// the print run and the dialog closes when the run ends.
//
// The buttons at the bottom are in one of three states: normal (Print and
// Cancel), mailing-list selection (the list picker with its OK and Cancel) or
// reprint-range entry (the range boxes with their OK and Cancel).
class PrtForm : public QWidget {
public:
    explicit PrtForm(Program& p);

    QGroupBox* Frame1;
    std::array<QRadioButton*, 7> PrtOpt3{};
    QCheckBox* PrtChk1;

    QGroupBox* Frame3;
    std::array<QRadioButton*, 2> PrtOpt1{};
    QLabel* PrtLbl3;
    QLabel* PrtLbl11;
    QListWidget* PrtFil1;
    QLabel* PrtLbl10;
    QLineEdit* PrtTxt4;
    QPushButton* PrtCmd3;
    QPushButton* PrtCmd4;

    QGroupBox* PrtFrm2;
    std::array<QRadioButton*, 5> PrtOpt2{};

    QGroupBox* PrtFrm4;
    QLineEdit* PrtTxt3;

    QGroupBox* PrtFrm6;
    std::array<QRadioButton*, 3> PrtOpt4{};
    QGroupBox* PrtFrm7;
    std::array<QRadioButton*, 2> PrtOpt7{};
    QGroupBox* PrtFrm12;
    QLineEdit* PrtTxt12;
    QLabel* PrtLbl12;

    QCheckBox* PrtChk3;
    QCheckBox* PrtChk2;
    QLabel* PrtLbl1;
    QLineEdit* PrtTxt1;
    QLabel* PrtLbl2;
    QLineEdit* PrtTxt2;
    QPushButton* PrtCmd5;
    QPushButton* PrtCmd6;

    QPushButton* PrtCmd1;
    QPushButton* PrtCmd2;

    // The choices as the print run takes them.
    ReportOptions options() const;

protected:
    // The dialog stays while its print run lets events through.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();

    void PrtOpt3_Click(int index);
    void PrtOpt1_Click(int index);
    void PrtFil1_Click(bool byMouse);
    void PrtCmd3_Click();
    void PrtCmd4_Click();
    void PrtChk2_Click();
    void PrtCmd5_Click();
    void PrtCmd6_Click();
    void PrtCmd1_Click();
    void PrtCmd2_Click();

    // Gives the focus to whichever of Print, the list OK and the range OK shows.
    void focusCommand();
    bool pickerShowing() const;
    bool rangeShowing() const;
    // The title, stock and quantity controls as the report kind wants them,
    // the picker gone, and Print/Cancel back unless the range boxes show.
    void showNormalSource();
    void showStockFor(int kind);
    void setQuantityEnabled(bool on);
    void setQuantityVisible(bool on);
    void setPickerVisible(bool on);
    void setRangeVisible(bool on);
    void setPrintButtonsVisible(bool on);
    // False, after telling the person, when the quantity is not a whole number of at least 1.
    bool quantityAccepted();
    // The mailing list file selected in PrtFil1, or empty.
    QString selectedList() const;

    Program& p_;
    int kind_ = 0; // the report kind selected last (never the envelope hand-over)
    int reprintFrom_ = 1;
    int reprintThrough_ = 32000;
    bool running_ = false;
};

} // namespace tavrel
