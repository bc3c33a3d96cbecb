#include "maillists/gui/MailListCommands.h"

#include "maillists/gui/CreateMailListWindow.h"
#include "maillists/gui/ReviseMailListWindow.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>

namespace tavrel {

void startCreateMailList(Program& p)
{
    auto* w = new CreateMailListWindow(p);
    loadWindow(w);
    w->show();
    w->idNumbersEdit->setFocus();
}

void startReviseMailList(Program& p)
{
    auto* w = new ReviseMailListWindow(p);
    loadWindow(w);
    w->show();
}

} // namespace tavrel
