#pragma once

// Text is brought within Windows-1252 by reduceToCp1252, shared with the record screens.
#include "platform/Text.h"

#include <QString>
#include <QStringList>

namespace tavrel {

// --- telephone labels ---

// The vCard types a record's telephone label stands for ("Mobile" → {"cell"});
// empty when the table does not know the label. Case does not matter.
QStringList phoneTypesForLabel(const QString& label);
// The record label for a set of vCard types (lower case), e.g. {"work","fax"}
// → "W Fax"; empty when the types say nothing beyond a voice line.
QString labelForPhoneTypes(const QStringList& types);
// The label as the table writes it, when it knows the label ("CELL" → "Mobile").
QString canonicalPhoneLabel(const QString& label);

// --- names ---

// The parts of a name, as vCard's N property orders them.
struct NameParts {
    QString family;
    QString given;
    QString additional;
    QString prefix;
    QString suffix;
    bool operator==(const NameParts&) const = default;
};
// Splits a name: "Last, First Middle" takes the part before the comma as the
// family name; otherwise the last word is, together with particles before it
// (van, von, de, ...). Titles in front (Dr., Mrs.) and suffixes behind (Jr.,
// III, PhD) are set apart. When sort key 1 starts with one of the words, that
// word begins the family name.
NameParts splitName(const QString& name, const QString& sortKey1 = QString());
// The name written out from its parts: "prefix given additional family suffix".
QString joinName(const NameParts& parts);

// --- addresses ---

struct PostalParts {
    QStringList street;
    QString locality;
    QString region;
    QString code;
    QString country;
};
// Recognises the last address lines as "City, ST 12345", "12345 City",
// "City AB1 2CD" and the like, with an optional country line below. False
// when they do not parse; `out` is then every line in the street part.
bool parseAddress(const QStringList& lines, PostalParts& out);
// The lines of a postal address built from its parts (the way back).
QStringList addressLines(const PostalParts& parts);

} // namespace tavrel
