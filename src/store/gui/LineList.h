#pragma once

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QWidget;

namespace tavrel {

class NameListFilter;
class NameListModel;

// A list view over its own NameListModel, seen through a NameListFilter.
QListView* newLineList(QWidget* parent, const char* objectName);
NameListModel* linesOf(const QListView* list);
NameListFilter* shownLinesOf(const QListView* list);
// The model row of the list's current line when it is selected, else -1.
int chosenLine(const QListView* list);

// "&Find:" and a box above a line list: typing narrows the list to the lines
// that contain the text, without regard to case or accents. Down moves into
// the list (choosing its first line when none is chosen); Enter chooses the
// only line left, if just one is, and then runs `choose`, the window's own
// way of taking the chosen line (which says so when none is chosen).
struct FilterBox {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
};
FilterBox newFilterBox(QWidget* parent, QListView* list, const char* objectName,
                       std::function<void()> choose);
// Text typed while the list has the focus goes on into the find box (which
// takes the focus), so a person can start typing as soon as the list opens.
// Arrow keys, Enter, Space and shortcuts stay with the list.
void sendTypingToFilterBox(QListView* list, QLineEdit* edit);

} // namespace tavrel
