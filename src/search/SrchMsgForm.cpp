#include "search/SrchMsgForm.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tavrel {

SrchMsgForm::SrchMsgForm(Program& program, const NARecord& shown, int screenOnDisplay,
                         QWidget* parent)
    : MatchWindow(program, shown, screenOnDisplay, parent)
{
    setObjectName(QStringLiteral("SrchMsgForm"));
    setWindowTitle(QStringLiteral("Record  Matches Search Parameter"));

    addButton(QStringLiteral("&Continue"), QStringLiteral("Continue The Search"));
    addButton(switchCaption(), QStringLiteral("Display Other Screen Of The Current N&A Record"));
    addButton(QStringLiteral("&End Search"), QStringLiteral("Terminate The Search"));
    addButton(QStringLiteral("C&opy N&&A To Clipboard"), QString());

    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < Command3D1.size(); ++i) {
        layout->addWidget(Command3D1[i]);
        connect(Command3D1[i], &QPushButton::clicked, this, [this, i] { Command3D1_Click(i); });
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Command3D1[0]->setDefault(true);
}

void SrchMsgForm::Command3D1_Click(int index)
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
