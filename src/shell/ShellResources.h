#pragma once

namespace tavrel {

// Registers the shell's compiled-in resources (toolbar pictures, help topics).
// The shell is a static library, so its resources need an explicit hook.
void initShellResources();

} // namespace tavrel
