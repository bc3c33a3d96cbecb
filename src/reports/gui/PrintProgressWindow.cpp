#include "reports/gui/PrintProgressWindow.h"

#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/ReportState.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel {

PrintProgressWindow::PrintProgressWindow(ReportState& state)
    : QWidget(nullptr, Qt::Window), state_(state)
{
    setObjectName(QStringLiteral("StopPrintForm"));
    setWindowTitle(tr("Printing"));

    stopLabel = named(new QLabel(tr("To Stop Printing, Click Button."), this), "Label1");
    lastPageLabel = named(new QLabel(tr("Last Page Completed"), this), "Label2");
    lastPageEdit = named(new QLineEdit(QStringLiteral("0"), this), "StopPrintTxt1");
    lastPageEdit->setReadOnly(true);
    lastPageEdit->setFocusPolicy(Qt::NoFocus);
    lastPageEdit->setAlignment(Qt::AlignRight);
    lastPageEdit->setFixedWidth(
        lastPageEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 16);
    stopButton = named(new QPushButton(tr("Cance&l"), this), "StopPrintCmd1");

    completedLabel = named(new QLabel(tr("Report Completed."), this), "Label3");
    lastPagePrintedLabel = named(new QLabel(tr("Last Page Printed:  "), this), "Label4");
    lastPagePrintedEdit = named(new QLineEdit(this), "Text1");
    lastPagePrintedEdit->setReadOnly(true);
    completedOkButton = named(new QPushButton(tr("&OK"), this), "Cmd2");
    for (QWidget* w :
         {static_cast<QWidget*>(completedLabel), static_cast<QWidget*>(lastPagePrintedLabel),
          static_cast<QWidget*>(lastPagePrintedEdit), static_cast<QWidget*>(completedOkButton)})
        w->hide();
    for (QPushButton* b : {stopButton, completedOkButton})
        b->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 14, 20, 14);
    grid->addWidget(stopLabel, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(lastPageLabel, 1, 0);
    grid->addWidget(lastPageEdit, 1, 1);
    grid->addWidget(stopButton, 2, 0, 1, 2, Qt::AlignHCenter);
    setMinimumWidth(260);

    connect(stopButton, &QPushButton::clicked, this, &PrintProgressWindow::onStopClicked);
    connect(completedOkButton, &QPushButton::clicked, this,
            &PrintProgressWindow::onCompletedOkClicked);
    stopButton->setFocus();
}

void PrintProgressWindow::showLastPage(int pageNo)
{
    lastPageEdit->setText(QString::number(pageNo));
}

void PrintProgressWindow::showSending(const QString& text, std::function<void()> cancel)
{
    stopLabel->setText(text);
    cancelSending_ = std::move(cancel);
}

void PrintProgressWindow::sendingEnded()
{
    stopLabel->setText(tr("To Stop Printing, Click Button."));
    cancelSending_ = nullptr;
}

void PrintProgressWindow::closeEvent(QCloseEvent* event)
{
    if (cancelSending_)
        cancelSending_();
    state_.StopRequested = true;
    QWidget::closeEvent(event);
}

void PrintProgressWindow::onStopClicked()
{
    if (cancelSending_)
        cancelSending_();
    state_.StopRequested = true;
    unloadWindow(this);
}

void PrintProgressWindow::onCompletedOkClicked()
{
    if (QWidget* dialog = loadedWindow(QStringLiteral("PrtForm")))
        unloadWindow(dialog);
    unloadWindow(this);
}

} // namespace tavrel
