#include "envelopes/gui/EnvelopeCommands.h"

#include "envelopes/gui/EnvelopeDialog.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void showEnvelopeDialog(Program& p)
{
    showInFront(new EnvelopeDialog(p), true);
}

} // namespace tavrel
