#pragma once

#include <QString>

namespace tavrel {

class Program;

// Prints the members of list file `fileName` (heading with `titleText`, then
// one line per member; inactive IDs say so). Loads the list into MailListFlags.
// Returns false when the person stopped it (StopRequested seen at a page break).
bool printMailListContents(Program& p, const QString& fileName, const QString& titleText);

} // namespace tavrel
