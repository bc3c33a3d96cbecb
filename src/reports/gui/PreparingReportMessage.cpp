#include "reports/gui/PreparingReportMessage.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace tavrel {

PreparingReportMessage::PreparingReportMessage()
    : NoticeWindow("CancelForm", tr("Printing"), tr("TVL Is Preparing The Report."), 280)
{
    cancelButton = named(new QPushButton(tr("Cance&l"), this), "SendCancel");
    cancelButton->setAutoDefault(true);
    cancelButton->hide();
    layout()->addWidget(cancelButton);
    layout()->setAlignment(cancelButton, Qt::AlignHCenter);
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        if (cancelSending_)
            cancelSending_();
    });
}

void PreparingReportMessage::showSending(const QString& text, std::function<void()> cancel)
{
    messageLabel->setText(text);
    cancelSending_ = std::move(cancel);
    cancelButton->show();
    cancelButton->setFocus();
}

void PreparingReportMessage::sendingEnded()
{
    messageLabel->setText(tr("TVL Is Preparing The Report."));
    cancelSending_ = nullptr;
    cancelButton->hide();
}

} // namespace tavrel
