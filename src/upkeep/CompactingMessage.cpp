#include "upkeep/CompactingMessage.h"

namespace tavrel {

CompactingMessage::CompactingMessage(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("CompactingMsg"));
    setWindowTitle(QStringLiteral("Compacting"));
    layOutOneLine(QStringLiteral("Compacting The N&A File.  Please Wait."));
}

} // namespace tavrel
