#include "records/BrsFormb.h"

#include "platform/Text.h"
#include "records/BrsForma.h"
#include "records/FieldBox.h"
#include "records/RecordActions.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QString linkText(qint16 id)
{
    return id == 0 ? QString() : QString::number(id);
}

} // namespace

BrsFormb::BrsFormb(Program& p, std::shared_ptr<RecordSession> session)
    : RecordScreen(p, std::move(session))
{
    setObjectName(QStringLiteral("BrsFormb"));
    limitBox(BrsTxt1, 4);

    auto* keyFrame = new QGroupBox(QStringLiteral("Sort Keys"), this);
    keyFrame->setObjectName(QStringLiteral("SortKeyFrame"));
    auto* keyRow = new QHBoxLayout(keyFrame);
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QStringLiteral("Key &%1").arg(i + 1), keyFrame);
        label->setObjectName(QStringLiteral("KeyLabel_%1").arg(i));
        BrsTxt20[i] =
            makeBox(keyFrame, QStringLiteral("BrsTxt20_%1").arg(i),
                    QStringLiteral("Sort Key %1 - Up To 16 Characters").arg(i + 1), Width::SortKey);
        label->setBuddy(BrsTxt20[i]);
        keyRow->addWidget(label);
        keyRow->addWidget(BrsTxt20[i], 1);
    }

    auto* mailFrame = new QGroupBox(QStringLiteral("&E-Mail Address"), this);
    mailFrame->setObjectName(QStringLiteral("EMailFrame"));
    BrsTxt21 = makeBox(mailFrame, QStringLiteral("BrsTxt21"),
                       QStringLiteral("E-Mail Address - Up To 35 Characters"), Width::EMail);
    (new QHBoxLayout(mailFrame))->addWidget(BrsTxt21);

    auto* commentFrame = new QGroupBox(QStringLiteral("C&omments"), this);
    commentFrame->setObjectName(QStringLiteral("CommentsFrame"));
    BrsTxt22 = makeBox(commentFrame, QStringLiteral("BrsTxt22"),
                       QStringLiteral("Comments - Up To 100 Characters"), Width::Comments);
    (new QHBoxLayout(commentFrame))->addWidget(BrsTxt22);

    auto* linkFrame = new QGroupBox(QStringLiteral("QuickLinks &To Other N&&A Records"), this);
    linkFrame->setObjectName(QStringLiteral("LinkFrame"));
    auto* grid = new QGridLayout(linkFrame);
    auto* idHead = new QLabel(QStringLiteral("ID"), linkFrame);
    idHead->setObjectName(QStringLiteral("LinkIdLabel"));
    auto* textHead = new QLabel(QStringLiteral("Description"), linkFrame);
    textHead->setObjectName(QStringLiteral("LinkTextLabel"));
    grid->addWidget(idHead, 0, 0);
    grid->addWidget(textHead, 0, 1);
    const QString captions[] = {QStringLiteral("D&isplay"), QStringLiteral("Di&splay"),
                                QStringLiteral("Displ&ay"), QStringLiteral("Displa&y")};
    const int idWidth = fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 12;
    for (int i = 0; i < 5; ++i) {
        const bool back = i == 4;
        BrsTxt30[i] = makeBox(linkFrame, QStringLiteral("BrsTxt30_%1").arg(i),
                              back ? QStringLiteral("QuickLink Previous Record ID - Up To 4 Digits")
                                   : QStringLiteral("QuickLink ID - Up To 4 Digits"),
                              4);
        BrsTxt30[i]->setFixedWidth(idWidth);
        BrsTxt30[i]->setAccessibleName(back ? tr("QuickLink Previous Record ID")
                                            : tr("QuickLink %1 ID").arg(i + 1));
        BrsTxt30[i]->installEventFilter(this);
        DisplayButton[i] =
            makeButton(linkFrame, "DisplayButton", back ? QStringLiteral("Go Bac&k") : captions[i],
                       back ? QStringLiteral("Display The Preceding Record In The QuickLink Chain")
                            : QStringLiteral("Display The N&A Record Identified At Left"));
        DisplayButton[i]->setObjectName(QStringLiteral("DisplayButton_%1").arg(i));
        if (!back)
            DisplayButton[i]->setAccessibleName(tr("Display QuickLink %1").arg(i + 1));
        grid->addWidget(BrsTxt30[i], 1 + i, 0);
        if (back) {
            auto* label = new QLabel(QStringLiteral("Previous Record"), linkFrame);
            label->setObjectName(QStringLiteral("BackLinkLabel"));
            grid->addWidget(label, 1 + i, 1);
        } else {
            BrsTxt40[i] = makeBox(linkFrame, QStringLiteral("BrsTxt40_%1").arg(i),
                                  QStringLiteral("Description Of Other N&A Record - Up To 20 "
                                                 "Characters"),
                                  Width::LinkText);
            BrsTxt40[i]->setAccessibleName(tr("QuickLink %1 Description").arg(i + 1));
            grid->addWidget(BrsTxt40[i], 1 + i, 1);
        }
        grid->addWidget(DisplayButton[i], 1 + i, 2);
        connect(DisplayButton[i], &QPushButton::clicked, this,
                [this, i] { DisplayButton_Click(i); });
    }
    grid->setColumnStretch(1, 1);

    Screen1Button = makeButton(this, "Screen1Button", QStringLiteral("Show S&creen 1"),
                               QStringLiteral("Display Screen 1 Of This N&A Record"));
    buttonColumn()->addWidget(Screen1Button);

    auto* left = new QVBoxLayout;
    left->addWidget(idFrame());
    left->addWidget(keyFrame);
    left->addWidget(mailFrame);
    left->addWidget(commentFrame);
    left->addWidget(linkFrame);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttonColumn());
    BrsTxt22->setMinimumWidth(
        qMin(BrsTxt22->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))), 460));

    QWidget* previous = BrsTxt1;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(BrsTxt20[0]);
    chain(BrsTxt20[1]);
    chain(BrsTxt21);
    chain(BrsTxt22);
    for (int i = 0; i < 5; ++i) {
        chain(BrsTxt30[i]);
        if (i < 4)
            chain(BrsTxt40[i]);
        chain(DisplayButton[i]);
    }
    for (QWidget* b :
         {BrsCmd1, BrsCmd4, BrsCmd3, BrsCmd5, BrsCmd2, BrsCmd7, BrsCmd6, Screen1Button})
        chain(b);

    connect(Screen1Button, &QPushButton::clicked, this, &BrsFormb::Screen1Button_Click);
    beepOnCut();
}

