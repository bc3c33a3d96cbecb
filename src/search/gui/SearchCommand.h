#pragma once

#include "store/Program.h"

namespace tavrel {

// "&Search": opens the search dialog.
void startSearch(Program& p);

} // namespace tavrel
