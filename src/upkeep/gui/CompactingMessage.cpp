#include "upkeep/gui/CompactingMessage.h"

namespace tavrel {

CompactingMessage::CompactingMessage(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("CompactingMsg"));
    setWindowTitle(tr("Compacting"));
    layOutOneLine(tr("Compacting The N&A File.  Please Wait."));
}

} // namespace tavrel
