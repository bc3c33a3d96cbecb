#include "shell/ShellResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initShellQrc()
{
    Q_INIT_RESOURCE(shell);
}

namespace tavrel {

void initShellResources()
{
    static const bool done = (initShellQrc(), true);
    (void)done;
}

} // namespace tavrel
