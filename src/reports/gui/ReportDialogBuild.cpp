// The report dialog's controls, their places and their Tab order.
#include "reports/gui/ReportDialog.h"

#include "platform/gui/Named.h"
#include "platform/gui/PrinterBox.h"
#include "reports/gui/ReportDialogParts.h"
#include "store/Program.h"
#include "store/gui/LineList.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace tavrel {

using namespace report_dialog;

namespace {

const char* const kKindCaptions[7] = {
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Name And Address &Book"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "&Telephone List"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "&Abbreviated Telephone List"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "N&&A &Database Listing"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "&Mailing Labels"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Rotary Fil&e Cards"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "En&velopes"),
};
// The settings name of each report kind's printer choice.
const char* const kSequenceCaptions[5] = {
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Sort On Key &1"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Sort On Key &2"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Sort On &Key 1 (Major) + Key 2 (Minor)"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Sort On Ke&y 2 (Major) + Key 1 (Minor)"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Do Not &Sort Records"),
};
const char* const kLabelStockCaptions[3] = {
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "1-Across Labels (1\" &x 3 1/2\")"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "2-Ac&ross Labels (1\" x 4\")"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "&3-Across Labels (1\" x 2 5/8\")"),
};
const char* const kCardStockCaptions[2] = {
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "1-A&cross Card Stock"),
    QT_TRANSLATE_NOOP("tavrel::ReportDialog", "2-Ac&ross Card Stock")};

template <std::size_t N>
void makeOptions(std::array<QRadioButton*, N>& options, const char* name,
                 const char* const (&captions)[N], QWidget* parent, QBoxLayout* layout)
{
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(ReportDialog::tr(captions[i]), parent);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        layout->addWidget(options[i]);
    }
}

} // namespace

