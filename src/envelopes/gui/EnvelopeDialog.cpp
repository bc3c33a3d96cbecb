#include "envelopes/gui/EnvelopeDialog.h"

#include "envelopes/gui/EnvelopeHelpDialog.h"
#include "envelopes/gui/EnvelopeProgressWindow.h"
#include "envelopes/gui/EnvelopeWaitWindow.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/NameListModel.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/gui/LineList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace tavrel {

namespace {

template <std::size_t N> int checkedIndex(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return -1;
}

// Leaves no button of the group selected.
void deselectAll(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

void deselect(QButtonGroup* group, int index)
{
    group->setExclusive(false);
    group->button(index)->setChecked(false);
    group->setExclusive(true);
}

void setShown(std::initializer_list<QWidget*> widgets, bool on)
{
    for (QWidget* w : widgets)
        w->setVisible(on);
}

// Shows a small window without blocking, painted before the work starts.
template <typename W> W* showNow(Program& p, W* w)
{
    showInFront(w);
    p.ui.processEvents();
    return w;
}

// The small windows of a run, closed again whatever way the run ends.
class DialogEnvelopeWindows : public EnvelopeWindows {
public:
    explicit DialogEnvelopeWindows(Program& p) : p_(p) {}
    ~DialogEnvelopeWindows() override
    {
        closePleaseWait();
        closeProgress();
    }
    void showPleaseWait() override { wait_ = showNow(p_, new EnvelopeWaitWindow); }
    void closePleaseWait() override { unloadWindow(wait_); }
    void showProgress() override
    {
        progress_ = new EnvelopeProgressWindow([this] { cancelRequested = true; });
        showInFront(progress_, true);
    }
    void showPrepared(int count) override
    {
        if (progress_)
            progress_->showPrepared(count);
    }
    void closeProgress() override { unloadWindow(progress_); }

private:
    Program& p_;
    QPointer<EnvelopeWaitWindow> wait_;
    QPointer<EnvelopeProgressWindow> progress_;
};

} // namespace

EnvelopeDialog::EnvelopeDialog(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("EnvelopePrint"));
    setWindowTitle(tr("Print Envelopes"));
    returnAddress.fill(QString(Width::Addr, QLatin1Char(' ')));
    mailAddress.fill(QString(Width::Addr, QLatin1Char(' ')));
    buildLayout();

    // No address option chosen to begin with; the first size, the sideways
    // feed and the first key are.
    sizeOptions[0]->setChecked(true);
    feedOptions[0]->setChecked(true);
    sortOrderOptions[0]->setChecked(true);
    showPanel(Panel::PrintOptions, false);
    mailListFileList->addItems(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(mailListFileList);

    connectHandlers();
}

void EnvelopeDialog::leaveLetterPaper()
{
    // A size chosen on the dialog must not outlive it: later printouts are letter.
    try {
        if (p_.printer.paperSize() != 1)
            p_.printer.setPaperSize(1);
    } catch (const PlatformError&) {
    }
}

EnvelopeJob EnvelopeDialog::job() const
{
    EnvelopeJob j;
    j.returnOption = checkedIndex(returnAddressOptions);
    j.mailOption = checkedIndex(mailAddressOptions);
    j.sizeIndex = qMax(checkedIndex(sizeOptions), 0);
    j.landscape = feedOptions[0]->isChecked();
    j.sortIndex = qMax(checkedIndex(sortOrderOptions), 0);
    const auto chosen = mailListFileList->selectedItems();
    if (!chosen.isEmpty())
        j.mailListFile = chosen.first()->text();
    j.countText = countEdit->text();
    j.returnItalics = returnItalicsCheck->isChecked();
    j.returnUppercase = returnUppercaseCheck->isChecked();
    j.mailItalics = mailItalicsCheck->isChecked();
    j.mailUppercase = mailUppercaseCheck->isChecked();
    j.returnAddress = returnAddress;
    j.mailAddress = mailAddress;
    return j;
}

void EnvelopeDialog::closeEvent(QCloseEvent* event)
{
    if (printing_) {
        event->ignore();
        return;
    }
    leaveLetterPaper();
    QWidget::closeEvent(event);
}

void EnvelopeDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* button = defaultButtonOf(panel_);
    if (!printing_ && button->isVisible() && button->isEnabled())
        button->click();
}

QPushButton* EnvelopeDialog::defaultButtonOf(Panel panel) const
{
    switch (panel) {
    case Panel::ReturnKeyboard:
    case Panel::MailKeyboard:
        return addressOkButton;
    case Panel::ReturnNames:
        return returnNameOkButton;
    case Panel::MailNames:
        return mailNameOkButton;
    case Panel::MailListPicker:
        return mailListOkButton;
    case Panel::SortOrder:
        return sortOrderOkButton;
    default:
        return printButton;
    }
}

