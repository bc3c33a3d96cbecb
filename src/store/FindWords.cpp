#include "store/FindWords.h"

#include "platform/Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tavrel {

namespace {

const QChar kFieldBreak = QLatin1Char('\n');

QString caption(const char* text)
{
    return QCoreApplication::translate("tavrel::FindWords", text);
}

bool isDigits(const QString& word)
{
    return std::all_of(word.begin(), word.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool wordIn(const FindWord& word, const QString& folded, const QString& digits)
{
    return folded.contains(word.folded) || (word.digits && digits.contains(word.folded));
}

void addField(QVector<FindField>& out, const char* name, const QString& text, bool phone = false)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty())
        out.append({caption(name), trimmed, phone});
}

} // namespace

QVector<FindWord> findWords(const QString& typed)
{
    QVector<FindWord> words;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& part : typed.split(blanks, Qt::SkipEmptyParts)) {
        FindWord w{foldForMatch(part), false};
        w.digits = isDigits(w.folded);
        if (!w.folded.isEmpty())
            words.append(std::move(w));
    }
    return words;
}

QVector<FindField> findFieldsOf(const NARecord& r)
{
    QVector<FindField> out;
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Name"), r.Name);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 1"), r.AddrLine1);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 2"), r.AddrLine2);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 3"), r.AddrLine3);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 4"), r.AddrLine4);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Sort Key 1"), r.SortKey1);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Sort Key 2"), r.SortKey2);
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "E-Mail"), r.EMail);
    for (int i = 1; i <= 5; ++i) {
        const QString type = r.phoneType(i).trimmed();
        const qsizetype before = out.size();
        addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Telephone"), r.phoneNum(i), true);
        // The number's own label ("Home", "Fax") says more than "Telephone".
        if (out.size() > before && !type.isEmpty())
            out.last().caption = type;
    }
    addField(out, QT_TRANSLATE_NOOP("tavrel::FindWords", "Comments"), r.Comments);
    return out;
}

FindHaystack findHaystack(const QString& shownText, const QVector<FindField>& fields)
{
    FindHaystack h;
    h.shown = foldForMatch(shownText);
    h.all = h.shown;
    h.fieldFolded.reserve(fields.size());
    for (const FindField& f : fields) {
        h.fieldFolded.append(foldForMatch(f.text));
        h.all += kFieldBreak + h.fieldFolded.last();
        if (f.phone)
            h.digits += kFieldBreak + digitsOf(f.text);
    }
    return h;
}

bool allWordsIn(const QVector<FindWord>& words, const FindHaystack& haystack)
{
    return std::all_of(words.begin(), words.end(),
                       [&](const FindWord& w) { return wordIn(w, haystack.all, haystack.digits); });
}

QString whyMatched(const QVector<FindWord>& words, const FindHaystack& haystack,
                   const QVector<FindField>& fields)
{
    QVector<bool> named(fields.size(), false);
    // The first field holding the word names it; a word of digits is first
    // looked for among the telephone numbers ("12" there, not in "12 Mill Lane").
    const auto nameField = [&](const FindWord& w, bool phonesOnly) {
        for (qsizetype k = 0; k < fields.size(); ++k) {
            const FindField& f = fields.at(k);
            if (phonesOnly && !f.phone)
                continue;
            const QString& folded = haystack.fieldFolded.value(k);
            if (!wordIn(w, folded, f.phone ? digitsOf(f.text) : QString()))
                continue;
            // A field the line already shows (a telephone number there) needs no naming.
            named[k] = !haystack.shown.contains(folded);
            return true;
        }
        return false;
    };
    for (const FindWord& w : words) {
        if (!haystack.shown.contains(w.folded) && !(w.digits && nameField(w, true)))
            nameField(w, false);
    }
    QStringList parts;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (named[k])
            parts << fields.at(k).caption + QStringLiteral(": ") + fields.at(k).text;
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace tavrel
