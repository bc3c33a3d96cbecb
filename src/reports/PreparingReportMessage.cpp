#include "reports/PreparingReportMessage.h"

namespace tavrel {

PreparingReportMessage::PreparingReportMessage()
    : NoticeWindow("CancelForm", tr("Printing"), tr("TVL Is Preparing The Report."), 280)
{
}

} // namespace tavrel
