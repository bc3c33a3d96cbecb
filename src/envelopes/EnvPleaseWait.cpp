#include "envelopes/EnvPleaseWait.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

EnvPleaseWait::EnvPleaseWait()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("EnvPleaseWait"));
    setWindowTitle(QStringLiteral("Please Wait"));
    Label1 = named(new QLabel(QStringLiteral("Processing Data"), this), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 18, 24, 18);
    top->addWidget(Label1);
    setMinimumWidth(240);
}

} // namespace tavrel
