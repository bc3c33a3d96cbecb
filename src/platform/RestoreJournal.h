#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavrel {

// A restore replaces the N&A file and every mailing list at once. It first
// writes each new file whole under a temporary name, then this journal naming
// every rename and removal still to do, makes both durable, and only then
// renames. Whoever finds the journal afterwards (the restore itself, or the
// next start after a crash or a power cut) finishes the same steps, so the
// files are all from before the restore or all from the copy, never a mix.
inline const QString kRestoreJournalName = QStringLiteral(".tvlrestore-journal");

struct RestoreJournal {
    QString copyName;                       // the copy being restored, for the message
    QList<QPair<QString, QString>> renames; // temporary name -> live name, in order
    QStringList removals;                   // live names to remove after the renames
    // The files as they were before the restore, put back after it failed
    // half way: carrying this journal out undoes the restore.
    bool undo = false;

    QByteArray toBytes() const;
    // nullopt for a journal that was not written to its end.
    static std::optional<RestoreJournal> fromBytes(const QByteArray& bytes);
};

// What finishing an interrupted restore did.
struct InterruptedRestore {
    QString copyName;
    // True when the restore was carried to its end; false when the journal
    // was never completed, so nothing had been renamed and the restore was
    // dropped, leaving the files as they were before it.
    bool completed = false;
    // True when the restore had failed half way and what was carried out was
    // its undo: the files are as they were before it.
    bool undone = false;
};

// Does the steps of a journal left in the program directory and removes it;
// nullopt when there is none. Only plain files are renamed or removed, and
// nothing is reached through a link. Call it before anything opens the N&A
// file or a list, and only while holding the program's lock. Throws
// PlatformError when a step fails; the journal then stays for the next start.
std::optional<InterruptedRestore> finishInterruptedRestore(const Files& files);
// What a command line run prints about it, in one line.
QString interruptedRestoreLine(const InterruptedRestore& r);

} // namespace tavrel
