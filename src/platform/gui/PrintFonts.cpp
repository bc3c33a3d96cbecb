#include "platform/gui/PrintFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace tavrel {

QFont printFont(const QString& name, double points, bool bold, bool italic, bool underline)
{
    QString family = name;
    if (!QFontDatabase::hasFamily(family)) {
        if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
            family = QStringLiteral("Liberation Mono");
        else if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
            family = QStringLiteral("Liberation Sans");
    }
    QFont f(family);
    // The fallbacks are named rather than left to the system's font
    // configuration, so a name in another alphabet prints (and measures) the
    // same on every machine set up for the program.
    f.setFamilies({family, QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    // One point is 20 twips; the font is sized in twips.
    f.setPixelSize(qMax(1, qRound(points * 20.0)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // Plain Latin text: no shaping, so every glyph stands at its own advance
    // as the layouts measure it, and long reports draw faster. Scripts that
    // cannot be read unshaped (Arabic) are still shaped.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

void drawRightToLeft(QPainter& painter, const QFont& font, const QFontMetricsF& metrics, double x,
                     double y, double width, const QString& text)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    layout.endLayout();
    // The line's own ascent counts the fallback faces; the baseline stays
    // where the current font puts it.
    painter.setPen(Qt::black);
    layout.draw(&painter, QPointF(x, y + (metrics.ascent() - line.ascent()) * twipsPerFontPixel()));
}

} // namespace tavrel
