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

// The word in the shown line, in either spelling of it.
bool shownHolds(const FindWord& w, const FindHaystack& h)
{
    return h.shown.contains(w.folded) ||
           (!h.shownStored.isEmpty() && h.shownStored.contains(w.folded)) ||
           (!h.shownSpelled.isEmpty() && h.shownSpelled.contains(w.spelled));
}

// Field `k` of a haystack holds the word, in either spelling.
bool fieldHolds(const FindWord& w, const FindHaystack& h, qsizetype k, const QString& digits)
{
    const QString& stored = h.fieldStored.at(k);
    return wordIn(w, h.fieldFolded.at(k), digits) ||
           (!stored.isEmpty() && stored.contains(w.folded)) ||
           (!h.fieldSpelled.at(k).isEmpty() && h.fieldSpelled.at(k).contains(w.spelled));
}

class FieldsOf {
public:
    FieldsOf(const NARecord& r, const FieldTexts& originals) : r_(r), originals_(originals) {}

    void add(const char* name, ContactField field, bool phone = false)
    {
        const QString stored = recordText(field).trimmed();
        const auto original = originals_.find(field);
        const QString shown = original != originals_.end() ? original->second.trimmed() : stored;
        if (shown.isEmpty() && stored.isEmpty())
            return;
        out.append({caption(name), shown.isEmpty() ? stored : shown, phone,
                    shown == stored || shown.isEmpty() ? QString() : stored});
    }

    QVector<FindField> out;

private:
    const QString& recordText(ContactField field) const
    {
        switch (field) {
        case ContactField::Name:
            return r_.Name;
        case ContactField::AddrLine1:
            return r_.AddrLine1;
        case ContactField::AddrLine2:
            return r_.AddrLine2;
        case ContactField::AddrLine3:
            return r_.AddrLine3;
        case ContactField::AddrLine4:
            return r_.AddrLine4;
        case ContactField::SortKey1:
            return r_.SortKey1;
        case ContactField::SortKey2:
            return r_.SortKey2;
        case ContactField::EMail:
            return r_.EMail;
        case ContactField::Comments:
            return r_.Comments;
        default: {
            const int f = int(field) - int(ContactField::PhoneType1);
            return f % 2 == 0 ? r_.phoneType(f / 2 + 1) : r_.phoneNum(f / 2 + 1);
        }
        }
    }

    const NARecord& r_;
    const FieldTexts& originals_;
};

ContactField phoneNumField(int i)
{
    return ContactField(int(ContactField::PhoneNum1) + 2 * (i - 1));
}

} // namespace

QVector<FindWord> findWords(const QString& typed)
{
    QVector<FindWord> words;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& part : typed.split(blanks, Qt::SkipEmptyParts)) {
        FindWord w{foldForMatch(part), false, foldSpelling(part)};
        w.digits = isDigits(w.folded);
        if (!w.folded.isEmpty())
            words.append(std::move(w));
    }
    return words;
}

QVector<FindField> findFieldsOf(const NARecord& r, const FieldTexts& originals)
{
    FieldsOf fields(r, originals);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Name"), ContactField::Name);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 1"), ContactField::AddrLine1);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 2"), ContactField::AddrLine2);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 3"), ContactField::AddrLine3);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Address Line 4"), ContactField::AddrLine4);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Sort Key 1"), ContactField::SortKey1);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Sort Key 2"), ContactField::SortKey2);
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "E-Mail"), ContactField::EMail);
    QVector<FindField>& out = fields.out;
    for (int i = 1; i <= 5; ++i) {
        const auto type = originals.find(ContactField(int(phoneNumField(i)) - 1));
        const QString label = (type != originals.end() ? type->second : r.phoneType(i)).trimmed();
        const qsizetype before = out.size();
        fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Telephone"), phoneNumField(i), true);
        // The number's own label ("Home", "Fax") says more than "Telephone".
        if (out.size() > before && !label.isEmpty())
            out.last().caption = label;
    }
    fields.add(QT_TRANSLATE_NOOP("tavrel::FindWords", "Comments"), ContactField::Comments);
    return out;
}

FindHaystack findHaystack(const QString& shownText, const QVector<FindField>& fields,
                          const QString& storedText)
{
    FindHaystack h;
    h.shown = foldForMatch(shownText);
    h.all = h.shown;
    if (!storedText.isEmpty()) {
        h.shownStored = foldForMatch(storedText);
        h.all += kFieldBreak + h.shownStored;
        h.shownSpelled = foldSpelling(shownText);
        h.spelled = h.shownSpelled;
    }
    h.fieldFolded.reserve(fields.size());
    for (const FindField& f : fields) {
        h.fieldFolded.append(foldForMatch(f.text));
        h.all += kFieldBreak + h.fieldFolded.last();
        h.fieldStored.append(f.stored.isEmpty() ? QString() : foldForMatch(f.stored));
        h.fieldSpelled.append(f.stored.isEmpty() ? QString() : foldSpelling(f.text));
        if (!f.stored.isEmpty()) {
            h.all += kFieldBreak + h.fieldStored.last();
            h.spelled += kFieldBreak + h.fieldSpelled.last();
        }
        if (f.phone)
            h.digits += kFieldBreak + digitsOf(f.text) + kFieldBreak + digitsOf(f.stored);
    }
    return h;
}

bool allWordsIn(const QVector<FindWord>& words, const FindHaystack& haystack)
{
    return std::all_of(words.begin(), words.end(), [&](const FindWord& w) {
        return wordIn(w, haystack.all, haystack.digits) ||
               (!haystack.spelled.isEmpty() && haystack.spelled.contains(w.spelled));
    });
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
            if (!fieldHolds(w, haystack, k,
                            f.phone ? digitsOf(f.text) + kFieldBreak + digitsOf(f.stored)
                                    : QString()))
                continue;
            // A field the line already shows (a telephone number there) needs no naming.
            named[k] = !haystack.shown.contains(folded);
            return true;
        }
        return false;
    };
    for (const FindWord& w : words) {
        if (!shownHolds(w, haystack) && !(w.digits && nameField(w, true)))
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
