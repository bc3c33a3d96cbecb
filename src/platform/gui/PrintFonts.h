#pragma once

#include <QFont>

namespace tavrel {

// The font that stands for a printed font name: Courier New and Arial are
// drawn with their metric-compatible Liberation faces when those are missing.
// The font is sized in pixels of a 1440-dpi device, so one pixel is one twip
// times twipsPerFontPixel().
QFont printFont(const QString& name, double points, bool bold, bool italic, bool underline);
inline constexpr double twipsPerFontPixel()
{
    return 1.0;
}

} // namespace tavrel
