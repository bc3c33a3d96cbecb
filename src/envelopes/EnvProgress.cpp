#include "envelopes/EnvProgress.h"

#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel {

EnvProgress::EnvProgress(std::function<void()> requestCancel)
    : QWidget(nullptr, Qt::Window), requestCancel_(std::move(requestCancel))
{
    setObjectName(QStringLiteral("EnvProgress"));
    setWindowTitle(QStringLiteral("Envelope Printing"));

    EnvProgressLabel =
        named(new QLabel(QStringLiteral("Preparing Envelopes"), this), "EnvProgressLabel");
    auto* numberLabel =
        named(new QLabel(QStringLiteral("Number Prepared"), this), "EnvNumberPreparedLabel");
    EnvNumberPreparedTextbox =
        named(new QLineEdit(QStringLiteral("0"), this), "EnvNumberPreparedTextbox");
    EnvNumberPreparedTextbox->setReadOnly(true);
    EnvNumberPreparedTextbox->setFocusPolicy(Qt::NoFocus);
    EnvNumberPreparedTextbox->setAlignment(Qt::AlignRight);
    EnvNumberPreparedTextbox->setFixedWidth(
        EnvNumberPreparedTextbox->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 16);
    auto* cancelLabel =
        named(new QLabel(QStringLiteral("To Cancel This Operation, Click Button Below"), this),
              "EnvCancelInstrLabel");
    EnvProgressCancelButton =
        named(new QPushButton(QStringLiteral("Cance&l"), this), "EnvProgressCancelButton");
    EnvProgressCancelButton->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 14, 20, 14);
    grid->addWidget(EnvProgressLabel, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(numberLabel, 1, 0);
    grid->addWidget(EnvNumberPreparedTextbox, 1, 1);
    grid->addWidget(cancelLabel, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(EnvProgressCancelButton, 3, 0, 1, 2, Qt::AlignHCenter);

    connect(EnvProgressCancelButton, &QPushButton::clicked, this,
            &EnvProgress::EnvProgressCancelButton_Click);
    EnvProgressCancelButton->setFocus();
}

void EnvProgress::showPrepared(int count)
{
    EnvNumberPreparedTextbox->setText(QString::number(count));
}

void EnvProgress::closeEvent(QCloseEvent* event)
{
    if (isLoaded(this)) {
        requestCancel_();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void EnvProgress::EnvProgressCancelButton_Click()
{
    requestCancel_();
}

} // namespace tavrel
