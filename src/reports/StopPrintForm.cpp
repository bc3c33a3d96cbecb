#include "reports/StopPrintForm.h"

#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel {

StopPrintForm::StopPrintForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("StopPrintForm"));
    setWindowTitle(QStringLiteral("Printing"));

    Label1 = named(new QLabel(QStringLiteral("To Stop Printing, Click Button."), this), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Last Page Completed"), this), "Label2");
    StopPrintTxt1 = named(new QLineEdit(QStringLiteral("0"), this), "StopPrintTxt1");
    StopPrintTxt1->setReadOnly(true);
    StopPrintTxt1->setFocusPolicy(Qt::NoFocus);
    StopPrintTxt1->setAlignment(Qt::AlignRight);
    StopPrintTxt1->setFixedWidth(
        StopPrintTxt1->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 16);
    StopPrintCmd1 = named(new QPushButton(QStringLiteral("Cance&l"), this), "StopPrintCmd1");

    Label3 = named(new QLabel(QStringLiteral("Report Completed."), this), "Label3");
    Label4 = named(new QLabel(QStringLiteral("Last Page Printed:  "), this), "Label4");
    Text1 = named(new QLineEdit(this), "Text1");
    Text1->setReadOnly(true);
    Cmd2 = named(new QPushButton(QStringLiteral("&OK"), this), "Cmd2");
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Text1), static_cast<QWidget*>(Cmd2)})
        w->hide();
    for (QPushButton* b : {StopPrintCmd1, Cmd2})
        b->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 14, 20, 14);
    grid->addWidget(Label1, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(StopPrintTxt1, 1, 1);
    grid->addWidget(StopPrintCmd1, 2, 0, 1, 2, Qt::AlignHCenter);
    setMinimumWidth(260);

    connect(StopPrintCmd1, &QPushButton::clicked, this, &StopPrintForm::StopPrintCmd1_Click);
    connect(Cmd2, &QPushButton::clicked, this, &StopPrintForm::Cmd2_Click);
    StopPrintCmd1->setFocus();
}

void StopPrintForm::showLastPage(int pageNo)
{
    StopPrintTxt1->setText(QString::number(pageNo));
}

void StopPrintForm::closeEvent(QCloseEvent* event)
{
    p_.StopRequested = true;
    QWidget::closeEvent(event);
}

void StopPrintForm::StopPrintCmd1_Click()
{
    p_.StopRequested = true;
    unloadWindow(this);
}

void StopPrintForm::Cmd2_Click()
{
    if (QWidget* dialog = loadedWindow(QStringLiteral("PrtForm")))
        unloadWindow(dialog);
    unloadWindow(this);
}

} // namespace tavrel
