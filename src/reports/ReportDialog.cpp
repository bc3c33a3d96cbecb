#include "reports/ReportDialog.h"

#include "envelopes/EnvelopeCommands.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "reports/PreparingReportMessage.h"
#include "reports/PrintProgressWindow.h"
#include "store/NameListModel.h"
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

namespace {

constexpr int kLabels = 4;
constexpr int kCards = 5;
constexpr int kEnvelopes = 6;
constexpr int kLastPage = 32000;

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
const char* const kKindSettings[6] = {"book", "phone", "abbreviated", "listing", "labels", "cards"};
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

template <std::size_t N> int checkedIndex(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return 0;
}

// A page number as the range boxes read it: the leading digits, 0 when none.
int pageValue(const QString& text)
{
    const QString t = text.trimmed();
    int n = 0;
    for (QChar c : t) {
        if (!c.isDigit() || n > kLastPage)
            break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The small windows of a run, shown without blocking and closed by the run
// (PrintProgressWindow also closes itself when its Cancel is pressed).
class DialogRunWindows : public RunWindows {
public:
    explicit DialogRunWindows(Program& p) : p_(p) {}
    ~DialogRunWindows() override
    {
        closePreparing();
        closeProgress();
    }

    void showPreparing() override
    {
        preparing_ = new PreparingReportMessage;
        showInFront(preparing_);
        p_.ui.processEvents(); // paint it before the records are collected
    }
    void closePreparing() override { unloadWindow(preparing_); }
    void showProgress() override
    {
        progress_ = new PrintProgressWindow(p_);
        showInFront(progress_, true);
    }
    void showLastPageCompleted(int pageNo) override
    {
        if (progress_)
            progress_->showLastPage(pageNo);
    }
    void closeProgress() override { unloadWindow(progress_); }

private:
    Program& p_;
    QPointer<PreparingReportMessage> preparing_;
    QPointer<PrintProgressWindow> progress_;
};

} // namespace

ReportDialog::ReportDialog(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("PrtForm"));
    setWindowTitle(tr("Print"));
    setProperty("helpContext", 55);
    buildLayout();

    reportKindOptions[0]->setChecked(true);
    sourceOptions[0]->setChecked(true);
    sortOrderOptions[0]->setChecked(true);
    labelStockOptions[0]->setChecked(true);
    cardStockOptions[0]->setChecked(true);
    quantityEdit->setText(QStringLiteral("1"));
    linesOf(listPicker)->setTexts(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(listPicker);

    chosenListLabel->hide();
    applyState(State::Normal);

    p_.Report.LabelItalic = 0;
    p_.Report.LabelUpper = 0;
    p_.printer.setFontItalic(false);

    connectHandlers();
}

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

void ReportDialog::connectHandlers()
{
    auto onSelected = [this](QRadioButton* option, auto handler) {
        connect(option, &QRadioButton::toggled, this, [handler](bool on) {
            if (on)
                handler();
        });
    };
    for (int i = 0; i < 7; ++i)
        onSelected(reportKindOptions[i], [this, i] { onReportKindChosen(i); });
    for (int i = 0; i < 2; ++i)
        onSelected(sourceOptions[i], [this, i] { onSourceChosen(i); });
    for (QRadioButton* o : sortOrderOptions)
        onSelected(o, [this] { focusDefaultButton(); });
    for (QRadioButton* o : labelStockOptions)
        onSelected(o, [this] { focusDefaultButton(); });
    for (QRadioButton* o : cardStockOptions)
        onSelected(o, [this] { focusDefaultButton(); });
    connect(largePrintCheck, &QCheckBox::clicked, this, &ReportDialog::focusDefaultButton);
    connect(duplexCheck, &QCheckBox::clicked, this, &ReportDialog::focusDefaultButton);
    connect(reprintCheck, &QCheckBox::clicked, this, &ReportDialog::onReprintClicked);

    // The title follows the selection, by mouse or keys; only a mouse click
    // moves on to OK, so the arrow keys can travel through the list.
    onListClick(listPicker, [this](ListClick how) { onListClicked(how == ListClick::Mouse); });

    connect(printButton, &QPushButton::clicked, this, &ReportDialog::onPrintClicked);
    connect(previewButton, &QPushButton::clicked, this, &ReportDialog::onPreviewClicked);
    connect(cancelButton, &QPushButton::clicked, this, &ReportDialog::onCancelClicked);
    // Esc is the Cancel of what the window shows: the picker's, or the window's.
    escapePresses(this, {listCancelButton, rangeCancelButton, cancelButton});
    connect(listOkButton, &QPushButton::clicked, this, &ReportDialog::onListOkClicked);
    connect(listCancelButton, &QPushButton::clicked, this, &ReportDialog::onListCancelClicked);
    connect(rangeOkButton, &QPushButton::clicked, this, &ReportDialog::onRangeOkClicked);
    connect(rangeCancelButton, &QPushButton::clicked, this, &ReportDialog::onRangeCancelClicked);
}

// --- what shows ---

void ReportDialog::applyState(State state)
{
    state_ = state;
    const bool picker = state == State::ListPicker;
    const bool range = state == State::ReprintRange;
    for (QWidget* w :
         std::initializer_list<QWidget*>{listPickerLabel, listPicker, listTitleLabel, listTitleEdit,
                                         listOkButton, listCancelButton})
        w->setVisible(picker);
    for (QWidget* w :
         std::initializer_list<QWidget*>{reprintFromLabel, reprintFromEdit, reprintThroughLabel,
                                         reprintThroughEdit, rangeOkButton, rangeCancelButton})
        w->setVisible(range);
    // The range boxes take the place of the sequence, the picker that of the details.
    sortOrderGroup->setVisible(!range);
    titleGroup->setVisible(!picker);
    quantityGroup->setVisible(!picker);
    fitControlsToKind();
    for (QWidget* w : std::initializer_list<QWidget*>{printerLabel, printerBox, previewButton})
        w->setVisible(state == State::Normal);
    printButton->setVisible(state == State::Normal);
    cancelButton->setVisible(state == State::Normal);
    // One state at a time: no range entry while a list is picked, no change
    // of source while a range is entered.
    reprintCheck->setEnabled(!picker);
    reportSourceGroup->setEnabled(!range);
    if (range)
        reprintFromEdit->setFocus();
    else
        focusDefaultButton();
}

void ReportDialog::focusDefaultButton()
{
    switch (state_) {
    case State::Normal:
        printButton->setFocus();
        break;
    case State::ListPicker:
        listOkButton->setFocus();
        break;
    case State::ReprintRange:
        rangeOkButton->setFocus();
        break;
    }
}

void ReportDialog::fitControlsToKind()
{
    const bool labels = kind_ == kLabels, cards = kind_ == kCards;
    const bool picker = state_ == State::ListPicker;
    labelStockGroup->setVisible(!cards && !picker);
    labelStockGroup->setEnabled(labels);
    for (QRadioButton* o : labelStockOptions)
        o->setEnabled(labels);
    cardStockGroup->setVisible(cards && !picker);
    titleGroup->setEnabled(!labels && !cards);
    quantityGroup->setEnabled(labels || cards);
    if (labels) {
        quantityLabel->setText(tr("Number Of Labels Per Address"));
        quantityGroup->setTitle(tr("Label &Quantity"));
    } else if (cards) {
        quantityLabel->setText(tr("Number Of Cards Per Address"));
        quantityGroup->setTitle(tr("Rotary File Card &Quantity"));
    }
    largePrintCheck->setVisible(kind_ == 0);
    if (kind_ != 0)
        largePrintCheck->setChecked(false);
}

// --- handlers ---

void ReportDialog::onReportKindChosen(int index)
{
    if (index == kEnvelopes) {
        // The envelope dialog takes over; the menus stay hidden while it is open.
        unloadWindow(this);
        showEnvelopeDialog(p_);
        return;
    }
    kind_ = index;
    printerBox->showChoiceFor(QLatin1String(kKindSettings[index]));
    if (index == kLabels && state_ != State::ListPicker)
        labelStockOptions[0]->setChecked(true);
    fitControlsToKind();
    focusDefaultButton();
}

void ReportDialog::onSourceChosen(int index)
{
    if (index == 0) {
        useWholeFile();
        return;
    }
    if (listPicker->model()->rowCount() == 0) {
        p_.ui.messageBox(tr("There Are No Mailing Lists."), kTitle, Ui::Buttons::Ok);
        sourceOptions[0]->setChecked(true);
        sourceOptions[0]->setFocus();
        return;
    }
    applyState(State::ListPicker);
}

void ReportDialog::useWholeFile()
{
    chosenListLabel->clear();
    chosenListLabel->hide();
    applyState(State::Normal);
}

QString ReportDialog::selectedList() const
{
    const int row = chosenLine(listPicker);
    return row < 0 ? QString() : linesOf(listPicker)->textAt(row);
}

void ReportDialog::onListClicked(bool byMouse)
{
    const QString file = selectedList();
    if (file.isEmpty())
        return;
    try {
        listTitleEdit->setText(readMailListTitle(p_, file));
    } catch (const PlatformError& e) {
        listTitleEdit->clear();
        p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                             tr(" In PrtFil1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
    if (byMouse)
        focusDefaultButton();
}

void ReportDialog::onListOkClicked()
{
    const QString file = selectedList();
    if (file.isEmpty()) {
        p_.ui.messageBox(tr("Please Select A Filename Or Click The Cancel Button."), kTitle,
                         Ui::Buttons::Ok);
        focusDefaultButton();
        return;
    }
    chosenListLabel->setText(file);
    chosenListLabel->show();
    applyState(State::Normal);
}

void ReportDialog::onListCancelClicked()
{
    sourceOptions[0]->setChecked(true);
    useWholeFile();
}

void ReportDialog::onReprintClicked()
{
    applyState(reprintCheck->isChecked() ? State::ReprintRange : State::Normal);
}

void ReportDialog::onRangeOkClicked()
{
    const int from = pageValue(reprintFromEdit->text());
    const int through = pageValue(reprintThroughEdit->text());
    if (from == 0 || through == 0 || through < from || through > kLastPage) {
        p_.ui.messageBox(tr("Invalid Page Range.  Please Re-Enter."), kTitle, Ui::Buttons::Ok);
        focusDefaultButton();
        return;
    }
    reprintFrom_ = from;
    reprintThrough_ = through;
    p_.Report.ReprintFrom = from;
    p_.Report.ReprintThrough = through;
    applyState(State::Normal);
}

void ReportDialog::onRangeCancelClicked()
{
    reprintCheck->setChecked(false);
    applyState(State::Normal);
}

void ReportDialog::onCancelClicked()
{
    unloadWindow(this);
}

bool ReportDialog::quantityAccepted()
{
    const QString text = quantityEdit->text().trimmed();
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c.isDigit();
    if (digits && text.toInt() >= 1)
        return true;
    p_.ui.messageBox(quantityRefusedText(), kTitle, Ui::Buttons::Ok);
    quantityEdit->setFocus();
    quantityEdit->selectAll();
    return false;
}

ReportOptions ReportDialog::options() const
{
    ReportOptions o;
    o.kind = ReportKind(kind_);
    o.largePrint = kind_ == 0 && largePrintCheck->isChecked();
    if (sourceOptions[1]->isChecked())
        o.mailListFile = selectedList();
    o.sequence = checkedIndex(sortOrderOptions);
    o.title = titleEdit->text();
    o.labelStock = checkedIndex(labelStockOptions);
    o.cardStock = checkedIndex(cardStockOptions);
    o.quantity = std::max(1, quantityEdit->text().trimmed().toInt());
    o.duplex = duplexCheck->isChecked();
    o.reprint = reprintCheck->isChecked();
    if (o.reprint) {
        o.reprintFrom = reprintFrom_;
        o.reprintThrough = reprintThrough_;
    }
    return o;
}

void ReportDialog::onPrintClicked()
{
    startRun(false);
}

void ReportDialog::onPreviewClicked()
{
    startRun(true);
}

void ReportDialog::startRun(bool preview)
{
    // The sheets repeat a record until its copies reach the quantity, so
    // anything but a whole number of at least 1 is refused before the run.
    if ((kind_ == kLabels || kind_ == kCards) && !quantityAccepted())
        return;
    bool cancelled = false;
    std::unique_ptr<Printer> chosen = printerBox->makeChosenPrinter(p_.ui, cancelled);
    if (cancelled) {
        focusDefaultButton();
        return;
    }
    printerBox->rememberChoice();
    ReportOptions o = options();
    RecordingPrinter recording;
    if (preview)
        o.pagesInto = &recording;
    p_.Report.LabelsDrawn = 0;
    // The run lets events through after each page: nothing here may start a
    // second run or close the dialog under it.
    running_ = true;
    setEnabled(false);
    bool done = true;
    {
        // Test pages, the pages and a preview's printout all go to the chosen printer.
        std::optional<PrinterRoute> route;
        if (chosen)
            route.emplace(p_.printer, *chosen);
        std::optional<DialogRunWindows> windows(std::in_place, p_);
        RunEnd end = RunEnd::CancelledEarly;
        try {
            end = runReport(p_, o, *windows);
        } catch (const PlatformError&) {
            // A printer failure outside the run's own close-down: nothing of
            // the document can be trusted.
            p_.ui.setWaitCursor(false);
            try {
                p_.printer.killDoc();
            } catch (const PlatformError&) {
            }
            p_.ui.messageBox(kPrinterErrorText, kPrinterErrorTitle, Ui::Buttons::Ok);
        }
        windows.reset();
        if (preview && end == RunEnd::Completed)
            done = previewAndPrint(recording, o);
    }
    running_ = false;
    duplexCheck->setChecked(o.duplex);
    if (done) {
        unloadWindow(this);
        return;
    }
    setEnabled(true);
    focusDefaultButton();
}

QString labelsOnSheets(bool cards, int n, int sheets)
{
    const QString items =
        cards ? (n == 1 ? ReportDialog::tr("1 card") : ReportDialog::tr("%1 cards").arg(n))
              : (n == 1 ? ReportDialog::tr("1 label") : ReportDialog::tr("%1 labels").arg(n));
    const QString pages =
        sheets == 1 ? ReportDialog::tr("1 sheet") : ReportDialog::tr("%1 sheets").arg(sheets);
    return ReportDialog::tr("%1 on %2").arg(items, pages);
}

QString ReportDialog::previewSummary(int sheets) const
{
    if (kind_ != kLabels && kind_ != kCards)
        return QString();
    return labelsOnSheets(kind_ == kCards, p_.Report.LabelsDrawn, sheets);
}

bool ReportDialog::previewAndPrint(const RecordingPrinter& recording, const ReportOptions& o)
{
    const int lastPage = p_.Report.PageNo - 1;
    PreviewWindow preview(recording, QString(), this);
    preview.summaryLabel->setText(previewSummary(preview.pageCount()));
    preview.summaryLabel->setVisible(!preview.summaryLabel->text().isEmpty());
    if (p_.ui.runModal(preview) != QDialog::Accepted)
        return false;
    // The recording is drawn again on the printer, document by document: a
    // two-sided report is turned over between its two sides.
    bool printed = true;
    QString oddPagesFile;
    try {
        for (int document = 0; document < recording.documents; ++document) {
            if (document > 0 && p_.ui.messageBox(turnOverPrompt(), kTitle, Ui::Buttons::OkCancel) ==
                                    Ui::Answer::Cancel) {
                printed = false;
                break;
            }
            replay(recording, p_.printer, document);
            if (document == 0)
                oddPagesFile = p_.printer.lastOutputFile();
        }
    } catch (const PlatformError& e) {
        try {
            p_.printer.killDoc();
        } catch (const PlatformError&) {
        }
        p_.ui.messageBox(printerFailureText(e, notPrintedText()), kPrinterErrorTitle,
                         Ui::Buttons::Ok);
        printed = false;
    }
    if (printed) {
        // The labels are on the paper now: the next run starts after them.
        rememberFreeSlot(p_, o);
        p_.ui.messageBox(
            withReportFiles(tr("Report Completed.  Last Page Printed: ") + numText(lastPage),
                            recording.documents > 1 ? oddPagesFile : QString(), p_.printer),
            kTitle, Ui::Buttons::Ok);
    }
    // Whatever prints next goes on letter paper again.
    try {
        if (p_.printer.paperSize() != 1)
            p_.printer.setPaperSize(1);
        if (p_.printer.orientation() != 1)
            p_.printer.setOrientation(1);
    } catch (const PlatformError&) {
    }
    return true;
}

void ReportDialog::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace tavrel
