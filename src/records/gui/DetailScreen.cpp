#include "records/gui/DetailScreen.h"

#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/FieldBox.h"
#include "records/gui/RecordActions.h"
#include "records/gui/RecordUndo.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

DetailScreen::DetailScreen(Program& p, std::shared_ptr<RecordSession> session)
    : RecordScreen(p, std::move(session))
{
    setObjectName(QStringLiteral("BrsFormb"));
    limitBox(idEdit, 4);

    auto* keyFrame = new QGroupBox(tr("Sort Keys"), this);
    keyFrame->setObjectName(QStringLiteral("SortKeyFrame"));
    auto* keyRow = new QHBoxLayout(keyFrame);
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(tr("Key &%1").arg(i + 1), keyFrame);
        label->setObjectName(QStringLiteral("KeyLabel_%1").arg(i));
        sortKeyEdits[i] = makeBox(keyFrame, QStringLiteral("BrsTxt20_%1").arg(i),
                                  tr("Sort Key %1 - Up To 16 Characters").arg(i + 1),
                                  contactFieldWidth(sortKeyField(i)));
        label->setBuddy(sortKeyEdits[i]);
        keyRow->addWidget(label);
        keyRow->addWidget(sortKeyEdits[i], 1);
    }

    auto* mailFrame = new QGroupBox(tr("&E-Mail Address"), this);
    mailFrame->setObjectName(QStringLiteral("EMailFrame"));
    emailEdit =
        makeBox(mailFrame, QStringLiteral("BrsTxt21"), tr("E-Mail Address - Up To 35 Characters"),
                contactFieldWidth(ContactField::EMail));
    (new QHBoxLayout(mailFrame))->addWidget(emailEdit);

    auto* commentFrame = new QGroupBox(tr("C&omments"), this);
    commentFrame->setObjectName(QStringLiteral("CommentsFrame"));
    commentsEdit =
        makeBox(commentFrame, QStringLiteral("BrsTxt22"), tr("Comments - Up To 100 Characters"),
                contactFieldWidth(ContactField::Comments));
    (new QHBoxLayout(commentFrame))->addWidget(commentsEdit);

    auto* linkFrame = new QGroupBox(tr("QuickLinks &To Other N&&A Records"), this);
    linkFrame->setObjectName(QStringLiteral("LinkFrame"));
    auto* grid = new QGridLayout(linkFrame);
    auto* idHead = new QLabel(tr("ID"), linkFrame);
    idHead->setObjectName(QStringLiteral("LinkIdLabel"));
    auto* textHead = new QLabel(tr("Description"), linkFrame);
    textHead->setObjectName(QStringLiteral("LinkTextLabel"));
    grid->addWidget(idHead, 0, 0);
    grid->addWidget(textHead, 0, 1);
    const QString captions[] = {tr("D&isplay"), tr("Di&splay"), tr("Displ&ay"), tr("Displa&y")};
    const int idWidth = fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 12;
    for (int i = 0; i < 5; ++i) {
        const bool back = i == 4;
        linkIdEdits[i] = makeBox(linkFrame, QStringLiteral("BrsTxt30_%1").arg(i),
                                 back ? tr("QuickLink Previous Record ID - Up To 4 Digits")
                                      : tr("QuickLink ID - Up To 4 Digits"),
                                 4);
        linkIdEdits[i]->setFixedWidth(idWidth);
        linkIdEdits[i]->setAccessibleName(back ? tr("QuickLink Previous Record ID")
                                               : tr("QuickLink %1 ID").arg(i + 1));
        linkIdEdits[i]->installEventFilter(this);
        linkButtons[i] = makeButton(linkFrame, "DisplayButton", back ? tr("Go Bac&k") : captions[i],
                                    back ? tr("Display The Preceding Record In The QuickLink Chain")
                                         : tr("Display The N&A Record Identified At Left"));
        linkButtons[i]->setObjectName(QStringLiteral("DisplayButton_%1").arg(i));
        if (!back)
            linkButtons[i]->setAccessibleName(tr("Display QuickLink %1").arg(i + 1));
        grid->addWidget(linkIdEdits[i], 1 + i, 0);
        if (back) {
            auto* label = new QLabel(tr("Previous Record"), linkFrame);
            label->setObjectName(QStringLiteral("BackLinkLabel"));
            grid->addWidget(label, 1 + i, 1);
        } else {
            linkTextEdits[i] = makeBox(linkFrame, QStringLiteral("BrsTxt40_%1").arg(i),
                                       tr("Description Of Other N&A Record - Up To 20 "
                                          "Characters"),
                                       contactFieldWidth(linkTextField(i)));
            linkTextEdits[i]->setAccessibleName(tr("QuickLink %1 Description").arg(i + 1));
            grid->addWidget(linkTextEdits[i], 1 + i, 1);
        }
        grid->addWidget(linkButtons[i], 1 + i, 2);
        connect(linkButtons[i], &QPushButton::clicked, this, [this, i] { onLinkButtonClicked(i); });
    }
    grid->setColumnStretch(1, 1);

    showScreen1Button = makeButton(this, "Screen1Button", tr("Show S&creen 1"),
                                   tr("Display Screen 1 Of This N&A Record"));
    buttonColumn()->addWidget(showScreen1Button);

    auto* left = new QVBoxLayout;
    left->addWidget(idFrame());
    left->addWidget(keyFrame);
    left->addWidget(mailFrame);
    left->addWidget(commentFrame);
    left->addWidget(linkFrame);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttonColumn());
    commentsEdit->setMinimumWidth(
        qMin(commentsEdit->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))), 460));

    QWidget* previous = idEdit;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(sortKeyEdits[0]);
    chain(sortKeyEdits[1]);
    chain(emailEdit);
    chain(commentsEdit);
    for (int i = 0; i < 5; ++i) {
        chain(linkIdEdits[i]);
        if (i < 4)
            chain(linkTextEdits[i]);
        chain(linkButtons[i]);
    }
    for (QWidget* b : {nextButton, previousButton, deleteButton, changeButton, browseCancelButton,
                       addButton, addCancelButton, showScreen1Button})
        chain(b);

    connect(showScreen1Button, &QPushButton::clicked, this, &DetailScreen::onShowScreen1Clicked);
    beepOnCut();
    watchUndoKeys(*this);
}

