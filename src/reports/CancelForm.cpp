#include "reports/CancelForm.h"

namespace tavrel {

CancelForm::CancelForm()
    : NoticeWindow("CancelForm", QStringLiteral("Printing"),
                   QStringLiteral("TVL Is Preparing The Report."), 280)
{
}

} // namespace tavrel
