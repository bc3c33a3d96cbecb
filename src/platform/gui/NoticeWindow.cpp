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
    Label1 = named(new QLabel(text, this), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 18, 24, 18);
    top->addWidget(Label1);
    setMinimumWidth(minimumWidth);
}

} // namespace tavrel
