#pragma once

#include "store/Program.h"

namespace tavrel {

// "&QuickFind": opens the QuickFind list modeless.
void startQuickFind(Program& p);

} // namespace tavrel
