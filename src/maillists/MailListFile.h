#pragma once

#include "maillists/MailListMembers.h"

#include <QByteArray>

#include <QString>
#include <QStringList>

namespace tavrel {

class Program;

// A mailing list file: "tvlmail." + identifier in the program directory, one
// line of 40 title bytes, 6 blanks, 1700 '1'/'0' flags (ID 1 first) and CR LF.
namespace MailListFormat {
inline constexpr int TitleWidth = 40;
inline constexpr int FlagsOffset = 46;
inline constexpr int LineLength = 1746; // what readers use
inline constexpr int FileLength = 1748;
} // namespace MailListFormat

inline const QString kNoTitle = QStringLiteral("No Title Specified");
inline const QString kMailListPattern = QStringLiteral("tvlmail.*");

// "tvlmail." + identifier. Throws error 64 when the identifier could name a
// file outside the program directory (separators, "..", control characters).
QString mailListFileName(const QString& identifier);

// The 40-byte title field as written: "No Title Specified" padded when `title`
// is empty, else `title` padded or cut to 40 characters.
QString mailListTitleField(const QString& title);

// List files are named without regard to case: "tvlmail.abc" and "TVLMAIL.ABC"
// are one list. Where an older version left two such files, the newest is the
// list; it keeps its name, and the others go when the list is next written or deleted.

// The file that holds list `fileName`, or an empty string when there is none.
QString mailListFile(Program& p, const QString& fileName);

// Replaces list `fileName` with `contents` (written in full, then renamed over
// it); a new list is made under `fileName`.
void replaceMailListFile(Program& p, const QString& fileName, const QByteArray& contents);

// Deletes list `fileName`, under every spelling of its name.
void removeMailList(Program& p, const QString& fileName);

// The first 1746 bytes of list file `fileName` (fewer when the file is short).
QByteArray readMailListLine(Program& p, const QString& fileName);

// The list files matching `pattern` that the program can address by name,
// each list once.
QStringList listMailListFiles(Program& p, const QString& pattern);

// Writes MailListFlags as list file `fileName` (a plain name in the program
// directory) with `title`. The old file stays intact until the new one is complete.
void writeMailList(Program& p, const QString& fileName, const QString& title);

// Reads list file `fileName` into MailListFlags and returns its 40-character
// title. A short or damaged file reads without complaint: missing flags and
// anything other than '1' count as not members.
QString loadMailList(Program& p, const QString& fileName);

// The 40 title characters of a list file, or 40 blanks when the title starts
// with the character of code 21.
QString readMailListTitle(Program& p, const QString& fileName);

// The outcome of looking for an existing list with the same identifier.
enum class MailListAnswer { NoFile, Replace, Keep, Cancel };
// Looks for "tvlmail." + identifier and, when it exists, asks whether to replace it.
MailListAnswer askToReplaceMailList(Program& p, const QString& identifier);

// Resets MailListFlags and marks the IDs typed in `text` ("3-7, 12 40").
void parseIdList(Program& p, const QString& text);

// The rules for naming a new list.
bool isReservedIdentifier(const QString& identifier);
bool hasPunctuation(const QString& identifier);

} // namespace tavrel
