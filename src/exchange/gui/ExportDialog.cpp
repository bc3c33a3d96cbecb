#include "exchange/gui/ExportDialog.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

ExportDialog::ExportDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("ExportForm"));
    // F1 anywhere in the window opens its help topic.
    setProperty("helpContext", 125);
    setWindowTitle(tr("Export"));
    auto* v = new QVBoxLayout(this);

    formatGroup = named(new QGroupBox(tr("Format"), this), "ExpFrm1");
    auto* f1 = new QVBoxLayout(formatGroup);
    const char* formats[] = {QT_TR_NOOP("vCard &3.0 (Phones, Mail Programs)"),
                             QT_TR_NOOP("vCard &4.0"),
                             QT_TR_NOOP("&CSV With Every Field Of The Record"),
                             QT_TR_NOOP("CSV For &Other Address Books (Outlook Columns)")};
    for (int i = 0; i < 4; ++i) {
        formatOptions[i] = new QRadioButton(tr(formats[i]), formatGroup);
        formatOptions[i]->setObjectName(QStringLiteral("ExpOpt1_%1").arg(i));
        f1->addWidget(formatOptions[i]);
        connect(formatOptions[i], &QRadioButton::toggled, this, &ExportDialog::updateEnabled);
    }
    formatOptions[0]->setChecked(true);
    v->addWidget(formatGroup);

    recordsGroup = named(new QGroupBox(tr("Records"), this), "ExpFrm2");
    auto* f2 = new QGridLayout(recordsGroup);
    recordsOptions[0] = named(new QRadioButton(tr("&Whole N&&A File"), recordsGroup), "ExpOpt2_0");
    recordsOptions[1] = named(new QRadioButton(tr("&Mailing List:"), recordsGroup), "ExpOpt2_1");
    mailListCombo = named(new QComboBox(recordsGroup), "ExpCbo3");
    for (const QString& file : listMailListFiles(p_, kMailListPattern)) {
        listFiles_ << file;
        mailListCombo->addItem(file.mid(8) + QStringLiteral("  ") +
                               trimRight(readMailListTitle(p_, file)));
    }
    recordsOptions[0]->setChecked(true);
    recordsOptions[1]->setEnabled(!listFiles_.isEmpty());
    f2->addWidget(recordsOptions[0], 0, 0, 1, 2);
    f2->addWidget(recordsOptions[1], 1, 0);
    f2->addWidget(mailListCombo, 1, 1);
    connect(recordsOptions[1], &QRadioButton::toggled, this, &ExportDialog::updateEnabled);
    v->addWidget(recordsGroup);

    csvGroup = named(new QGroupBox(tr("CSV"), this), "ExpFrm3");
    auto* f3 = new QGridLayout(csvGroup);
    encodingCombo = named(new QComboBox(csvGroup), "ExpCbo1");
    encodingCombo->addItems(
        {tr("UTF-8 With Byte Order Mark (For Spreadsheets)"), tr("UTF-8"), tr("Windows-1252")});
    separatorCombo = named(new QComboBox(csvGroup), "ExpCbo2");
    separatorCombo->addItems({tr("Comma"), tr("Semicolon")});
    auto* l1 = new QLabel(tr("&Encoding:"), csvGroup);
    auto* l2 = new QLabel(tr("&Separator:"), csvGroup);
    l1->setBuddy(encodingCombo);
    l2->setBuddy(separatorCombo);
    f3->addWidget(l1, 0, 0);
    f3->addWidget(encodingCombo, 0, 1);
    f3->addWidget(l2, 1, 0);
    f3->addWidget(separatorCombo, 1, 1);
    keepAsTextCheck = named(new QCheckBox(tr("For Spreadsheets: Keep Numbers And Formulas As "
                                             "&Text"),
                                          csvGroup),
                            "ExpChk1",
                            tr("Cells Such As 0611 123 Or =Total Stay Text When A "
                               "Spreadsheet Opens The File"));
    f3->addWidget(keepAsTextCheck, 2, 0, 1, 2);
    v->addWidget(csvGroup);

    auto* fileRow = new QHBoxLayout;
    fileLabel = named(new QLabel(tr("&File:"), this), "ExpLbl1");
    fileEdit = named(new QLineEdit(this), "ExpTxt1");
    fileEdit->setMinimumWidth(300);
    fileLabel->setBuddy(fileEdit);
    browseButton =
        named(new QPushButton(tr("&Browse..."), this), "ExpCmd3", tr("Choose The File To Write"));
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(fileEdit, 1);
    fileRow->addWidget(browseButton);
    v->addLayout(fileRow);

    exportButton = named(new QPushButton(tr("E&xport"), this), "ExpCmd1", tr("Write The File"));
    cancelButton =
        named(new QPushButton(tr("Cancel"), this), "ExpCmd2", tr("Close Without Exporting"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {exportButton, cancelButton}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);

    connect(exportButton, &QPushButton::clicked, this, &ExportDialog::onExportClicked);
    connect(cancelButton, &QPushButton::clicked, this, &ExportDialog::onCancelClicked);
    connect(browseButton, &QPushButton::clicked, this, &ExportDialog::onBrowseClicked);
    updateEnabled();
}

