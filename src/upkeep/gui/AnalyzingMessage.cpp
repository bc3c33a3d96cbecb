#include "upkeep/gui/AnalyzingMessage.h"

namespace tavrel {

AnalyzingMessage::AnalyzingMessage(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("AnalyzingForm"));
    setWindowTitle(tr("Corvane MARK32"));
    layOutOneLine(tr("Analyzing The N&A File"));
}

} // namespace tavrel
