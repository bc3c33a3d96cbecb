#include "envelopes/EnvelopeCommands.h"

#include "envelopes/EnvelopePrint.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void showEnvelopeDialog(Program& p)
{
    auto* w = new EnvelopePrint(p);
    loadWindow(w);
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace tavrel
