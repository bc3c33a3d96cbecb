#pragma once

#include "store/Contact.h"
#include "store/NARecord.h"

#include <QString>
#include <QVector>

namespace tavrel {

// One word typed into a find box, folded (see foldForMatch), and folded in
// its own alphabet (see foldSpelling). A word of digits alone also matches
// the digits of a telephone number, whatever stands between them there: "555"
// and "12" both find "(555) 123-4567".
struct FindWord {
    QString folded;
    bool digits = false;
    QString spelled = {};
};

// The words of a find box text, split at blanks. No words: everything matches.
QVector<FindWord> findWords(const QString& typed);

// A field a find box looks in besides the line it shows, with its caption,
// its text as the person sees it, and whether it is a telephone number.
// Where that text is the person's own spelling, `stored` is the record's.
struct FindField {
    QString caption;
    QString text;
    bool phone = false;
    QString stored = {};
};

// The fields of a record the find box looks in: name, address lines, sort
// keys, e-mail, every telephone number and the comments; blank ones left out.
// A field with an entry in `originals` shows that spelling and is found by
// either.
QVector<FindField> findFieldsOf(const NARecord& r, const FieldTexts& originals = {});

// Everything of a line a find box compares, folded once when the line
// arrives, so that each keystroke only compares. Fields are joined by a line
// break, which no typed word holds, so a word never spans two fields.
struct FindHaystack {
    QString shown;                // the line as the list shows it
    QString shownStored;          // and as the record spells it, when that differs
    QString shownSpelled;         // and in its own alphabet (see foldSpelling)
    QString all;                  // the shown line and every field, both spellings
    QString spelled;              // the person's own spellings (see foldSpelling)
    QString digits;               // the digits of each telephone number
    QVector<QString> fieldFolded; // each field on its own, for whyMatched
    QVector<QString> fieldStored; // its record spelling, when that differs
    QVector<QString> fieldSpelled;
};
// `storedText`: the shown line as the record spells it, when the line shows
// the person's own spelling (otherwise empty).
FindHaystack findHaystack(const QString& shownText, const QVector<FindField>& fields,
                          const QString& storedText = QString());

// True when every word is somewhere in the haystack.
bool allWordsIn(const QVector<FindWord>& words, const FindHaystack& haystack);

// Why a line matched when the shown text alone does not hold every word: one
// "caption: text" for each field that holds a word the shown text lacks,
// joined by "; ". Empty when the shown text holds every word.
QString whyMatched(const QVector<FindWord>& words, const FindHaystack& haystack,
                   const QVector<FindField>& fields);

} // namespace tavrel
