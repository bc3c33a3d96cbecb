#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace tavrel {

// "Loaded" windows: a command window is loaded from the moment it is created
// until it unloads, whether shown or hidden. The main window brings back its
// menus only when no other window is loaded.

// Marks a top-level window as loaded; it is deleted when it closes or unloads.
void loadWindow(QWidget* window);
// Marks a loaded window that stays hidden (it still counts as loaded).
void loadHidden(QWidget* window);
// Unloads: hides the window at once and deletes it when control returns to the event loop.
void unloadWindow(QWidget* window);
// Loads and shows a window that does not block, in front of the others;
// `activate` gives it the keyboard as well.
void showInFront(QWidget* window, bool activate = false);
bool isLoaded(const QWidget* window);
// Every loaded top-level window (modal dialogs shown on the screen count too).
QList<QWidget*> loadedWindows();
// The loaded window with this objectName, or nullptr.
QWidget* loadedWindow(const QString& objectName);

} // namespace tavrel
