#pragma once

#include "dups/DupSearch.h"

#include <QStringList>

namespace tavrel {

// Sorts the deleted list by ID, ascending, moving each Name with its ID (the
// heapsort the list reports share: parents move only below a strictly larger
// child, the right child is taken only when strictly larger).
void sortDeletedList(DupSearchState& s);

// One line per entry in the list's current order: the ID, two blanks and the
// Name as stored, or as the person spelled it where that spelling is kept.
QStringList deletedListLines(const DupSearchState& s);

// Prints the sorted list under the list-report heading, two columns and 120
// entries a page, ends the document and says "Report Complete". A printer
// failure abandons the document and shows the printer-error message.
void printDeletedList(Program& p, DupSearchState& s);

// Undeletes every entry in the list's current order. When all are restored
// says so and empties the list; a changed record stops it with the 'DUP2'
// message and leaves the list as it was. Returns true when all were restored.
bool undeleteDeletedList(Program& p, DupSearchState& s);

// Shown by Display and Print when there is nothing to show.
QString nothingDeletedText();

} // namespace tavrel
