#include "search/SearchCommand.h"

#include "platform/gui/Windows.h"
#include "search/SchForm.h"

#include <QLineEdit>

namespace tavrel {

void startSearch(Program& p)
{
    auto* form = new SchForm(p);
    loadWindow(form);
    form->show();
    form->SchTxt1->setFocus();
}

} // namespace tavrel
