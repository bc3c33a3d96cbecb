#include "records/BrsForma.h"

#include "platform/Text.h"
#include "records/BrsFormb.h"
#include "records/FieldBox.h"
#include "records/RecordScreens.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

const QStringList& BrsForma::phoneTypes()
{
    static const QStringList types{QStringLiteral("CelTel"), QStringLiteral("Data"),
                                   QStringLiteral("FAX"),    QStringLiteral("Home"),
                                   QStringLiteral("Pager"),  QStringLiteral("School"),
                                   QStringLiteral("Voice"),  QStringLiteral("Work")};
    return types;
}

BrsForma::BrsForma(Program& p, std::shared_ptr<RecordSession> session)
    : RecordScreen(p, std::move(session))
{
    setObjectName(QStringLiteral("BrsForma"));

    auto* nameFrame = new QGroupBox(QStringLiteral("Name and Address"), this);
    nameFrame->setObjectName(QStringLiteral("NameFrame"));
    auto* nameGrid = new QGridLayout(nameFrame);
    auto* nameLabel = new QLabel(QStringLiteral("&Name"), nameFrame);
    nameLabel->setObjectName(QStringLiteral("NameLabel"));
    BrsTxt2 = makeBox(nameFrame, QStringLiteral("BrsTxt2"),
                      QStringLiteral("Name - Up To 35 Characters"), Width::Name);
    nameLabel->setBuddy(BrsTxt2);
    nameGrid->addWidget(nameLabel, 0, 0);
    nameGrid->addWidget(BrsTxt2, 0, 1);
    auto* addrLabel = new QLabel(QStringLiteral("&Address"), nameFrame);
    addrLabel->setObjectName(QStringLiteral("AddressLabel"));
    addrLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameGrid->addWidget(addrLabel, 1, 0);
    for (int i = 0; i < 4; ++i) {
        BrsTxt3[i] = makeBox(nameFrame, QStringLiteral("BrsTxt3_%1").arg(i),
                             QStringLiteral("Address Line %1 - Up To 35 Characters").arg(i + 1),
                             Width::Addr);
        // Only the first line has a label: screen readers tell the lines apart by name.
        BrsTxt3[i]->setAccessibleName(tr("Address Line %1").arg(i + 1));
        nameGrid->addWidget(BrsTxt3[i], 1 + i, 1);
    }
    addrLabel->setBuddy(BrsTxt3[0]);
    const int boxWidth = BrsTxt2->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('M')));
    BrsTxt2->setMinimumWidth(qMin(boxWidth, 330));

    auto* phoneFrame = new QGroupBox(QStringLiteral("Telephone Numbers"), this);
    phoneFrame->setObjectName(QStringLiteral("PhoneFrame"));
    auto* phoneGrid = new QGridLayout(phoneFrame);
    auto* typeLabel = new QLabel(QStringLiteral("T&ype"), phoneFrame);
    typeLabel->setObjectName(QStringLiteral("TypeLabel"));
    auto* numberLabel = new QLabel(QStringLiteral("Number"), phoneFrame);
    numberLabel->setObjectName(QStringLiteral("NumberLabel"));
    phoneGrid->addWidget(typeLabel, 0, 0);
    phoneGrid->addWidget(numberLabel, 0, 1);
    for (int i = 0; i < 5; ++i) {
        Combo1[i] = new QComboBox(phoneFrame);
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        Combo1[i]->setEditable(true);
        limitBox(Combo1[i]->lineEdit(), Width::PhoneType);
        Combo1[i]->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is stored as typed: no completion from the entries,
        // and without a completer Enter and leaving the box match them
        // case-sensitively, so "fax" stays "fax".
        Combo1[i]->setCompleter(nullptr);
        Combo1[i]->setToolTip(QStringLiteral("Up To 6 Characters"));
        Combo1[i]->addItems(phoneTypes());
        Combo1[i]->setCurrentIndex(-1);
        Combo1[i]->setEditText(QString());
        Combo1[i]->setMinimumContentsLength(7);
        BrsTxt10[i] =
            makeBox(phoneFrame, QStringLiteral("BrsTxt10_%1").arg(i),
                    QStringLiteral("Telephone Number - Up To 20 Characters"), Width::PhoneNum);
        Combo1[i]->setAccessibleName(tr("Telephone %1 Type").arg(i + 1));
        BrsTxt10[i]->setAccessibleName(tr("Telephone %1 Number").arg(i + 1));
        phoneGrid->addWidget(Combo1[i], 1 + i, 0);
        phoneGrid->addWidget(BrsTxt10[i], 1 + i, 1);
    }
    typeLabel->setBuddy(Combo1[0]);

    Screen2Button = makeButton(this, "Screen2Button", QStringLiteral("Show Screen &2"),
                               QStringLiteral("Display Screen 2 Of This N&A Record"));
    CopyButton = makeButton(this, "CopyButton", QStringLiteral("C&opy N&&A To Clipboard"),
                            QStringLiteral("Copy The Name And Address Of The Current Record To "
                                           "The Windows Clipboard"));
    buttonColumn()->addWidget(Screen2Button);
    buttonColumn()->addWidget(CopyButton);

    auto* left = new QVBoxLayout;
    left->addWidget(idFrame());
    left->addWidget(nameFrame);
    left->addWidget(phoneFrame);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttonColumn());

    // Tab order follows reading order: the boxes top to bottom, then the buttons.
    QWidget* previous = BrsTxt1;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(BrsTxt2);
    for (auto* b : BrsTxt3)
        chain(b);
    for (int i = 0; i < 5; ++i) {
        chain(Combo1[i]);
        chain(BrsTxt10[i]);
    }
    for (QWidget* b :
         {BrsCmd1, BrsCmd4, BrsCmd3, BrsCmd5, BrsCmd2, BrsCmd7, BrsCmd6, Screen2Button, CopyButton})
        chain(b);

    connect(Screen2Button, &QPushButton::clicked, this, &BrsForma::Screen2Button_Click);
    connect(CopyButton, &QPushButton::clicked, this, &BrsForma::CopyButton_Click);
    beepOnCut();
}

