#include "shell/ListForm.h"

namespace tavrel {

void startQuickFind(Program& p)
{
    Q_UNUSED(p);
}

} // namespace tavrel
