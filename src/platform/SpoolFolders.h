#pragma once

#include <QString>
#include <chrono>

namespace tavrel {

// Private folders "tavrel-XXXXXX" in the temporary folder that hold a print
// job while it is drawn and handed to the print system. Each holds the number
// of the process that made it ("owner.pid") and the job files ("job-N.spool").

// Makes a new spool folder under `tempDirectory` (readable by this user only);
// empty when it cannot be made.
QString makeSpoolFolder(const QString& tempDirectory);

// Removes a spool folder with its job files. Nothing is followed: a folder
// that is a link, belongs to another user or holds anything but job files is
// left as it is. False when the folder is still there.
bool removeSpoolFolder(const QString& folder);

// Removes the spool folders of earlier runs of this user that nobody uses any
// more: their owner process is gone, or (folders of versions that wrote no
// owner) they are older than `unownedAge`. Returns how many were removed.
int removeStaleSpoolFolders(const QString& tempDirectory,
                            std::chrono::seconds unownedAge = std::chrono::hours(24));

} // namespace tavrel
