#include "reports/gui/ReportCommands.h"

#include "platform/gui/Windows.h"
#include "reports/gui/ReportDialog.h"

#include <QPushButton>

namespace tavrel {

void startPrintReport(Program& p)
{
    auto* w = new ReportDialog(p);
    loadWindow(w);
    w->show();
    w->printButton->setFocus();
}

} // namespace tavrel
