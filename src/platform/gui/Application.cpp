#include "platform/gui/Application.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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

// Screen readers announce a control by its accessible name. Each control that
// can take the focus gets one when it is first shown, unless it has one already
// or reads its own caption (see accessibleNameFor).
class NamesControls : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            nameControl(static_cast<QWidget*>(watched));
        return false;
    }
};

// Qt reports a plain top-level widget as a "filler" and a dialog as a dialog
// even when nothing blocks the windows behind it. A screen reader tells the
// user whether a window must be answered first from its role, so a window
// that blocks others reads as a dialog and every other one as a frame. The
// role is asked each time: a dialog becomes modal only when it is run.
class TopLevelWindow : public QAccessibleWidget {
public:
    explicit TopLevelWindow(QWidget* w) : QAccessibleWidget(w) {}
    QAccessible::Role role() const override { return windowRoleOf(widget()); }
};

// Windows built on QWidget or QDialog itself; subclasses Qt knows better
// (message boxes, menus, the main window) keep Qt's own description.
QAccessibleInterface* describeTopLevelWindow(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget") && className != QLatin1String("QDialog"))
        return nullptr;
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || !w->isWindow() || (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog))
        return nullptr;
    return new TopLevelWindow(w);
}

// The label whose mnemonic moves the focus to `w`.
QLabel* buddyLabelOf(const QWidget* w)
{
    for (QWidget* parent = w->parentWidget(); parent; parent = parent->parentWidget()) {
        for (QLabel* label : parent->findChildren<QLabel*>()) {
            if (label->buddy() == w && !label->text().isEmpty())
                return label;
        }
        if (parent->isWindow())
            break;
    }
    return nullptr;
}

// "Sort Keys 2": the title of the group box around `w` and the place of `w`
// among the group's controls of its kind.
QString groupPlaceOf(const QWidget* w)
{
    for (QWidget* parent = w->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget()) {
        auto* group = qobject_cast<QGroupBox*>(parent);
        if (!group || group->title().isEmpty())
            continue;
        int place = 0;
        for (QWidget* c : group->findChildren<QWidget*>()) {
            if (c->metaObject() == w->metaObject() && c->focusPolicy() != Qt::NoFocus)
                ++place;
            if (c == w)
                break;
        }
        return QStringLiteral("%1 %2").arg(withoutMnemonic(group->title())).arg(place);
    }
    return {};
}

} // namespace

QString withoutMnemonic(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text[i] == QLatin1Char('&'))
            continue;
        plain += text[i];
    }
    return plain;
}

QString accessibleNameFor(const QWidget* w)
{
    // The edit line of a combo box or spin box speaks for the box.
    QWidget* owner = w->parentWidget();
    if (owner && (qobject_cast<QComboBox*>(owner) || qobject_cast<QAbstractSpinBox*>(owner))) {
        const QString ownerName = accessibleNameFor(owner);
        if (!ownerName.isEmpty())
            return ownerName;
    }
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    if (const QLabel* label = buddyLabelOf(w))
        return withoutMnemonic(label->text()).simplified();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (!button->text().isEmpty())
            return withoutMnemonic(button->text());
    }
    // Tool tips read "Name - Up To 35 Characters": the name is the part before the limit.
    const QString tip = w->toolTip();
    if (!tip.isEmpty())
        return tip.section(QStringLiteral(" - "), 0, 0).trimmed();
    const QString place = groupPlaceOf(w);
    if (!place.isEmpty())
        return place;
    // The one list or text of a window is what the window's title names.
    const QWidget* window = w->window();
    if (window == w)
        return {};
    const auto all = window->findChildren<QWidget*>();
    const auto sameKind = std::count_if(all.begin(), all.end(), [w](const QWidget* c) {
        return c->metaObject() == w->metaObject() && c->focusPolicy() != Qt::NoFocus;
    });
    return sameKind == 1 ? window->windowTitle() : QString();
}

QAccessible::Role windowRoleOf(const QWidget* window)
{
    return window->isModal() ? QAccessible::Dialog : QAccessible::Window;
}

void nameControl(QWidget* w)
{
    if (w->focusPolicy() == Qt::NoFocus || !w->accessibleName().isEmpty())
        return;
    // A button's caption is read as its name already, and follows caption changes.
    if (const auto* button = qobject_cast<const QAbstractButton*>(w);
        button && !button->text().isEmpty())
        return;
    const QString name = accessibleNameFor(w);
    if (!name.isEmpty())
        w->setAccessibleName(name);
}

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tavrel"));
    app.installEventFilter(new EnterPressesFocusedButton(&app));
    app.installEventFilter(new NamesControls(&app));
    QAccessible::installFactory(&describeTopLevelWindow);
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
