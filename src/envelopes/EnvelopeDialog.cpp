#include "envelopes/EnvelopeDialog.h"

#include "envelopes/EnvelopeHelpDialog.h"
#include "envelopes/EnvelopeProgressWindow.h"
#include "envelopes/EnvelopeWaitWindow.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "store/NameList.h"
#include "store/NameListModel.h"
#include "store/RecordAccess.h"
#include "store/gui/LineList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

template <std::size_t N>
QButtonGroup* makeOptions(std::array<QRadioButton*, N>& options, const char* name,
                          const char* const (&captions)[N], QGroupBox* frame)
{
    auto* group = new QButtonGroup(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(EnvelopeDialog::tr(captions[i]), frame);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        group->addButton(options[i], int(i));
        layout->addWidget(options[i]);
    }
    return group;
}

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

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(true); // Enter presses the button that has the focus
    return b;
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

void EnvelopeDialog::buildLayout()
{
    static const char* const returnCaptions[3] = {
        QT_TR_NOOP("Enter Address From &Keyboard"),
        QT_TR_NOOP("Use &Existing Entry In N&&A File"),
        QT_TR_NOOP("&No Return Address"),
    };
    static const char* const mailCaptions[5] = {
        QT_TR_NOOP("Enter &Single Address From Keyboard"),
        QT_TR_NOOP("Get Addresses From A &Mailing List"),
        QT_TR_NOOP("&Use Existing Single Entry In N&&A File"),
        QT_TR_NOOP("Use All Entries &In N&&A File"),
        QT_TR_NOOP("No \"To\" A&ddress"),
    };
    static const char* const sizeCaptions[kEnvelopeSizeCount] = {
        QT_TR_NOOP("&Commercial #10 (4 1/8\" x 9 1/2\")"),
        QT_TR_NOOP("M&onarch (3 7/8\" x 7 1/2\")"),
        QT_TR_NOOP("Pe&rsonal (3 5/8\" x 6 1/2\")"),
        QT_TR_NOOP("DL (110mm x &220mm)"),
        QT_TR_NOOP("C&6 (114mm x 162mm)"),
        QT_TR_NOOP("B&5 (176mm x 250mm)"),
        QT_TR_NOOP("C5 (162mm x 22&9mm)"),
    };
    static const char* const feedCaptions[2] = {QT_TR_NOOP("L&andscape (envelope turned sideways)"),
                                                QT_TR_NOOP("Por&trait")};
    static const char* const sortCaptions[5] = {
        QT_TR_NOOP("Key 1"), QT_TR_NOOP("Key 2"), QT_TR_NOOP("Key 1 (Major) + Key 2 (Minor)"),
        QT_TR_NOOP("Key 2 (Major) + Key 1 (Minor)"), QT_TR_NOOP("Do Not Sort")};
    returnAddressGroup = named(new QGroupBox(tr("Return Address"), this), "Frame1");
    returnGroup_ = makeOptions(returnAddressOptions, "EnvOpt1", returnCaptions, returnAddressGroup);
    mailAddressGroup = named(new QGroupBox(tr("Mailing (\"To\") Address"), this), "Frame2");
    mailGroup_ = makeOptions(mailAddressOptions, "EnvOpt2", mailCaptions, mailAddressGroup);
    sizeGroup = named(new QGroupBox(tr("Envelope Size"), this), "Frame3");
    makeOptions(sizeOptions, "EnvOpt3", sizeCaptions, sizeGroup);
    feedGroup = named(new QGroupBox(tr("Envelope Orientation (Feed)"), this), "Frame4");
    makeOptions(feedOptions, "EnvOpt4", feedCaptions, feedGroup);
    sortOrderGroup =
        named(new QGroupBox(tr("Sort Mailing Address Data By"), this), "EnvMailingListSortByFrame");
    makeOptions(sortOrderOptions, "EnvOpt5", sortCaptions, sortOrderGroup);
    sortOrderOkButton = makeButton(tr("OK"), "EnvMailingListSortByOKButton", this);

    returnItalicsCheck =
        named(new QCheckBox(tr("Print Return Address In Italics"), this), "EnvReturnItalics");
    returnUppercaseCheck =
        named(new QCheckBox(tr("Print Return Address In UPPERCASE"), this), "EnvReturnUppercase");
    mailItalicsCheck =
        named(new QCheckBox(tr("Print Mailin&g Address In Italics"), this), "EnvMailingItalics");
    mailUppercaseCheck =
        named(new QCheckBox(tr("Print Mailing Address In UPPERCASE"), this), "EnvMailingUppercase");
    quickHelpButton = makeButton(tr("&Quick Help"), "EnvQuickHelpButton", this);

    instructionLabel = named(new QLabel(this), "EnvAddrInstrLabel");
    QFont bold = instructionLabel->font();
    bold.setBold(true);
    instructionLabel->setFont(bold);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        addressLineEdits[i] = new QLineEdit(this);
        addressLineEdits[i]->setObjectName(QStringLiteral("EnvAddrLine_%1").arg(i));
        addressLineEdits[i]->setMaxLength(Width::Addr);
        addressLineEdits[i]->setAccessibleName(tr("Envelope Address Line %1").arg(i + 1));
        addressLineEdits[i]->setMinimumWidth(addressLineEdits[i]->fontMetrics().averageCharWidth() *
                                             40);
        lines->addWidget(addressLineEdits[i]);
    }
    addressOkButton = makeButton(tr("OK"), "EnvAddrOKButton", this);
    addressCancelButton = makeButton(tr("Cancel"), "EnvAddrCancelButton", this);

    nameList = newLineList(this, "ReturnAddressList");
    nameList->setMinimumHeight(150);
    const FilterBox nameFilter = newFilterBox(this, nameList, "ReturnAddressListFilter", [this] {
        (panel_ == Panel::ReturnNames ? returnNameOkButton : mailNameOkButton)->click();
    });
    nameFilterLabel = nameFilter.label;
    nameFilterEdit = nameFilter.edit;
    nameList->setAccessibleName(tr("N&A Records"));
    nameListNoteLabel =
        named(new QLabel(tr("The Above Information Is Sorted According To The 'N&A Display' "
                            "Option On The 'Preferences' Menu."),
                         this),
              "ReturnAddressListLabel");
    nameListNoteLabel->setWordWrap(true);
    returnNameOkButton = makeButton(tr("OK"), "ReturnAddressListOKButton", this);
    returnNameCancelButton = makeButton(tr("Cancel"), "ReturnAddressListCancelButton", this);
    mailNameOkButton = makeButton(tr("OK"), "MailingAddressListOKButton", this);
    mailNameCancelButton = makeButton(tr("Cancel"), "MailingAddressListCancelButton", this);

    mailListFileList = named(new QListWidget(this), "File1");
    mailListFileList->setMaximumHeight(110);
    mailListFileList->setAccessibleName(tr("Mailing Lists"));
    mailListTitleLabel =
        named(new QLabel(tr("Mailing List Title"), this), "EnvMailingListTitleLabel");
    mailListTitleEdit = named(new QLineEdit(this), "EnvMailingListTitleText");
    mailListTitleEdit->setReadOnly(true);
    mailListTitleLabel->setBuddy(mailListTitleEdit);
    mailListOkButton = makeButton(tr("OK"), "EnvMailingListOKButton", this);
    mailListCancelButton = makeButton(tr("Cancel"), "EnvMailingListCancelButton", this);

    countEdit = named(new QLineEdit(QStringLiteral("1"), this), "EnvNumberEnv");
    countEdit->setFixedWidth(countEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7 + 16);
    countLabel =
        named(new QLabel(tr("Number Of En&velopes To Print"), this), "EnvNumberPerAddrLabel");
    countLabel->setBuddy(countEdit);
    forEachAddressLabel =
        named(new QLabel(tr("For Each \"To\" Address"), this), "ForEachAddrLabel");
    printerBox = new PrinterBox(p_.files, p_.printer, this);
    printerBox->showChoiceFor(QStringLiteral("envelopes"));
    printerLabel = named(new QLabel(tr("C&hoose Printer:"), this), "EnvPrinterLabel");
    printerLabel->setBuddy(printerBox);
    previewButton = makeButton(tr("Previe&w"), "EnvPreviewButton", this);
    previewButton->setToolTip(tr("See The Envelopes Before They Print"));
    printButton = makeButton(tr("&Print"), "EnvPrintButton", this);
    cancelButton = makeButton(tr("Cance&l"), "EnvCancelButton", this);

    // Left: the address options and the styling. Right: the panels, one above
    // the other; only the ones in use are shown.
    auto* left = new QVBoxLayout;
    left->addWidget(returnAddressGroup);
    left->addWidget(mailAddressGroup);
    left->addWidget(returnItalicsCheck);
    left->addWidget(returnUppercaseCheck);
    left->addWidget(mailItalicsCheck);
    left->addWidget(mailUppercaseCheck);
    left->addStretch(1);
    left->addWidget(quickHelpButton, 0, Qt::AlignLeft);

    auto buttonRow = [](std::initializer_list<QPushButton*> buttons) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (QPushButton* b : buttons)
            row->addWidget(b);
        return row;
    };
    auto* right = new QVBoxLayout;
    right->addWidget(instructionLabel);
    right->addLayout(lines);
    right->addLayout(buttonRow({addressOkButton, addressCancelButton}));
    auto* nameFilterRow = new QHBoxLayout;
    nameFilterRow->addWidget(nameFilterLabel);
    nameFilterRow->addWidget(nameFilterEdit, 1);
    right->addLayout(nameFilterRow);
    right->addWidget(nameList, 1);
    right->addWidget(nameListNoteLabel);
    right->addLayout(buttonRow(
        {returnNameOkButton, returnNameCancelButton, mailNameOkButton, mailNameCancelButton}));
    right->addWidget(mailListFileList);
    auto* title = new QHBoxLayout;
    title->addWidget(mailListTitleLabel);
    title->addWidget(mailListTitleEdit, 1);
    right->addLayout(title);
    right->addLayout(buttonRow({mailListOkButton, mailListCancelButton}));
    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(sortOrderGroup, 1);
    sortRow->addWidget(sortOrderOkButton, 0, Qt::AlignBottom);
    right->addLayout(sortRow);

    auto* feedAndCount = new QVBoxLayout;
    feedAndCount->addWidget(feedGroup);
    auto* count = new QGridLayout;
    count->addWidget(countLabel, 0, 0);
    count->addWidget(countEdit, 0, 1, 2, 1, Qt::AlignVCenter);
    count->addWidget(forEachAddressLabel, 1, 0);
    feedAndCount->addLayout(count);
    feedAndCount->addStretch(1);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(printerLabel);
    printerRow->addWidget(printerBox, 1);
    feedAndCount->addLayout(printerRow);
    feedAndCount->addLayout(buttonRow({previewButton, printButton, cancelButton}));
    auto* printOptions = new QHBoxLayout;
    printOptions->addWidget(sizeGroup);
    printOptions->addLayout(feedAndCount, 1);
    right->addLayout(printOptions);
    right->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addSpacing(8);
    top->addLayout(right, 1);
    resize(820, 560);

    // Reading order: the address options and styling, then the panels.
    QList<QWidget*> order;
    for (QWidget* w : returnAddressOptions)
        order << w;
    for (QWidget* w : mailAddressOptions)
        order << w;
    order << returnItalicsCheck << returnUppercaseCheck << mailItalicsCheck << mailUppercaseCheck
          << quickHelpButton;
    for (QWidget* w : addressLineEdits)
        order << w;
    order << addressOkButton << addressCancelButton << nameFilterEdit << nameList
          << returnNameOkButton << returnNameCancelButton << mailNameOkButton
          << mailNameCancelButton << mailListFileList << mailListTitleEdit << mailListOkButton
          << mailListCancelButton;
    for (QWidget* w : sortOrderOptions)
        order << w;
    order << sortOrderOkButton;
    for (QWidget* w : sizeOptions)
        order << w;
    for (QWidget* w : feedOptions)
        order << w;
    order << countEdit << printerBox << previewButton << printButton << cancelButton;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EnvelopeDialog::connectHandlers()
{
    for (int i = 0; i < int(returnAddressOptions.size()); ++i)
        connect(returnAddressOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                onReturnOptionChosen(i);
        });
    for (int i = 0; i < int(mailAddressOptions.size()); ++i)
        connect(mailAddressOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                onMailOptionChosen(i);
        });
    for (QRadioButton* o : sizeOptions)
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onSizeChosen();
        });
    // The feed is applied when printing; choosing it only moves on to Print.
    for (QRadioButton* o : feedOptions)
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                focusPrintButton();
        });
    // Enter in an address box goes on to the next box; in the last it is OK.
    for (int i = 0; i < int(addressLineEdits.size()); ++i)
        connect(addressLineEdits[i], &QLineEdit::returnPressed, this, [this, i] {
            if (i + 1 < int(addressLineEdits.size()))
                addressLineEdits[i + 1]->setFocus();
            else
                addressOkButton->click();
        });
    connect(addressOkButton, &QPushButton::clicked, this, &EnvelopeDialog::onAddressOkClicked);
    connect(addressCancelButton, &QPushButton::clicked, this,
            &EnvelopeDialog::onAddressCancelClicked);
    for (QPushButton* ok : {returnNameOkButton, mailNameOkButton})
        connect(ok, &QPushButton::clicked, this, &EnvelopeDialog::onNameOkClicked);
    for (QPushButton* cancel : {returnNameCancelButton, mailNameCancelButton})
        connect(cancel, &QPushButton::clicked, this, &EnvelopeDialog::onNameCancelClicked);
    onListClick(mailListFileList, [this](ListClick how) { onMailListFileClicked(how); });
    connect(mailListOkButton, &QPushButton::clicked, this, &EnvelopeDialog::onMailListOkClicked);
    // Cancelling the picker keeps the mailing-list option chosen.
    for (QPushButton* done : {mailListCancelButton, sortOrderOkButton})
        connect(done, &QPushButton::clicked, this, [this] { showPanel(Panel::PrintOptions); });
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        leaveLetterPaper();
        unloadWindow(this);
    });
    connect(quickHelpButton, &QPushButton::clicked, this, &EnvelopeDialog::onQuickHelpClicked);
    connect(printButton, &QPushButton::clicked, this, &EnvelopeDialog::onPrintClicked);
    connect(previewButton, &QPushButton::clicked, this, &EnvelopeDialog::onPreviewClicked);
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

void EnvelopeDialog::showPanel(Panel panel, bool moveFocus)
{
    panel_ = panel;
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
            names[id] = padRight(p_.CurRec.Name, Width::Name);
        }
        return true;
    });
    sortNameList(sortKeys, p_.SortedIdList, n);
    p_.SortedCount = n;
    QVector<NameListModel::Line> lines;
    lines.reserve(n);
    for (int k = 1; k <= n; ++k)
        lines.append({p_.SortedIdList[k], names[p_.SortedIdList[k]]});
    linesOf(nameList)->setLines(std::move(lines));
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
    Get_NA_Rec(p_, linesOf(nameList)->idAt(line) + 1);
    const NARecord& r = p_.CurRec;
    AddressLines& target = forReturn ? returnAddress : mailAddress;
    target = {r.Name, r.AddrLine1, r.AddrLine2, r.AddrLine3, r.AddrLine4};
    for (QString& s : target)
        s = padRight(s, Width::Addr);
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
