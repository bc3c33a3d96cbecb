#include "search/gui/MatchListWindow.h"

#include "platform/gui/Windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tavrel {

MatchListWindow::MatchListWindow(Program& program, const NARecord& shown, int screenOnDisplay,
                                 QWidget* parent)
    : MatchWindow(program, shown, screenOnDisplay, parent)
{
    setObjectName(QStringLiteral("SrchMsg2Form"));
    setWindowTitle(tr("Record Matches Search Parameter"));

    addButton(tr("&Add To ML"), tr("Add This Record To The Mailing List And Continue Searching"));
    addButton(switchCaption(), tr("Display Other Screen Of The Current N&A Record"));
    addButton(tr("&End Search"), tr("Terminate The Search"));
    addButton(tr("&Don't Add"),
              tr("Continue The Search But Don't Add This Record To The Mailing List"));
    addButton(tr("&Copy N&&A To Clipboard"), QString());

    auto* label = new QLabel(tr("Continue Search"));
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);

    // The two ways of going on sit under their label; the rest beside them.
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(answerButtons[0], 1, 0);
    layout->addWidget(answerButtons[3], 1, 1);
    layout->addWidget(answerButtons[1], 1, 2);
    layout->addWidget(answerButtons[2], 1, 3);
    layout->addWidget(answerButtons[4], 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(answerButtons[0], answerButtons[3]);
    setTabOrder(answerButtons[3], answerButtons[1]);
    setTabOrder(answerButtons[1], answerButtons[2]);
    setTabOrder(answerButtons[2], answerButtons[4]);
    answerButtons[0]->setDefault(true);

    for (int i = 0; i < answerButtons.size(); ++i)
        connect(answerButtons[i], &QPushButton::clicked, this, [this, i] { onAnswerClicked(i); });
}

void MatchListWindow::onAnswerClicked(int index)
{
    if (index == 4) {
        copyNameAndAddress();
        return;
    }
    static constexpr int answers[4] = {AnswerContinue, AnswerSwitch, AnswerEnd, AnswerDontAdd};
    // Only one match window is ever up; leave no other one behind.
    if (QWidget* other = loadedWindow(QStringLiteral("SrchMsgForm")))
        unloadWindow(other);
    answerAndClose(answers[index]);
}

} // namespace tavrel
