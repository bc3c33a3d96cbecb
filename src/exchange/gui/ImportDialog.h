#pragma once

#include "exchange/Import.h"

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

class Program;

// "Import": reads a vCard or CSV file, shows every entry with what would be
// cut, replaced or moved and which look like records already in the file,
// and writes the chosen ones when the user confirms.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(Program& p, ImportOptions options, QWidget* parent = nullptr);

    QLabel* fileLabel = nullptr;
    QLineEdit* fileEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QPushButton* readButton = nullptr;
    QLabel* summaryLabel = nullptr;
    QTreeWidget* entryList = nullptr;      // one line per entry, checked when it is to be imported
    QPlainTextEdit* detailsEdit = nullptr; // the changes of the selected entry
    QGroupBox* overflowGroup = nullptr;
    QRadioButton* overflowOptions[3] = {}; // move into Comments, cut and log, skip the record
    QPushButton* importButton = nullptr;
    QPushButton* cancelButton = nullptr;

    const ImportPlan& plan() const { return plan_; }
    // Reads the file named in fileEdit and shows the preview.
    void onReadClicked();
    void onImportClicked();
    void onCancelClicked();
    void onBrowseClicked();

protected:
    // Enter presses the button that has the focus, never a hidden default.
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { onCancelClicked(); }

private:
    void showPlan();
    void showDetails();
    void onOverflowChoiceChanged();
    void onEntryChecked();
    Program& p_;
    ImportOptions options_;
    ImportPlan plan_;
    bool read_ = false;
    bool filling_ = false;
};

} // namespace tavrel
