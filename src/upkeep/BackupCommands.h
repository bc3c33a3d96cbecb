#pragma once

#include "upkeep/Backups.h"

#include <optional>

namespace tavrel {

class Program;

// The backup folder this program's settings name.
QString backupFolder(const Program& p);

// What a bulk change does when its backup copy cannot be made.
enum class WithoutCopy {
    Ask,    // the windows: the person may choose to go on (No is the default)
    Refuse, // the command line: the change does not start
};

// The copy a trigger takes by itself: nothing when automatic copies are off,
// and at start-up nothing when a copy of today already exists. Returns whether
// the work may go on. At start-up it always may: a failure is reported and the
// earlier copies stay as they were. Before a bulk change (compaction,
// duplicate deletion, import) the copy is part of the change: a failure is
// told in plain words (the cause, the room needed, nothing changed) and the
// change goes on only when the person chooses to go on without a copy.
bool takeAutomaticCopy(Program& p, BackupTrigger trigger, WithoutCopy onFailure = WithoutCopy::Ask);
// The same with the file steps of `io` (tests make them fail).
bool takeAutomaticCopy(Program& p, BackupTrigger trigger, BackupIo& io,
                       WithoutCopy onFailure = WithoutCopy::Ask);

// Points the program's bulk-change hook at the automatic copy, so the
// duplicate search and an import take one before their first change; a
// failed copy asks whether to go on without it.
void armAutomaticCopies(Program& p);
// The same for a run from the command line: a failed copy stops the change.
void armCommandLineCopies(Program& p);

// Removes the copies rotated out; run as the program ends.
void tidyBackups(const Program& p);

// Restores copy `name` through `backups`, then opens the N&A file again and
// reloads the working values. Shows the outcome; returns the copy of the
// state before the restore when it succeeded.
std::optional<BackupCopy> restoreIntoProgram(Program& p, Backups& backups, const QString& name);

// "mm-dd-yyyy At hh:mm:ss": how messages name a copy.
QString copyLabel(const BackupCopy& c);

} // namespace tavrel
