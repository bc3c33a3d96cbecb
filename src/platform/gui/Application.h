#pragma once

#include <QAccessible>
#include <QString>

class QApplication;
class QKeyEvent;
class QWidget;

namespace tavrel {

// Program-wide behaviour of the toolkit, set once on the application object
// by the program and by the test harness alike:
// - the program's name for the desktop, with no display name: Qt would append
//   a display name to every title bar, and captions are shown exactly;
// - Enter on a focused command button presses it, in every window, as Space
//   does (message boxes answer Enter with their default button as before);
// - every control that takes the focus has an accessible name when shown
//   (nameControl);
// - every window built on QWidget or QDialog tells screen readers what it is
//   (windowRoleOf).
void setUpApplication(QApplication& app);

// The name a screen reader announces for `w`: its own accessible name, else
// the text of the label that leads to it, its caption, the first part of its
// tool tip, the title of its group box and its place there ("Sort Keys 2"),
// or, for the window's only control of its kind, the window's title.
QString accessibleNameFor(const QWidget* w);

// Gives `w`, when it takes the focus and has no accessible name, the one
// accessibleNameFor finds. Buttons with a caption keep reading their caption.
void nameControl(QWidget* w);

// What a screen reader is told a top-level window is: a dialog while it
// blocks the windows behind it, otherwise a frame (QAccessible::Window).
QAccessible::Role windowRoleOf(const QWidget* window);

// "C&opy N&&A" -> "Copy N&A".
QString withoutMnemonic(const QString& text);

// True, and the key taken, when Enter is pressed in `window` while its focus
// is not on a command button: such an Enter presses no hidden default button.
bool swallowEnterOffButtons(QWidget* window, QKeyEvent* event);

} // namespace tavrel
