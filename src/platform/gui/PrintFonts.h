#pragma once

#include <QFont>
#include <QFontMetricsF>

class QPainter;

namespace tavrel {

// The font that stands for a printed font name: Courier New and Arial are
// drawn with their metric-compatible Liberation faces when those are missing.
// Letters the face lacks (Hebrew, Arabic, Chinese, Japanese) come from DejaVu
// Sans, then WenQuanYi Micro Hei, and are measured in the face that draws them.
// The font is sized in pixels of a 1440-dpi device, so one pixel is one twip
// times twipsPerFontPixel(). It draws without shaping: see PrintFace.
QFont printFont(const QString& name, double points, bool bold, bool italic, bool underline);
inline constexpr double twipsPerFontPixel()
{
    return 1.0;
}

// A printed font as every printer draws and measures with it. Text the code
// page holds is drawn unshaped, every glyph at its own advance as the layouts
// measure it (and long reports draw faster); any other text is shaped, since
// the letters of some scripts (Arabic) take the form their neighbours ask for
// and are unreadable standing apart.
class PrintFace {
public:
    PrintFace(const QString& name, double points, bool bold, bool italic, bool underline);

    // The font `text` is drawn in.
    const QFont& fontFor(const QString& text) const;
    // The width of `text` as it is drawn, in twips.
    double width(const QString& text) const;
    // The ascent and line height of the face, in twips.
    double ascent() const { return plainMetrics_.ascent() * twipsPerFontPixel(); }
    double height() const { return plainMetrics_.height() * twipsPerFontPixel(); }

private:
    QFont plain_;
    QFont shaped_;
    QFontMetricsF plainMetrics_;
    QFontMetricsF shapedMetrics_;
};

// Draws `text` right to left, shaped, in the box `width` wide whose top-left
// is (x, y), ending at its right edge, on the same baseline as a line printed
// there in `face`.
void drawRightToLeft(QPainter& painter, const PrintFace& face, double x, double y, double width,
                     const QString& text);

} // namespace tavrel
