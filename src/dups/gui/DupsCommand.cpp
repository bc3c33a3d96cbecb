#include "dups/gui/DupsCommand.h"

#include "dups/gui/DupSearchDialog.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void startFindDups(Program& p)
{
    auto* form = new DupSearchDialog(p);
    loadWindow(form);
    form->show();
    form->okButton->setFocus();
}

} // namespace tavrel
