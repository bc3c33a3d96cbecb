#pragma once

#include <QByteArray>
#include <QStringList>

class QTextStream;

namespace tavrel {

class Program;

// The password of a sync run without windows comes from this variable.
inline constexpr char kSyncPasswordVariable[] = "TAVREL_SYNC_PASSWORD";

// `tavrel --sync [--setup SERVER USER [BOOK]] [--confirm-deletions] [--allow-http]`
// over a program whose N&A file is open: sets the account up when asked,
// then syncs, and writes one line saying what was done. Returns the exit
// status: 0 synced, 1 failed (nothing more was done), 2 wrong arguments or no
// account set up, 3 synced but deletions held back, 4 synced but cards left
// on the server because the N&A file is full.
int runSyncCommand(Program& p, const QStringList& args, const QString& password, QTextStream& out);

// The whole run from main(), without windows, on `args` as the launcher's
// parser gives them. `prepare` runs once the N&A file is open (main points it
// at the automatic backup copy).
int syncMain(int argc, char** argv, const QStringList& args, void (*prepare)(Program&) = nullptr);

QString syncUsage();

} // namespace tavrel
