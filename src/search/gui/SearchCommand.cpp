#include "search/gui/SearchCommand.h"

#include "platform/gui/Windows.h"
#include "search/gui/SearchDialog.h"

#include <QLineEdit>

namespace tavrel {

void startSearch(Program& p)
{
    auto* form = new SearchDialog(p);
    loadWindow(form);
    form->show();
    form->searchTextEdit->setFocus();
}

} // namespace tavrel
