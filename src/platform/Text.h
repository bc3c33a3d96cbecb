#pragma once

#include <QByteArray>
#include <QString>

namespace tavrel {

// Windows-1252 conversion at the file boundary. Text is first brought within
// the code page by reduceToCp1252, so every character is exactly one byte. The
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read
// as the control characters of the same number and are written back unchanged.
QString cp1252ToUnicode(const QByteArray& bytes);
QByteArray unicodeToCp1252(const QString& text);

// True when the code page holds `c` (the file stores it unchanged).
bool fitsCp1252(char32_t c);
// The text as the file can hold it. Text is composed first, so a letter followed
// by a combining accent is one letter. A letter the code page lacks becomes its
// closest letter (ł -> l, ň -> n, ễ -> e), an accent left on its own is dropped,
// a word in another alphabet is spelled in Latin letters (Иван -> Ivan, Γιώργος
// -> Giórgos, 北京 -> Bei Jing), keeping the accented letters the code page has,
// and only what has no spelling (an emoji) becomes '?'. The result may be longer
// than the text. `changed` tells whether anything was replaced. The record
// screens, the import and the sync all store and show what this makes of a text.
QString reduceToCp1252(const QString& text, bool* changed = nullptr);

// The text in capitals as the code page writes them: a letter becomes its
// capital only when both are in Windows-1252, one for one, so the length never
// changes. "ß" and "µ" stay (the code page has no capital of either), "ÿ"
// becomes "Ÿ", "œ" "Œ". Printed address lines keep their width and spelling.
QString upperCp1252(const QString& text);

// The text as every find compares it: as the file would hold it (Петров as
// Petrov), without accents ("Émile" -> "emile"), case-folded, with ß as "ss",
// so a word typed any of these ways finds it. The find box and the field
// search both fold through here.
QString foldForMatch(const QString& text);
// The same fold left in the text's own alphabet ("Иван" -> "иван"): the
// person's own spellings are compared this way, so a word typed in their
// alphabet finds them even where its Latin spelling differs from theirs
// (letters read otherwise in context, or a spelling cut at a field's width).
QString foldSpelling(const QString& text);
// The digits of a text, in order: "(555) 123-4567" -> "5551234567".
QString digitsOf(QStringView text);

// The text laid into a fixed-width field: cut at the width, padded with blanks.
QByteArray fixedField(const QString& text, int width);
// The same, written straight into `width` bytes at `dest`.
void writeFixedField(const QString& text, char* dest, int width);
// The same rule for text kept in memory: cut at `width`, padded with blanks.
QString padRight(const QString& text, int width);
// Text without its trailing blanks.
QString trimRight(const QString& text);
// The same, as a view into `text`: no copy is made.
QStringView trimRightView(QStringView text);

// A number as messages write it: a leading blank when it is not negative.
QString numText(long long n);

// The value of the number a typed text starts with, as the input boxes read it:
// leading blanks skipped, an optional sign, digits with an optional decimal part;
// anything else ends the number. "12abc" is 12, "abc" is 0, " -3.5" is -3.5.
// There is no exponent: "1e3" is 1, so a typed "1e3" never passes for 1000.
double leadingNumber(const QString& text);
// leadingNumber rounded to the nearest integer, halves to the even neighbour.
long long leadingInteger(const QString& text);

} // namespace tavrel
