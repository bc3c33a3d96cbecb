#include "envelopes/EnvelopeCommands.h"

#include "envelopes/EnvelopePrint.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void showEnvelopeDialog(Program& p)
{
    showInFront(new EnvelopePrint(p), true);
}

} // namespace tavrel
