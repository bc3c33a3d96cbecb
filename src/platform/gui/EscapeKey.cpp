#include "platform/gui/EscapeKey.h"

#include <QShortcut>
#include <QWidget>
#include <vector>

namespace tavrel {

void onEscape(QWidget* window, std::function<void()> action)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, std::move(action));
}

void escapePresses(QWidget* window, std::initializer_list<QAbstractButton*> buttons)
{
    onEscape(window, [list = std::vector<QAbstractButton*>(buttons)] {
        for (QAbstractButton* b : list) {
            if (b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
        }
    });
}

} // namespace tavrel
