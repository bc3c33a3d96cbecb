#include "search/FieldTest.h"

#include "platform/Text.h"

#include <QChar>
#include <QVarLengthArray>

namespace tavrel {

namespace {

constexpr char16_t kBlank = u' ';

// Upper case of the Latin-1 range, looked up instead of asked for: the search
// runs this for every character of every field it tests.
struct Latin1Upper {
    std::array<char16_t, 256> table{};
    Latin1Upper()
    {
        for (int c = 0; c < 256; ++c)
            table[c] = QChar::toUpper(char16_t(c));
    }
};

inline char16_t upper(char16_t c)
{
    static const Latin1Upper latin1;
    return c < 256 ? latin1.table[c] : QChar::toUpper(c);
}

} // namespace

QString upperCaseKey(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        d[i] = QChar(upper(text[i].unicode()));
    return out;
}

bool fieldMatches(QStringView field, int width, QStringView upperKey)
{
    const qsizetype k = upperKey.size();
    if (k > width)
        return false;

    // The field as stored: cut or blank-padded to its width, upper-cased.
    QVarLengthArray<char16_t, 128> f(width);
    const qsizetype stored = qMin<qsizetype>(field.size(), width);
    for (qsizetype i = 0; i < stored; ++i)
        f[i] = upper(field[i].unicode());
    for (qsizetype i = stored; i < width; ++i)
        f[i] = kBlank;

    if (k == 0)
        return true;
    const char16_t* key = reinterpret_cast<const char16_t*>(upperKey.utf16());
    const char16_t first = key[0];
    for (qsizetype p = 0; p + k <= width; ++p) {
        if (f[p] != first)
            continue;
        qsizetype j = 1;
        while (j < k && f[p + j] == key[j])
            ++j;
        if (j == k)
            return true;
    }
    return false;
}

namespace {

ContactField addrLine(int i)
{
    return ContactField(int(ContactField::AddrLine1) + i - 1);
}

ContactField phoneNum(int i)
{
    return ContactField(int(ContactField::PhoneNum1) + 2 * (i - 1));
}

// Walks the fields the boxes choose in the fixed order, asking `test(field,
// text, width, keyCut)` of each (keyCut: how many characters of the key count
// there, or -1 for all), and stops at the first that matches.
template <typename Test>
bool anyChosenFieldMatches(const NARecord& r, const SearchFieldBoxes& boxes, Test test)
{
    const bool all = boxes[7];
    if (boxes[0] || boxes[1] || all) {
        if (test(ContactField::Name, r.Name, Width::Name, -1))
            return true;
        if (boxes[0])
            return false; // the fast search looks at the name alone
    }
    if (boxes[1] || all) {
        const QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
        for (int i = 1; i <= 4; ++i) {
            if (test(addrLine(i), *lines[i - 1], Width::Addr, -1))
                return true;
        }
    }
    if (boxes[2] || all) {
        for (int i = 1; i <= 5; ++i) {
            if (test(phoneNum(i), r.phoneNum(i), Width::PhoneNum, Width::PhoneNum))
                return true;
        }
    }
    if ((boxes[3] || all) && test(ContactField::Comments, r.Comments, Width::Comments, -1))
        return true;
    if ((boxes[4] || all) &&
        test(ContactField::SortKey1, r.SortKey1, Width::SortKey, Width::SortKey))
        return true;
    if ((boxes[5] || all) &&
        test(ContactField::SortKey2, r.SortKey2, Width::SortKey, Width::SortKey))
        return true;
    if ((boxes[6] || all) && test(ContactField::EMail, r.EMail, Width::EMail, -1))
        return true;
    return false;
}

const QString& cutKey(const FoldedKey& key, int cut)
{
    return cut == Width::PhoneNum ? key.phone : cut == Width::SortKey ? key.sortKey : key.whole;
}

} // namespace

bool recordMatches(const NARecord& r, const SearchFieldBoxes& boxes, QStringView upperKey)
{
    return anyChosenFieldMatches(
        r, boxes, [upperKey](ContactField, const QString& field, int width, int cut) {
            return fieldMatches(field, width, cut < 0 ? upperKey : upperKey.left(cut));
        });
}

FoldedKey foldedSearchKey(const QString& typedKey)
{
    const QString reduced = reduceToCp1252(typedKey);
    return {foldForMatch(reduced), foldForMatch(reduced.left(Width::PhoneNum)),
            foldForMatch(reduced.left(Width::SortKey))};
}

bool recordMatchesIgnoringAccents(const NARecord& r, const SearchFieldBoxes& boxes,
                                  const FoldedKey& key)
{
    return anyChosenFieldMatches(
        r, boxes, [&key](ContactField, const QString& field, int width, int cut) {
            return foldForMatch(padRight(field, width)).contains(cutKey(key, cut));
        });
}

FoldedKey foldedSpellingKey(const QString& typedKey)
{
    return {foldSpelling(typedKey), foldSpelling(typedKey.left(Width::PhoneNum)),
            foldSpelling(typedKey.left(Width::SortKey))};
}

bool spellingMatches(const NARecord& r, const FieldTexts& originals, const SearchFieldBoxes& boxes,
                     const SpellingKey& key)
{
    if (originals.empty())
        return false;
    return anyChosenFieldMatches(r, boxes, [&](ContactField f, const QString&, int width, int cut) {
        const auto original = originals.find(f);
        if (original == originals.end())
            return false;
        // The person's spelling is kept whole, however long its Latin one.
        const QString& text = original->second;
        const int room = qMax<int>(width, int(text.size()));
        if (!key.ignoreAccents)
            return fieldMatches(
                text, room, cut < 0 ? QStringView(key.upper) : QStringView(key.upper).left(cut));
        return foldSpelling(padRight(text, room)).contains(cutKey(key.folded, cut));
    });
}

SpellingKey spellingKey(const QString& typedKey, bool ignoreAccents)
{
    return {upperCaseKey(typedKey), foldedSpellingKey(typedKey), ignoreAccents};
}

} // namespace tavrel