void BrsFormb::applyMode()
{
    RecordScreen::applyMode();
    const QString& mode = p_.ScreenMode;
    const bool search = mode == QLatin1String("Search");
    for (auto* b : DisplayButton)
        b->setEnabled(isBrowseMode(mode));
    BrsTxt30[4]->setEnabled(!search);
    Screen1Button->setEnabled(!search);
}

void BrsFormb::catchUp()
{
    if (session_->screen2Behind)
        fill(session_->shown);
}

void BrsFormb::showEvent(QShowEvent* event)
{
    catchUp();
    RecordScreen::showEvent(event);
}

void BrsFormb::fill(const NARecord& r)
{
    session_->screen2Behind = false;
    showText(BrsTxt1, QString::number(r.RecId));
    showText(BrsTxt20[0], trimRightView(r.SortKey1));
    showText(BrsTxt20[1], trimRightView(r.SortKey2));
    showText(BrsTxt21, trimRightView(r.EMail));
    showText(BrsTxt22, trimRightView(r.Comments));
    for (int i = 0; i < 4; ++i) {
        showText(BrsTxt30[i], linkText(r.linkId(i + 1)));
        showText(BrsTxt40[i], trimRightView(r.linkText(i + 1)));
    }
    showText(BrsTxt30[4], linkText(r.BackLinkId));
}

void BrsFormb::clear()
{
    session_->screen2Behind = false;
    BrsTxt1->clear();
    for (auto* b : BrsTxt20)
        b->clear();
    BrsTxt21->clear();
    BrsTxt22->clear();
    for (auto* b : BrsTxt30)
        b->clear();
    for (auto* b : BrsTxt40)
        b->clear();
}

QWidget* BrsFormb::addModeFocus() const
{
    return BrsTxt20[0];
}

bool BrsFormb::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 5; ++i) {
            if (watched == BrsTxt30[i] && BrsTxt30[i]->isEnabled()) {
                BrsTxt30_DblClick(i);
                return true;
            }
        }
    }
    return RecordScreen::eventFilter(watched, event);
}

void BrsFormb::Screen1Button_Click()
{
    if (RecordScreen* one = other()) {
        one->BrsTxt1->setText(BrsTxt1->text());
        one->showInstead();
    }
}

void BrsFormb::DisplayButton_Click(int index)
{
    followLink(p_, index);
}

void BrsFormb::BrsTxt30_DblClick(int index)
{
    pickLink(p_, index);
}

} // namespace tavrel
