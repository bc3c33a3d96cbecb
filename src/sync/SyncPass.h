#pragma once

#include "sync/CardDavClient.h"
#include "sync/CardMapping.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tavrel {

class Program;

// A field changed on both sides to different values, as the person sees it.
struct SyncConflict {
    int id = 0;
    QList<SyncField> fields;
    QByteArray mine;   // the record here
    QByteArray theirs; // the record the server's card reads as
};
enum class ConflictChoice { KeepMine, KeepTheirs, KeepBoth };

struct SyncOptions {
    // A field changed on both sides: the server's value is kept here (the
    // record's value goes to the sync log and a backup copy is taken first).
    bool serverWins = true;
    // Asked when one sync would delete more than 20% of the records here or of
    // the cards there, and more than 5; false, or none set, holds every
    // deletion back (the rest of the sync goes on).
    std::function<bool(int deleteHere, int deleteThere)> confirmDeletions;
    // Asked for each record with a conflict; none set: `serverWins` decides.
    // Keep both: the record takes the server's values and this one's version
    // becomes a new record (and card) of its own.
    std::function<ConflictChoice(const SyncConflict&)> resolveConflict;
    // Runs before each record or card is dealt with, for a progress display.
    std::function<void(int done, int total)> progress;
};

struct SyncReport {
    DavResult result; // how talking to the server went; not ok: the sync stopped there
    QString problem;  // a failure that is not the server's (state file, backup copy)
    int addedHere = 0, changedHere = 0, deletedHere = 0;
    int addedThere = 0, changedThere = 0, deletedThere = 0;
    int conflicts = 0;
    int deletionsHeld = 0; // deletions not done: the person did not confirm them
    QStringList notStored; // names of cards that found no free ID here

    bool ok() const { return result.ok() && problem.isEmpty(); }
    // One line: what was done each way, or why the sync stopped.
    QString summary() const;
};

// The sync log beside the N&A file: each sync adds its section at the end.
inline const QString kSyncLogName = QStringLiteral("tvlsync.log");

// One sync of the N&A file with the address book the state file names. Every
// finished step is journalled at once, so a sync cut short at any moment is
// finished by the next, nothing duplicated or lost. Mailing lists and
// QuickLinks stay here.
SyncReport runSync(Program& p, CardDavClient& client, const SyncOptions& options);

} // namespace tavrel
