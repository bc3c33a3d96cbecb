#include "envelopes/EnvelopePrint.h"

#include "envelopes/EnvExplain.h"
#include "envelopes/EnvPleaseWait.h"
#include "envelopes/EnvProgress.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

const QString kReturnKeyboard = QStringLiteral("Please Enter Return Address Below");
const QString kMailKeyboard = QStringLiteral("Please Enter Mailing Address Below");
const QString kReturnName = QStringLiteral("Please Select The Return Address Name");
const QString kMailName = QStringLiteral("Please Select The 'Mail To' Name");
const QString kPickList = QStringLiteral("Please Select The Desired Mailing List");

const char* const kReturnCaptions[3] = {
    "Enter Address From &Keyboard",
    "Use &Existing Entry In N&&A File",
    "&No Return Address",
};
const char* const kMailCaptions[5] = {
    "Enter &Single Address From Keyboard",
    "Get Addresses From A &Mailing List",
    "&Use Existing Single Entry In N&&A File",
    "Use All Entries &In N&&A File",
    "No \"To\" A&ddress",
};
const char* const kSizeCaptions[kEnvelopeSizeCount] = {
    "&Commercial #10 (4 1/8\" x 9 1/2\")",
    "M&onarch (3 7/8\" x 7 1/2\")",
    "Pe&rsonal (3 5/8\" x 6 1/2\")",
    "DL (110mm x &220mm)",
    "C&6 (114mm x 162mm)",
    "B&5 (176mm x 250mm)",
    "C5 (162mm x 22&9mm)",
};
const char* const kFeedCaptions[2] = {"L&andscape (envelope turned sideways)", "Por&trait"};
const char* const kSortCaptions[5] = {"Key 1", "Key 2", "Key 1 (Major) + Key 2 (Minor)",
                                      "Key 2 (Major) + Key 1 (Minor)", "Do Not Sort"};

