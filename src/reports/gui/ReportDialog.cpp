#include "reports/gui/ReportDialog.h"

#include "envelopes/gui/EnvelopeCommands.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "reports/gui/PreparingReportMessage.h"
#include "reports/gui/PrintProgressWindow.h"
#include "reports/gui/ReportDialogParts.h"
#include "reports/gui/ReportQuestions.h"
#include "store/NameListModel.h"
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

constexpr int kLastPage = 32000;

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
    o.questions = &windowQuestions();
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
