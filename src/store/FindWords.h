#pragma once

#include "store/NARecord.h"

#include <QString>
#include <QVector>

namespace tavrel {

// One word typed into a find box, folded (see foldForMatch). A word of digits
// alone also matches the digits of a telephone number, whatever stands
// between them there: "555" and "12" both find "(555) 123-4567".
struct FindWord {
    QString folded;
    bool digits = false;
};

// The words of a find box text, split at blanks. No words: everything matches.
QVector<FindWord> findWords(const QString& typed);

// A field a find box looks in besides the line it shows, with its caption,
// its text as the record holds it, and whether it is a telephone number.
struct FindField {
    QString caption;
    QString text;
    bool phone = false;
};

// The fields of a record the find box looks in: name, address lines, sort
// keys, e-mail, every telephone number and the comments; blank ones left out.
QVector<FindField> findFieldsOf(const NARecord& r);

// Everything of a line a find box compares, folded once when the line
// arrives, so that each keystroke only compares. Fields are joined by a line
// break, which no typed word holds, so a word never spans two fields.
struct FindHaystack {
    QString shown;                // the line as the list shows it
    QString all;                  // the shown line and every field
    QString digits;               // the digits of each telephone number
    QVector<QString> fieldFolded; // each field on its own, for whyMatched
};
FindHaystack findHaystack(const QString& shownText, const QVector<FindField>& fields);

// True when every word is somewhere in the haystack.
bool allWordsIn(const QVector<FindWord>& words, const FindHaystack& haystack);

// Why a line matched when the shown text alone does not hold every word: one
// "caption: text" for each field that holds a word the shown text lacks,
// joined by "; ". Empty when the shown text holds every word.
QString whyMatched(const QVector<FindWord>& words, const FindHaystack& haystack,
                   const QVector<FindField>& fields);

} // namespace tavrel