void BrsForma::applyMode()
{
    RecordScreen::applyMode();
    const QString& mode = p_.ScreenMode;
    const bool search = mode == QLatin1String("Search");
    CopyButton->setVisible(!isAddMode(mode));
    CopyButton->setEnabled(!search);
    Screen2Button->setEnabled(!search);
}

void BrsForma::fill(const NARecord& r)
{
    showText(BrsTxt1, QString::number(r.RecId));
    showText(BrsTxt2, trimRightView(r.Name));
    const QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    for (int i = 0; i < 4; ++i)
        showText(BrsTxt3[i], trimRightView(*lines[i]));
    for (int i = 0; i < 5; ++i) {
        showText(Combo1[i], trimRightView(r.phoneType(i + 1)));
        showText(BrsTxt10[i], trimRightView(r.phoneNum(i + 1)));
    }
}

void BrsForma::clear()
{
    BrsTxt1->clear();
    BrsTxt2->clear();
    for (auto* b : BrsTxt3)
        b->clear();
    for (int i = 0; i < 5; ++i) {
        Combo1[i]->setEditText(QString());
        BrsTxt10[i]->clear();
    }
}

QWidget* BrsForma::addModeFocus() const
{
    return BrsTxt2;
}

void BrsForma::Screen2Button_Click()
{
    if (BrsFormb* two = session_->two.data()) {
        two->catchUp();
        two->BrsTxt1->setText(BrsTxt1->text());
        two->showInstead();
    }
}

void BrsForma::CopyButton_Click()
{
    copyNameAndAddress(p_, session_->shown);
    BrsCmd1->setFocus(Qt::OtherFocusReason);
}

} // namespace tavrel
