// The envelope dialog in its states, and its small windows.
#include "Shots.h"

#include "envelopes/EnvExplain.h"
#include "envelopes/EnvPleaseWait.h"
#include "envelopes/EnvProgress.h"
#include "envelopes/EnvelopeCommands.h"
#include "envelopes/EnvelopePrint.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tavrel;

namespace {

EnvelopePrint* openEnvelopes(shots::Shots& s)
{
    s.writeMailLists(QStringLiteral("1-3"), QStringLiteral("4"));
    showEnvelopeDialog(s.p());
    return static_cast<EnvelopePrint*>(loadedWindow(QStringLiteral("EnvelopePrint")));
}

} // namespace

TAVREL_SHOT("EnvelopePrint")
{
    return openEnvelopes(s);
}

TAVREL_SHOT("EnvelopePrint-keyboard")
{
    EnvelopePrint* w = openEnvelopes(s);
    w->EnvOpt1[0]->click();
    w->EnvAddrLine[0]->setText(QStringLiteral("Tavrel Sample Sender"));
    w->EnvAddrLine[1]->setText(QStringLiteral("42 Quarry Street"));
    return w;
}

TAVREL_SHOT("EnvelopePrint-namelist")
{
    EnvelopePrint* w = openEnvelopes(s);
    w->EnvOpt1[2]->click();
    w->EnvOpt2[2]->click();
    w->ReturnAddressList->setCurrentRow(1);
    return w;
}

TAVREL_SHOT("EnvelopePrint-mailinglist")
{
    EnvelopePrint* w = openEnvelopes(s);
    w->EnvOpt1[2]->click();
    w->EnvOpt2[1]->click();
    w->File1->setCurrentRow(1);
    return w;
}

TAVREL_SHOT("EnvelopePrint-sort")
{
    EnvelopePrint* w = openEnvelopes(s);
    w->EnvOpt2[3]->click();
    return w;
}

TAVREL_SHOT("EnvelopePrint-ready")
{
    EnvelopePrint* w = openEnvelopes(s);
    w->EnvOpt1[2]->click();
    w->EnvOpt2[1]->click();
    w->File1->setCurrentRow(0);
    w->EnvMailingListOKButton->click();
    w->EnvOpt3[5]->click();
    return w;
}

TAVREL_SHOT("EnvProgress")
{
    auto* w = new EnvProgress([] {});
    loadWindow(w);
    w->showPrepared(12);
    return w;
}

TAVREL_SHOT("EnvPleaseWait")
{
    auto* w = new EnvPleaseWait;
    loadWindow(w);
    return w;
}

TAVREL_SHOT("EnvExplain")
{
    auto* w = new EnvExplain;
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}
