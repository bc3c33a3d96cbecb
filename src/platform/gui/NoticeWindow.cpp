#include "platform/gui/NoticeWindow.h"

#include "platform/gui/Named.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

NoticeWindow::NoticeWindow(const char* name, const QString& title, const QString& text,
                           int minimumWidth)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    messageLabel = named(new QLabel(text, this), "Label1");
    messageLabel->setAlignment(Qt::AlignCenter);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 18, 24, 18);
    top->addWidget(messageLabel);
    setMinimumWidth(minimumWidth);
}

} // namespace tavrel
