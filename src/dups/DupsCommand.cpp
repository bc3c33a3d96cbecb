#include "dups/DupsCommand.h"

#include "dups/DupParams.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void startFindDups(Program& p)
{
    auto* form = new DupParams(p);
    loadWindow(form);
    form->show();
    form->OKButton->setFocus();
}

} // namespace tavrel
