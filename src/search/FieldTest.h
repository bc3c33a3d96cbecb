#pragma once

#include "store/Contact.h"
#include "store/NARecord.h"

#include <QString>
#include <QStringView>
#include <array>

namespace tavrel {

// Upper-cases a text one character at a time (simple mapping), so it keeps
// its length and positions line up with the stored field.
QString upperCaseKey(QStringView text);

// True when `upperKey` (already upper-cased) occurs anywhere in `field` taken
// at its full stored width: shorter text counts as padded with blanks, longer
// text is cut at the width. Case is ignored by upper-casing the field.
bool fieldMatches(QStringView field, int width, QStringView upperKey);

// The eight "Search Fields" boxes, by index:
// 0 name only, 1 name and address, 2 telephone numbers, 3 comments,
// 4 sort key 1, 5 sort key 2, 6 e-mail address, 7 all of the above.
using SearchFieldBoxes = std::array<bool, 8>;

// Tests the fields the boxes choose, in the fixed order name, address lines,
// telephone numbers, comments, sort keys, e-mail, and stops at the first
// that matches. The key is cut to 20 characters for telephone numbers and
// to 16 for sort keys.
bool recordMatches(const NARecord& r, const SearchFieldBoxes& boxes, QStringView upperKey);

// A typed key folded once for a search that ignores accents: whole, and cut
// as the telephone numbers and sort keys cut it before folding.
struct FoldedKey {
    QString whole;
    QString phone;
    QString sortKey;
};
FoldedKey foldedSearchKey(const QString& typedKey);

// The same test without regard to accents, case or ß against "ss": the key and
// each field, taken at its stored width, are folded alike (foldForMatch), so
// "muller" finds "Müller" and "weiss" "Weiß".
bool recordMatchesIgnoringAccents(const NARecord& r, const SearchFieldBoxes& boxes,
                                  const FoldedKey& key);

// A key as typed, for the person's own spellings of a record's fields: upper-
// cased, or folded in its own alphabet (foldSpelling) when accents are ignored.
struct SpellingKey {
    QString upper;
    FoldedKey folded;
    bool ignoreAccents = true;
};
SpellingKey spellingKey(const QString& typedKey, bool ignoreAccents);

// The same tests on the person's own spelling of the fields `originals` holds
// for record `r` (its other fields are the record's, tested already), so that
// a key typed in that alphabet finds the record even where its Latin spelling
// differs from the record's (read otherwise in context, or cut at the width).
// The original is taken whole: no width cuts it.
bool spellingMatches(const NARecord& r, const FieldTexts& originals, const SearchFieldBoxes& boxes,
                     const SpellingKey& key);

} // namespace tavrel
