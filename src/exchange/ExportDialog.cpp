#include "exchange/ExportDialog.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

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
    setWindowTitle(QStringLiteral("Export"));
    auto* v = new QVBoxLayout(this);

    ExpFrm1 = named(new QGroupBox(QStringLiteral("Format"), this), "ExpFrm1");
    auto* f1 = new QVBoxLayout(ExpFrm1);
    const char* formats[] = {"vCard &3.0 (Phones, Mail Programs)", "vCard &4.0",
                             "&CSV With Every Field Of The Record",
                             "CSV For &Other Address Books (Outlook Columns)"};
    for (int i = 0; i < 4; ++i) {
        ExpOpt1[i] = new QRadioButton(QString::fromUtf8(formats[i]), ExpFrm1);
        ExpOpt1[i]->setObjectName(QStringLiteral("ExpOpt1_%1").arg(i));
        f1->addWidget(ExpOpt1[i]);
        connect(ExpOpt1[i], &QRadioButton::toggled, this, &ExportDialog::updateEnabled);
    }
    ExpOpt1[0]->setChecked(true);
    v->addWidget(ExpFrm1);

    ExpFrm2 = named(new QGroupBox(QStringLiteral("Records"), this), "ExpFrm2");
    auto* f2 = new QGridLayout(ExpFrm2);
    ExpOpt2[0] = named(new QRadioButton(QStringLiteral("&Whole N&&A File"), ExpFrm2), "ExpOpt2_0");
    ExpOpt2[1] = named(new QRadioButton(QStringLiteral("&Mailing List:"), ExpFrm2), "ExpOpt2_1");
    ExpCbo3 = named(new QComboBox(ExpFrm2), "ExpCbo3");
    for (const QString& file : listMailListFiles(p_, kMailListPattern)) {
        listFiles_ << file;
        ExpCbo3->addItem(file.mid(8) + QStringLiteral("  ") +
                         trimRight(ReadMailListTitle(p_, file)));
    }
    ExpOpt2[0]->setChecked(true);
    ExpOpt2[1]->setEnabled(!listFiles_.isEmpty());
    f2->addWidget(ExpOpt2[0], 0, 0, 1, 2);
    f2->addWidget(ExpOpt2[1], 1, 0);
    f2->addWidget(ExpCbo3, 1, 1);
    connect(ExpOpt2[1], &QRadioButton::toggled, this, &ExportDialog::updateEnabled);
    v->addWidget(ExpFrm2);

    ExpFrm3 = named(new QGroupBox(QStringLiteral("CSV"), this), "ExpFrm3");
    auto* f3 = new QGridLayout(ExpFrm3);
    ExpCbo1 = named(new QComboBox(ExpFrm3), "ExpCbo1");
    ExpCbo1->addItems({QStringLiteral("UTF-8 With Byte Order Mark (For Spreadsheets)"),
                       QStringLiteral("UTF-8"), QStringLiteral("Windows-1252")});
    ExpCbo2 = named(new QComboBox(ExpFrm3), "ExpCbo2");
    ExpCbo2->addItems({QStringLiteral("Comma"), QStringLiteral("Semicolon")});
    auto* l1 = new QLabel(QStringLiteral("&Encoding:"), ExpFrm3);
    auto* l2 = new QLabel(QStringLiteral("&Separator:"), ExpFrm3);
    l1->setBuddy(ExpCbo1);
    l2->setBuddy(ExpCbo2);
    f3->addWidget(l1, 0, 0);
    f3->addWidget(ExpCbo1, 0, 1);
    f3->addWidget(l2, 1, 0);
    f3->addWidget(ExpCbo2, 1, 1);
    ExpChk1 = named(new QCheckBox(QStringLiteral("For Spreadsheets: Keep Numbers And Formulas As "
                                                 "&Text"),
                                  ExpFrm3),
                    "ExpChk1",
                    QStringLiteral("Cells Such As 0611 123 Or =Total Stay Text When A "
                                   "Spreadsheet Opens The File"));
    f3->addWidget(ExpChk1, 2, 0, 1, 2);
    v->addWidget(ExpFrm3);

    auto* fileRow = new QHBoxLayout;
    ExpLbl1 = named(new QLabel(QStringLiteral("&File:"), this), "ExpLbl1");
    ExpTxt1 = named(new QLineEdit(this), "ExpTxt1");
    ExpTxt1->setMinimumWidth(300);
    ExpLbl1->setBuddy(ExpTxt1);
    ExpCmd3 = named(new QPushButton(QStringLiteral("&Browse..."), this), "ExpCmd3",
                    QStringLiteral("Choose The File To Write"));
    fileRow->addWidget(ExpLbl1);
    fileRow->addWidget(ExpTxt1, 1);
    fileRow->addWidget(ExpCmd3);
    v->addLayout(fileRow);

    ExpCmd1 = named(new QPushButton(QStringLiteral("E&xport"), this), "ExpCmd1",
                    QStringLiteral("Write The File"));
    ExpCmd2 = named(new QPushButton(QStringLiteral("Cancel"), this), "ExpCmd2",
                    QStringLiteral("Close Without Exporting"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ExpCmd1, ExpCmd2}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);

    connect(ExpCmd1, &QPushButton::clicked, this, &ExportDialog::ExpCmd1_Click);
    connect(ExpCmd2, &QPushButton::clicked, this, &ExportDialog::ExpCmd2_Click);
    connect(ExpCmd3, &QPushButton::clicked, this, &ExportDialog::ExpCmd3_Click);
    updateEnabled();
}

