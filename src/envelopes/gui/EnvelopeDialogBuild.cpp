// Building the envelope dialog: its controls, their layout and tab order,
// and the connections of its handlers. What the handlers do is in
// EnvelopeDialog.cpp.
#include "envelopes/gui/EnvelopeDialog.h"

#include "platform/gui/EscapeKey.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "store/gui/LineList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

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

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(true); // Enter presses the button that has the focus
    return b;
}

// Enter in an address box: the box keeps the key, so the window's own Enter
// (the open panel's default button) does not act on it as well.
class AddressBoxEnter : public QObject {
public:
    AddressBoxEnter(QLineEdit* box, std::function<void()> enter)
        : QObject(box), enter_(std::move(enter))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        enter_();
        return true;
    }

private:
    std::function<void()> enter_;
};

} // namespace

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
        new AddressBoxEnter(addressLineEdits[i], [this, i] {
            if (i + 1 < int(addressLineEdits.size()))
                addressLineEdits[i + 1]->setFocus();
            else
                addressOkButton->click();
        });
    connect(addressOkButton, &QPushButton::clicked, this, &EnvelopeDialog::onAddressOkClicked);
    // Esc is the Cancel of the panel on display.
    escapePresses(this, {addressCancelButton, returnNameCancelButton, mailNameCancelButton,
                         mailListCancelButton, cancelButton});
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

} // namespace tavrel
