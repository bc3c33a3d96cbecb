#include "platform/gui/PrintFonts.h"

#include "platform/PrintedText.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTextLayout>

namespace tavrel {

namespace {

QFont shapedFontOf(QFont font)
{
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace

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
    // Qt skips shaping under this strategy for every script it does not
    // count as complex, Arabic among them; PrintFace keeps it to the code page.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

PrintFace::PrintFace(const QString& name, double points, bool bold, bool italic, bool underline)
    : plain_(printFont(name, points, bold, italic, underline)), shaped_(shapedFontOf(plain_)),
      plainMetrics_(plain_), shapedMetrics_(shaped_)
{
}

const QFont& PrintFace::fontFor(const QString& text) const
{
    return isCodePageText(text) ? plain_ : shaped_;
}

double PrintFace::width(const QString& text) const
{
    const QFontMetricsF& m = isCodePageText(text) ? plainMetrics_ : shapedMetrics_;
    return m.horizontalAdvance(text) * twipsPerFontPixel();
}

void drawRightToLeft(QPainter& painter, const PrintFace& face, double x, double y, double width,
                     const QString& text)
{
    QTextLayout layout(text, face.fontFor(text));
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
    layout.draw(&painter, QPointF(x, y + face.ascent() - line.ascent() * twipsPerFontPixel()));
}

} // namespace tavrel
