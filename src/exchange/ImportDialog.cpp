#include "exchange/ImportDialog.h"

#include "exchange/ColumnMappingDialog.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

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
    setWindowTitle(QStringLiteral("Import"));
    auto* v = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    ImpLbl1 = named(new QLabel(QStringLiteral("&File:"), this), "ImpLbl1");
    ImpTxt1 = named(new QLineEdit(this), "ImpTxt1");
    ImpTxt1->setMinimumWidth(300);
    ImpLbl1->setBuddy(ImpTxt1);
    ImpCmd3 = named(new QPushButton(QStringLiteral("&Browse..."), this), "ImpCmd3",
                    QStringLiteral("Choose The File To Import"));
    ImpCmd4 = named(new QPushButton(QStringLiteral("&Read"), this), "ImpCmd4",
                    QStringLiteral("Read The File And Show What Would Be Imported"));
    fileRow->addWidget(ImpLbl1);
    fileRow->addWidget(ImpTxt1, 1);
    fileRow->addWidget(ImpCmd3);
    fileRow->addWidget(ImpCmd4);
    v->addLayout(fileRow);

    ImpLbl2 = named(new QLabel(QStringLiteral("No File Read Yet."), this), "ImpLbl2");
    ImpLbl2->setTextFormat(Qt::PlainText);
    ImpLbl2->setWordWrap(true);
    v->addWidget(ImpLbl2);

    auto* entriesLabel = new QLabel(QStringLiteral("&Entries (Checked Ones Are Imported):"), this);
    v->addWidget(entriesLabel);
    ImpLst1 = named(new QTreeWidget(this), "ImpLst1");
    ImpLst1->setRootIsDecorated(false);
    ImpLst1->setUniformRowHeights(true);
    ImpLst1->setAllColumnsShowFocus(true);
    ImpLst1->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("What Happens")});
    ImpLst1->setMinimumSize(640, 220);
    entriesLabel->setBuddy(ImpLst1);
    v->addWidget(ImpLst1, 1);

    ImpTxt2 = named(new QPlainTextEdit(this), "ImpTxt2");
    ImpTxt2->setReadOnly(true);
    ImpTxt2->setAccessibleName(tr("Details Of The Selected Entry"));
    ImpTxt2->setTabChangesFocus(true);
    ImpTxt2->setMaximumHeight(110);
    v->addWidget(ImpTxt2);

    ImpFrm1 =
        named(new QGroupBox(QStringLiteral("Fields That Do Not Fit The Record"), this), "ImpFrm1");
    auto* f = new QHBoxLayout(ImpFrm1);
    const char* choices[] = {"&Move Overflow Into Comments", "C&ut And Log", "&Skip The Record"};
    for (int i = 0; i < 3; ++i) {
        ImpOpt1[i] = new QRadioButton(QString::fromUtf8(choices[i]), ImpFrm1);
        ImpOpt1[i]->setObjectName(QStringLiteral("ImpOpt1_%1").arg(i));
        f->addWidget(ImpOpt1[i]);
        connect(ImpOpt1[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                choiceChanged();
        });
    }
    ImpOpt1[0]->setChecked(true);
    v->addWidget(ImpFrm1);

    ImpCmd1 = named(new QPushButton(QStringLiteral("&Import"), this), "ImpCmd1",
                    QStringLiteral("Write The Checked Entries Into The N&A File"));
    ImpCmd2 = named(new QPushButton(QStringLiteral("Cancel"), this), "ImpCmd2",
                    QStringLiteral("Close Without Importing"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ImpCmd1, ImpCmd2}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    ImpCmd1->setEnabled(false);

    connect(ImpCmd1, &QPushButton::clicked, this, &ImportDialog::ImpCmd1_Click);
    connect(ImpCmd2, &QPushButton::clicked, this, &ImportDialog::ImpCmd2_Click);
    connect(ImpCmd3, &QPushButton::clicked, this, &ImportDialog::ImpCmd3_Click);
    connect(ImpCmd4, &QPushButton::clicked, this, &ImportDialog::ImpCmd4_Click);
    connect(ImpTxt1, &QLineEdit::returnPressed, this, &ImportDialog::ImpCmd4_Click);
    connect(ImpLst1, &QTreeWidget::currentItemChanged, this, &ImportDialog::showDetails);
    connect(ImpLst1, &QTreeWidget::itemChanged, this, &ImportDialog::itemChanged);
}

static OverflowChoice currentChoice(QRadioButton* const* opts)
{
    if (opts[1]->isChecked())
        return OverflowChoice::CutAndLog;
    if (opts[2]->isChecked())
        return OverflowChoice::SkipRecord;
    return OverflowChoice::MoveToComments;
}

void ImportDialog::ImpCmd3_Click()
{
    const QString path = askForFile(
        p_.ui, this,
        {FileDialogMode::Open,
         QStringLiteral("Import From"),
         ImpTxt1->text(),
         QStringLiteral("vCard And CSV Files (*.vcf *.vcard *.csv *.txt);;All Files (*)"),
         {}});
    if (path.isEmpty())
        return;
    ImpTxt1->setText(path);
    ImpCmd4_Click();
}

