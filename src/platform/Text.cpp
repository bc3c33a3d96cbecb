#include "platform/Text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>

namespace tavrel {

QString cp1252ToUnicode(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QByteArray unicodeToCp1252(const QString& text)
{
    // Encode one character at a time so that every character stays one byte:
    // what the code page cannot hold becomes '?'.
    QByteArray out;
    out.reserve(text.size());
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        // A character outside the basic plane is one character (two UTF-16
        // units) and so one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            out.append('?');
            continue;
        }
        QByteArray one = encoder(QStringView(&c, 1));
        if (encoder.hasError() || one.size() != 1) {
            encoder.resetState();
            out.append('?');
        } else {
            out.append(one);
        }
    }
    return out;
}

QByteArray fixedField(const QString& text, int width)
{
    QByteArray bytes = unicodeToCp1252(text).left(width);
    if (bytes.size() < width)
        bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

QString padRight(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString trimRight(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString numText(long long n)
{
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

double leadingNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0.0;
}

long long leadingInteger(const QString& text)
{
    const double v = leadingNumber(text);
    if (!std::isfinite(v) || std::fabs(v) > 1e15)
        return v < 0 ? -1000000000000000LL : 1000000000000000LL;
    return static_cast<long long>(std::nearbyint(v)); // default rounding: halves to even
}

} // namespace tavrel
