#include "upkeep/AnalyzingForm.h"

#include "platform/Ui.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

AnalyzingForm::AnalyzingForm(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("AnalyzingForm"));
    setWindowTitle(QStringLiteral("Corvane MARK32"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    auto* text = makeLabel(QStringLiteral("Analyzing The N&A File"), "Label1");
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tavrel