void EnvelopeDialog::showPanel(Panel panel, bool moveFocus)
{
    panel_ = panel;
    // The panel's default button shows as such.
    for (QPushButton* b : {addressOkButton, returnNameOkButton, mailNameOkButton, mailListOkButton,
                           sortOrderOkButton, printButton})
        b->setDefault(b == defaultButtonOf(panel));
    const bool keyboard = panel == Panel::ReturnKeyboard || panel == Panel::MailKeyboard;
    const bool names = panel == Panel::ReturnNames || panel == Panel::MailNames;
    const bool picker = panel == Panel::MailListPicker;
    const bool options = panel == Panel::PrintOptions;
    // The instruction says which address the open panel is for.
    switch (panel) {
    case Panel::ReturnKeyboard:
        instructionLabel->setText(tr("Please Enter Return Address Below"));
        break;
    case Panel::MailKeyboard:
        instructionLabel->setText(tr("Please Enter Mailing Address Below"));
        break;
    case Panel::ReturnNames:
        instructionLabel->setText(tr("Please Select The Return Address Name"));
        break;
    case Panel::MailNames:
        instructionLabel->setText(tr("Please Select The 'Mail To' Name"));
        break;
    case Panel::MailListPicker:
        instructionLabel->setText(tr("Please Select The Desired Mailing List"));
        break;
    default:
        break;
    }
    if (keyboard) {
        const AddressLines& lines = panel == Panel::ReturnKeyboard ? returnAddress : mailAddress;
        for (int i = 0; i < 5; ++i)
            addressLineEdits[i]->setText(trimRight(lines[i]));
    }
    instructionLabel->setVisible(keyboard || names || picker);
    setShown({addressLineEdits[0], addressLineEdits[1], addressLineEdits[2], addressLineEdits[3],
              addressLineEdits[4], addressOkButton, addressCancelButton},
             keyboard);
    if (names)
        nameFilterEdit->clear();
    setShown({nameListNoteLabel, nameFilterLabel, nameFilterEdit, nameList}, names);
    setShown({returnNameOkButton, returnNameCancelButton}, panel == Panel::ReturnNames);
    setShown({mailNameOkButton, mailNameCancelButton}, panel == Panel::MailNames);
    setShown({mailListFileList, mailListTitleLabel, mailListTitleEdit, mailListOkButton,
              mailListCancelButton},
             picker);
    sortOrderGroup->setVisible(picker || panel == Panel::SortOrder);
    sortOrderOkButton->setVisible(panel == Panel::SortOrder);
    setShown({sizeGroup, feedGroup, countEdit, countLabel, printerLabel, printerBox, previewButton,
              printButton, cancelButton},
             options);
    forEachAddressLabel->setVisible(options &&
                                    mailAddressOptions[MailTo::MailingList]->isChecked());
    if (!moveFocus)
        return;
    if (keyboard)
        addressLineEdits[0]->setFocus();
    else if (names)
        nameList->setFocus();
    else if (picker)
        mailListFileList->setFocus();
    else
        focusPrintButton();
}

void EnvelopeDialog::fillNameList()
{
    if (!checkFileNotEmpty(p_)) {
        p_.ui.setWaitCursor(false);
        return;
    }
    if (nameListLoaded_)
        return;
    QPointer<EnvelopeWaitWindow> wait = showNow(p_, new EnvelopeWaitWindow);
    p_.ui.setWaitCursor(true);
    const int size = p_.LastRecNo - 1;
    QVector<QString> sortKeys(size + 1);
    p_.SortedIdList = QVector<qint16>(size + 1, 0);
    QVector<QString> names(size + 1); // by ID
    int n = 0;
    readAscending(p_, 2, size + 1, [&](int recNo) {
        const int id = recNo - 1;
        if (isActive(p_.CurRec, id)) {
            ++n;
            sortKeys[n] = sortKey(p_.CurRec, id, p_.SortPref);
            p_.SortedIdList[n] = qint16(id);
            names[id] =
                padRight(contactOf(p_, id, p_.CurRec).text(ContactField::Name), Width::Name);
        }
        return true;
    });
    sortNameList(sortKeys, p_.SortedIdList, n);
    p_.SortedCount = n;
    linesOf(nameList)->fillFromSortedList(
        p_, [&names](qint16 id) -> std::optional<QString> { return names[id]; });
    clearCurrentLine(nameList);
    nameListLoaded_ = true;
    p_.ui.setWaitCursor(false);
    unloadWindow(wait);
}

