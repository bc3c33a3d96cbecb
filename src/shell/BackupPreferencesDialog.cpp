#include "shell/BackupPreferencesDialog.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "shell/PreferenceWidgets.h"
#include "store/Services.h"
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

BackupPreferencesDialog::BackupPreferencesDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("BackupPref"));
    setWindowTitle(tr("Backup Preferences"));
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, tr("Backup Folder"), start);
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    auto* label1 = headingLabel(this, tr("Keep Backup Copies In This &Folder:"));
    v->addWidget(label1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(16, 0, 0, 0);
    folderEdit = new QLineEdit(this);
    folderEdit->setObjectName(QStringLiteral("BackupPrefTxt1"));
    folderEdit->setMinimumWidth(340);
    label1->setBuddy(folderEdit);
    browseButton = makeButton(this, QStringLiteral("BackupPrefCmd1"), tr("&Browse..."),
                              tr("Choose The Backup Folder"));
    row->addWidget(folderEdit);
    row->addWidget(browseButton);
    v->addLayout(row);
    auto* label2 = new QLabel(
        tr("A Folder On Another Disk Keeps The Copies Safe When This Disk Fails."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setContentsMargins(16, 0, 0, 0);
    v->addWidget(label2);

    v->addSpacing(8);
    automaticCheck = new QCheckBox(tr("Take &Automatic Copies"), this);
    automaticCheck->setObjectName(QStringLiteral("Check1"));
    v->addWidget(automaticCheck);
    const char* notes[][2] = {{"Label3", QT_TR_NOOP("- At The First Start Of Each Day")},
                              {"Label4", QT_TR_NOOP("- Before A Compaction")},
                              {"Label5", QT_TR_NOOP("- Before A Duplicate Search Deletes Records")},
                              {"Label6", QT_TR_NOOP("- Before An Import Adds Records")}};
    for (const auto& n : notes) {
        auto* l = new QLabel(tr(n[1]), this);
        l->setObjectName(QLatin1String(n[0]));
        l->setContentsMargins(32, 0, 0, 0);
        v->addWidget(l);
    }

    auto* ok = makeButton(this, QStringLiteral("OKButton"), tr("&OK"),
                          tr("Keep The Backup Preferences Shown On This Screen"));
    auto* cancel = makeButton(this, QStringLiteral("CancelButton"), tr("Cance&l"),
                              tr("Don't Change The Backup Preferences"));
    ok->setDefault(true);
    connect(browseButton, &QPushButton::clicked, this, &BackupPreferencesDialog::onBrowseClicked);
    connect(ok, &QPushButton::clicked, this, &BackupPreferencesDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &BackupPreferencesDialog::onCancelClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    v->addSpacing(8);
    v->addLayout(buttons);

    const BackupSettings s = loadBackupSettings(services_.files);
    folderEdit->setText(QDir::toNativeSeparators(backupFolderOf(services_.files, s)));
    automaticCheck->setChecked(s.automatic);
}

void BackupPreferencesDialog::onBrowseClicked()
{
    const QString chosen = chooseFolder(folderEdit->text().trimmed());
    if (!chosen.isEmpty())
        folderEdit->setText(QDir::toNativeSeparators(chosen));
}

void BackupPreferencesDialog::onOkClicked()
{
    BackupSettings s;
    s.automatic = automaticCheck->isChecked();
    const QString typed = QDir::fromNativeSeparators(folderEdit->text().trimmed());
    s.folder = typed;
    const QString folder = backupFolderOf(services_.files, s);
    // The usual place is stored as no choice, so it moves with the program directory.
    if (typed.isEmpty() || folder == backupFolderOf(services_.files, BackupSettings{}))
        s.folder.clear();
    else
        s.folder = folder;
    if (!makePrivateFolders(folder) || !QFileInfo(folder).isWritable()) {
        services_.ui.beep();
        services_.ui.messageBox(tr("The Folder ") + QDir::toNativeSeparators(folder) +
                                    tr(" Cannot Be Made Or Written To.  Choose Another "
                                       "Folder For The Backup Copies."),
                                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        folderEdit->setFocus();
        return;
    }
    try {
        saveBackupSettings(services_.files, s);
    } catch (const PlatformError& e) {
        services_.ui.messageBox(tr("The Backup Preferences Could Not Be Saved: Error") +
                                    numText(e.number()) + QStringLiteral("."),
                                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    accept();
}

void BackupPreferencesDialog::onCancelClicked()
{
    reject();
}

} // namespace tavrel