void ExportDialog::updateEnabled()
{
    if (!ExpFrm3 || !ExpCbo3) // still being built
        return;
    ExpFrm3->setEnabled(ExpOpt1[2]->isChecked() || ExpOpt1[3]->isChecked());
    ExpCbo3->setEnabled(ExpOpt2[1]->isChecked());
}

ExportOptions ExportDialog::options() const
{
    ExportOptions o;
    const ExportFormat formats[] = {ExportFormat::VCard30, ExportFormat::VCard40,
                                    ExportFormat::CsvNative, ExportFormat::CsvOutlook};
    for (int i = 0; i < 4; ++i)
        if (ExpOpt1[i]->isChecked())
            o.format = formats[i];
    o.encoding = CsvEncoding(ExpCbo1->currentIndex());
    o.delimiter = ExpCbo2->currentIndex() == 1 ? QLatin1Char(';') : QLatin1Char(',');
    o.forSpreadsheet = ExpChk1->isChecked();
    if (ExpOpt2[1]->isChecked())
        o.mailList = listFiles_.value(ExpCbo3->currentIndex());
    return o;
}

void ExportDialog::ExpCmd3_Click()
{
    const bool vcard = ExpOpt1[0]->isChecked() || ExpOpt1[1]->isChecked();
    FileDialogRequest request{FileDialogMode::Save, QStringLiteral("Export To"), ExpTxt1->text(),
                              vcard ? QStringLiteral("vCard Files (*.vcf)")
                                    : QStringLiteral("CSV Files (*.csv)"),
                              vcard ? QStringLiteral("vcf") : QStringLiteral("csv")};
    const QString path = askForFile(p_.ui, this, request);
    if (!path.isEmpty())
        ExpTxt1->setText(path);
}

void ExportDialog::ExpCmd1_Click()
{
    QString path = ExpTxt1->text().trimmed();
    if (path.isEmpty()) {
        p_.ui.messageBox(QStringLiteral("Please Enter The Name Of The File To Export To."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        ExpTxt1->setFocus();
        return;
    }
    // A bare name goes beside the N&A file.
    if (QFileInfo(path).isRelative())
        path = p_.files.programDirectory() + QLatin1Char('/') + path;
    if (QFileInfo::exists(path) &&
        p_.ui.messageBox(QStringLiteral("The File ") + QFileInfo(path).fileName() +
                             QStringLiteral(" Exists Already.\n\nDo You Want To Replace It?"),
                         kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes)
        return;
    int count = 0;
    try {
        writeExportFile(path, exportBytes(p_, options(), &count));
    } catch (const PlatformError& e) {
        p_.ui.messageBox(QStringLiteral("The File Could Not Be Written: Error") +
                             numText(e.number()) + QStringLiteral(".\nNothing Was Exported."),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    p_.ui.messageBox(QString::number(count) + QStringLiteral(" Records Exported To ") +
                         QFileInfo(path).fileName() + QLatin1Char('.'),
                     kTitle, Ui::Buttons::Ok, Ui::Icon::Information);
    unloadWindow(this);
}

void ExportDialog::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void ExportDialog::ExpCmd2_Click()
{
    unloadWindow(this);
}

} // namespace tavrel