template <std::size_t N>
QButtonGroup* makeOptions(std::array<QRadioButton*, N>& options, const char* name,
                          const char* const (&captions)[N], QGroupBox* frame)
{
    auto* group = new QButtonGroup(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
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
    void showPleaseWait() override { wait_ = showNow(p_, new EnvPleaseWait); }
    void closePleaseWait() override { unloadWindow(wait_); }
    void showProgress() override
    {
        progress_ = new EnvProgress([this] { EnvCancelRequested = true; });
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
    QPointer<EnvPleaseWait> wait_;
    QPointer<EnvProgress> progress_;
};

} // namespace

EnvelopePrint::EnvelopePrint(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("EnvelopePrint"));
    setWindowTitle(QStringLiteral("Print Envelopes"));
    ReturnAddr.fill(QString(Width::Addr, QLatin1Char(' ')));
    MailAddr.fill(QString(Width::Addr, QLatin1Char(' ')));
    buildLayout();

    // Form_Load: no address option chosen, the name list not read yet; the
    // first size, the sideways feed and the first key are chosen to begin with.
    AddressListLoaded = false;
    EnvOpt3[0]->setChecked(true);
    EnvOpt4[0]->setChecked(true);
    EnvOpt5[0]->setChecked(true);
    HideKeyboardEntry();
    HideAddressList();
    HideMailingListPicker();
    ShowPrintOptions();
    File1->addItems(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(File1);

    connectHandlers();
}

void EnvelopePrint::leaveLetterPaper()
{
    // A size chosen on the dialog must not outlive it: later printouts are letter.
    try {
        if (p_.printer.paperSize() != 1)
            p_.printer.setPaperSize(1);
    } catch (const PlatformError&) {
    }
}

void EnvelopePrint::buildLayout()
{
    Frame1 = named(new QGroupBox(QStringLiteral("Return Address"), this), "Frame1");
    group1_ = makeOptions(EnvOpt1, "EnvOpt1", kReturnCaptions, Frame1);
    Frame2 = named(new QGroupBox(QStringLiteral("Mailing (\"To\") Address"), this), "Frame2");
    group2_ = makeOptions(EnvOpt2, "EnvOpt2", kMailCaptions, Frame2);
    Frame3 = named(new QGroupBox(QStringLiteral("Envelope Size"), this), "Frame3");
    group3_ = makeOptions(EnvOpt3, "EnvOpt3", kSizeCaptions, Frame3);
    Frame4 = named(new QGroupBox(QStringLiteral("Envelope Orientation (Feed)"), this), "Frame4");
    makeOptions(EnvOpt4, "EnvOpt4", kFeedCaptions, Frame4);
    EnvMailingListSortByFrame =
        named(new QGroupBox(QStringLiteral("Sort Mailing Address Data By"), this),
              "EnvMailingListSortByFrame");
    makeOptions(EnvOpt5, "EnvOpt5", kSortCaptions, EnvMailingListSortByFrame);
    EnvMailingListSortByOKButton =
        makeButton(QStringLiteral("OK"), "EnvMailingListSortByOKButton", this);

    EnvReturnItalics = named(new QCheckBox(QStringLiteral("Print Return Address In Italics"), this),
                             "EnvReturnItalics");
    EnvReturnUppercase =
        named(new QCheckBox(QStringLiteral("Print Return Address In UPPERCASE"), this),
              "EnvReturnUppercase");
    EnvMailingItalics =
        named(new QCheckBox(QStringLiteral("Print Mailin&g Address In Italics"), this),
              "EnvMailingItalics");
    EnvMailingUppercase =
        named(new QCheckBox(QStringLiteral("Print Mailing Address In UPPERCASE"), this),
              "EnvMailingUppercase");
    EnvQuickHelpButton = makeButton(QStringLiteral("&Quick Help"), "EnvQuickHelpButton", this);

    EnvAddrInstrLabel = named(new QLabel(this), "EnvAddrInstrLabel");
    QFont bold = EnvAddrInstrLabel->font();
    bold.setBold(true);
    EnvAddrInstrLabel->setFont(bold);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        EnvAddrLine[i] = new QLineEdit(this);
        EnvAddrLine[i]->setObjectName(QStringLiteral("EnvAddrLine_%1").arg(i));
        EnvAddrLine[i]->setMaxLength(Width::Addr);
        EnvAddrLine[i]->setAccessibleName(tr("Envelope Address Line %1").arg(i + 1));
        EnvAddrLine[i]->setMinimumWidth(EnvAddrLine[i]->fontMetrics().averageCharWidth() * 40);
        lines->addWidget(EnvAddrLine[i]);
    }
    EnvAddrOKButton = makeButton(QStringLiteral("OK"), "EnvAddrOKButton", this);
    EnvAddrCancelButton = makeButton(QStringLiteral("Cancel"), "EnvAddrCancelButton", this);

    ReturnAddressList = named(new QListWidget(this), "ReturnAddressList");
    ReturnAddressList->setMinimumHeight(150);
    ReturnAddressList->setAccessibleName(tr("N&A Records"));
    ReturnAddressListLabel = named(
        new QLabel(QStringLiteral("The Above Information Is Sorted According To The 'N&A Display' "
                                  "Option On The 'Preferences' Menu."),
                   this),
        "ReturnAddressListLabel");
    ReturnAddressListLabel->setWordWrap(true);
    ReturnAddressListOKButton = makeButton(QStringLiteral("OK"), "ReturnAddressListOKButton", this);
    ReturnAddressListCancelButton =
        makeButton(QStringLiteral("Cancel"), "ReturnAddressListCancelButton", this);
    MailingAddressListOKButton =
        makeButton(QStringLiteral("OK"), "MailingAddressListOKButton", this);
    MailingAddressListCancelButton =
        makeButton(QStringLiteral("Cancel"), "MailingAddressListCancelButton", this);

    File1 = named(new QListWidget(this), "File1");
    File1->setMaximumHeight(110);
    File1->setAccessibleName(tr("Mailing Lists"));
    EnvMailingListTitleLabel =
        named(new QLabel(QStringLiteral("Mailing List Title"), this), "EnvMailingListTitleLabel");
    EnvMailingListTitleText = named(new QLineEdit(this), "EnvMailingListTitleText");
    EnvMailingListTitleText->setReadOnly(true);
    EnvMailingListTitleLabel->setBuddy(EnvMailingListTitleText);
    EnvMailingListOKButton = makeButton(QStringLiteral("OK"), "EnvMailingListOKButton", this);
    EnvMailingListCancelButton =
        makeButton(QStringLiteral("Cancel"), "EnvMailingListCancelButton", this);

    EnvNumberEnv = named(new QLineEdit(QStringLiteral("1"), this), "EnvNumberEnv");
    EnvNumberEnv->setFixedWidth(
        EnvNumberEnv->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7 + 16);
    EnvNumberPerAddrLabel = named(new QLabel(QStringLiteral("Number Of En&velopes To Print"), this),
                                  "EnvNumberPerAddrLabel");
    EnvNumberPerAddrLabel->setBuddy(EnvNumberEnv);
    ForEachAddrLabel =
        named(new QLabel(QStringLiteral("For Each \"To\" Address"), this), "ForEachAddrLabel");
    EnvPrintButton = makeButton(QStringLiteral("&Print"), "EnvPrintButton", this);
    EnvCancelButton = makeButton(QStringLiteral("Cance&l"), "EnvCancelButton", this);

    // Left: the address options and the styling. Right: the panels, one above
    // the other; only the ones in use are shown.
    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2);
    left->addWidget(EnvReturnItalics);
    left->addWidget(EnvReturnUppercase);
    left->addWidget(EnvMailingItalics);
    left->addWidget(EnvMailingUppercase);
    left->addStretch(1);
    left->addWidget(EnvQuickHelpButton, 0, Qt::AlignLeft);

    auto buttonRow = [](std::initializer_list<QPushButton*> buttons) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (QPushButton* b : buttons)
            row->addWidget(b);
        return row;
    };
    auto* right = new QVBoxLayout;
    right->addWidget(EnvAddrInstrLabel);
    right->addLayout(lines);
    right->addLayout(buttonRow({EnvAddrOKButton, EnvAddrCancelButton}));
    right->addWidget(ReturnAddressList, 1);
    right->addWidget(ReturnAddressListLabel);
    right->addLayout(buttonRow({ReturnAddressListOKButton, ReturnAddressListCancelButton,
                                MailingAddressListOKButton, MailingAddressListCancelButton}));
    right->addWidget(File1);
    auto* title = new QHBoxLayout;
    title->addWidget(EnvMailingListTitleLabel);
    title->addWidget(EnvMailingListTitleText, 1);
    right->addLayout(title);
    right->addLayout(buttonRow({EnvMailingListOKButton, EnvMailingListCancelButton}));
    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(EnvMailingListSortByFrame, 1);
    sortRow->addWidget(EnvMailingListSortByOKButton, 0, Qt::AlignBottom);
    right->addLayout(sortRow);

    auto* feedAndCount = new QVBoxLayout;
    feedAndCount->addWidget(Frame4);
    auto* count = new QGridLayout;
    count->addWidget(EnvNumberPerAddrLabel, 0, 0);
    count->addWidget(EnvNumberEnv, 0, 1, 2, 1, Qt::AlignVCenter);
    count->addWidget(ForEachAddrLabel, 1, 0);
    feedAndCount->addLayout(count);
    feedAndCount->addStretch(1);
    feedAndCount->addLayout(buttonRow({EnvPrintButton, EnvCancelButton}));
    auto* printOptions = new QHBoxLayout;
    printOptions->addWidget(Frame3);
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
    for (QWidget* w : EnvOpt1)
        order << w;
    for (QWidget* w : EnvOpt2)
        order << w;
    order << EnvReturnItalics << EnvReturnUppercase << EnvMailingItalics << EnvMailingUppercase
          << EnvQuickHelpButton;
    for (QWidget* w : EnvAddrLine)
        order << w;
    order << EnvAddrOKButton << EnvAddrCancelButton << ReturnAddressList
          << ReturnAddressListOKButton << ReturnAddressListCancelButton
          << MailingAddressListOKButton << MailingAddressListCancelButton << File1
          << EnvMailingListTitleText << EnvMailingListOKButton << EnvMailingListCancelButton;
    for (QWidget* w : EnvOpt5)
        order << w;
    order << EnvMailingListSortByOKButton;
    for (QWidget* w : EnvOpt3)
        order << w;
    for (QWidget* w : EnvOpt4)
        order << w;
    order << EnvNumberEnv << EnvPrintButton << EnvCancelButton;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EnvelopePrint::connectHandlers()
{
    for (int i = 0; i < int(EnvOpt1.size()); ++i)
        connect(EnvOpt1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                EnvOpt1_Click(i);
        });
    for (int i = 0; i < int(EnvOpt2.size()); ++i)
        connect(EnvOpt2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                EnvOpt2_Click(i);
        });
    for (QRadioButton* o : EnvOpt3)
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                EnvOpt3_Click();
        });
    for (QRadioButton* o : EnvOpt4)
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                EnvOpt4_Click();
        });
    // Enter in an address box goes on to the next box; in the last it is OK.
    for (int i = 0; i < int(EnvAddrLine.size()); ++i)
        connect(EnvAddrLine[i], &QLineEdit::returnPressed, this, [this, i] {
            if (i + 1 < int(EnvAddrLine.size()))
                EnvAddrLine[i + 1]->setFocus();
            else
                EnvAddrOKButton->click();
        });
    connect(EnvAddrOKButton, &QPushButton::clicked, this, &EnvelopePrint::EnvAddrOKButton_Click);
    connect(EnvAddrCancelButton, &QPushButton::clicked, this,
            &EnvelopePrint::EnvAddrCancelButton_Click);
    connect(ReturnAddressListOKButton, &QPushButton::clicked, this,
            [this] { addressListOK(true); });
    connect(MailingAddressListOKButton, &QPushButton::clicked, this,
            [this] { addressListOK(false); });
    connect(ReturnAddressListCancelButton, &QPushButton::clicked, this,
            [this] { addressListCancel(true); });
    connect(MailingAddressListCancelButton, &QPushButton::clicked, this,
            [this] { addressListCancel(false); });
    onListClick(File1, [this](ListClick how) { File1_Click(how); });
    connect(EnvMailingListOKButton, &QPushButton::clicked, this,
            &EnvelopePrint::EnvMailingListOKButton_Click);
    connect(EnvMailingListCancelButton, &QPushButton::clicked, this,
            &EnvelopePrint::EnvMailingListCancelButton_Click);
    connect(EnvMailingListSortByOKButton, &QPushButton::clicked, this,
            &EnvelopePrint::EnvMailingListSortByOKButton_Click);
    connect(EnvCancelButton, &QPushButton::clicked, this, [this] {
        leaveLetterPaper();
        unloadWindow(this);
    });
    connect(EnvQuickHelpButton, &QPushButton::clicked, this,
            &EnvelopePrint::EnvQuickHelpButton_Click);
    connect(EnvPrintButton, &QPushButton::clicked, this, &EnvelopePrint::EnvPrintButton_Click);
}

