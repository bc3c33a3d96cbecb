#include "envelopes/EnvelopeCommands.h"

#include "envelopes/EnvelopeDialog.h"
#include "platform/gui/Windows.h"

namespace tavrel {

void showEnvelopeDialog(Program& p)
{
    showInFront(new EnvelopeDialog(p), true);
}

} // namespace tavrel
