#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrel {

class Program;

// "Backup Preferences": where backup copies go and whether the program takes
// them by itself. Kept in the settings file, not in the N&A file.
class BackupPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit BackupPreferencesDialog(Program& p, QWidget* parent = nullptr);

    QLineEdit* BackupPrefTxt1 = nullptr;
    QPushButton* BackupPrefCmd1 = nullptr; // Browse
    QCheckBox* Check1 = nullptr;

    // Asks for a folder, starting at the one given; empty when cancelled.
    // Tests put their own here.
    std::function<QString(const QString& start)> chooseFolder;

    void BackupPrefCmd1_Click();
    void OKButton_Click();
    void CancelButton_Click();

private:
    Program& p_;
};

} // namespace tavrel