EnvelopeJob EnvelopePrint::job() const
{
    EnvelopeJob j;
    j.returnOption = checkedIndex(EnvOpt1);
    j.mailOption = checkedIndex(EnvOpt2);
    j.sizeIndex = qMax(checkedIndex(EnvOpt3), 0);
    j.landscape = EnvOpt4[0]->isChecked();
    j.sortIndex = qMax(checkedIndex(EnvOpt5), 0);
    const auto chosen = File1->selectedItems();
    if (!chosen.isEmpty())
        j.mailListFile = chosen.first()->text();
    j.countText = EnvNumberEnv->text();
    j.returnItalics = EnvReturnItalics->isChecked();
    j.returnUppercase = EnvReturnUppercase->isChecked();
    j.mailItalics = EnvMailingItalics->isChecked();
    j.mailUppercase = EnvMailingUppercase->isChecked();
    j.ReturnAddr = ReturnAddr;
    j.MailAddr = MailAddr;
    return j;
}

void EnvelopePrint::closeEvent(QCloseEvent* event)
{
    if (printing_) {
        event->ignore();
        return;
    }
    leaveLetterPaper();
    QWidget::closeEvent(event);
}

bool EnvelopePrint::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

// --- panels ---

bool EnvelopePrint::shown(const QWidget* w) const
{
    return w->isVisibleTo(this);
}

