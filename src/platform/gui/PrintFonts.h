#pragma once

#include <QFont>

class QFontMetricsF;
class QPainter;

namespace tavrel {

// The font that stands for a printed font name: Courier New and Arial are
// drawn with their metric-compatible Liberation faces when those are missing.
// Letters the face lacks (Hebrew, Arabic, Chinese, Japanese) come from DejaVu
// Sans, then WenQuanYi Micro Hei, and are measured in the face that draws them.
// The font is sized in pixels of a 1440-dpi device, so one pixel is one twip
// times twipsPerFontPixel().
QFont printFont(const QString& name, double points, bool bold, bool italic, bool underline);
inline constexpr double twipsPerFontPixel()
{
    return 1.0;
}

// Draws `text` right to left in the box `width` wide whose top-left is (x, y),
// ending at its right edge, on the same baseline as a line printed there in
// `font` (whose metrics are `metrics`).
void drawRightToLeft(QPainter& painter, const QFont& font, const QFontMetricsF& metrics, double x,
                     double y, double width, const QString& text);

} // namespace tavrel
