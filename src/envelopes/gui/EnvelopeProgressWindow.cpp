#include "envelopes/gui/EnvelopeProgressWindow.h"

#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel {

EnvelopeProgressWindow::EnvelopeProgressWindow(std::function<void()> requestCancel)
    : QWidget(nullptr, Qt::Window), requestCancel_(std::move(requestCancel))
{
    setObjectName(QStringLiteral("EnvProgress"));
    setWindowTitle(tr("Envelope Printing"));

    preparingLabel = named(new QLabel(tr("Preparing Envelopes"), this), "EnvProgressLabel");
    auto* countLabel = named(new QLabel(tr("Number Prepared"), this), "EnvNumberPreparedLabel");
    preparedCountEdit = named(new QLineEdit(QStringLiteral("0"), this), "EnvNumberPreparedTextbox");
    preparedCountEdit->setReadOnly(true);
    preparedCountEdit->setFocusPolicy(Qt::NoFocus);
    preparedCountEdit->setAlignment(Qt::AlignRight);
    preparedCountEdit->setFixedWidth(
        preparedCountEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 16);
    auto* cancelLabel = named(new QLabel(tr("To Cancel This Operation, Click Button Below"), this),
                              "EnvCancelInstrLabel");
    cancelButton = named(new QPushButton(tr("Cance&l"), this), "EnvProgressCancelButton");
    cancelButton->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 14, 20, 14);
    grid->addWidget(preparingLabel, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(countLabel, 1, 0);
    grid->addWidget(preparedCountEdit, 1, 1);
    grid->addWidget(cancelLabel, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(cancelButton, 3, 0, 1, 2, Qt::AlignHCenter);

    connect(cancelButton, &QPushButton::clicked, this, [this] {
        if (cancelSending_)
            cancelSending_();
        requestCancel_();
    });
    cancelButton->setFocus();
}

void EnvelopeProgressWindow::showPrepared(int count)
{
    preparedCountEdit->setText(QString::number(count));
}

void EnvelopeProgressWindow::showSending(const QString& text, std::function<void()> cancel)
{
    preparingLabel->setText(text);
    cancelSending_ = std::move(cancel);
}

void EnvelopeProgressWindow::sendingEnded()
{
    preparingLabel->setText(tr("Preparing Envelopes"));
    cancelSending_ = nullptr;
}

void EnvelopeProgressWindow::closeEvent(QCloseEvent* event)
{
    if (isLoaded(this)) {
        if (cancelSending_)
            cancelSending_();
        requestCancel_();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace tavrel
