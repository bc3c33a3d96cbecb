#include "shell/BackupPreferencesDialog.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "shell/PreferenceWidgets.h"
#include "store/Program.h"
#include "upkeep/Backups.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

BackupPreferencesDialog::BackupPreferencesDialog(Program& p, QWidget* parent)
    : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("BackupPref"));
    setWindowTitle(QStringLiteral("Backup Preferences"));
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Backup Folder"), start);
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = headingLabel(this, QStringLiteral("Keep Backup Copies In This &Folder:"));
    v->addWidget(label1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(16, 0, 0, 0);
    BackupPrefTxt1 = new QLineEdit(this);
    BackupPrefTxt1->setObjectName(QStringLiteral("BackupPrefTxt1"));
    BackupPrefTxt1->setMinimumWidth(340);
    label1->setBuddy(BackupPrefTxt1);
    BackupPrefCmd1 =
        makeButton(this, QStringLiteral("BackupPrefCmd1"), QStringLiteral("&Browse..."),
                   QStringLiteral("Choose The Backup Folder"));
    row->addWidget(BackupPrefTxt1);
    row->addWidget(BackupPrefCmd1);
    v->addLayout(row);
    auto* label2 = new QLabel(
        QStringLiteral("A Folder On Another Disk Keeps The Copies Safe When This Disk Fails."),
        this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setContentsMargins(16, 0, 0, 0);
    v->addWidget(label2);

    v->addSpacing(8);
    Check1 = new QCheckBox(QStringLiteral("Take &Automatic Copies"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    v->addWidget(Check1);
    const char* notes[][2] = {{"Label3", "- At The First Start Of Each Day"},
                              {"Label4", "- Before A Compaction"},
                              {"Label5", "- Before A Duplicate Search Deletes Records"},
                              {"Label6", "- Before An Import Adds Records"}};
    for (const auto& n : notes) {
        auto* l = new QLabel(QLatin1String(n[1]), this);
        l->setObjectName(QLatin1String(n[0]));
        l->setContentsMargins(32, 0, 0, 0);
        v->addWidget(l);
    }

    auto* ok = makeButton(this, QStringLiteral("OKButton"), QStringLiteral("&OK"),
                          QStringLiteral("Keep The Backup Preferences Shown On This Screen"));
    auto* cancel = makeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cance&l"),
                              QStringLiteral("Don't Change The Backup Preferences"));
    ok->setDefault(true);
    connect(BackupPrefCmd1, &QPushButton::clicked, this,
            &BackupPreferencesDialog::BackupPrefCmd1_Click);
    connect(ok, &QPushButton::clicked, this, &BackupPreferencesDialog::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &BackupPreferencesDialog::CancelButton_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(8);
    v->addLayout(buttons);

    const BackupSettings s = loadBackupSettings(p_.files);
    BackupPrefTxt1->setText(QDir::toNativeSeparators(backupFolderOf(p_.files, s)));
    Check1->setChecked(s.automatic);
}

void BackupPreferencesDialog::BackupPrefCmd1_Click()
{
    const QString chosen = chooseFolder(BackupPrefTxt1->text().trimmed());
    if (!chosen.isEmpty())
        BackupPrefTxt1->setText(QDir::toNativeSeparators(chosen));
}

void BackupPreferencesDialog::OKButton_Click()
{
    BackupSettings s;
    s.automatic = Check1->isChecked();
    const QString typed = QDir::fromNativeSeparators(BackupPrefTxt1->text().trimmed());
    s.folder = typed;
    const QString folder = backupFolderOf(p_.files, s);
    // The usual place is stored as no choice, so it moves with the program directory.
    if (typed.isEmpty() || folder == backupFolderOf(p_.files, BackupSettings{}))
        s.folder.clear();
    else
        s.folder = folder;
    if (!makePrivateFolders(folder) || !QFileInfo(folder).isWritable()) {
        p_.ui.beep();
        p_.ui.messageBox(QStringLiteral("The Folder ") + QDir::toNativeSeparators(folder) +
                             QStringLiteral(" Cannot Be Made Or Written To.  Choose Another "
                                            "Folder For The Backup Copies."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        BackupPrefTxt1->setFocus();
        return;
    }
    try {
        saveBackupSettings(p_.files, s);
    } catch (const PlatformError& e) {
        p_.ui.messageBox(QStringLiteral("The Backup Preferences Could Not Be Saved: Error") +
                             numText(e.number()) + QStringLiteral("."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    accept();
}

void BackupPreferencesDialog::CancelButton_Click()
{
    reject();
}

} // namespace tavrel
