#include "upkeep/BackupsDialog.h"

#include "platform/gui/Windows.h"
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
    setWindowTitle(QStringLiteral("Backups"));
    io = &ownIo_;
    openFolder = [](const QString& folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    BackupLbl1 =
        new QLabel(QStringLiteral("Backup Copies Of The N&&A File And Mailing &Lists:"), this);
    BackupLbl1->setObjectName(QStringLiteral("BackupLbl1"));
    QFont bold = BackupLbl1->font();
    bold.setBold(true);
    BackupLbl1->setFont(bold);
    v->addWidget(BackupLbl1);
    BackupLbl2 = new QLabel(this);
    BackupLbl2->setObjectName(QStringLiteral("BackupLbl2"));
    BackupLbl2->setTextFormat(Qt::PlainText);
    v->addWidget(BackupLbl2);

    BackupLst1 = new QTreeWidget(this);
    BackupLst1->setObjectName(QStringLiteral("BackupLst1"));
    BackupLst1->setRootIsDecorated(false);
    BackupLst1->setAllColumnsShowFocus(true);
    BackupLst1->setUniformRowHeights(true);
    BackupLst1->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Time"),
                                 QStringLiteral("Active Records"), QStringLiteral("Taken"),
                                 QStringLiteral("Condition")});
    BackupLst1->setMinimumSize(620, 260);
    BackupLbl1->setBuddy(BackupLst1);
    v->addWidget(BackupLst1);
    BackupLbl3 = new QLabel(this);
    BackupLbl3->setObjectName(QStringLiteral("BackupLbl3"));
    BackupLbl3->setTextFormat(Qt::PlainText);
    v->addWidget(BackupLbl3);
    connect(BackupLst1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = BackupLst1->indexOfTopLevelItem(item);
        BackupLbl3->setText(row >= 0 && row < copies_.size() && copies_[row].damaged()
                                ? QStringLiteral("Damaged: ") + copies_[row].damage
                                : QString());
    });

    BackupCmd1 = button(this, QStringLiteral("&Restore"), "BackupCmd1",
                        QStringLiteral("Put The Selected Copy Back As The N&A File And Mailing "
                                       "Lists"));
    BackupCmd2 = button(this, QStringLiteral("&Open Folder"), "BackupCmd2",
                        QStringLiteral("Show The Backup Folder In The File Manager"));
    BackupCmd3 =
        button(this, QStringLiteral("&Close"), "BackupCmd3", QStringLiteral("Close This Window"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : {BackupCmd1, BackupCmd2, BackupCmd3})
        row->addWidget(b);
    row->addStretch();
    v->addSpacing(8);
    v->addLayout(row);

    connect(BackupCmd1, &QPushButton::clicked, this, &BackupsDialog::BackupCmd1_Click);
    connect(BackupCmd2, &QPushButton::clicked, this, &BackupsDialog::BackupCmd2_Click);
    connect(BackupCmd3, &QPushButton::clicked, this, &BackupsDialog::BackupCmd3_Click);
    refresh();
}

void BackupsDialog::refresh()
{
    const QString folder = backupFolder(p_);
    BackupLbl2->setText(QStringLiteral("In ") + QDir::toNativeSeparators(folder));
    copies_ = Backups(p_.files, p_.clock, *io, folder).list();
    BackupLst1->clear();
    for (const BackupCopy& c : std::as_const(copies_)) {
        auto* item = new QTreeWidgetItem(BackupLst1);
        item->setText(0, headerDate(c.when));
        item->setText(1, headerTime(c.when));
        item->setText(2, QString::number(c.active));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(3, triggerText(c.trigger));
        item->setText(4, c.damaged() ? QStringLiteral("Damaged") : QStringLiteral("Whole"));
        if (c.damaged()) {
            item->setToolTip(4, c.damage);
            // Bold in the list's own colours reads in a light and a dark palette alike.
            QFont bold = BackupLst1->font();
            bold.setBold(true);
            item->setFont(4, bold);
        }
    }
    for (int col = 0; col < BackupLst1->columnCount(); ++col)
        BackupLst1->resizeColumnToContents(col);
    BackupCmd1->setEnabled(!copies_.isEmpty());
}

void BackupsDialog::BackupCmd1_Click()
{
    const int row = BackupLst1->indexOfTopLevelItem(BackupLst1->currentItem());
    if (row < 0 || row >= copies_.size()) {
        p_.ui.messageBox(QStringLiteral("Select The Copy To Restore."), kTitle, Ui::Buttons::Ok);
        BackupLst1->setFocus();
        return;
    }
    const BackupCopy c = copies_[row];
    if (c.damaged()) {
        p_.ui.messageBox(QStringLiteral("The Copy Of ") + copyLabel(c) +
                             QStringLiteral(" Is Damaged And Cannot Be Restored:\n") + c.damage,
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    // What the copy holds, so the person knows what comes back; No is the
    // default, so Enter pressed twice from the list restores nothing.
    const int lists = int(c.files.size()) - 1;
    const QString question =
        QStringLiteral("Restore The Copy Of ") + copyLabel(c) + QStringLiteral(" (") +
        triggerText(c.trigger) + QStringLiteral(")?\n\nIt Holds ") + QString::number(c.active) +
        (c.active == 1 ? QStringLiteral(" Active Record And ")
                       : QStringLiteral(" Active Records And ")) +
        QString::number(lists) +
        (lists == 1 ? QStringLiteral(" Mailing List.") : QStringLiteral(" Mailing Lists.")) +
        QStringLiteral("\n\nIt Replaces The N&A File And All Mailing Lists.  A "
                       "Copy Of Them As They Are Now Is Taken First, So The Restore Can Be "
                       "Undone.");
    if (p_.ui.messageBox(question, kTitle, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question) !=
        Ui::Answer::Yes)
        return;
    Backups backups(p_.files, p_.clock, *io, backupFolder(p_));
    restoreIntoProgram(p_, backups, c.name);
    refresh();
}

void BackupsDialog::BackupCmd2_Click()
{
    const QString folder = backupFolder(p_);
    makePrivateFolders(folder);
    openFolder(folder);
}

void BackupsDialog::BackupCmd3_Click()
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

} // namespace tavrel
