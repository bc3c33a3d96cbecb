#pragma once

#include "platform/Clock.h"
#include "platform/Files.h"
#include "upkeep/Backups.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace tavrel {

// True when the arguments (without the program name) ask for a backup or a
// restore from the command line.
bool isBackupCommandLine(const QStringList& args);

// `tavrel --backup` takes a copy now; `tavrel --restore NAME` puts copy NAME
// back, after taking a copy of the current state; `--restore` alone lists
// the copies. A restore is refused while the program runs on the same
// directory. Returns the exit status: 0 done, 1 failed or refused, 2 misused.
int runBackupCommandLine(const QStringList& args, const Files& files, const Clock& clock,
                         BackupIo& io, bool programRunning, QTextStream& out, QTextStream& err);

// The same run as `tavrel ARGS` makes it, with the program's lock: a copy
// shares it with other copies and waits a little for a run that changes the
// files; a restore holds it alone, and waits a little for copies being made.
int runLockedBackupCommandLine(const QStringList& args, const Files& files, const Clock& clock,
                               BackupIo& io, QTextStream& out, QTextStream& err);

// The whole run of a backup or restore from main(), without windows, on
// `args` as the launcher's parser gives them.
int backupCommandLineMain(int argc, char** argv, const QStringList& args);

} // namespace tavrel
