#include "platform/gui/NoEscapeDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

QPushButton* NoEscapeDialog::makeButton(const QString& caption, const char* name,
                                        const QString& tip)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(true);
    b->setDefault(false);
    return b;
}

QLabel* NoEscapeDialog::makeLabel(const QString& text, const char* name, bool wrap)
{
    auto* l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(wrap);
    return l;
}

QHBoxLayout* NoEscapeDialog::buttonRow(std::initializer_list<QPushButton*> buttons, Row row,
                                       int gap)
{
    auto* layout = new QHBoxLayout;
    layout->addStretch(1);
    bool first = true;
    for (QPushButton* b : buttons) {
        if (!first && gap > 0)
            layout->addSpacing(gap);
        layout->addWidget(b);
        first = false;
    }
    if (row == Row::Centred)
        layout->addStretch(1);
    return layout;
}

void NoEscapeDialog::layOutOneLine(const QString& text)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    QLabel* label = makeLabel(text, "Label1");
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NoEscapeDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tavrel
