#include "platform/gui/PrintFonts.h"

#include <QFontDatabase>

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
    // One point is 20 twips; the font is sized in twips.
    f.setPixelSize(qMax(1, qRound(points * 20.0)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // Plain Latin text: no shaping, so every glyph stands at its own advance
    // as the layouts measure it, and long reports draw faster.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

} // namespace tavrel
