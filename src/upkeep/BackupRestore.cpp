#include "upkeep/BackupFs.h"

#include "platform/Errors.h"
#include "platform/RestoreJournal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <fcntl.h>

namespace tavrel {

using namespace backupfs;

namespace {

// The names an undo writes the files as they were under; the start-up sweep
// clears them with the restore's own.
const QString kUndoPrefix = kRestoreTempPrefix + QStringLiteral("undo.");
// The journal is written whole under this name and renamed into place, so the
// journal name never holds half of one, nor one that replaces the other half way.
const QString kJournalTempName = kRestoreTempPrefix + QStringLiteral("journal");

bool isPlainLive(const Files& files, const QString& name)
{
    const QFileInfo live(files.path(name));
    return live.isFile() && !live.isSymLink();
}

// The lists and sync files there now that `target` does not hold: they go.
QStringList removalsFor(const Files& files, const Snapshot& target)
{
    QStringList out;
    QStringList candidates = files.list(QStringLiteral("tvlmail.*"));
    candidates << kSyncStateName << kSyncJournalName << syncCardFiles(files)
               << kOriginalSpellingsName;
    for (const QString& n : std::as_const(candidates)) {
        if (!target.names.contains(n) && !out.contains(n) && isPlainLive(files, n))
            out << n;
    }
    return out;
}

// One application of a state to the program directory: every file written
// whole under `prefix` + its name, then the journal of the renames (mailing
// lists first, the N&A file last) and removals put in place by one rename.
// From then on the journal describes a whole state that the restore, or the
// next start after a crash, carries out; it is removed last of all.
class Application {
public:
    Application(const Files& files, BackupIo& io, const Snapshot& target, const QString& prefix)
        : files_(files), io_(io), target_(target), prefix_(prefix)
    {
    }

    void stage(const QString& label, bool undo)
    {
        journal_.copyName = label;
        journal_.undo = undo;
        for (int i = 0; i < target_.names.size(); ++i) {
            const QString& name = target_.names[i];
            const QString temp = files_.path(prefix_ + name);
            io_.removeFile(temp);
            temps_ << temp;
            // A file that replaces another keeps the permissions the user gave it.
            io_.writeFile(temp, target_.data[i],
                          isPlainLive(files_, name) ? liveMode(files_, name) : target_.modes[i]);
        }
        for (int i = int(target_.names.size()) - 1; i >= 0; --i)
            journal_.renames.append({prefix_ + target_.names[i], target_.names[i]});
        journal_.removals = removalsFor(files_, target_);
        const QString temp = files_.path(kJournalTempName);
        io_.removeFile(temp);
        io_.writeFile(temp, journal_.toBytes(), 0600);
        io_.syncFolder(files_.programDirectory());
        io_.renameOver(temp, files_.path(kRestoreJournalName));
        journalPlaced_ = true;
        io_.syncFolder(files_.programDirectory());
    }

    void carryOut()
    {
        for (const auto& [from, to] : std::as_const(journal_.renames)) {
            io_.renameOver(files_.path(from), files_.path(to));
            temps_.removeOne(files_.path(from));
        }
        for (const QString& n : std::as_const(journal_.removals))
            io_.removeFile(files_.path(n));
        io_.syncFolder(files_.programDirectory());
        io_.removeFile(files_.path(kRestoreJournalName));
        io_.syncFolder(files_.programDirectory());
    }

    bool journalPlaced() const { return journalPlaced_; }
    // Removes the journal this application placed; false when it stays.
    bool dropJournal() noexcept
    {
        try {
            io_.removeFile(files_.path(kRestoreJournalName));
            io_.syncFolder(files_.programDirectory());
            return true;
        } catch (const PlatformError&) {
            return false;
        }
    }

