#pragma once

#include "exchange/Import.h"
#include "store/Program.h"

#include <QDialog>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace tavrel {

// "Import": reads a vCard or CSV file, shows every entry with what would be
// cut, replaced or moved and which look like records already in the file,
// and writes the chosen ones when the user confirms.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(Program& p, ImportOptions options, QWidget* parent = nullptr);

    QLabel* ImpLbl1 = nullptr;
    QLineEdit* ImpTxt1 = nullptr;      // the file
    QPushButton* ImpCmd3 = nullptr;    // Browse
    QPushButton* ImpCmd4 = nullptr;    // Read
    QLabel* ImpLbl2 = nullptr;         // what was read
    QTreeWidget* ImpLst1 = nullptr;    // one line per entry, checked when it is to be imported
    QPlainTextEdit* ImpTxt2 = nullptr; // the changes of the selected entry
    QGroupBox* ImpFrm1 = nullptr;
    QRadioButton* ImpOpt1[3] = {};  // move into Comments, cut and log, skip the record
    QPushButton* ImpCmd1 = nullptr; // Import
    QPushButton* ImpCmd2 = nullptr; // Cancel

    const ImportPlan& plan() const { return plan_; }
    // Reads the file named in ImpTxt1 and shows the preview.
    void ImpCmd4_Click();
    void ImpCmd1_Click();
    void ImpCmd2_Click();
    void ImpCmd3_Click();

protected:
    // Enter presses the button that has the focus, never a hidden default.
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { ImpCmd2_Click(); }

private:
    void showPlan();
    void showDetails();
    void choiceChanged();
    void itemChanged();
    Program& p_;
    ImportOptions options_;
    ImportPlan plan_;
    bool read_ = false;
    bool filling_ = false;
};

} // namespace tavrel