void DetailScreen::applyState(ScreenState state)
{
    RecordScreen::applyState(state);
    const bool search = state == ScreenState::SearchResult;
    for (auto* b : linkButtons)
        b->setEnabled(!search && state != ScreenState::Add);
    linkIdEdits[4]->setEnabled(!search);
    showScreen1Button->setEnabled(!search);
}

void DetailScreen::catchUp()
{
    if (session_->screen2Behind)
        fill(session_->shown);
}

void DetailScreen::showEvent(QShowEvent* event)
{
    catchUp();
    RecordScreen::showEvent(event);
}

void DetailScreen::fill(const Contact& c)
{
    session_->screen2Behind = false;
    showText(idEdit, QString::number(c.id));
    for (int i = 0; i < 2; ++i)
        showText(sortKeyEdits[i], c.text(sortKeyField(i)));
    showText(emailEdit, c.text(ContactField::EMail));
    showText(commentsEdit, c.text(ContactField::Comments));
    for (int i = 0; i < 4; ++i) {
        showText(linkIdEdits[i], linkIdText(c.linkIds[size_t(i)]));
        showText(linkTextEdits[i], c.text(linkTextField(i)));
    }
    showText(linkIdEdits[4], linkIdText(c.backLinkId));
    markUnchanged();
}

void DetailScreen::clear()
{
    session_->screen2Behind = false;
    idEdit->clear();
    for (auto* b : sortKeyEdits)
        b->clear();
    emailEdit->clear();
    commentsEdit->clear();
    for (auto* b : linkIdEdits)
        b->clear();
    for (auto* b : linkTextEdits)
        b->clear();
    markUnchanged();
}

QWidget* DetailScreen::addModeFocus() const
{
    return sortKeyEdits[0];
}

bool DetailScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 5; ++i) {
            if (watched == linkIdEdits[i] && linkIdEdits[i]->isEnabled()) {
                onLinkIdDoubleClicked(i);
                return true;
            }
        }
    }
    return RecordScreen::eventFilter(watched, event);
}

void DetailScreen::onShowScreen1Clicked()
{
    if (RecordScreen* one = other()) {
        one->idEdit->setText(idEdit->text());
        one->showInstead();
    }
}

void DetailScreen::onLinkButtonClicked(int index)
{
    followLink(p_, index);
}

void DetailScreen::onLinkIdDoubleClicked(int index)
{
    pickLink(p_, index);
}

} // namespace tavrel
