#include "platform/Text.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace tavrel {

QString foldForMatch(const QString& text)
{
    return foldSpelling(reduceToCp1252(text));
}

QString foldSpelling(const QString& text)
{
    // Decomposed, an accented letter is its base letter and its marks.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category kind = c.category();
        if (kind == QChar::Mark_NonSpacing || kind == QChar::Mark_SpacingCombining ||
            kind == QChar::Mark_Enclosing)
            continue;
        if (c == QChar(u'\u00df'))
            out.append(QLatin1String("ss"));
        else
            out.append(c);
    }
    return out.toCaseFolded();
}

QString digitsOf(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out.append(c);
    }
    return out;
}

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

// ICU's Latin spellings of the other alphabets: Russian and Ukrainian by the
// BGN/PCGN tables, Greek by the UN's table, the rest (Hebrew, Arabic,
// Chinese in pinyin, Japanese kana in romaji, ...) by ICU's own rules. Making
// a transliterator loads its rules, and one must not serve two threads at
// once, so each thread makes its set once, the first time a text needs it,
// and keeps it unchanged from then on.
class LatinSpeller {
public:
    static const LatinSpeller& forThisThread()
    {
        static thread_local const LatinSpeller speller;
        return speller;
    }

    // `run` in Latin letters; the run unchanged when ICU could not help.
    QString spell(const QString& run, bool ukrainian) const
    {
        return apply(ukrainian ? ukrainian_.get() : general_.get(), run);
    }
    // A Latin letter the code page lacks in plain ASCII (ɛ -> e).
    QString ascii(const QString& letter) const { return apply(ascii_.get(), letter); }

private:
    LatinSpeller()
        : general_(make(u"Greek-Latin/UNGEGN; Russian-Latin/BGN; Any-Latin")),
          ukrainian_(make(u"Ukrainian-Latin/BGN; Greek-Latin/UNGEGN; Any-Latin")),
          ascii_(make(u"Latin-ASCII"))
    {
    }

    static std::unique_ptr<icu::Transliterator> make(const char16_t* id)
    {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance(icu::UnicodeString(id), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }

    static QString apply(const icu::Transliterator* t, const QString& text)
    {
        if (!t)
            return text;
        icu::UnicodeString s(text.utf16(), int32_t(text.size()));
        t->transliterate(s);
        return QString::fromUtf16(s.getBuffer(), s.length());
    }

    std::unique_ptr<icu::Transliterator> general_;
    std::unique_ptr<icu::Transliterator> ukrainian_;
    std::unique_ptr<icu::Transliterator> ascii_;
};

// Letters only Ukrainian has among the Cyrillic alphabets: a text with one of
// them is spelled the Ukrainian way throughout (Київ -> Kyyiv, Ганна -> Hanna).
bool looksUkrainian(const QString& text)
{
    static const QString letters = QStringLiteral(u"ЄІЇҐєіїґ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

// A letter the code page lacks and that has no closest letter of its own:
// ICU spells it, together with its neighbours of the same kind.
bool needsSpelling(char32_t c)
{
    return !fitsCp1252(c) && !isMark(c) && !closestLetter(c);
}

bool hasCase(const std::u32string& run)
{
    return std::any_of(run.begin(), run.end(),
                       [](char32_t c) { return QChar::isUpper(c) || QChar::isLower(c); });
}

// The romanisations of alphabets without capitals (Chinese, Japanese, Hebrew,
// Arabic) come in small letters with pronunciation marks: names read better
// with capitals, and without marks the code page could keep only some of
// (Wáng Xiǎo would become Wáng Xiao).
QString capitalized(const QString& romanised)
{
    QString words;
    for (QChar c : romanised.normalized(QString::NormalizationForm_D))
        if (!isMark(c.unicode()))
            words.append(c);
    words = words.normalized(QString::NormalizationForm_C);
    bool wordStart = true;
    for (QChar& c : words) {
        if (c.isSpace() || c == QLatin1Char('-')) {
            wordStart = true;
        } else if (wordStart && (c.isLower() || c.isUpper() || c.isNumber())) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return words;
}

// Appends `c`, one character of a Latin spelling, as the code page holds it.
void appendHeld(QString& out, char32_t c, const LatinSpeller& speller)
{
    if (fitsCp1252(c)) {
        out.append(QChar(char16_t(c)));
        return;
    }
    // Accents and the apostrophe-like signs (the soft sign's ʹ, ʿ) go.
    if (isMark(c) || QChar::category(c) == QChar::Letter_Modifier)
        return;
    if (const char32_t letter = closestLetter(c)) {
        out.append(QChar(char16_t(letter)));
        return;
    }
    const QString single = QString::fromUcs4(&c, 1);
    const QString plain = speller.ascii(single);
    const bool held =
        plain != single && !plain.isEmpty() &&
        std::all_of(plain.begin(), plain.end(), [](QChar p) { return fitsCp1252(p.unicode()); });
    out.append(held ? plain : QStringLiteral("?"));
}

// The Latin spelling of `run` (letters that need spelling, with their accents),
// as the code page holds it.
QString spelledRun(const std::u32string& run, bool ukrainian)
{
    const LatinSpeller& speller = LatinSpeller::forThisThread();
    QString latin = speller.spell(QString::fromUcs4(run.data(), qsizetype(run.size())), ukrainian);
    if (!hasCase(run))
        latin = capitalized(latin);
    QString out;
    for (char32_t c : latin.toUcs4())
        appendHeld(out, c, speller);
    return out;
}

} // namespace

QString reduceToCp1252(const QString& text, bool* changed)
{
    const auto allFit = [](const QString& t) {
        return std::all_of(t.begin(), t.end(), [](QChar c) { return fitsCp1252(c.unicode()); });
    };
    if (allFit(text)) {
        if (changed)
            *changed = false;
        return text;
    }
    // Composed first: a letter followed by a combining accent the code page
    // holds as one letter changes nothing.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    if (changed)
        *changed = !allFit(composed);
    const QList<uint> codes = composed.toUcs4();
    const std::u32string chars(codes.begin(), codes.end());
    const bool ukrainian = looksUkrainian(text);
    QString out;
    out.reserve(chars.size());
    for (size_t i = 0; i < chars.size();) {
        const char32_t c = chars[i];
        if (!needsSpelling(c)) {
            // Held as it is, a closest letter (ł -> l), or an accent left on its own, dropped.
            if (fitsCp1252(c))
                out.append(QChar(char16_t(c)));
            else if (!isMark(c))
                out.append(QChar(char16_t(closestLetter(c))));
            ++i;
            continue;
        }
        // The whole word goes to the transliterator: a spelling depends on the
        // letters around (きょ is kyo, not kiyo).
        size_t end = i + 1;
        while (end < chars.size() &&
               (needsSpelling(chars[end]) || (isMark(chars[end]) && !fitsCp1252(chars[end]))))
            ++end;
        out += spelledRun(chars.substr(i, end - i), ukrainian);
        i = end;
    }
    return out;
}

QByteArray unicodeToCp1252(const QString& text)
{
    // Sized for the text as held: a Latin spelling may be longer than the text.
    const QString held = reduceToCp1252(text);
    QByteArray out(held.size(), Qt::Uninitialized);
    out.truncate(encodeCp1252(held, out.data(), out.size()));
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
