#include "records/gui/AddressScreen.h"

#include "records/RecordFields.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/FieldBox.h"
#include "records/gui/RecordScreens.h"
#include "records/gui/RecordUndo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

const QStringList& AddressScreen::phoneTypes()
{
    // Stored in the record as they stand, and read back by import and export:
    // values of the file, not words to translate.
    static const QStringList types{QStringLiteral("CelTel"), QStringLiteral("Data"),
                                   QStringLiteral("FAX"),    QStringLiteral("Home"),
                                   QStringLiteral("Pager"),  QStringLiteral("School"),
                                   QStringLiteral("Voice"),  QStringLiteral("Work")};
    return types;
}

AddressScreen::AddressScreen(Program& p, std::shared_ptr<RecordSession> session)
    : RecordScreen(p, std::move(session))
{
    setObjectName(QStringLiteral("BrsForma"));

    auto* nameFrame = new QGroupBox(tr("Name and Address"), this);
    nameFrame->setObjectName(QStringLiteral("NameFrame"));
    auto* nameGrid = new QGridLayout(nameFrame);
    auto* nameLabel = new QLabel(tr("&Name"), nameFrame);
    nameLabel->setObjectName(QStringLiteral("NameLabel"));
    nameEdit = makeBox(nameFrame, QStringLiteral("BrsTxt2"), tr("Name - Up To 35 Characters"),
                       contactFieldWidth(ContactField::Name));
    nameLabel->setBuddy(nameEdit);
    nameGrid->addWidget(nameLabel, 0, 0);
    nameGrid->addWidget(nameEdit, 0, 1);
    auto* addrLabel = new QLabel(tr("&Address"), nameFrame);
    addrLabel->setObjectName(QStringLiteral("AddressLabel"));
    addrLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameGrid->addWidget(addrLabel, 1, 0);
    for (int i = 0; i < 4; ++i) {
        addressLineEdits[i] = makeBox(nameFrame, QStringLiteral("BrsTxt3_%1").arg(i),
                                      tr("Address Line %1 - Up To 35 Characters").arg(i + 1),
                                      contactFieldWidth(addressLineField(i)));
        // Only the first line has a label: screen readers tell the lines apart by name.
        addressLineEdits[i]->setAccessibleName(tr("Address Line %1").arg(i + 1));
        nameGrid->addWidget(addressLineEdits[i], 1 + i, 1);
    }
    addrLabel->setBuddy(addressLineEdits[0]);
    const int boxWidth = nameEdit->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('M')));
    nameEdit->setMinimumWidth(qMin(boxWidth, 330));

    auto* phoneFrame = new QGroupBox(tr("Telephone Numbers"), this);
    phoneFrame->setObjectName(QStringLiteral("PhoneFrame"));
    auto* phoneGrid = new QGridLayout(phoneFrame);
    auto* typeLabel = new QLabel(tr("T&ype"), phoneFrame);
    typeLabel->setObjectName(QStringLiteral("TypeLabel"));
    auto* numberLabel = new QLabel(tr("Number"), phoneFrame);
    numberLabel->setObjectName(QStringLiteral("NumberLabel"));
    phoneGrid->addWidget(typeLabel, 0, 0);
    phoneGrid->addWidget(numberLabel, 0, 1);
    for (int i = 0; i < 5; ++i) {
        phoneTypeCombos[i] = new QComboBox(phoneFrame);
        phoneTypeCombos[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        phoneTypeCombos[i]->setEditable(true);
        limitBox(phoneTypeCombos[i]->lineEdit(), contactFieldWidth(phoneTypeField(i)));
        phoneTypeCombos[i]->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is stored as typed: no completion from the entries,
        // and without a completer Enter and leaving the box match them
        // case-sensitively, so "fax" stays "fax".
        phoneTypeCombos[i]->setCompleter(nullptr);
        phoneTypeCombos[i]->setToolTip(tr("Up To 6 Characters"));
        phoneTypeCombos[i]->addItems(phoneTypes());
        phoneTypeCombos[i]->setCurrentIndex(-1);
        phoneTypeCombos[i]->setEditText(QString());
        phoneTypeCombos[i]->setMinimumContentsLength(7);
        phoneNumberEdits[i] = makeBox(phoneFrame, QStringLiteral("BrsTxt10_%1").arg(i),
                                      tr("Telephone Number - Up To 20 Characters"),
                                      contactFieldWidth(phoneNumberField(i)));
        phoneTypeCombos[i]->setAccessibleName(tr("Telephone %1 Type").arg(i + 1));
        phoneNumberEdits[i]->setAccessibleName(tr("Telephone %1 Number").arg(i + 1));
        phoneGrid->addWidget(phoneTypeCombos[i], 1 + i, 0);
        phoneGrid->addWidget(phoneNumberEdits[i], 1 + i, 1);
    }
    typeLabel->setBuddy(phoneTypeCombos[0]);

    showScreen2Button = makeButton(this, "Screen2Button", tr("Show Screen &2"),
                                   tr("Display Screen 2 Of This N&A Record"));
    copyButton = makeButton(this, "CopyButton", tr("C&opy N&&A To Clipboard"),
                            tr("Copy The Name And Address Of The Current Record To "
                               "The Windows Clipboard"));
    buttonColumn()->addWidget(showScreen2Button);
    buttonColumn()->addWidget(copyButton);

    auto* left = new QVBoxLayout;
    left->addWidget(idFrame());
    left->addWidget(nameFrame);
    left->addWidget(phoneFrame);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttonColumn());

    // Tab order follows reading order: the boxes top to bottom, then the buttons.
    QWidget* previous = idEdit;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(nameEdit);
    for (auto* b : addressLineEdits)
        chain(b);
    for (int i = 0; i < 5; ++i) {
        chain(phoneTypeCombos[i]);
        chain(phoneNumberEdits[i]);
    }
    for (QWidget* b : {nextButton, previousButton, deleteButton, changeButton, browseCancelButton,
                       addButton, addCancelButton, showScreen2Button, copyButton})
        chain(b);

    connect(showScreen2Button, &QPushButton::clicked, this, &AddressScreen::onShowScreen2Clicked);
    connect(copyButton, &QPushButton::clicked, this, &AddressScreen::onCopyClicked);
    beepOnCut();
    watchUndoKeys(*this);
}

