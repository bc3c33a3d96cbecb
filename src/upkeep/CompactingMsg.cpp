#include "upkeep/CompactingMsg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

CompactingMsg::CompactingMsg(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("CompactingMsg"));
    setWindowTitle(QStringLiteral("Compacting"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    auto* text = makeLabel(QStringLiteral("Compacting The N&A File.  Please Wait."), "Label1");
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tavrel