bool EnvelopePrint::captionIs(const QString& caption) const
{
    return EnvAddrInstrLabel->text() == caption;
}

void EnvelopePrint::HideAddressList()
{
    setShown({EnvAddrInstrLabel, ReturnAddressListLabel, ReturnAddressList,
              ReturnAddressListOKButton, ReturnAddressListCancelButton, MailingAddressListOKButton,
              MailingAddressListCancelButton},
             false);
}

void EnvelopePrint::HidePrintOptions()
{
    setShown({Frame3, Frame4, EnvNumberEnv, EnvNumberPerAddrLabel, ForEachAddrLabel, EnvPrintButton,
              EnvCancelButton},
             false);
}

void EnvelopePrint::ShowPrintOptions()
{
    setShown({Frame3, Frame4, EnvNumberEnv, EnvNumberPerAddrLabel, EnvPrintButton, EnvCancelButton},
             true);
    ForEachAddrLabel->setVisible(EnvOpt2[MailTo::MailingList]->isChecked());
}

void EnvelopePrint::HideKeyboardEntry()
{
    setShown({EnvAddrInstrLabel, EnvAddrOKButton, EnvAddrCancelButton}, false);
    for (QLineEdit* line : EnvAddrLine)
        line->hide();
}

void EnvelopePrint::HideMailingListPicker()
{
    // The sort choice's OK button goes with its frame: alone it would choose nothing.
    setShown({EnvAddrInstrLabel, File1, EnvMailingListTitleLabel, EnvMailingListTitleText,
              EnvMailingListOKButton, EnvMailingListCancelButton, EnvMailingListSortByFrame,
              EnvMailingListSortByOKButton},
             false);
}

