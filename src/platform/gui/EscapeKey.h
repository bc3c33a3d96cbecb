#pragma once

#include <QAbstractButton>
#include <functional>
#include <initializer_list>

class QWidget;

namespace tavrel {

// Esc anywhere in `window` runs `action`, as Esc closes a dialog. For the
// windows that are plain widgets rather than dialogs.
void onEscape(QWidget* window, std::function<void()> action);

// Esc presses the first of `buttons` that is shown and enabled: the Cancel
// of whatever the window is doing at the time.
void escapePresses(QWidget* window, std::initializer_list<QAbstractButton*> buttons);

} // namespace tavrel
