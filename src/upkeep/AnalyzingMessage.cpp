#include "upkeep/AnalyzingMessage.h"

namespace tavrel {

AnalyzingMessage::AnalyzingMessage(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("AnalyzingForm"));
    setWindowTitle(QStringLiteral("Corvane MARK32"));
    layOutOneLine(QStringLiteral("Analyzing The N&A File"));
}

} // namespace tavrel
