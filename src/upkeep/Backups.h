#pragma once

#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Files.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace tavrel {

namespace backupfs {
struct Snapshot;
}

// Why a copy was taken. The order is the order of kTriggerTags.
enum class BackupTrigger { Daily, Compaction, DupSearch, Import, Manual, Restore, Sync };

// The short word in a copy's folder name and manifest ("daily", "compact", ...).
QString triggerTag(BackupTrigger t);
std::optional<BackupTrigger> triggerFromTag(const QString& tag);
// What the Backups window says took the copy ("First Start Of The Day", ...).
QString triggerText(BackupTrigger t);

// Where copies go and whether they are taken by themselves. Kept in a small
// settings file in the program directory, so the N&A file stays as it is.
struct BackupSettings {
    QString folder; // empty: "backups" in the program directory
    bool automatic = true;
};
inline const QString kBackupSettingsName = QStringLiteral("tavrel.cfg");
inline const QString kBackupFolderName = QStringLiteral("backups");

// A missing or unreadable settings file gives the defaults.
BackupSettings loadBackupSettings(const Files& files);
// Replaces the settings file whole; throws PlatformError.
void saveBackupSettings(const Files& files, const BackupSettings& s);
// The absolute folder the settings name.
QString backupFolderOf(const Files& files, const BackupSettings& s);

// The file system steps of taking and restoring copies, each one call, so a
// test can make any of them fail. Paths are absolute. The last name of a path
// is never followed when it is a link, and a copy's folder is never entered
// through one: anyone who can write in the backup folder reaches nothing
// outside it. Folders made here are for the owner alone (0700). Failures
// throw PlatformError with the classic number.
class BackupIo {
public:
    virtual ~BackupIo() = default;
    // Creates the folder and any missing parents.
    virtual void makeFolder(const QString& path);
    // Reads a plain file; a link is refused, never followed.
    virtual QByteArray readFile(const QString& path);
    // Creates a new file (never over an existing one, nor through a link) with
    // the permissions `mode`, writes all of `bytes`, makes them durable and
    // closes it.
    virtual void writeFile(const QString& path, const QByteArray& bytes, unsigned mode);
    // Makes everything written to the disk that holds `folder` durable, file
    // contents and folder entries alike: one flush for a whole copy, where a
    // flush of each file would cost a disk round trip apiece.
    virtual void flushDisk(const QString& folder);
    // Makes the entries of a folder (new files, renames) durable.
    virtual void syncFolder(const QString& path);
    // Renames a file or folder; never over an existing entry.
    virtual void renameNew(const QString& from, const QString& to);
    // Renames a file over the one at `to` in one step.
    virtual void renameOver(const QString& from, const QString& to);
    // Removes the entry itself (a link, not what it points to); a folder is refused.
    virtual void removeFile(const QString& path);
    // Removes an empty folder.
    virtual void removeFolder(const QString& path);
    // Free bytes on the disk holding `path`; nullopt when the system will not say.
    virtual std::optional<qint64> freeBytes(const QString& path);
};

// One copy in the backup folder.
struct BackupCopy {
    QString name; // folder name
    QDateTime when;
    int sequence = 0; // copies taken in the same second
    BackupTrigger trigger = BackupTrigger::Manual;
    int active = 0;
    QStringList files; // n&a.mrk first, then the mailing lists
    QString damage;    // empty when the copy is whole
    bool link = false; // a link lies under the copy's name: reported, never followed or removed
    bool damaged() const { return !damage.isEmpty(); }
};

// A restore that was refused before anything changed.
class BackupRefused : public std::runtime_error {
public:
    explicit BackupRefused(QString reason)
        : std::runtime_error("backup refused"), reason_(std::move(reason))
    {
    }
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// A restore that failed and whose undo failed too: the restore journal stays
// in the program directory, whole, and the next start carries it out (to the
// copy, or back to the files as they were) and says which.
class RestoreUnfinished : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// The folder name of a copy taken at `when` (seconds count), the `sequence`th
// of that second.
QString copyFolderName(const QDateTime& when, BackupTrigger trigger, int sequence);
// Of the copies, newest first, those rotation takes out of the list: all but
// the newest ten, the newest whole copy of each of the 14 latest days that have
// copies and of each of the 12 latest months. Links are never among them.
QStringList copiesToRotateOut(const QList<BackupCopy>& newestFirst);

// When the copy of folder `name` was taken, read from the name alone.
std::optional<QDateTime> copyTimeFromName(const QString& name);

// What is wrong with a would-be N&A file (odd length, no header, header count
// out of range); empty when it is sound.
QString naFileDamage(const QByteArray& bytes);
// Number of active records in the bytes of an N&A file.
int countActiveRecords(const QByteArray& bytes);
// The free space a copy of the N&A file and the mailing lists asks for, as
// Backups::take counts it: their bytes and room for the manifest and folder.
qint64 backupCopySize(const Files& files);

// The copies of one program directory in one backup folder. Only folders
// whose name and manifest show they were made here are ever read, listed,
// rotated or removed, and inside them only the files the program wrote.
class Backups {
public:
    Backups(const Files& files, const Clock& clock, BackupIo& io, QString folder);

    const QString& folder() const { return folder_; }
    // The copies, newest first.
    QList<BackupCopy> list() const;
    std::optional<BackupCopy> find(const QString& name) const;
    // True when a copy dated today lies in the folder.
    bool hasCopyOfToday() const;

    // Copies the N&A file and every mailing list into a new folder, written
    // under a temporary name of its own, each file flushed and read back, and
    // then renamed into place. On failure this copy's partial folder is
    // removed, no other folder is touched, and PlatformError is thrown. Call
    // rotate() after a copy that counted.
    BackupCopy take(BackupTrigger trigger);
    // Renames the copies copiesToRotateOut names out of the list, one rename
    // each; tidy() removes their files. Failures are left for the next time.
    void rotate();
    // Removes the copies rotated out and whatever a copy or removal that
    // stopped half way left behind; a copy another run is writing at the
    // time is left to it. Removing files can cost the disk a few
    // milliseconds each, so start-up leaves this to the end of the run.
    // Links named like such copies are left alone; their names are returned.
    QStringList tidy();

    // Puts copy `name` back as the N&A file and mailing lists, after taking a
    // copy of the current state (returned, so the restore can be undone);
    // rotates after success.
    // Every file is written whole under a temporary name before the first is
    // renamed into place; a failure before then changes nothing, and one
    // after it puts the state before the restore back. Lists that the copy
    // does not hold are removed last. Throws BackupRefused for a missing or
    // damaged copy, PlatformError for a failure after which the files are
    // as they were, RestoreUnfinished when they could not be put back yet.
    BackupCopy restore(const QString& name);
    // What is wrong with copy `name`, every byte checked against its
    // manifest; empty when it is whole and can be restored.
    QString verify(const QString& name) const;

private:
    QString programPath(const QString& name) const;
    std::optional<BackupCopy> readCopy(const QString& name) const;
    QString newName(const QDateTime& when, BackupTrigger trigger, int* sequence) const;
    void removeCopy(const QString& folderName, const QStringList& files);
    QString makePartFolder(const QDateTime& when, BackupCopy& c);
    void writeCopy(const QString& part, const BackupCopy& c, const backupfs::Snapshot& s);
    backupfs::Snapshot readWhole(const BackupCopy& copy) const;

    const Files& files_;
    const Clock& clock_;
    BackupIo& io_;
    QString folder_;
};

} // namespace tavrel
