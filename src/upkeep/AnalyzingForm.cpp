#include "upkeep/AnalyzingForm.h"

namespace tavrel {

AnalyzingForm::AnalyzingForm(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("AnalyzingForm"));
    setWindowTitle(QStringLiteral("Corvane MARK32"));
    layOutOneLine(QStringLiteral("Analyzing The N&A File"));
}

} // namespace tavrel
