#pragma once

#include "store/Program.h"

namespace tavrel {

// The record screens as the search uses them.

// Shows the current record on the record screens in "Search" mode: screen 1
// on display, screen 2 loaded and hidden.
void showMatchOnScreens(Program& p);
// Shows screen `screen` (1 or 2) and hides the other.
void showRecordScreen(Program& p, int screen);
// Closes both record screens if they are loaded.
void closeRecordScreens(Program& p);

} // namespace tavrel
