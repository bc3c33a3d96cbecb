// The mailing list windows.
#include "Shots.h"

#include "maillists/AddDelNames.h"
#include "maillists/CreateByName.h"
#include "maillists/CreateForm.h"
#include "maillists/MLPrintWait.h"
#include "maillists/MailForm.h"
#include "maillists/MailListCommands.h"
#include "maillists/MailListFile.h"
#include "maillists/SearchComplete.h"
#include "platform/gui/Windows.h"

#include <QListWidget>
#include <QPushButton>

using namespace tavrel;

namespace {

void sampleLists(Program& p)
{
    ParseIdList(p, QStringLiteral("1 3-5"));
    WriteMailList(p, QStringLiteral("tvlmail.xms"), QStringLiteral("Christmas Cards 2026"));
    ParseIdList(p, QStringLiteral("2"));
    WriteMailList(p, QStringLiteral("tvlmail.clb"), QStringLiteral("Garden Club Committee"));
}

} // namespace

TAVREL_SHOT("CreateForm")
{
    sampleLists(s.p());
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
    sampleLists(s.p());
    startReviseMailList(s.p());
    auto* w = static_cast<MailForm*>(loadedWindow(QStringLiteral("MailForm")));
    w->MailFil1->setCurrentRow(1);
    w->MailCmd3->click();
    return w;
}

TAVREL_SHOT("AddDelNames")
{
    sampleLists(s.p());
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
