#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

class QAbstractItemView;
class QComboBox;

namespace tavrel::test {

// A top-level window by objectName (nullptr when none is open).
QWidget* findWindow(const QString& objectName);

// An open window of type T by objectName; fails the test when there is none.
template <typename T> T* windowOf(const QString& objectName)
{
    auto* w = dynamic_cast<T*>(findWindow(objectName));
    if (!w)
        ADD_FAILURE() << "no window " << objectName.toStdString();
    return w;
}

// A control of `window` by objectName; fails the test when it is missing.
template <typename T = QWidget> T* control(QWidget* window, const QString& objectName)
{
    if (!window) {
        ADD_FAILURE() << "no window to look for " << objectName.toStdString();
        return nullptr;
    }
    if (window->objectName() == objectName)
        if (auto* self = qobject_cast<T*>(window))
            return self;
    T* c = window->findChild<T*>(objectName);
    if (!c)
        ADD_FAILURE() << "no control " << objectName.toStdString() << " in "
                      << window->objectName().toStdString();
    return c;
}

// What a screen reader says a control is called (empty when it has no
// accessible interface).
QString spokenName(QWidget* w);

// The lines a list view shows, top to bottom (its model's first column).
QStringList shownLines(const QAbstractItemView* view);
// The items a combo box offers, in order.
QStringList comboItems(const QComboBox* box);

// Clicks a button as a user would (it must be visible and enabled to react).
void click(QAbstractButton* button);
// Clicks the named push button of `window` and lets what it starts run.
void press(QWidget* window, const QString& button);
// Clears a text box and types `text` key by key (length limits apply), accented
// letters too.
void type(QLineEdit* box, const QString& text);
// Makes `window` the active window and presses `key` as the keyboard does:
// the key goes to whichever control has the focus.
void pressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Lets posted events run and deletes windows that unloaded.
void settle();
// Unloads every loaded window and closes any other, so none outlives its test.
void closeAllWindows();

} // namespace tavrel::test
