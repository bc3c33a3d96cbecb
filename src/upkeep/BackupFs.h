#pragma once

// What the files of the backup code share: names, limits, and the file
// system helpers that never follow a link into or out of a copy.
#include "store/OriginalSpellings.h"
#include "upkeep/Backups.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

namespace tavrel::backupfs {

constexpr int kRecordSize = 574;
constexpr int kMaxRecords = 1701;
// Room asked beyond the copy's own bytes: the manifest and the folder entries.
constexpr qint64 kSlack = 64 * 1024;

inline const QString kNAName = QStringLiteral("n&a.mrk");
inline const QString kManifestName = QStringLiteral("manifest.txt");
inline const QString kManifestMagic = QStringLiteral("Tavrel Backup");
inline const QString kPartPrefix = QStringLiteral(".tvl-part-");
inline const QString kGonePrefix = QStringLiteral(".tvl-gone-");
// Held shared by each copy being written and exclusively by a clean-up that
// removes half-written copies, so no clean-up takes a copy still in the making.
inline const QString kFolderLockName = QStringLiteral("tvlbackups.lock");

// The sync state travels with the N&A file it describes; the journal of a
// sync in progress belongs to the files as they were and goes on a restore.
inline const QString kSyncStateName = QStringLiteral("tvlsync.dat");
inline const QString kSyncJournalName = QStringLiteral("tvlsync.jnl");
// Each card the sync state names lies in a file of its own, named by its SHA-256.
inline const QString kSyncCardPattern = QStringLiteral("tvlcard.*");

bool isSyncCardName(const QString& name);
// The card files beside the N&A file; links under such names are none of ours.
QStringList syncCardFiles(const Files& files);
const QRegularExpression& namePattern();
[[noreturn]] void throwErrno(const QString& what);
QByteArray native(const QString& path);
// A name the program gives a copy's folder, whole, being written or thrown out.
bool isCopyFolderName(const QString& name);

// A folder or file handle that closes itself.
class Handle {
public:
    explicit Handle(int fd = -1) : fd_(fd) {}
    ~Handle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Handle(Handle&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&& o) noexcept
    {
        std::swap(fd_, o.fd_);
        return *this;
    }
    int fd() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Hands the descriptor over, to be closed by the caller.
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opens folder `name` inside the open folder `at`. A folder named like a copy
// is never entered through a link; other folders (the backup folder and the
// program directory, which the user chose) may be reached through one.
int openFolderAt(int at, const QString& name);

// The folder that holds the last name of `path`, opened so that no copy's
// folder on the way is reached through a link, and that last name.
struct Parent {
    Handle folder;
    QByteArray leaf;
};
Parent parentOf(const QString& path);
Handle openFolder(const QString& path);
// The type and permissions of the entry itself, links not followed; 0 when there is none.
mode_t entryMode(int at, const QByteArray& leaf);
// Reads at most `limit` bytes of the plain file `leaf` in `at`; nullopt for a
// link, a folder or a failure.
std::optional<QByteArray> readPlain(int at, const QByteArray& leaf, qint64 limit,
                                    int* error = nullptr, mode_t* mode = nullptr);
// The permissions of a plain file in the program directory, for the copy of it.
mode_t liveMode(const Files& files, const QString& name);
QByteArray sha1(const QByteArray& bytes);
QString numberText(qint64 n);
// A file name the program itself writes into a copy.
bool ownFileName(const QString& name);
// The files in a copy's folder that the program writes there, read through
// a handle on the folder itself, never through a link.
QStringList ownFilesIn(const QString& dir);

// The N&A file and the mailing lists as they are now, N&A file first.
struct Snapshot {
    QStringList names;
    QList<QByteArray> data;
    QList<unsigned> modes;
};
Snapshot snapshotOf(const Files& files, BackupIo& io);
// The manifest line that names one file of a copy.
QByteArray manifestLine(const QString& name, const QByteArray& bytes);

// An flock on the backup folder's lock file, shared or exclusive; held()
// is false when the lock file could not be opened or the lock was busy.
class FolderLock {
public:
    FolderLock(const QString& folder, bool exclusive);
    bool held() const { return held_; }

private:
    Handle fd_;
    bool held_ = false;
};

} // namespace tavrel::backupfs