    // Removes the temporary files that were not renamed into place; never throws.
    void dropTemps() noexcept
    {
        for (const QString& t : std::as_const(temps_)) {
            try {
                io_.removeFile(t);
            } catch (const PlatformError&) {
                // The start-up sweep takes it.
            }
        }
        try {
            io_.removeFile(files_.path(kJournalTempName));
        } catch (const PlatformError&) {
        }
    }

private:
    const Files& files_;
    BackupIo& io_;
    const Snapshot& target_;
    QString prefix_;
    RestoreJournal journal_;
    QStringList temps_;
    bool journalPlaced_ = false;
};

// Stages the copy; a failure here has changed nothing. A journal already in
// place goes before the temporary files, so nothing can carry out what is
// being dropped; if it cannot go, it stands whole and the next start finishes
// the restore.
void stageRestore(Application& forward, const QString& label)
{
    try {
        forward.stage(label, false);
    } catch (const PlatformError& e) {
        if (forward.journalPlaced() && !forward.dropJournal())
            throw RestoreUnfinished(e.number(), QString::fromLocal8Bit(e.what()), e.systemError());
        forward.dropTemps();
        throw;
    }
}

// After a failure half way through the renames: the files as they were are
// staged under the undo names and their journal takes the place of the
// restore's in one rename, so at every moment one whole journal stands.
// When the undo cannot be carried out either, that journal stays for the
// next start, and RestoreUnfinished says so.
[[noreturn]] void undoRestore(const Files& files, BackupIo& io, const Snapshot& before,
                              const QString& label, Application& forward,
                              const PlatformError& first)
{
    Application undo(files, io, before, kUndoPrefix);
    try {
        undo.stage(label, true);
        undo.carryOut();
    } catch (const PlatformError&) {
        throw RestoreUnfinished(first.number(), QString::fromLocal8Bit(first.what()),
                                first.systemError());
    }
    forward.dropTemps();
    throw first;
}

} // namespace

// Every byte is checked against the manifest before anything changes.
Snapshot Backups::readWhole(const BackupCopy& copy) const
{
    const QString dir = folder_ + QLatin1Char('/') + copy.name;
    const Handle top(::open(native(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Handle copyDir(top.valid() ? openFolderAt(top.fd(), copy.name) : -1);
    const QByteArray manifestText =
        copyDir.valid()
            ? readPlain(copyDir.fd(), native(kManifestName), 64 * 1024).value_or(QByteArray())
            : QByteArray();
    Snapshot wanted;
    for (const QString& f : copy.files) {
        const QByteArray bytes = io_.readFile(dir + QLatin1Char('/') + f);
        const mode_t mode = copyDir.valid() ? entryMode(copyDir.fd(), native(f)) & 07777 : 0;
        wanted.modes << (mode ? unsigned(mode) : 0600u);
        if (!manifestText.contains(manifestLine(f, bytes)))
            throw BackupRefused(QCoreApplication::translate("tavrel::Backups", "Its File ") + f +
                                QCoreApplication::translate(
                                    "tavrel::Backups", " Has Changed Since The Copy Was Taken."));
        wanted.names << f;
        wanted.data << bytes;
    }
    const QString damage = naFileDamage(wanted.data.first());
    if (!damage.isEmpty())
        throw BackupRefused(damage);
    return wanted;
}

BackupCopy Backups::restore(const QString& name)
{
    const std::optional<BackupCopy> copy = readCopy(name);
    if (!copy)
        throw BackupRefused(
            QCoreApplication::translate("tavrel::Backups", "There Is No Backup Copy Named ") +
            name + QStringLiteral("."));
    if (copy->damaged())
        throw BackupRefused(copy->damage);
    const Snapshot wanted = readWhole(*copy);

    const Snapshot current = snapshotOf(files_, io_);
    const BackupCopy safety = take(BackupTrigger::Restore);
    Application forward(files_, io_, wanted, kRestoreTempPrefix);
    stageRestore(forward, name);
    try {
        forward.carryOut();
    } catch (const PlatformError& e) {
        undoRestore(files_, io_, current, name, forward, e);
    }
    rotate();
    tidy();
    return safety;
}

} // namespace tavrel
