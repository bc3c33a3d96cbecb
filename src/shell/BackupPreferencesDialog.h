#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrel {

struct Services;

// "Backup Preferences": where backup copies go and whether the program takes
// them by itself. Kept in the settings file, not in the N&A file.
class BackupPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit BackupPreferencesDialog(Services& services, QWidget* parent = nullptr);

    QLineEdit* folderEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QCheckBox* automaticCheck = nullptr;

    // Asks for a folder, starting at the one given; empty when cancelled.
    // Tests put their own here.
    std::function<QString(const QString& start)> chooseFolder;

    void onBrowseClicked();
    void onOkClicked();
    void onCancelClicked();

private:
    Services& services_;
};

} // namespace tavrel
