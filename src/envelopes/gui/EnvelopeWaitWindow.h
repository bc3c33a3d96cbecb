#pragma once

#include "platform/gui/NoticeWindow.h"

namespace tavrel {

// "Please Wait" / "Processing Data": shown without blocking while the
// envelope dialog reads the N&A file.
class EnvelopeWaitWindow : public NoticeWindow {
    Q_OBJECT

public:
    EnvelopeWaitWindow();
};

} // namespace tavrel
