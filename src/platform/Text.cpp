#include "platform/Text.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace tavrel {

QString upperCp1252(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        // Surrogates are left alone: nothing beyond the first plane is in the code page.
        const QChar upper = c.toUpper();
        if (upper != c && fitsCp1252(c.unicode()) && fitsCp1252(upper.unicode()))
            c = upper;
    }
    return out;
}

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

bool fitsCp1252(char32_t c)
{
    return c < 0x80 || (c <= 0xFFFF && codePage().fromUnicode.contains(char16_t(c)));
}

namespace {

// The closest letter the code page holds for `c`, or 0 when there is none.
char32_t closestLetter(char32_t c)
{
    // Letters that carry their stroke or dot within them and so do not come
    // apart into a letter and an accent.
    static const QHash<char32_t, char32_t> table = {
        {U'Ł', U'L'}, {U'ł', U'l'}, {U'Đ', U'D'}, {U'đ', U'd'}, {U'Ħ', U'H'}, {U'ħ', U'h'},
        {U'ı', U'i'}, {U'Ŧ', U'T'}, {U'ŧ', U't'}, {U'Ŀ', U'L'}, {U'ŀ', U'l'}, {U'ĸ', U'k'},
        {U'Ɖ', U'D'}, {U'ɖ', U'd'}, {U'Ƶ', U'Z'}, {U'ƶ', U'z'}, {U'Ɨ', U'I'}, {U'ɨ', U'i'},
        {U'Ŋ', U'N'}, {U'ŋ', U'n'}, {U'Ɓ', U'B'}, {U'ɓ', U'b'}, {U'Ƒ', U'F'}, {U'ȷ', U'j'},
        {U'Ǥ', U'G'}, {U'ǥ', U'g'}, {U'Ƀ', U'B'}, {U'ƀ', U'b'},
    };
    if (auto it = table.find(c); it != table.end())
        return *it;
    // Otherwise the letter under its accents (ơ is o with a horn, ễ is e with
    // a circumflex and a tilde), when the code page holds that letter.
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    if (decomposed.size() > 1 && decomposed.at(0).isLetter() &&
        fitsCp1252(decomposed.at(0).unicode()))
        return decomposed.at(0).unicode();
    return 0;
}

bool isMark(char32_t c)
{
    const QChar::Category k = QChar::category(c);
    return k == QChar::Mark_NonSpacing || k == QChar::Mark_SpacingCombining ||
           k == QChar::Mark_Enclosing;
}

// Encodes `text` into at most `room` bytes at `dest`; returns how many it wrote.
qsizetype encodeCp1252(const QString& text, char* dest, qsizetype room)
{
    const CodePage& page = codePage();
    // Nearly all text is held by the code page as it stands.
    for (QChar c : text)
        if (c.unicode() >= 0x80 && !page.fromUnicode.contains(c.unicode()))
            return encodeCp1252(reduceToCp1252(text), dest, room);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size() && n < room; ++i) {
        const QChar c = text.at(i);
        dest[n++] = c.unicode() < 0x80 ? char(c.unicode()) : page.fromUnicode.value(c.unicode());
    }
    return n;
}

} // namespace

QString reduceToCp1252(const QString& text, bool* changed)
{
    bool fits = true;
    for (QChar c : text)
        fits = fits && fitsCp1252(c.unicode());
    if (fits) {
        if (changed)
            *changed = false;
        return text;
    }
    bool any = false;
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (char32_t c : composed.toUcs4()) {
        if (fitsCp1252(c)) {
            out.append(QChar(char16_t(c)));
            continue;
        }
        any = true;
        if (isMark(c))
            continue;
        const char32_t letter = closestLetter(c);
        out.append(letter ? QChar(char16_t(letter)) : QLatin1Char('?'));
    }
    if (changed)
        *changed = any;
    return out;
}

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