void ImportDialog::ImpCmd4_Click()
{
    QString path = ImpTxt1->text().trimmed();
    if (path.isEmpty()) {
        p_.ui.messageBox(QStringLiteral("Please Enter The Name Of The File To Import."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        ImpTxt1->setFocus();
        return;
    }
    if (QFileInfo(path).isRelative())
        path = p_.files.programDirectory() + QLatin1Char('/') + path;
    ImportSource source = readImportFile(p_, path);
    if (!source.error.isEmpty()) {
        p_.ui.messageBox(source.fileName + QStringLiteral(": ") + source.error +
                             QStringLiteral("\nNothing Was Imported."),
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
    plan_ = planImport(p_, source, currentChoice(ImpOpt1));
    p_.ui.setWaitCursor(false);
    read_ = true;
    showPlan();
    // The arrow keys and Space start at the first entry.
    if (ImpLst1->topLevelItemCount())
        ImpLst1->setCurrentItem(ImpLst1->topLevelItem(0));
    ImpLst1->setFocus();
}

void ImportDialog::showPlan()
{
    filling_ = true;
    ImpLst1->clear();
    int flagged = 0;
    for (const PlannedRecord& r : std::as_const(plan_.records)) {
        auto* item = new QTreeWidgetItem(ImpLst1);
        item->setText(0, trimRight(r.record.Name));
        QStringList what;
        if (!r.duplicate.isEmpty())
            what << QStringLiteral("Looks like a record in the file (") + r.duplicate + ')';
        if (r.overflows)
            what << (plan_.choice == OverflowChoice::SkipRecord
                         ? QStringLiteral("Does not fit: skipped")
                         : QStringLiteral("Does not fit: see below"));
        if (r.replaced)
            what << QStringLiteral("Characters replaced");
        flagged += !what.isEmpty();
        // What the reader left out or moved on the way is told below too.
        if (what.isEmpty() && !r.changes.isEmpty())
            what << QStringLiteral("Notes: see below");
        item->setText(1, what.join(QStringLiteral("; ")));
        const bool skipped = plan_.choice == OverflowChoice::SkipRecord && r.overflows;
        item->setFlags(skipped
                           ? Qt::ItemIsSelectable | Qt::ItemIsEnabled
                           : Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(0, r.include && !skipped ? Qt::Checked : Qt::Unchecked);
    }
    ImpLst1->resizeColumnToContents(0);
    filling_ = false;
    const int toWrite = plan_.toWrite();
    QString summary = plan_.source.fileName + QStringLiteral(" (") + plan_.source.kind +
                      QStringLiteral("): ") + QString::number(plan_.records.size()) +
                      QStringLiteral(" Entries, ") + QString::number(flagged) +
                      QStringLiteral(" Need A Look, ") + QString::number(toWrite) +
                      QStringLiteral(" To Import.");
    for (const QString& problem : std::as_const(plan_.source.problems))
        summary += QLatin1Char('\n') + problem;
    ImpLbl2->setText(summary);
    ImpCmd1->setEnabled(toWrite > 0);
    showDetails();
}

void ImportDialog::showDetails()
{
    const int row = ImpLst1->indexOfTopLevelItem(ImpLst1->currentItem());
    if (row < 0 || row >= plan_.records.size()) {
        ImpTxt2->clear();
        return;
    }
    const PlannedRecord& r = plan_.records.at(row);
    QStringList lines = r.changes;
    if (!r.duplicate.isEmpty())
        lines.prepend(QStringLiteral("Looks like a record in the file (") + r.duplicate +
                      QStringLiteral("): check it to add it anyway."));
    if (lines.isEmpty())
        lines << QStringLiteral("Imported as it is.");
    ImpTxt2->setPlainText(lines.join(QLatin1Char('\n')));
}

void ImportDialog::itemChanged()
{
    if (filling_)
        return;
    for (int i = 0; i < ImpLst1->topLevelItemCount() && i < plan_.records.size(); ++i)
        if (ImpLst1->topLevelItem(i)->flags() & Qt::ItemIsUserCheckable)
            plan_.records[i].include = ImpLst1->topLevelItem(i)->checkState(0) == Qt::Checked;
    ImpCmd1->setEnabled(plan_.toWrite() > 0);
}

void ImportDialog::choiceChanged()
{
    if (!read_)
        return;
    const int row = ImpLst1->indexOfTopLevelItem(ImpLst1->currentItem());
    replan(plan_, currentChoice(ImpOpt1));
    showPlan();
    if (row >= 0)
        ImpLst1->setCurrentItem(ImpLst1->topLevelItem(row));
}

void ImportDialog::ImpCmd1_Click()
{
    const int n = plan_.toWrite();
    if (!read_ || n == 0)
        return;
    if (p_.ui.messageBox(QStringLiteral("Import ") + QString::number(n) +
                             QStringLiteral(" Records Into The N&A File?"),
                         kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes)
        return;
    p_.ui.setWaitCursor(true);
    ImportResult result;
    try {
        result = runImport(p_, plan_, options_);
    } catch (const PlatformError& e) {
        // The records are written; only the log or a mailing list failed.
        p_.ui.setWaitCursor(false);
        p_.ui.messageBox(QStringLiteral("The Records Were Imported, But The Import Log Or A "
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
        text += QStringLiteral("\n\nThe Import Log Is ") + kImportLogName +
                QStringLiteral(" Beside The N&A File.");
    p_.ui.messageBox(text, kTitle, Ui::Buttons::Ok,
                     result.stoppedAtLimit ? Ui::Icon::Exclamation : Ui::Icon::Information);
    unloadWindow(this);
}

void ImportDialog::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void ImportDialog::ImpCmd2_Click()
{
    unloadWindow(this);
}

} // namespace tavrel
