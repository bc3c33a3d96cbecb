// The report dialog in its three button states, and the windows of a print run.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "reports/CancelForm.h"
#include "reports/PrtForm.h"
#include "reports/ReportCommands.h"
#include "reports/StopPrintForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tavrel;

namespace {

PrtForm* openPrtForm(shots::Shots& s)
{
    s.writeMailLists();
    startPrintReport(s.p());
    return static_cast<PrtForm*>(loadedWindow(QStringLiteral("PrtForm")));
}

} // namespace

TAVREL_SHOT("PrtForm")
{
    PrtForm* w = openPrtForm(s);
    w->PrtTxt3->setText(QStringLiteral("The Family Address Book - Christmas 2026"));
    return w;
}

TAVREL_SHOT("PrtForm-labels")
{
    PrtForm* w = openPrtForm(s);
    w->PrtOpt3[4]->click();
    return w;
}

TAVREL_SHOT("PrtForm-mailinglist")
{
    PrtForm* w = openPrtForm(s);
    w->PrtOpt3[5]->click();
    w->PrtOpt1[1]->click();
    w->PrtFil1->setCurrentRow(1);
    return w;
}

TAVREL_SHOT("PrtForm-reprint")
{
    PrtForm* w = openPrtForm(s);
    w->PrtChk2->click();
    w->PrtTxt1->setText(QStringLiteral("4"));
    w->PrtTxt2->setText(QStringLiteral("6"));
    return w;
}

TAVREL_SHOT("CancelForm")
{
    return new CancelForm;
}

TAVREL_SHOT("StopPrintForm")
{
    auto* w = new StopPrintForm(s.p());
    w->showLastPage(12);
    return w;
}
