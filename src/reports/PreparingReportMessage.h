#pragma once

#include "platform/gui/NoticeWindow.h"

namespace tavrel {

// "Printing": tells the person the run is collecting and sorting the records.
// It has no buttons; the print run shows it without blocking and closes it.
class PreparingReportMessage : public NoticeWindow {
    Q_OBJECT

public:
    PreparingReportMessage();
};

} // namespace tavrel
