#pragma once

#include "exchange/Export.h"
#include "store/Program.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrel {

// "Export": writes the whole N&A file or one mailing list's members as vCards
// or CSV to a file the user names.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialog(Program& p, QWidget* parent = nullptr);

    QGroupBox* ExpFrm1 = nullptr; // format
    QRadioButton* ExpOpt1[4] = {};
    QGroupBox* ExpFrm2 = nullptr; // which records
    QRadioButton* ExpOpt2[2] = {};
    QComboBox* ExpCbo3 = nullptr; // the mailing lists
    QGroupBox* ExpFrm3 = nullptr; // CSV options
    QComboBox* ExpCbo1 = nullptr; // encoding
    QComboBox* ExpCbo2 = nullptr; // delimiter
    QCheckBox* ExpChk1 = nullptr; // cells kept as text for spreadsheets
    QLabel* ExpLbl1 = nullptr;
    QLineEdit* ExpTxt1 = nullptr;   // the file
    QPushButton* ExpCmd3 = nullptr; // Browse
    QPushButton* ExpCmd1 = nullptr; // Export
    QPushButton* ExpCmd2 = nullptr; // Cancel

    // The options the window's controls stand for.
    ExportOptions options() const;

    void ExpCmd1_Click();
    void ExpCmd2_Click();
    void ExpCmd3_Click();

protected:
    // Enter presses the button that has the focus, never a hidden default.
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { ExpCmd2_Click(); }

private:
    void updateEnabled();
    Program& p_;
    QStringList listFiles_;
};

} // namespace tavrel
