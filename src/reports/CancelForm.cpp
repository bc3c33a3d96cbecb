#include "reports/CancelForm.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

CancelForm::CancelForm()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("CancelForm"));
    setWindowTitle(QStringLiteral("Printing"));
    Label1 = named(new QLabel(QStringLiteral("TVL Is Preparing The Report."), this), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 18, 24, 18);
    top->addWidget(Label1);
    setMinimumWidth(280);
}

} // namespace tavrel