void ExportDialog::updateEnabled()
{
    if (!csvGroup || !mailListCombo) // still being built
        return;
    csvGroup->setEnabled(formatOptions[2]->isChecked() || formatOptions[3]->isChecked());
    mailListCombo->setEnabled(recordsOptions[1]->isChecked());
}

ExportOptions ExportDialog::options() const
{
    ExportOptions o;
    const ExportFormat formats[] = {ExportFormat::VCard30, ExportFormat::VCard40,
                                    ExportFormat::CsvNative, ExportFormat::CsvOutlook};
    for (int i = 0; i < 4; ++i)
        if (formatOptions[i]->isChecked())
            o.format = formats[i];
    o.encoding = CsvEncoding(encodingCombo->currentIndex());
    o.delimiter = separatorCombo->currentIndex() == 1 ? QLatin1Char(';') : QLatin1Char(',');
    o.forSpreadsheet = keepAsTextCheck->isChecked();
    if (recordsOptions[1]->isChecked())
        o.mailList = listFiles_.value(mailListCombo->currentIndex());
    return o;
}

void ExportDialog::onBrowseClicked()
{
    const bool vcard = formatOptions[0]->isChecked() || formatOptions[1]->isChecked();
    FileDialogRequest request{FileDialogMode::Save, tr("Export To"), fileEdit->text(),
                              vcard ? tr("vCard Files (*.vcf)") : tr("CSV Files (*.csv)"),
                              vcard ? QStringLiteral("vcf") : QStringLiteral("csv")};
    const QString path = askForFile(p_.ui, this, request);
    if (!path.isEmpty())
        fileEdit->setText(path);
}

void ExportDialog::onExportClicked()
{
    QString path = fileEdit->text().trimmed();
    if (path.isEmpty()) {
        p_.ui.messageBox(tr("Please Enter The Name Of The File To Export To."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        fileEdit->setFocus();
        return;
    }
    // A bare name goes beside the N&A file.
    if (QFileInfo(path).isRelative())
        path = p_.files.programDirectory() + QLatin1Char('/') + path;
    if (QFileInfo::exists(path) &&
        p_.ui.messageBox(tr("The File ") + QFileInfo(path).fileName() +
                             tr(" Exists Already.\n\nDo You Want To Replace It?"),
                         kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes)
        return;
    int count = 0;
    try {
        writeExportFile(path, exportBytes(p_, options(), &count));
    } catch (const PlatformError& e) {
        p_.ui.messageBox(tr("The File Could Not Be Written: Error") + numText(e.number()) +
                             tr(".\nNothing Was Exported."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    p_.ui.messageBox(QString::number(count) + tr(" Records Exported To ") +
                         QFileInfo(path).fileName() + QLatin1Char('.'),
                     kTitle, Ui::Buttons::Ok, Ui::Icon::Information);
    unloadWindow(this);
}

void ExportDialog::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void ExportDialog::onCancelClicked()
{
    unloadWindow(this);
}

} // namespace tavrel