void AddressScreen::applyState(ScreenState state)
{
    RecordScreen::applyState(state);
    const bool search = state == ScreenState::SearchResult;
    copyButton->setVisible(state != ScreenState::Add);
    copyButton->setEnabled(!search);
    showScreen2Button->setEnabled(!search);
}

void AddressScreen::fill(const Contact& c)
{
    showText(idEdit, QString::number(c.id));
    showText(nameEdit, c.text(ContactField::Name));
    for (int i = 0; i < 4; ++i)
        showText(addressLineEdits[i], c.text(addressLineField(i)));
    for (int i = 0; i < 5; ++i) {
        showText(phoneTypeCombos[i], c.text(phoneTypeField(i)));
        showText(phoneNumberEdits[i], c.text(phoneNumberField(i)));
    }
    markUnchanged();
}

void AddressScreen::clear()
{
    idEdit->clear();
    nameEdit->clear();
    for (auto* b : addressLineEdits)
        b->clear();
    for (int i = 0; i < 5; ++i) {
        phoneTypeCombos[i]->setEditText(QString());
        phoneNumberEdits[i]->clear();
    }
    markUnchanged();
}

QWidget* AddressScreen::addModeFocus() const
{
    return nameEdit;
}

void AddressScreen::onShowScreen2Clicked()
{
    if (DetailScreen* two = session_->two.data()) {
        two->catchUp();
        two->idEdit->setText(idEdit->text());
        two->showInstead();
    }
}

void AddressScreen::onCopyClicked()
{
    copyNameAndAddress(p_, session_->shown);
    nextButton->setFocus(Qt::OtherFocusReason);
}

} // namespace tavrel
