#include "reports/PreparingReportMessage.h"

namespace tavrel {

PreparingReportMessage::PreparingReportMessage()
    : NoticeWindow("CancelForm", QStringLiteral("Printing"),
                   QStringLiteral("TVL Is Preparing The Report."), 280)
{
}

} // namespace tavrel