void EnvelopeDialog::focusPrintButton()
{
    if (panel_ == Panel::PrintOptions)
        printButton->setFocus();
}

void EnvelopeDialog::conflictIfBothNone()
{
    if (!returnAddressOptions[ReturnFrom::None]->isChecked() ||
        !mailAddressOptions[MailTo::None]->isChecked())
        return;
    p_.ui.messageBox(tr("You Cannot Specify 'No Return Address' And 'No To Address' "
                        "Simultaneously.\n\nThese Options Are Being Reset. Please "
                        "Reselect Addressing Options."),
                     kTitle, Ui::Buttons::Ok);
    deselect(returnGroup_, ReturnFrom::None);
    deselect(mailGroup_, MailTo::None);
}

// --- handlers ---

void EnvelopeDialog::onReturnOptionChosen(int index)
{
    if (panel_ == Panel::MailKeyboard || panel_ == Panel::MailNames ||
        panel_ == Panel::MailListPicker) {
        p_.ui.messageBox(tr("Please Complete The Mailing Address Or Choose Another "
                            "Mailing Address Option."),
                         kTitle, Ui::Buttons::Ok);
        deselectAll(returnGroup_);
        return;
    }
    switch (index) {
    case ReturnFrom::None:
        showPanel(Panel::PrintOptions);
        conflictIfBothNone();
        break;
    case ReturnFrom::NAEntry:
        fillNameList();
        showPanel(Panel::ReturnNames);
        break;
    default:
        showPanel(Panel::ReturnKeyboard);
        break;
    }
}

void EnvelopeDialog::onMailOptionChosen(int index)
{
    if (panel_ == Panel::ReturnKeyboard || panel_ == Panel::ReturnNames) {
        p_.ui.messageBox(tr("Please Complete The Return Address Or Choose Another "
                            "Return Address Option."),
                         kTitle, Ui::Buttons::Ok);
        deselectAll(mailGroup_);
        return;
    }
    switch (index) {
    case MailTo::Keyboard:
        showPanel(Panel::MailKeyboard);
        break;
    case MailTo::NAEntry:
        fillNameList();
        showPanel(Panel::MailNames);
        break;
    case MailTo::AllEntries:
        showPanel(Panel::SortOrder);
        break;
    case MailTo::None:
        showPanel(Panel::PrintOptions);
        conflictIfBothNone();
        break;
    default: // a mailing list
        if (mailListFileList->count() == 0) {
            p_.ui.messageBox(tr("There Are No Mailing Lists."), kTitle, Ui::Buttons::Ok);
            deselect(mailGroup_, MailTo::MailingList);
            focusPrintButton();
            break;
        }
        showPanel(Panel::MailListPicker);
        break;
    }
}

