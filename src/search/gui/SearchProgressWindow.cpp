#include "search/gui/SearchProgressWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

SearchProgressWindow::SearchProgressWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SearchingForm"));
    setWindowTitle(tr("Searching"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* label = new QLabel(tr("TVL Is Searching."));
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 18, 36, 18);
    layout->addWidget(label);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tavrel
