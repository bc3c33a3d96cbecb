#include "exchange/gui/ImportDialog.h"

#include "exchange/gui/ColumnMappingDialog.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavrel {

ImportDialog::ImportDialog(Program& p, ImportOptions options, QWidget* parent)
    : QDialog(parent), p_(p), options_(std::move(options))
{
    setObjectName(QStringLiteral("ImportForm"));
    // F1 anywhere in the window opens its help topic.
    setProperty("helpContext", 120);
    setWindowTitle(tr("Import"));
    auto* v = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    fileLabel = named(new QLabel(tr("&File:"), this), "ImpLbl1");
    fileEdit = named(new QLineEdit(this), "ImpTxt1");
    fileEdit->setMinimumWidth(300);
    fileLabel->setBuddy(fileEdit);
    browseButton =
        named(new QPushButton(tr("&Browse..."), this), "ImpCmd3", tr("Choose The File To Import"));
    readButton = named(new QPushButton(tr("&Read"), this), "ImpCmd4",
                       tr("Read The File And Show What Would Be Imported"));
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(fileEdit, 1);
    fileRow->addWidget(browseButton);
    fileRow->addWidget(readButton);
    v->addLayout(fileRow);

    summaryLabel = named(new QLabel(tr("No File Read Yet."), this), "ImpLbl2");
    summaryLabel->setTextFormat(Qt::PlainText);
    summaryLabel->setWordWrap(true);
    v->addWidget(summaryLabel);

    auto* entriesLabel = new QLabel(tr("&Entries (Checked Ones Are Imported):"), this);
    v->addWidget(entriesLabel);
    entryList = named(new QTreeWidget(this), "ImpLst1");
    entryList->setRootIsDecorated(false);
    entryList->setUniformRowHeights(true);
    entryList->setAllColumnsShowFocus(true);
    entryList->setHeaderLabels({tr("Name"), tr("What Happens")});
    entryList->setMinimumSize(640, 220);
    entriesLabel->setBuddy(entryList);
    v->addWidget(entryList, 1);

    detailsEdit = named(new QPlainTextEdit(this), "ImpTxt2");
    detailsEdit->setReadOnly(true);
    detailsEdit->setAccessibleName(tr("Details Of The Selected Entry"));
    detailsEdit->setTabChangesFocus(true);
    detailsEdit->setMaximumHeight(110);
    v->addWidget(detailsEdit);

    overflowGroup = named(new QGroupBox(tr("Fields That Do Not Fit The Record"), this), "ImpFrm1");
    auto* f = new QHBoxLayout(overflowGroup);
    const char* choices[] = {QT_TR_NOOP("&Move Overflow Into Comments"), QT_TR_NOOP("C&ut And Log"),
                             QT_TR_NOOP("&Skip The Record")};
    for (int i = 0; i < 3; ++i) {
        overflowOptions[i] = new QRadioButton(tr(choices[i]), overflowGroup);
        overflowOptions[i]->setObjectName(QStringLiteral("ImpOpt1_%1").arg(i));
        f->addWidget(overflowOptions[i]);
        connect(overflowOptions[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onOverflowChoiceChanged();
        });
    }
    overflowOptions[0]->setChecked(true);
    v->addWidget(overflowGroup);

    importButton = named(new QPushButton(tr("&Import"), this), "ImpCmd1",
                         tr("Write The Checked Entries Into The N&A File"));
    cancelButton =
        named(new QPushButton(tr("Cancel"), this), "ImpCmd2", tr("Close Without Importing"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {importButton, cancelButton}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    importButton->setEnabled(false);

    connect(importButton, &QPushButton::clicked, this, &ImportDialog::onImportClicked);
    connect(cancelButton, &QPushButton::clicked, this, &ImportDialog::onCancelClicked);
    connect(browseButton, &QPushButton::clicked, this, &ImportDialog::onBrowseClicked);
    connect(readButton, &QPushButton::clicked, this, &ImportDialog::onReadClicked);
    connect(fileEdit, &QLineEdit::returnPressed, this, &ImportDialog::onReadClicked);
    connect(entryList, &QTreeWidget::currentItemChanged, this, &ImportDialog::showDetails);
    connect(entryList, &QTreeWidget::itemChanged, this, &ImportDialog::onEntryChecked);
}

static OverflowChoice currentChoice(QRadioButton* const* opts)
{
    if (opts[1]->isChecked())
        return OverflowChoice::CutAndLog;
    if (opts[2]->isChecked())
        return OverflowChoice::SkipRecord;
    return OverflowChoice::MoveToComments;
}

void ImportDialog::onBrowseClicked()
{
    const QString path =
        askForFile(p_.ui, this,
                   {FileDialogMode::Open,
                    tr("Import From"),
                    fileEdit->text(),
                    tr("vCard And CSV Files (*.vcf *.vcard *.csv *.txt);;All Files (*)"),
                    {}});
    if (path.isEmpty())
        return;
    fileEdit->setText(path);
    onReadClicked();
}

void ImportDialog::onReadClicked()
{
    QString path = fileEdit->text().trimmed();
    if (path.isEmpty()) {
        p_.ui.messageBox(tr("Please Enter The Name Of The File To Import."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        fileEdit->setFocus();
        return;
    }
    if (QFileInfo(path).isRelative())
        path = p_.files.programDirectory() + QLatin1Char('/') + path;
    ImportSource source = readImportFile(p_, path);
    if (!source.error.isEmpty()) {
        p_.ui.messageBox(source.fileName + QStringLiteral(": ") + source.error +
                             tr("\nNothing Was Imported."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    if (source.needsMapping) {
        ColumnMappingDialog map(p_, source.table, source.mapping, this);
        if (p_.ui.runModal(map) != QDialog::Accepted)
            return;
        applyMapping(source, map.mapping());
    }
    p_.ui.setWaitCursor(true);
    plan_ = planImport(p_, source, currentChoice(overflowOptions));
    p_.ui.setWaitCursor(false);
    read_ = true;
    showPlan();
    // The arrow keys and Space start at the first entry.
    if (entryList->topLevelItemCount())
        entryList->setCurrentItem(entryList->topLevelItem(0));
    entryList->setFocus();
}

void ImportDialog::showPlan()
{
    filling_ = true;
    entryList->clear();
    int flagged = 0;
    for (const PlannedRecord& r : std::as_const(plan_.records)) {
        auto* item = new QTreeWidgetItem(entryList);
        item->setText(0, trimRight(r.record.Name));
        QStringList what;
        if (!r.duplicate.isEmpty())
            what << tr("Looks like a record in the file (") + r.duplicate + ')';
        if (r.overflows)
            what << (plan_.choice == OverflowChoice::SkipRecord ? tr("Does not fit: skipped")
                                                                : tr("Does not fit: see below"));
        if (r.replaced)
            what << tr("Characters replaced");
        flagged += !what.isEmpty();
        // What the reader left out or moved on the way is told below too.
        if (what.isEmpty() && !r.changes.isEmpty())
            what << tr("Notes: see below");
        item->setText(1, what.join(QStringLiteral("; ")));
        const bool skipped = plan_.choice == OverflowChoice::SkipRecord && r.overflows;
        item->setFlags(skipped
                           ? Qt::ItemIsSelectable | Qt::ItemIsEnabled
                           : Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(0, r.include && !skipped ? Qt::Checked : Qt::Unchecked);
    }
    entryList->resizeColumnToContents(0);
    filling_ = false;
    const int toWrite = plan_.toWrite();
    QString summary = plan_.source.fileName + tr(" (") + plan_.source.kind + tr("): ") +
                      QString::number(plan_.records.size()) + tr(" Entries, ") +
                      QString::number(flagged) + tr(" Need A Look, ") + QString::number(toWrite) +
                      tr(" To Import.");
    for (const QString& problem : std::as_const(plan_.source.problems))
        summary += QLatin1Char('\n') + problem;
    summaryLabel->setText(summary);
    importButton->setEnabled(toWrite > 0);
    showDetails();
}

void ImportDialog::showDetails()
{
    const int row = entryList->indexOfTopLevelItem(entryList->currentItem());
    if (row < 0 || row >= plan_.records.size()) {
        detailsEdit->clear();
        return;
    }
    const PlannedRecord& r = plan_.records.at(row);
    QStringList lines = r.changes;
    if (!r.duplicate.isEmpty())
        lines.prepend(tr("Looks like a record in the file (") + r.duplicate +
                      tr("): check it to add it anyway."));
    if (lines.isEmpty())
        lines << tr("Imported as it is.");
    detailsEdit->setPlainText(lines.join(QLatin1Char('\n')));
}

void ImportDialog::onEntryChecked()
{
    if (filling_)
        return;
    for (int i = 0; i < entryList->topLevelItemCount() && i < plan_.records.size(); ++i)
        if (entryList->topLevelItem(i)->flags() & Qt::ItemIsUserCheckable)
            plan_.records[i].include = entryList->topLevelItem(i)->checkState(0) == Qt::Checked;
    importButton->setEnabled(plan_.toWrite() > 0);
}

void ImportDialog::onOverflowChoiceChanged()
{
    if (!read_)
        return;
    const int row = entryList->indexOfTopLevelItem(entryList->currentItem());
    replan(plan_, currentChoice(overflowOptions));
    showPlan();
    if (row >= 0)
        entryList->setCurrentItem(entryList->topLevelItem(row));
}

void ImportDialog::onImportClicked()
{
    const int n = plan_.toWrite();
    if (!read_ || n == 0)
        return;
    if (p_.ui.messageBox(tr("Import ") + QString::number(n) + tr(" Records Into The N&A File?"),
                         kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes)
        return;
    p_.ui.setWaitCursor(true);
    ImportResult result;
    try {
        result = runImport(p_, plan_, options_);
    } catch (const PlatformError& e) {
        // The records are written; only the log or a mailing list failed.
        p_.ui.setWaitCursor(false);
        p_.ui.messageBox(tr("The Records Were Imported, But The Import Log Or A "
                            "Mailing List Could Not Be Written: Error") +
                             numText(e.number()) + QLatin1Char('.'),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        unloadWindow(this);
        return;
    }
    p_.ui.setWaitCursor(false);
    // The backup copy failed and the person chose not to go on: that message
    // said nothing changed, and the window stays for another try.
    if (result.noSafetyCopy)
        return;
    QString text = result.message;
    if (!result.cancelled)
        text += tr("\n\nThe Import Log Is ") + kImportLogName + tr(" Beside The N&A File.");
    p_.ui.messageBox(text, kTitle, Ui::Buttons::Ok,
                     result.stoppedAtLimit ? Ui::Icon::Exclamation : Ui::Icon::Information);
    unloadWindow(this);
}

void ImportDialog::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void ImportDialog::onCancelClicked()
{
    unloadWindow(this);
}

} // namespace tavrel
