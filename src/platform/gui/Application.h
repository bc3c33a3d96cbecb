#pragma once

class QApplication;
class QKeyEvent;
class QWidget;

namespace tavrel {

// Program-wide behaviour of the toolkit, set once on the application object
// by the program and by the test harness alike:
// - the program's name for the desktop, with no display name: Qt would append
//   a display name to every title bar, and captions are shown exactly;
// - Enter on a focused command button presses it, in every window, as Space
//   does (message boxes answer Enter with their default button as before).
void setUpApplication(QApplication& app);

// True, and the key taken, when Enter is pressed in `window` while its focus
// is not on a command button: such an Enter presses no hidden default button.
bool swallowEnterOffButtons(QWidget* window, QKeyEvent* event);

} // namespace tavrel
