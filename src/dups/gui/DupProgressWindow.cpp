#include "dups/gui/DupProgressWindow.h"

#include "platform/gui/Windows.h"
#include "store/ReportState.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

DupProgressWindow::DupProgressWindow(ReportState& runState, QWidget* parent)
    : DupDialog(parent), state(runState)
{
    setObjectName(QStringLiteral("DupSearchMsg"));
    setWindowTitle(tr("Duplicate Record Search"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 18, 36, 18);
    int n = 1;
    for (const QString& text : {tr("Corvane MARK Is Searching"), tr("For Duplicate Records")}) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(12);
    cancelButton = makeButton(tr("Cance&l"), "CancelButton",
                              tr("Terminate The Search For Duplicate N&A Records"));
    layout->addWidget(cancelButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cancelButton, &QPushButton::clicked, this, &DupProgressWindow::onCancelClicked);
}

void DupProgressWindow::onCancelClicked()
{
    state.StopRequested = true;
    unloadWindow(this);
}

} // namespace tavrel
