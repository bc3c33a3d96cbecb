#include "maillists/MailListCommands.h"

#include "maillists/CreateMailListWindow.h"
#include "maillists/ReviseMailListWindow.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>

namespace tavrel {

void startCreateMailList(Program& p)
{
    auto* w = new CreateForm(p);
    loadWindow(w);
    w->show();
    w->CreateTxt1->setFocus();
}

void startReviseMailList(Program& p)
{
    auto* w = new MailForm(p);
    loadWindow(w);
    w->show();
}

} // namespace tavrel
