#include "maillists/PrintWaitMessage.h"

#include "platform/gui/Windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

MLPrintWait::MLPrintWait(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("MLPrintWait"));
    setWindowTitle(kDefaultTitle);
    auto* label1 = new QLabel(QStringLiteral("The Mailing List Is Being Prepared."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("Please Wait."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    CancelButton = new QPushButton(QStringLiteral("Cance&l"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setToolTip(QStringLiteral("Stop Preparing The Mailing List Report"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(label1, 0, Qt::AlignHCenter);
    top->addWidget(label2, 0, Qt::AlignHCenter);
    top->addWidget(CancelButton, 0, Qt::AlignHCenter);
    setMinimumWidth(300);
    connect(CancelButton, &QPushButton::clicked, this, &MLPrintWait::CancelButton_Click);
}

void MLPrintWait::closeEvent(QCloseEvent* event)
{
    p_.StopRequested = true;
    QWidget::closeEvent(event);
}

void MLPrintWait::CancelButton_Click()
{
    p_.StopRequested = true;
    unloadWindow(this);
}

} // namespace tavrel
