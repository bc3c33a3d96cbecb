#pragma once

#include "exchange/Export.h"

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

class Program;

// "Export": writes the whole N&A file or one mailing list's members as vCards
// or CSV to a file the user names.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialog(Program& p, QWidget* parent = nullptr);

    QGroupBox* formatGroup = nullptr;
    QRadioButton* formatOptions[4] = {};
    QGroupBox* recordsGroup = nullptr;
    QRadioButton* recordsOptions[2] = {};
    QComboBox* mailListCombo = nullptr;
    QGroupBox* csvGroup = nullptr;
    QComboBox* encodingCombo = nullptr;
    QComboBox* separatorCombo = nullptr;
    QCheckBox* keepAsTextCheck = nullptr; // cells kept as text for spreadsheets
    QLabel* fileLabel = nullptr;
    QLineEdit* fileEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The options the window's controls stand for.
    ExportOptions options() const;

    void onExportClicked();
    void onCancelClicked();
    void onBrowseClicked();

protected:
    // Enter presses the button that has the focus, never a hidden default.
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { onCancelClicked(); }

private:
    void updateEnabled();
    Program& p_;
    QStringList listFiles_;
};

} // namespace tavrel
