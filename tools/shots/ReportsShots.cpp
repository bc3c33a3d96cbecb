// The report dialog in its three button states, and the windows of a print run.
#include "Shots.h"

#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "reports/gui/PreparingReportMessage.h"
#include "reports/gui/PrintProgressWindow.h"
#include "reports/gui/ReportCommands.h"
#include "reports/gui/ReportDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tavrel;

namespace {

ReportDialog* openReportDialog(shots::Shots& s)
{
    s.writeMailLists();
    startPrintReport(s.p());
    return static_cast<ReportDialog*>(loadedWindow(QStringLiteral("PrtForm")));
}

// Keeps a preview's recording alive as long as its window.
class RecordingHolder : public QObject {
public:
    using QObject::QObject;
    RecordingPrinter recording;
};

// The preview of a report run of `kind` over the sample file.
PreviewWindow* openPreview(shots::Shots& s, ReportKind kind)
{
    auto* holder = new RecordingHolder;
    ReportOptions o;
    o.kind = kind;
    o.labelStock = 2;
    o.quantity = 4;
    o.unattended = true;
    o.pagesInto = &holder->recording;
    NoRunWindows windows;
    s.p().Report.LabelsDrawn = 0;
    runReport(s.p(), o, windows);
    const int sheets = int(PreviewWindow::pagesOf(holder->recording).size());
    const bool labels = kind == ReportKind::Labels;
    auto* w = new PreviewWindow(holder->recording,
                                labels ? labelsOnSheets(false, s.p().Report.LabelsDrawn, sheets)
                                       : QString());
    holder->setParent(w);
    w->resize(900, 700);
    return w;
}

} // namespace

TAVREL_SHOT("PreviewWindow")
{
    return openPreview(s, ReportKind::TelephoneList);
}

TAVREL_SHOT("PreviewWindow-labels")
{
    PreviewWindow* w = openPreview(s, ReportKind::Labels);
    w->setZoom(PreviewWindow::Zoom::FitWidth);
    return w;
}

TAVREL_SHOT("PrtForm-printer")
{
    ReportDialog* w = openReportDialog(s);
    w->reportKindOptions[4]->click();
    w->printerBox->setFocus();
    return w;
}

TAVREL_SHOT("PrtForm")
{
    ReportDialog* w = openReportDialog(s);
    w->titleEdit->setText(QStringLiteral("The Family Address Book - Christmas 2026"));
    return w;
}

TAVREL_SHOT("PrtForm-labels")
{
    ReportDialog* w = openReportDialog(s);
    w->reportKindOptions[4]->click();
    return w;
}

TAVREL_SHOT("PrtForm-mailinglist")
{
    ReportDialog* w = openReportDialog(s);
    w->reportKindOptions[5]->click();
    w->sourceOptions[1]->click();
    w->listPicker->setCurrentIndex(w->listPicker->model()->index(1, 0));
    return w;
}

TAVREL_SHOT("PrtForm-reprint")
{
    ReportDialog* w = openReportDialog(s);
    w->reprintCheck->click();
    w->reprintFromEdit->setText(QStringLiteral("4"));
    w->reprintThroughEdit->setText(QStringLiteral("6"));
    return w;
}

TAVREL_SHOT("CancelForm")
{
    return new PreparingReportMessage;
}

TAVREL_SHOT("StopPrintForm")
{
    auto* w = new PrintProgressWindow(s.p());
    w->showLastPage(12);
    return w;
}
