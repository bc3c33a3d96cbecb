#pragma once

#include <QString>

namespace tavrel {

// Rules that every reader, the import planning and the writers share, so a
// contact means the same thing whichever way it travels.

// --- organisations ---

// True when a name is an organisation's rather than a person's: it carries a
// company word or sign ("&", GmbH, Ltd, Club, School, ...) and is not written
// "Surname, Given" (a comma followed by nothing but a legal form, "Acme, Inc.",
// still names a company). A sort key 2 that is one of the name's own words is
// a given name, so the name is a person's ("Charlotte Church").
bool isOrganisationName(const QString& name, const QString& sortKey2 = QString());

// --- telephone numbers ---

// The number without its formatting: blanks, parentheses, dots and dashes
// between digits go; digits, a leading '+', other signs and the extension
// (written "x" and its digits) stay. A trunk "(0)" after a country code goes
// too, as nobody dials it from abroad: "+49 (0)611 123456-78 ext. 9" becomes
// "+4961112345678x9".
QString compactPhoneNumber(const QString& number);

// The record's short form of a telephone label ("Home Fax" -> "H Fax",
// "Business Phone" -> "Work"); empty when no table knows the label.
QString shortPhoneLabel(const QString& label);

// --- e-mail addresses and birthdays ---

// True when the text is one bare e-mail address ("ann.lee@example.com"): one
// '@' with something before it and a dotted domain after it, no blanks.
bool isEmailAddress(const QString& text);

// A birthday as Comments keeps it: a date written year, month, day (with or
// without dashes, with or without a time) as "1970-05-12", one without a year
// ("--0512") as "--05-12"; anything else as written, trimmed.
QString birthdayText(const QString& value);

// --- control characters ---

// The text without control characters: tabs become blanks, other control and
// invisible format characters go. Line ends (CR, LF, CR LF) become CR LF when
// `multiLine`, else a blank. `removed` counts every character changed.
QString withoutControls(const QString& text, bool multiLine, int* removed = nullptr);

} // namespace tavrel