void EnvelopePrint::ShowMailingListPicker()
{
    setShown({EnvAddrInstrLabel, File1, EnvMailingListTitleLabel, EnvMailingListTitleText,
              EnvMailingListOKButton, EnvMailingListCancelButton, EnvMailingListSortByFrame},
             true);
}

void EnvelopePrint::showKeyboardEntry(const QString& caption, const AddressLines& lines)
{
    EnvAddrInstrLabel->setText(caption);
    for (int i = 0; i < 5; ++i)
        EnvAddrLine[i]->setText(trimRight(lines[i]));
    setShown({EnvAddrInstrLabel, EnvAddrOKButton, EnvAddrCancelButton}, true);
    for (QLineEdit* line : EnvAddrLine)
        line->show();
    EnvAddrLine[0]->setFocus();
}

void EnvelopePrint::showAddressList(const QString& caption, bool forReturn)
{
    EnvAddrInstrLabel->setText(caption);
    setShown({EnvAddrInstrLabel, ReturnAddressListLabel, ReturnAddressList}, true);
    setShown({ReturnAddressListOKButton, ReturnAddressListCancelButton}, forReturn);
    setShown({MailingAddressListOKButton, MailingAddressListCancelButton}, !forReturn);
    // The keyboard goes on where the choice is to be made.
    ReturnAddressList->setFocus();
}

void EnvelopePrint::showSortChoice()
{
    setShown({EnvMailingListSortByFrame, EnvMailingListSortByOKButton}, true);
}

void EnvelopePrint::FillAddressList()
{
    if (!checkFileNotEmpty(p_)) {
        p_.ui.setWaitCursor(false);
        return;
    }
    if (AddressListLoaded)
        return;
    QPointer<EnvPleaseWait> wait = showNow(p_, new EnvPleaseWait);
    p_.ui.setWaitCursor(true);
    const int size = p_.LastRecNo - 1;
    QVector<QString> SortKeyList(size + 1);
    p_.SortedIdList = QVector<qint16>(size + 1, 0);
    QVector<QString> names(size + 1); // by ID
    int n = 0;
    readAscending(p_, 2, size + 1, [&](int recNo) {
        const int id = recNo - 1;
        if (isActive(p_.CurRec, id)) {
            ++n;
            SortKeyList[n] = sortKey(p_.CurRec, id, p_.SortPref);
            p_.SortedIdList[n] = qint16(id);
            names[id] = padRight(p_.CurRec.Name, Width::Name);
        }
        return true;
    });
    SortNameList(SortKeyList, p_.SortedIdList, n);
    p_.SortedCount = n;
    addressIds_ = p_.SortedIdList.mid(1, n);
    QStringList lines;
    lines.reserve(n);
    for (qint16 id : addressIds_)
        lines << names[id];
    ReturnAddressList->clear();
    ReturnAddressList->addItems(lines);
    clearCurrentLine(ReturnAddressList);
    AddressListLoaded = true;
    p_.ui.setWaitCursor(false);
    unloadWindow(wait);
}

void EnvelopePrint::focusPrintButton()
{
    if (shown(EnvPrintButton))
        EnvPrintButton->setFocus();
}

void EnvelopePrint::conflictIfBothNone()
{
    if (!EnvOpt1[ReturnFrom::None]->isChecked() || !EnvOpt2[MailTo::None]->isChecked())
        return;
    p_.ui.messageBox(QStringLiteral("You Cannot Specify 'No Return Address' And 'No To Address' "
                                    "Simultaneously.\n\nThese Options Are Being Reset. Please "
                                    "Reselect Addressing Options."),
                     kTitle, Ui::Buttons::Ok);
    deselect(group1_, ReturnFrom::None);
    deselect(group2_, MailTo::None);
}

