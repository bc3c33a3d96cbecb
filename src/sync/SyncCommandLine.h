#pragma once

#include <QByteArray>
#include <QStringList>

class QTextStream;

namespace tavrel {

class Program;

// True when the arguments (without the program name) ask for a sync.
bool isSyncCommandLine(const QStringList& args);

// The password of a sync run without windows comes from this variable.
inline constexpr char kSyncPasswordVariable[] = "TAVREL_SYNC_PASSWORD";

// `tavrel --sync [--setup SERVER USER [BOOK]] [--confirm-deletions] [--allow-http]`
// over a program whose N&A file is open: sets the account up when asked,
// then syncs, and writes one line saying what was done. Returns the exit
// status: 0 synced, 1 failed (nothing more was done), 2 wrong arguments or no
// account set up, 3 synced but deletions held back, 4 synced but cards left
// on the server because the N&A file is full.
int runSyncCommand(Program& p, const QStringList& args, const QString& password, QTextStream& out);

// The whole run from main(), without windows. `prepare` runs once the N&A file
// is open (main points it at the automatic backup copy).
int syncMain(int argc, char** argv, void (*prepare)(Program&) = nullptr);

QString syncUsage();

} // namespace tavrel
