#include "envelopes/gui/EnvelopeWaitWindow.h"

namespace tavrel {

EnvelopeWaitWindow::EnvelopeWaitWindow()
    : NoticeWindow("EnvPleaseWait", tr("Please Wait"), tr("Processing Data"), 240)
{
}

} // namespace tavrel