void ReportDialog::buildLayout()
{
    reportKindGroup = named(new QGroupBox(tr("Report Type"), this), "Frame1");
    auto* kinds = new QVBoxLayout(reportKindGroup);
    makeOptions(reportKindOptions, "PrtOpt3", kKindCaptions, reportKindGroup, kinds);
    reportKindOptions[kEnvelopes]->setToolTip(tr("Print Envelope(s)"));
    largePrintCheck = named(new QCheckBox(tr("Lar&ge Print"), reportKindGroup), "PrtChk1",
                            tr("Produce N&A Book With Large Type"));
    kinds->insertWidget(1, largePrintCheck);
    largePrintCheck->setContentsMargins(22, 0, 0, 0);

    reportSourceGroup = named(new QGroupBox(tr("Report Source"), this), "Frame3");
    auto* sources = new QVBoxLayout(reportSourceGroup);
    const char* const sourceCaptions[2] = {
        QT_TRANSLATE_NOOP("tavrel::ReportDialog", "&N&&A File"),
        QT_TRANSLATE_NOOP("tavrel::ReportDialog", "Mailing List  &File")};
    makeOptions(sourceOptions, "PrtOpt1", sourceCaptions, reportSourceGroup, sources);
    chosenListLabel = named(new QLabel(reportSourceGroup), "PrtLbl3");
    sources->addWidget(chosenListLabel);
    sources->addStretch(1);

    sortOrderGroup = named(new QGroupBox(tr("Report Sequence"), this), "PrtFrm2");
    auto* sequence = new QVBoxLayout(sortOrderGroup);
    makeOptions(sortOrderOptions, "PrtOpt2", kSequenceCaptions, sortOrderGroup, sequence);
    sequence->addStretch(1);

    titleGroup = named(new QGroupBox(tr("&Report Title (Optional)"), this), "PrtFrm4");
    titleEdit = named(new QLineEdit(titleGroup), "PrtTxt3",
                      tr("Title To Print Above Report Name - Up To 60 Characters"));
    titleEdit->setMaxLength(60);
    titleEdit->setMinimumWidth(titleEdit->fontMetrics().averageCharWidth() * 62);
    (new QVBoxLayout(titleGroup))->addWidget(titleEdit);

    labelStockGroup = named(new QGroupBox(tr("Label Stock"), this), "PrtFrm6");
    auto* labelStock = new QVBoxLayout(labelStockGroup);
    makeOptions(labelStockOptions, "PrtOpt4", kLabelStockCaptions, labelStockGroup, labelStock);
    cardStockGroup = named(new QGroupBox(tr("Rotary File Card Stock"), this), "PrtFrm7");
    auto* cardStock = new QVBoxLayout(cardStockGroup);
    makeOptions(cardStockOptions, "PrtOpt7", kCardStockCaptions, cardStockGroup, cardStock);
    cardStock->addStretch(1);

    quantityGroup = named(new QGroupBox(tr("Label &Quantity"), this), "PrtFrm12");
    quantityEdit = named(new QLineEdit(quantityGroup), "PrtTxt12");
    quantityEdit->setMaxLength(4);
    quantityEdit->setFixedWidth(
        quantityEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5 + 14);
    quantityLabel =
        named(new QLabel(tr("Number Of Labels Per Address"), quantityGroup), "PrtLbl12");
    quantityLabel->setBuddy(quantityEdit);
    auto* quantity = new QVBoxLayout(quantityGroup);
    quantity->addWidget(quantityEdit);
    quantity->addWidget(quantityLabel);
    quantity->addStretch(1);

    // The mailing list picker takes the place of the title, stock and quantity.
    listPickerLabel = named(new QLabel(tr("S&elect Mailing List:"), this), "PrtLbl11");
    listPicker = newLineList(this, "PrtFil1");
    listPicker->setMaximumHeight(96);
    listPickerLabel->setBuddy(listPicker);
    listTitleLabel = named(new QLabel(tr("Mailing List Title:"), this), "PrtLbl10");
    listTitleEdit = named(new QLineEdit(this), "PrtTxt4");
    listTitleEdit->setReadOnly(true);
    listTitleEdit->setFocusPolicy(Qt::NoFocus);
    listTitleEdit->setMinimumWidth(listTitleEdit->fontMetrics().averageCharWidth() * 42);
    listOkButton = named(new QPushButton(tr("&OK"), this), "PrtCmd3",
                         tr("Print From The Selected Mailing List"));
    listCancelButton = named(new QPushButton(tr("Cance&l"), this), "PrtCmd4",
                             tr("Don't Print From A Mailing List"));

    duplexCheck = named(new QCheckBox(tr("D&uplex (2-Side) Printing"), this), "PrtChk3");
    reprintCheck = named(new QCheckBox(tr("Repr&int Part Of A Report"), this), "PrtChk2");

    // The range boxes take the place of the report sequence.
    reprintFromLabel = named(new QLabel(tr("Reprint From Page"), this), "PrtLbl1");
    reprintFromEdit = named(new QLineEdit(this), "PrtTxt1");
    reprintThroughLabel = named(new QLabel(tr("Through Page"), this), "PrtLbl2");
    reprintThroughEdit = named(new QLineEdit(this), "PrtTxt2");
    for (QLineEdit* box : {reprintFromEdit, reprintThroughEdit}) {
        box->setMaxLength(5);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 14);
    }
    reprintFromLabel->setBuddy(reprintFromEdit);
    reprintThroughLabel->setBuddy(reprintThroughEdit);
    rangeOkButton =
        named(new QPushButton(tr("&OK"), this), "PrtCmd5", tr("Reprint The Specified Pages"));
    rangeCancelButton =
        named(new QPushButton(tr("Cance&l"), this), "PrtCmd6", tr("Don't Do A Reprint"));

    printerBox = new PrinterBox(p_.files, p_.printer, this);
    printerLabel = named(new QLabel(tr("C&hoose Printer:"), this), "PrtPrinterLabel");
    printerLabel->setBuddy(printerBox);
    printerBox->showChoiceFor(QLatin1String(kKindSettings[0]));
    previewButton = named(new QPushButton(tr("Previe&w"), this), "PrtPreview",
                          tr("See The Pages Before They Print"));
    printButton =
        named(new QPushButton(tr("&Print"), this), "PrtCmd1", tr("Start Printing The Report"));
    cancelButton =
        named(new QPushButton(tr("Cance&l"), this), "PrtCmd2", tr("Don't Print A Report"));
    // Enter presses the button that has the focus, never a hidden default.
    for (QPushButton* b : {previewButton, printButton, cancelButton, listOkButton, listCancelButton,
                           rangeOkButton, rangeCancelButton}) {
        b->setAutoDefault(true);
        b->setMinimumWidth(90);
    }

    auto* range = new QGridLayout;
    range->addWidget(reprintFromLabel, 0, 0);
    range->addWidget(reprintFromEdit, 0, 1);
    range->addWidget(reprintThroughLabel, 1, 0);
    range->addWidget(reprintThroughEdit, 1, 1);
    auto* rangeButtons = new QHBoxLayout;
    rangeButtons->addWidget(rangeOkButton);
    rangeButtons->addWidget(rangeCancelButton);
    rangeButtons->addStretch(1);
    range->addLayout(rangeButtons, 2, 0, 1, 2);
    range->setRowStretch(3, 1);
    range->setColumnStretch(2, 1);

    auto* stock = new QHBoxLayout;
    stock->addWidget(labelStockGroup);
    stock->addWidget(cardStockGroup);
    stock->addWidget(quantityGroup, 1);
    auto* details = new QVBoxLayout;
    details->addWidget(titleGroup);
    details->addLayout(stock);
    details->addStretch(1);

    auto* pickerFiles = new QVBoxLayout;
    pickerFiles->addWidget(listPickerLabel);
    pickerFiles->addWidget(listPicker);
    pickerFiles->addStretch(1);
    auto* pickerButtons = new QHBoxLayout;
    pickerButtons->addWidget(listOkButton);
    pickerButtons->addWidget(listCancelButton);
    pickerButtons->addStretch(1);
    auto* pickerTitle = new QVBoxLayout;
    pickerTitle->addWidget(listTitleLabel);
    pickerTitle->addWidget(listTitleEdit);
    pickerTitle->addLayout(pickerButtons);
    pickerTitle->addStretch(1);
    auto* picker = new QHBoxLayout;
    picker->addLayout(pickerFiles);
    picker->addLayout(pickerTitle, 1);

    auto* checks = new QVBoxLayout;
    checks->addWidget(duplexCheck);
    checks->addWidget(reprintCheck);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(checks);
    bottom->addStretch(1);
    bottom->addWidget(printerLabel, 0, Qt::AlignBottom);
    bottom->addWidget(printerBox, 0, Qt::AlignBottom);
    bottom->addWidget(previewButton, 0, Qt::AlignBottom);
    bottom->addWidget(printButton, 0, Qt::AlignBottom);
    bottom->addWidget(cancelButton, 0, Qt::AlignBottom);

    // Cells shared by controls that never show together.
    auto* grid = new QGridLayout(this);
    grid->addWidget(reportKindGroup, 0, 0);
    grid->addWidget(reportSourceGroup, 1, 0);
    grid->addWidget(sortOrderGroup, 0, 1);
    grid->addLayout(range, 0, 1);
    grid->addLayout(details, 1, 1);
    grid->addLayout(picker, 1, 1);
    grid->addLayout(bottom, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    setTabOrder(reportKindOptions[0], largePrintCheck);
    setTabOrder(largePrintCheck, reportKindOptions[1]);
    for (int i = 1; i < 6; ++i)
        setTabOrder(reportKindOptions[i], reportKindOptions[i + 1]);
    const QList<QWidget*> order = {reportKindOptions[6],
                                   sourceOptions[0],
                                   sourceOptions[1],
                                   sortOrderOptions[0],
                                   sortOrderOptions[1],
                                   sortOrderOptions[2],
                                   sortOrderOptions[3],
                                   sortOrderOptions[4],
                                   reprintFromEdit,
                                   reprintThroughEdit,
                                   rangeOkButton,
                                   rangeCancelButton,
                                   titleEdit,
                                   labelStockOptions[0],
                                   labelStockOptions[1],
                                   labelStockOptions[2],
                                   cardStockOptions[0],
                                   cardStockOptions[1],
                                   quantityEdit,
                                   listPicker,
                                   listOkButton,
                                   listCancelButton,
                                   duplexCheck,
                                   reprintCheck,
                                   printerBox,
                                   previewButton,
                                   printButton,
                                   cancelButton};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace tavrel