void EnvelopeDialog::onSizeChosen()
{
    const int index = checkedIndex(sizeOptions);
    if (index < 0) {
        p_.ui.messageBox(tr("Error In EnvOpt3_Click."), kTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    try {
        // Set at once, so that a size the printer cannot do is found now.
        p_.printer.setPaperSize(envelopeSize(index).paperCode);
    } catch (const PlatformError& e) {
        if (e.number() != ErrNo::InvalidPropertyValue) {
            p_.ui.messageBox(tr("Unexpected Error In Envelope Size Verification Routine.  Err = ") +
                                 numText(e.number()) + tr(".  Program Terminating."),
                             kTitle, Ui::Buttons::Ok);
            p_.ui.endProgram();
        }
        p_.ui.messageBox(tr("Your Printer Does Not Support The Specified Envelope "
                            "Size.\n\n Please Refer To Your Printer Documentation "
                            "Then Select A Different Envelope Size."),
                         kTitle, Ui::Buttons::Ok);
        sizeOptions[0]->setChecked(true);
    }
    focusPrintButton();
}

void EnvelopeDialog::onAddressOkClicked()
{
    AddressLines& target = panel_ == Panel::ReturnKeyboard ? returnAddress : mailAddress;
    for (int i = 0; i < 5; ++i)
        target[i] = padRight(addressLineEdits[i]->text(), Width::Addr);
    showPanel(Panel::PrintOptions);
}

void EnvelopeDialog::onAddressCancelClicked()
{
    if (panel_ == Panel::ReturnKeyboard)
        deselect(returnGroup_, ReturnFrom::Keyboard);
    else
        deselect(mailGroup_, MailTo::Keyboard);
    showPanel(Panel::PrintOptions);
}

void EnvelopeDialog::onNameOkClicked()
{
    const bool forReturn = panel_ == Panel::ReturnNames;
    const int line = chosenLine(nameList);
    if (line < 0) {
        p_.ui.messageBox(forReturn ? tr("Please Select A Name For Return Address.")
                                   : tr("Please Select A Name For Mailing Address."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    const int id = linesOf(nameList)->idAt(line);
    Get_NA_Rec(p_, id + 1);
    (forReturn ? returnAddress : mailAddress) = envelopeLines(contactOf(p_, id, p_.CurRec));
    showPanel(Panel::PrintOptions);
}

void EnvelopeDialog::onNameCancelClicked()
{
    if (panel_ == Panel::ReturnNames)
        deselect(returnGroup_, ReturnFrom::NAEntry);
    else
        deselect(mailGroup_, MailTo::NAEntry);
    showPanel(Panel::PrintOptions);
}

void EnvelopeDialog::onMailListFileClicked(ListClick)
{
    const auto chosen = mailListFileList->selectedItems();
    if (chosen.isEmpty())
        return;
    try {
        mailListTitleEdit->setText(readMailListTitle(p_, chosen.first()->text()));
    } catch (const PlatformError& e) {
        mailListTitleEdit->clear();
        p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                             tr(" In File1_Click.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
}

void EnvelopeDialog::onMailListOkClicked()
{
    if (mailListFileList->selectedItems().isEmpty()) {
        p_.ui.messageBox(tr(" Please Select A Mailing List Or Click The Cancel Button"), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    showPanel(Panel::PrintOptions);
}

void EnvelopeDialog::onQuickHelpClicked()
{
    EnvelopeHelpDialog help(this);
    p_.ui.runModal(help);
}

void EnvelopeDialog::onPrintClicked()
{
    startRun(false);
}

void EnvelopeDialog::onPreviewClicked()
{
    startRun(true);
}

void EnvelopeDialog::startRun(bool preview)
{
    bool refusedChoice = false;
    std::unique_ptr<Printer> chosen = printerBox->makeChosenPrinter(p_.ui, refusedChoice);
    if (refusedChoice) {
        focusPrintButton();
        return;
    }
    printerBox->rememberChoice();
    EnvelopeJob run = job();
    RecordingPrinter recording;
    if (preview)
        run.pagesInto = &recording;
    printing_ = true;
    setEnabled(false);
    EnvelopeRunEnd end = EnvelopeRunEnd::Stopped;
    {
        // Test envelopes, envelopes and a preview's printout go to the chosen printer.
        std::optional<PrinterRoute> route;
        if (chosen)
            route.emplace(p_.printer, *chosen);
        try {
            DialogEnvelopeWindows windows(p_);
            end = printEnvelopes(p_, run, windows);
        } catch (...) {
            printing_ = false;
            setEnabled(true);
            throw;
        }
        if (preview && end == EnvelopeRunEnd::Completed && !previewAndPrint(recording))
            end = EnvelopeRunEnd::Stopped;
    }
    printing_ = false;
    setEnabled(true);
    if (end == EnvelopeRunEnd::Completed || end == EnvelopeRunEnd::Cancelled) {
        unloadWindow(this);
        return;
    }
    int count = 0;
    QString why;
    if (end == EnvelopeRunEnd::Refused && !envelopeCount(countEdit->text(), count, why) &&
        panel_ == Panel::PrintOptions) {
        // The count was refused: back to the box that holds it.
        countEdit->setFocus();
        countEdit->selectAll();
        return;
    }
    focusPrintButton();
}

bool EnvelopeDialog::previewAndPrint(const RecordingPrinter& recording)
{
    PreviewWindow preview(recording, QString(), this);
    if (p_.ui.runModal(preview) != QDialog::Accepted)
        return false;
    QString said = tr("Envelope Printing Completed.");
    QString title = kTitle;
    try {
        replay(recording, p_.printer);
        said = withOutputFile(said, p_.printer);
    } catch (const PlatformError& e) {
        try {
            p_.printer.killDoc();
        } catch (const PlatformError&) {
        }
        said = printerFailureText(e, tr("Envelopes Not Printed."));
        title = kPrinterErrorTitle;
    }
    // Whatever prints next goes upright on letter paper again.
    try {
        p_.printer.setOrientation(1);
        p_.printer.setQuarterTurn(false);
        p_.printer.setPaperSize(1);
    } catch (const PlatformError&) {
    }
    p_.ui.messageBox(said, title, Ui::Buttons::Ok);
    return true;
}

} // namespace tavrel
