#pragma once

// A card as the lines it lies in, so a change here rewrites only the lines
// (and the parts of a line) it concerns and leaves every other byte alone.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

namespace tavrel {

// One property of a card as it lies in the bytes: its physical lines with
// their line ends, and its name and group for finding it.
struct Unit {
    QByteArray raw;
    QByteArray name;  // upper case, without group
    QByteArray group; // lower case, "" when none
};

QByteArray unfolded(const QByteArray& raw);
qsizetype valueColon(const QByteArray& line);
Unit unitOf(const QByteArray& raw);
// The card split into properties; a line that starts with a blank or a tab
// continues the one before.
QList<Unit> unitsOf(const QByteArray& card);
QByteArray joined(const QList<Unit>& units);
QByteArray lineEndOf(const QByteArray& card);

// The property's name, group and parameters (everything before the value's colon).
QByteArray headOf(const Unit& u);
// The property's value as written: still escaped.
QByteArray rawValueOf(const Unit& u);
// A property from its head and an escaped value, folded, with the card's line end.
Unit unitFrom(const QByteArray& head, const QByteArray& rawValue, const QByteArray& eol);

QList<Unit> named(const QList<Unit>& units, std::initializer_list<const char*> names);
qsizetype endIndex(const QList<Unit>& units);
qsizetype firstIndex(const QList<Unit>& units, const char* name);

// An escaped value split at `sep` where it is not escaped; the pieces stay escaped.
QList<QByteArray> splitEscaped(const QByteArray& raw, char sep);
// The raw text split at its escaped line breaks ("\n" or "\N").
QList<QByteArray> splitEscapedLines(const QByteArray& raw);
// An escaped text value read: "\n" becomes a line feed.
QString unescapedText(const QByteArray& raw);
// A text written for a value: escaped, line breaks as "\n".
QByteArray escapedText(const QString& text);

// The parameter `name` of a head (its value without quotes, ^ escapes left),
// nothing when the head has none.
std::optional<QByteArray> paramOf(const QByteArray& head, const QByteArray& name);
// The head with parameter `name` given `value` (quoted, ^ escaped), in its place.
QByteArray withParam(const QByteArray& head, const QByteArray& name, const QString& value);
// The head with the types given instead of its own (TYPE parameters and bare
// types go; "" when none); every other parameter stays in its place.
QByteArray withTypes(const QByteArray& head, const QStringList& types);
// A parameter value's lines: "^n" (and a literal "\n") break them.
QStringList paramLines(const QByteArray& value);

// How the record holds a text of the card: without control characters, within
// the code page, cut to `width`.
QString heldText(const QString& text, int width, bool multiLine = false);

// The card's text after the record's field that holds it was edited: nothing
// when the field still holds what it held (the card keeps its bytes).
//
// A text longer than its field is held cut. When the person edited the held
// part, the part the record could not hold is put back after the edited text
// as long as it still continues it: the edited text must still end with the
// word (or the piece of a word) the cut fell after, which says that the edit
// replaced only what the field showed and left its end as it was. An edit that
// changed the end (a rewritten text, a shortened one) writes the edited text
// alone, as anything after it would no longer follow on.
std::optional<QString> editedText(const QString& original, const QString& heldNow, int width,
                                  bool multiLine = false);

} // namespace tavrel
