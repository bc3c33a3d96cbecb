#include "platform/Text.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

// The code page as the system's converter reads it: the character each of the
// 256 bytes stands for, and the way back for the characters above 0x7F.
struct CodePage {
    QChar toUnicode[256];
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = decoder.isValid() ? decoder(QByteArrayView(&byte, 1)) : QString();
            // ASCII is itself; the few bytes the code page leaves undefined read
            // as the control character of the same number, so they survive a
            // read and a write unchanged.
            if (b < 0x80 || c.size() != 1 || c[0] == QChar::ReplacementCharacter)
                toUnicode[b] = QChar(b);
            else
                toUnicode[b] = c[0];
            if (b >= 0x80)
                fromUnicode.insert(toUnicode[b].unicode(), byte);
        }
    }
};

const CodePage& codePage()
{
    static const CodePage page;
    return page;
}

} // namespace

QString cp1252ToUnicode(const QByteArray& bytes)
{
    const CodePage& page = codePage();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (char b : bytes)
        *d++ = page.toUnicode[static_cast<unsigned char>(b)];
    return out;
}

namespace {

// Encodes `text` into at most `room` bytes at `dest`; returns how many it wrote.
qsizetype encodeCp1252(const QString& text, char* dest, qsizetype room)
{
    // One byte per character: what the code page cannot hold becomes '?'.
    const CodePage& page = codePage();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size() && n < room; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            dest[n++] = char(c.unicode());
            continue;
        }
        // A character outside the basic plane is one character (two UTF-16
        // units) and so one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            dest[n++] = '?';
            continue;
        }
        dest[n++] = page.fromUnicode.value(c.unicode(), '?');
    }
    return n;
}

} // namespace

QByteArray unicodeToCp1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(encodeCp1252(text, out.data(), out.size()));
    return out;
}

void writeFixedField(const QString& text, char* dest, int width)
{
    const qsizetype n = encodeCp1252(text, dest, width);
    std::fill(dest + n, dest + width, ' ');
}

QByteArray fixedField(const QString& text, int width)
{
    QByteArray bytes(qMax(width, 0), Qt::Uninitialized);
    writeFixedField(text, bytes.data(), int(bytes.size()));
    return bytes;
}

QString padRight(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QStringView trimRightView(QStringView text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString trimRight(const QString& text)
{
    return text.left(trimRightView(text).size());
}

QString numText(long long n)
{
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

double leadingNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t') ||
                     text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')))
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
