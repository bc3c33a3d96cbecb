#include "search/gui/MatchViewWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tavrel {

MatchViewWindow::MatchViewWindow(Program& program, const NARecord& shown, int screenOnDisplay,
                                 QWidget* parent)
    : MatchWindow(program, shown, screenOnDisplay, parent)
{
    setObjectName(QStringLiteral("SrchMsgForm"));
    setWindowTitle(tr("Record  Matches Search Parameter"));

    addButton(tr("&Continue"), tr("Continue The Search"));
    addButton(switchCaption(), tr("Display Other Screen Of The Current N&A Record"));
    addButton(tr("&End Search"), tr("Terminate The Search"));
    addButton(tr("C&opy N&&A To Clipboard"), QString());

    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < answerButtons.size(); ++i) {
        layout->addWidget(answerButtons[i]);
        connect(answerButtons[i], &QPushButton::clicked, this, [this, i] { onAnswerClicked(i); });
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    answerButtons[0]->setDefault(true);
}

void MatchViewWindow::onAnswerClicked(int index)
{
    switch (index) {
    case 0:
        answerAndClose(AnswerContinue);
        break;
    case 1:
        answerAndClose(AnswerSwitch);
        break;
    case 2:
        answerAndClose(AnswerEnd);
        break;
    default:
        copyNameAndAddress();
        break;
    }
}

} // namespace tavrel
