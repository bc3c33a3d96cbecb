#include "search/FieldTest.h"

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

bool recordMatches(const NARecord& r, const SearchFieldBoxes& boxes, QStringView upperKey)
{
    const bool all = boxes[7];
    if (boxes[0] || boxes[1] || all) {
        if (fieldMatches(r.Name, Width::Name, upperKey))
            return true;
        if (boxes[0])
            return false; // the fast search looks at the name alone
    }
    if (boxes[1] || all) {
        for (const QString* line : {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4}) {
            if (fieldMatches(*line, Width::Addr, upperKey))
                return true;
        }
    }
    if (boxes[2] || all) {
        const QStringView key = upperKey.left(Width::PhoneNum);
        for (int i = 1; i <= 5; ++i) {
            if (fieldMatches(r.phoneNum(i), Width::PhoneNum, key))
                return true;
        }
    }
    if ((boxes[3] || all) && fieldMatches(r.Comments, Width::Comments, upperKey))
        return true;
    const QStringView sortKey = upperKey.left(Width::SortKey);
    if ((boxes[4] || all) && fieldMatches(r.SortKey1, Width::SortKey, sortKey))
        return true;
    if ((boxes[5] || all) && fieldMatches(r.SortKey2, Width::SortKey, sortKey))
        return true;
    if ((boxes[6] || all) && fieldMatches(r.EMail, Width::EMail, upperKey))
        return true;
    return false;
}

} // namespace tavrel
