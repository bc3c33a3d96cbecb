#include "platform/gui/Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace tavrel {

namespace {

// Qt lets Enter press only the auto-default buttons of dialogs and otherwise
// hands the key to the window's default button. Here Enter presses the command
// button that has the focus, whatever window it is in: the focus moves of the
// command windows (after Next the focus is on Next, ...) rely on it.
class EnterPressesFocusedButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        button->click();
        return true;
    }
};

} // namespace

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tavrel"));
    app.installEventFilter(new EnterPressesFocusedButton(&app));
}

bool swallowEnterOffButtons(QWidget* window, QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || qobject_cast<QPushButton*>(window->focusWidget()))
        return false;
    event->accept();
    return true;
}

} // namespace tavrel
