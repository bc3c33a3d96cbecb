#pragma once

#include "store/ScreenMode.h"

namespace tavrel {

class Program;

// Entry points of the record commands, called by the main window after its
// hide step.

// "&Add Single Record" (multiple = false) and "Add Multiple &Records".
void startAddCommand(Program& p, bool multiple);
// "Get Record &By ID", "Chan&ge Record By ID", "&Delete Record By ID":
// mode is Browse, Change or Delete.
void startIdCommand(Program& p, ScreenMode mode);
// Shows the current record on the first record screen in ScreenMode
// (QuickFind and the field search come here).
void showRecordScreens(Program& p);

} // namespace tavrel
