// The mailing list windows.
#include "Shots.h"

#include "maillists/AddDeleteNamesDialog.h"
#include "maillists/CreateByNameDialog.h"
#include "maillists/CreateMailListWindow.h"
#include "maillists/PrintWaitMessage.h"
#include "maillists/ReviseMailListWindow.h"
#include "maillists/MailListCommands.h"
#include "maillists/MailListFile.h"
#include "maillists/SearchComplete.h"
#include "platform/gui/Windows.h"

#include <QListWidget>
#include <QPushButton>

using namespace tavrel;

TAVREL_SHOT("CreateForm")
{
    s.writeMailLists();
    startCreateMailList(s.p());
    auto* w = static_cast<CreateForm*>(loadedWindow(QStringLiteral("CreateForm")));
    w->CreateFil1->setCurrentRow(1);
    return w;
}

TAVREL_SHOT("CreateByName")
{
    auto* d = new CreateByName(s.p());
    d->picker.List1->setCurrentRow(2);
    d->picker.AddButton->click();
    return d;
}

TAVREL_SHOT("MailForm")
{
    s.writeMailLists();
    startReviseMailList(s.p());
    auto* w = static_cast<MailForm*>(loadedWindow(QStringLiteral("MailForm")));
    w->MailFil1->setCurrentRow(1);
    w->MailCmd3->click();
    return w;
}

TAVREL_SHOT("AddDelNames")
{
    s.writeMailLists();
    const QString title = LoadMailList(s.p(), QStringLiteral("tvlmail.xms"));
    return new AddDelNames(s.p(), QStringLiteral("tvlmail.xms"), title, {});
}

TAVREL_SHOT("CompleteForm")
{
    s.p().SearchMatchCount = 7;
    s.p().MailListAddCount = 5;
    s.p().SearchSavesList = true;
    showSearchComplete(s.p());
    return loadedWindow(QStringLiteral("CompleteForm"));
}

TAVREL_SHOT("MLPrintWait")
{
    return new MLPrintWait(s.p());
}
