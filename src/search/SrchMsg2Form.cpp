#include "search/SrchMsg2Form.h"

#include "platform/gui/Windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tavrel {

SrchMsg2Form::SrchMsg2Form(Program& program, const NARecord& shown, int screenOnDisplay,
                           QWidget* parent)
    : MatchWindow(program, shown, screenOnDisplay, parent)
{
    setObjectName(QStringLiteral("SrchMsg2Form"));
    setWindowTitle(QStringLiteral("Record Matches Search Parameter"));

    addButton(QStringLiteral("&Add To ML"),
              QStringLiteral("Add This Record To The Mailing List And Continue Searching"));
    addButton(switchCaption(), QStringLiteral("Display Other Screen Of The Current N&A Record"));
    addButton(QStringLiteral("&End Search"), QStringLiteral("Terminate The Search"));
    addButton(QStringLiteral("&Don't Add"),
              QStringLiteral("Continue The Search But Don't Add This Record To The Mailing List"));
    addButton(QStringLiteral("&Copy N&&A To Clipboard"), QString());

    auto* label = new QLabel(QStringLiteral("Continue Search"));
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);

    // The two ways of going on sit under their label; the rest beside them.
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(Command3D1[0], 1, 0);
    layout->addWidget(Command3D1[3], 1, 1);
    layout->addWidget(Command3D1[1], 1, 2);
    layout->addWidget(Command3D1[2], 1, 3);
    layout->addWidget(Command3D1[4], 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(Command3D1[0], Command3D1[3]);
    setTabOrder(Command3D1[3], Command3D1[1]);
    setTabOrder(Command3D1[1], Command3D1[2]);
    setTabOrder(Command3D1[2], Command3D1[4]);
    Command3D1[0]->setDefault(true);

    for (int i = 0; i < Command3D1.size(); ++i)
        connect(Command3D1[i], &QPushButton::clicked, this, [this, i] { Command3D1_Click(i); });
}

void SrchMsg2Form::Command3D1_Click(int index)
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
