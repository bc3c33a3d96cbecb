#pragma once

#include <functional>

class QAbstractItemView;

namespace tavrel {

// What made a list's click handler run.
enum class ListClick { Keys, Mouse };

// Runs `handler` as a list box runs its click handler: whenever the selection
// moves to a line, by the mouse or by the keys, and again when the user clicks
// the line already selected. A focus move the handler makes belongs to mouse
// clicks only (`ListClick::Mouse`), so that the arrow keys can travel through
// the list. A view with its own model gets the model before this is called.
void onListClick(QAbstractItemView* list, std::function<void(ListClick)> handler);

// Leaves the list without a current line: it shows no line chosen when it
// gets the focus, and the first arrow key chooses the first line.
void clearCurrentLine(QAbstractItemView* list);

} // namespace tavrel