// --- handlers ---

void EnvelopePrint::Form_Activate()
{
    if (!EnvOpt2[MailTo::MailingList]->isChecked())
        ForEachAddrLabel->hide();
}

void EnvelopePrint::EnvOpt1_Click(int index)
{
    const bool mailPanelOpen = (shown(EnvAddrOKButton) && captionIs(kMailKeyboard)) ||
                               (shown(ReturnAddressList) && captionIs(kMailName)) || shown(File1);
    if (mailPanelOpen) {
        p_.ui.messageBox(QStringLiteral("Please Complete The Mailing Address Or Choose Another "
                                        "Mailing Address Option."),
                         kTitle, Ui::Buttons::Ok);
        deselectAll(group1_);
        return;
    }
    switch (index) {
    case ReturnFrom::None:
        HideKeyboardEntry();
        HideAddressList();
        ShowPrintOptions();
        conflictIfBothNone();
        break;
    case ReturnFrom::NAEntry:
        if (shown(EnvAddrOKButton) && captionIs(kReturnKeyboard))
            HideKeyboardEntry();
        else
            HidePrintOptions();
        FillAddressList();
        showAddressList(kReturnName, true);
        break;
    default:
        if (shown(ReturnAddressList))
            HideAddressList();
        HidePrintOptions();
        showKeyboardEntry(kReturnKeyboard, ReturnAddr);
        break;
    }
    focusPrintButton();
}

void EnvelopePrint::EnvOpt2_Click(int index)
{
    const bool returnPanelOpen = (shown(EnvAddrOKButton) && captionIs(kReturnKeyboard)) ||
                                 (shown(ReturnAddressList) && captionIs(kReturnName));
    if (returnPanelOpen) {
        p_.ui.messageBox(QStringLiteral("Please Complete The Return Address Or Choose Another "
                                        "Return Address Option."),
                         kTitle, Ui::Buttons::Ok);
        deselectAll(group2_);
        return;
    }
    if (index == MailTo::Keyboard) {
        HideAddressList();
        HideMailingListPicker();
        HidePrintOptions();
        showKeyboardEntry(kMailKeyboard, MailAddr);
        focusPrintButton();
        return;
    }
    if (index != MailTo::MailingList)
        ForEachAddrLabel->hide();
    switch (index) {
    case MailTo::NAEntry:
        HideKeyboardEntry();
        HidePrintOptions();
        HideMailingListPicker();
        FillAddressList();
        showAddressList(kMailName, false);
        break;
    case MailTo::AllEntries:
        HideKeyboardEntry();
        HideAddressList();
        HideMailingListPicker();
        HidePrintOptions();
        showSortChoice();
        break;
    case MailTo::None:
        HideKeyboardEntry();
        HideAddressList();
        HideMailingListPicker();
        ShowPrintOptions();
        conflictIfBothNone();
        break;
    default: // a mailing list
        if (File1->count() == 0) {
            p_.ui.messageBox(QStringLiteral("There Are No Mailing Lists."), kTitle,
                             Ui::Buttons::Ok);
            deselect(group2_, MailTo::MailingList);
            break;
        }
        HideKeyboardEntry();
        HideAddressList();
        HidePrintOptions();
        EnvMailingListSortByOKButton->hide();
        EnvAddrInstrLabel->setText(kPickList);
        ShowMailingListPicker();
        File1->setFocus();
        break;
    }
    focusPrintButton();
}

