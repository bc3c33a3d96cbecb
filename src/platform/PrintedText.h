#pragma once

#include <QString>
#include <initializer_list>

namespace tavrel {

class Printer;

// How the printouts lay a field's text into its place on the page. Text the
// code page holds prints exactly as the N&A file holds it, padded with blanks
// to its field's width. Any other text (a name kept in its own alphabet)
// prints in the room that field takes on the page, cut by whole characters to
// fit it as the font that draws it measures it, and right to left in that
// room when its script is written so.

// True when the code page holds every character of `text`.
bool isCodePageText(QStringView text);

// The first `chars` characters of `text`, and `chars` characters from
// character `from`; a character beyond the first plane counts as one.
QString leftChars(const QString& text, qsizetype chars);
QString midChars(const QString& text, qsizetype from, qsizetype chars);

// The text in capitals, one for one, so its length never changes: Latin
// letters as upperCp1252 writes them, the letters of other alphabets (Иван)
// in their own capitals.
QString upperSameLength(const QString& text);

// The room a field `chars` characters wide takes in the printer's current
// font: as many of the font's widest Latin capital.
double fieldRoom(const Printer& pr, int chars);

// `text` without its trailing blanks, cut to its first `chars` characters,
// then by whole characters from its end until the printer's current font
// measures it no wider than `room`.
QString fittedText(const Printer& pr, const QString& text, int chars, double room);

// One field of a printed line: its text and its width in characters.
struct PrintedPart {
    QString text;
    int chars;
};

// Prints a line of fields side by side from (x, y). Text of the code page
// prints as one line of the padded fields; a line with other text prints
// field by field, each fitted into the room its width takes.
void printParts(Printer& pr, double x, double y, std::initializer_list<PrintedPart> parts);
// The same for a line of one field.
void printField(Printer& pr, double x, double y, const QString& text, int chars);
// Prints `text` fitted into the room of a field `chars` characters wide at
// (x, y), whatever its letters, right to left when its script is written so.
void printFitted(Printer& pr, double x, double y, const QString& text, int chars);
// A line of a block of text `box` twips wide whose lines differ in size (a
// card's name above its address): a field written right to left is fitted
// into the whole box and ends at the box's right edge, so every such line of
// the block ends at the same edge whatever its size; any other text prints as
// printField prints it.
void printFieldInBox(Printer& pr, double x, double y, const QString& text, int chars, double box);

} // namespace tavrel
