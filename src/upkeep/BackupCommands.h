#pragma once

#include "store/Program.h"
#include "upkeep/Backups.h"

#include <optional>

namespace tavrel {

// The backup folder this program's settings name.
QString backupFolder(const Program& p);

// The copy a trigger takes by itself: nothing when automatic copies are off,
// and at start-up nothing when a copy of today already exists. A failure is
// reported and the work goes on; the earlier copies stay as they were.
void takeAutomaticCopy(Program& p, BackupTrigger trigger);
// The same with the file steps of `io` (tests make them fail).
void takeAutomaticCopy(Program& p, BackupTrigger trigger, BackupIo& io);

// Points the program's bulk-change hook at the automatic copy, so the
// duplicate search and an import take one before their first change.
void armAutomaticCopies(Program& p);

// Removes the copies rotated out; run as the program ends.
void tidyBackups(const Program& p);

// "&Backups...": opens BackupForm without blocking.
void startBackups(Program& p);

// Restores copy `name` through `backups`, then opens the N&A file again and
// reloads the working values. Shows the outcome; returns the copy of the
// state before the restore when it succeeded.
std::optional<BackupCopy> restoreIntoProgram(Program& p, Backups& backups, const QString& name);

// "mm-dd-yyyy At hh:mm:ss": how messages name a copy.
QString copyLabel(const BackupCopy& c);

} // namespace tavrel
