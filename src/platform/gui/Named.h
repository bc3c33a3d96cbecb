#pragma once

#include <QString>
#include <QWidget>

namespace tavrel {

// Gives a control its name (tests and automation find it by that name) and
// its tool tip, and hands it back so a layout line can build it in one go.
template <typename T> T* named(T* w, const char* name, const QString& tip = QString())
{
    w->setObjectName(QLatin1String(name));
    if (!tip.isEmpty())
        w->setToolTip(tip);
    return w;
}

} // namespace tavrel
