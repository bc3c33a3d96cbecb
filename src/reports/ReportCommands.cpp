#include "reports/ReportCommands.h"

#include "platform/gui/Windows.h"
#include "reports/PrtForm.h"

#include <QPushButton>

namespace tavrel {

void startPrintReport(Program& p)
{
    auto* w = new PrtForm(p);
    loadWindow(w);
    w->show();
    w->PrtCmd1->setFocus();
}

} // namespace tavrel
