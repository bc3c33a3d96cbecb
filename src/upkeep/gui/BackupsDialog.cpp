#include "upkeep/gui/BackupsDialog.h"

#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "upkeep/BackupCommands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QPushButton* button(QWidget* owner, const QString& caption, const char* name, const QString& tip)
{
    auto* b = new QPushButton(caption, owner);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(true);
    return b;
}

} // namespace

BackupsDialog::BackupsDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("BackupForm"));
    // F1 anywhere in the window opens its help topic.
    setProperty("helpContext", 130);
    setWindowTitle(tr("Backups"));
    io = &ownIo_;
    openFolder = [](const QString& folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    headingLabel = new QLabel(tr("Backup Copies Of The N&&A File And Mailing &Lists:"), this);
    headingLabel->setObjectName(QStringLiteral("BackupLbl1"));
    QFont bold = headingLabel->font();
    bold.setBold(true);
    headingLabel->setFont(bold);
    v->addWidget(headingLabel);
    folderLabel = new QLabel(this);
    folderLabel->setObjectName(QStringLiteral("BackupLbl2"));
    folderLabel->setTextFormat(Qt::PlainText);
    v->addWidget(folderLabel);

    copyList = new QTreeWidget(this);
    copyList->setObjectName(QStringLiteral("BackupLst1"));
    copyList->setRootIsDecorated(false);
    copyList->setAllColumnsShowFocus(true);
    copyList->setUniformRowHeights(true);
    copyList->setHeaderLabels(
        {tr("Date"), tr("Time"), tr("Active Records"), tr("Taken"), tr("Condition")});
    copyList->setMinimumSize(620, 260);
    headingLabel->setBuddy(copyList);
    v->addWidget(copyList);
    damageLabel = new QLabel(this);
    damageLabel->setObjectName(QStringLiteral("BackupLbl3"));
    damageLabel->setTextFormat(Qt::PlainText);
    v->addWidget(damageLabel);
    connect(copyList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = copyList->indexOfTopLevelItem(item);
        damageLabel->setText(row >= 0 && row < copies_.size() && copies_[row].damaged()
                                 ? tr("Damaged: ") + copies_[row].damage
                                 : QString());
    });

    restoreButton = button(this, tr("&Restore"), "BackupCmd1",
                           tr("Put The Selected Copy Back As The N&A File And Mailing "
                              "Lists"));
    openFolderButton = button(this, tr("&Open Folder"), "BackupCmd2",
                              tr("Show The Backup Folder In The File Manager"));
    closeButton = button(this, tr("&Close"), "BackupCmd3", tr("Close This Window"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : {restoreButton, openFolderButton, closeButton})
        row->addWidget(b);
    row->addStretch();
    v->addSpacing(8);
    v->addLayout(row);

    connect(restoreButton, &QPushButton::clicked, this, &BackupsDialog::onRestoreClicked);
    connect(openFolderButton, &QPushButton::clicked, this, &BackupsDialog::onOpenFolderClicked);
    connect(closeButton, &QPushButton::clicked, this, &BackupsDialog::onCloseClicked);
    refresh();
}

void BackupsDialog::refresh()
{
    const QString folder = backupFolder(p_);
    folderLabel->setText(tr("In ") + QDir::toNativeSeparators(folder));
    copies_ = Backups(p_.files, p_.clock, *io, folder).list();
    copyList->clear();
    for (const BackupCopy& c : std::as_const(copies_)) {
        auto* item = new QTreeWidgetItem(copyList);
        item->setText(0, shownDate(c.when));
        item->setText(1, shownTime(c.when));
        item->setText(2, QString::number(c.active));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(3, triggerText(c.trigger));
        item->setText(4, c.damaged() ? tr("Damaged") : tr("Whole"));
        if (c.damaged()) {
            item->setToolTip(4, c.damage);
            // Bold in the list's own colours reads in a light and a dark palette alike.
            QFont bold = copyList->font();
            bold.setBold(true);
            item->setFont(4, bold);
        }
    }
    for (int col = 0; col < copyList->columnCount(); ++col)
        copyList->resizeColumnToContents(col);
    restoreButton->setEnabled(!copies_.isEmpty());
}

void BackupsDialog::onRestoreClicked()
{
    const int row = copyList->indexOfTopLevelItem(copyList->currentItem());
    if (row < 0 || row >= copies_.size()) {
        p_.ui.messageBox(tr("Select The Copy To Restore."), kTitle, Ui::Buttons::Ok);
        copyList->setFocus();
        return;
    }
    const BackupCopy c = copies_[row];
    if (c.damaged()) {
        p_.ui.messageBox(tr("The Copy Of ") + copyLabel(c) +
                             tr(" Is Damaged And Cannot Be Restored:\n") + c.damage,
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    // What the copy holds, so the person knows what comes back; No is the
    // default, so Enter pressed twice from the list restores nothing.
    const int lists = int(c.files.size()) - 1;
    const QString question =
        tr("Restore The Copy Of ") + copyLabel(c) + tr(" (") + triggerText(c.trigger) +
        tr(")?\n\nIt Holds ") + QString::number(c.active) +
        (c.active == 1 ? tr(" Active Record And ") : tr(" Active Records And ")) +
        QString::number(lists) + (lists == 1 ? tr(" Mailing List.") : tr(" Mailing Lists.")) +
        tr("\n\nIt Replaces The N&A File And All Mailing Lists.  A "
           "Copy Of Them As They Are Now Is Taken First, So The Restore Can Be "
           "Undone.");
    if (p_.ui.messageBox(question, kTitle, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question) !=
        Ui::Answer::Yes)
        return;
    Backups backups(p_.files, p_.clock, *io, backupFolder(p_));
    restoreIntoProgram(p_, backups, c.name);
    refresh();
}

void BackupsDialog::onOpenFolderClicked()
{
    const QString folder = backupFolder(p_);
    makePrivateFolders(folder);
    openFolder(folder);
}

void BackupsDialog::onCloseClicked()
{
    unloadWindow(this);
}

void BackupsDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button; Esc closes, as Close does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) {
            b->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void startBackups(Program& p)
{
    auto* form = new BackupsDialog(p);
    loadWindow(form);
    form->show();
    form->copyList->setFocus();
}

} // namespace tavrel
