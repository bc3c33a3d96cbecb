#pragma once

#include "store/Program.h"

namespace tavrel {

// "&Print": opens the report dialog.
void startPrintReport(Program& p);

} // namespace tavrel
