#include "dups/DupSearchMsg.h"

#include "platform/gui/Windows.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

DupSearchMsg::DupSearchMsg(Program& program, QWidget* parent) : DupDialog(parent), p(program)
{
    setObjectName(QStringLiteral("DupSearchMsg"));
    setWindowTitle(QStringLiteral("Duplicate Record Search"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 18, 36, 18);
    int n = 1;
    for (const QString& text :
         {QStringLiteral("Corvane MARK Is Searching"), QStringLiteral("For Duplicate Records")}) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(12);
    CancelButton = makeButton(QStringLiteral("Cance&l"), "CancelButton",
                              QStringLiteral("Terminate The Search For Duplicate N&A Records"));
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(CancelButton, &QPushButton::clicked, this, &DupSearchMsg::CancelButton_Click);
}

void DupSearchMsg::CancelButton_Click()
{
    p.StopRequested = true;
    unloadWindow(this);
}

} // namespace tavrel
