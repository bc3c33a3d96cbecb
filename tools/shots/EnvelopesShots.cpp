// The envelope dialog in its states, and its small windows.
#include "Shots.h"

#include "envelopes/gui/EnvelopeCommands.h"
#include "envelopes/gui/EnvelopeDialog.h"
#include "envelopes/gui/EnvelopeHelpDialog.h"
#include "envelopes/gui/EnvelopeProgressWindow.h"
#include "envelopes/gui/EnvelopeWaitWindow.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tavrel;

namespace {

EnvelopeDialog* openEnvelopes(shots::Shots& s)
{
    s.writeMailLists(QStringLiteral("1-3"), QStringLiteral("4"));
    showEnvelopeDialog(s.p());
    return static_cast<EnvelopeDialog*>(loadedWindow(QStringLiteral("EnvelopePrint")));
}

} // namespace

TAVREL_SHOT("EnvelopePrint")
{
    return openEnvelopes(s);
}

TAVREL_SHOT("EnvelopePrint-keyboard")
{
    EnvelopeDialog* w = openEnvelopes(s);
    w->returnAddressOptions[0]->click();
    w->addressLineEdits[0]->setText(QStringLiteral("Tavrel Sample Sender"));
    w->addressLineEdits[1]->setText(QStringLiteral("42 Quarry Street"));
    return w;
}

TAVREL_SHOT("EnvelopePrint-namelist")
{
    EnvelopeDialog* w = openEnvelopes(s);
    w->returnAddressOptions[2]->click();
    w->mailAddressOptions[2]->click();
    w->nameList->setCurrentIndex(w->nameList->model()->index(1, 0));
    return w;
}

TAVREL_SHOT("EnvelopePrint-mailinglist")
{
    EnvelopeDialog* w = openEnvelopes(s);
    w->returnAddressOptions[2]->click();
    w->mailAddressOptions[1]->click();
    w->mailListFileList->setCurrentRow(1);
    return w;
}

TAVREL_SHOT("EnvelopePrint-sort")
{
    EnvelopeDialog* w = openEnvelopes(s);
    w->mailAddressOptions[3]->click();
    return w;
}

TAVREL_SHOT("EnvelopePrint-ready")
{
    EnvelopeDialog* w = openEnvelopes(s);
    w->returnAddressOptions[2]->click();
    w->mailAddressOptions[1]->click();
    w->mailListFileList->setCurrentRow(0);
    w->mailListOkButton->click();
    w->sizeOptions[5]->click();
    return w;
}

TAVREL_SHOT("EnvProgress")
{
    auto* w = new EnvelopeProgressWindow([] {});
    loadWindow(w);
    w->showPrepared(12);
    return w;
}

TAVREL_SHOT("EnvPleaseWait")
{
    auto* w = new EnvelopeWaitWindow;
    loadWindow(w);
    return w;
}

TAVREL_SHOT("EnvExplain")
{
    auto* w = new EnvelopeHelpDialog;
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}