void EnvelopePrint::EnvOpt3_Click()
{
    const int index = checkedIndex(EnvOpt3);
    if (index < 0) {
        p_.ui.messageBox(QStringLiteral("Error In EnvOpt3_Click."), kTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    try {
        // Set at once, so that a size the printer cannot do is found now.
        p_.printer.setPaperSize(envelopeSize(index).paperCode);
    } catch (const PlatformError& e) {
        if (e.number() != ErrNo::InvalidPropertyValue) {
            p_.ui.messageBox(
                QStringLiteral("Unexpected Error In Envelope Size Verification Routine.  Err = ") +
                    numText(e.number()) + QStringLiteral(".  Program Terminating."),
                kTitle, Ui::Buttons::Ok);
            p_.ui.endProgram();
        }
        p_.ui.messageBox(QStringLiteral("Your Printer Does Not Support The Specified Envelope "
                                        "Size.\n\n Please Refer To Your Printer Documentation "
                                        "Then Select A Different Envelope Size."),
                         kTitle, Ui::Buttons::Ok);
        EnvOpt3[0]->setChecked(true);
    }
    focusPrintButton();
}

void EnvelopePrint::EnvOpt4_Click()
{
    focusPrintButton();
}

void EnvelopePrint::EnvAddrOKButton_Click()
{
    AddressLines& target = captionIs(kReturnKeyboard) ? ReturnAddr : MailAddr;
    for (int i = 0; i < 5; ++i)
        target[i] = padRight(EnvAddrLine[i]->text(), Width::Addr);
    HideKeyboardEntry();
    ShowPrintOptions();
    EnvPrintButton->setFocus();
}

void EnvelopePrint::EnvAddrCancelButton_Click()
{
    if (captionIs(kReturnKeyboard))
        deselect(group1_, ReturnFrom::Keyboard);
    else
        deselect(group2_, MailTo::Keyboard);
    HideKeyboardEntry();
    ShowPrintOptions();
    EnvPrintButton->setFocus();
}

void EnvelopePrint::addressListOK(bool forReturn)
{
    const int line = ReturnAddressList->currentRow();
    if (ReturnAddressList->selectedItems().isEmpty() || line < 0 || line >= addressIds_.size()) {
        p_.ui.messageBox(forReturn ? QStringLiteral("Please Select A Name For Return Address.")
                                   : QStringLiteral("Please Select A Name For Mailing Address."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    Get_NA_Rec(p_, addressIds_[line] + 1);
    const NARecord& r = p_.CurRec;
    AddressLines& target = forReturn ? ReturnAddr : MailAddr;
    target = {r.Name, r.AddrLine1, r.AddrLine2, r.AddrLine3, r.AddrLine4};
    for (QString& s : target)
        s = padRight(s, Width::Addr);
    HideAddressList();
    ShowPrintOptions();
    focusPrintButton();
}

void EnvelopePrint::addressListCancel(bool forReturn)
{
    HideAddressList();
    if (forReturn)
        deselect(group1_, ReturnFrom::NAEntry);
    else
        deselect(group2_, MailTo::NAEntry);
    ShowPrintOptions();
    focusPrintButton();
}

void EnvelopePrint::File1_Click(ListClick)
{
    const auto chosen = File1->selectedItems();
    if (chosen.isEmpty())
        return;
    try {
        EnvMailingListTitleText->setText(ReadMailListTitle(p_, chosen.first()->text()));
    } catch (const PlatformError& e) {
        EnvMailingListTitleText->clear();
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" In File1_Click.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
}

void EnvelopePrint::EnvMailingListOKButton_Click()
{
    if (File1->selectedItems().isEmpty()) {
        p_.ui.messageBox(QStringLiteral(" Please Select A Mailing List Or Click The Cancel Button"),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    HideMailingListPicker();
    ShowPrintOptions();
    focusPrintButton();
}

void EnvelopePrint::EnvMailingListCancelButton_Click()
{
    HideMailingListPicker();
    ShowPrintOptions();
    focusPrintButton();
}

void EnvelopePrint::EnvMailingListSortByOKButton_Click()
{
    setShown({EnvMailingListSortByFrame, EnvMailingListSortByOKButton}, false);
    ShowPrintOptions();
    focusPrintButton();
}

void EnvelopePrint::EnvQuickHelpButton_Click()
{
    EnvExplain help(this);
    p_.ui.runModal(help);
}

void EnvelopePrint::EnvPrintButton_Click()
{
    DialogEnvelopeWindows windows(p_);
    printing_ = true;
    setEnabled(false);
    EnvelopeRunEnd end = EnvelopeRunEnd::Stopped;
    try {
        end = tavrel::EnvPrintButton_Click(p_, job(), windows);
    } catch (...) {
        printing_ = false;
        setEnabled(true);
        throw;
    }
    printing_ = false;
    setEnabled(true);
    if (end == EnvelopeRunEnd::Completed || end == EnvelopeRunEnd::Cancelled) {
        unloadWindow(this);
        return;
    }
    int count = 0;
    QString why;
    if (end == EnvelopeRunEnd::Refused && !envelopeCount(EnvNumberEnv->text(), count, why) &&
        shown(EnvNumberEnv)) {
        // The count was refused: back to the box that holds it.
        EnvNumberEnv->setFocus();
        EnvNumberEnv->selectAll();
        return;
    }
    focusPrintButton();
}

} // namespace tavrel
