// The mailing list windows.
#include "Shots.h"

#include "maillists/gui/AddDeleteNamesDialog.h"
#include "maillists/gui/CreateByNameDialog.h"
#include "maillists/gui/CreateMailListWindow.h"
#include "maillists/gui/MailListCommands.h"
#include "maillists/MailListFile.h"
#include "maillists/gui/PrintWaitMessage.h"
#include "maillists/gui/ReviseMailListWindow.h"
#include "maillists/gui/SearchComplete.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using namespace tavrel;

TAVREL_SHOT("CreateForm")
{
    s.writeMailLists();
    startCreateMailList(s.p());
    auto* w = static_cast<CreateMailListWindow*>(loadedWindow(QStringLiteral("CreateForm")));
    w->existingListsList->setCurrentIndex(w->existingListsList->model()->index(1, 0));
    return w;
}

TAVREL_SHOT("CreateByName")
{
    auto* d = new CreateByNameDialog(s.p());
    d->picker.allNamesList->setCurrentIndex(d->picker.allNamesList->model()->index(2, 0));
    d->picker.addButton->click();
    return d;
}

// The name picker narrowed by its find box.
TAVREL_SHOT("CreateByName-filter")
{
    auto* d = new CreateByNameDialog(s.p());
    d->picker.filterEdit->setText(QStringLiteral("ar"));
    return d;
}

TAVREL_SHOT("MailForm")
{
    s.writeMailLists();
    startReviseMailList(s.p());
    auto* w = static_cast<ReviseMailListWindow*>(loadedWindow(QStringLiteral("MailForm")));
    w->fileList->setCurrentIndex(w->fileList->model()->index(1, 0));
    w->showIdsButton->click();
    return w;
}

TAVREL_SHOT("AddDelNames")
{
    s.writeMailLists();
    const QString title = loadMailList(s.p(), QStringLiteral("tvlmail.xms"));
    return new AddDeleteNamesDialog(s.p(), QStringLiteral("tvlmail.xms"), title, {});
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
    return new PrintWaitMessage(s.p());
}
