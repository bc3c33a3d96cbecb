#include "maillists/gui/PrintWaitMessage.h"

#include "platform/Ui.h"
#include "platform/gui/Windows.h"
#include "store/ReportState.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

PrintWaitMessage::PrintWaitMessage(ReportState& state) : QWidget(nullptr, Qt::Window), state_(state)
{
    setObjectName(QStringLiteral("MLPrintWait"));
    setWindowTitle(shownTitle(kDefaultTitle));
    auto* label1 = new QLabel(tr("The Mailing List Is Being Prepared."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(tr("Please Wait."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    cancelButton = new QPushButton(tr("Cance&l"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setToolTip(tr("Stop Preparing The Mailing List Report"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(label1, 0, Qt::AlignHCenter);
    top->addWidget(label2, 0, Qt::AlignHCenter);
    top->addWidget(cancelButton, 0, Qt::AlignHCenter);
    setMinimumWidth(300);
    connect(cancelButton, &QPushButton::clicked, this, &PrintWaitMessage::onCancelClicked);
}

void PrintWaitMessage::closeEvent(QCloseEvent* event)
{
    state_.StopRequested = true;
    QWidget::closeEvent(event);
}

void PrintWaitMessage::onCancelClicked()
{
    state_.StopRequested = true;
    unloadWindow(this);
}

} // namespace tavrel
