#pragma once

#include "store/Program.h"

namespace tavrel {

// "E&nvelope Print", and the report dialog's envelope option: opens the
// envelope dialog.
void showEnvelopeDialog(Program& p);

} // namespace tavrel
