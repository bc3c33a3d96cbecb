#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tavrel {

// The four figures of free space on the drive that holds the program directory.
struct DiskFigures {
    qint64 sectorsPerCluster = 0;
    qint64 bytesPerSector = 0;
    qint64 freeClusters = 0;
    qint64 totalClusters = 0;
};

// File operations inside the program directory. Names are plain file names
// (no path); a name that would reach outside the directory fails with error 64.
// Failures throw PlatformError with the classic number.
class Files {
public:
    explicit Files(QString programDirectory);

    const QString& programDirectory() const { return dir_; }
    // Full path of `name` in the program directory; throws 64 for a bad name.
    QString path(const QString& name) const;
    // True when `name` is a plain file name that stays inside the directory.
    static bool isPlainName(const QString& name);

    // Names in the directory matching a wildcard pattern ("tvlmail.*"), case-insensitively, sorted.
    // "*.*" lists every file. Names no operation here would accept are left out.
    QStringList list(const QString& pattern) const;
    // The entries of the directory (of any kind) whose names equal `name`
    // without regard to case, `name` itself first when it is one of them.
    QStringList spellings(const QString& name) const;
    // True when `name` is an existing file (a folder is not); 64 for a bad name.
    bool exists(const QString& name) const;
    void remove(const QString& name) const;
    // Fails with 58 when `to` already exists, 53 when `from` does not.
    void rename(const QString& from, const QString& to) const;
    // 53 when there is no such file.
    qint64 length(const QString& name) const;
    std::optional<QDateTime> lastModified(const QString& absolutePath) const;
    DiskFigures diskFigures() const;
    // Answers diskFigures() in place of the file system when set. Empty in the
    // program; tests set it to stand for any disk, nearly full or vast, or
    // throw PlatformError from it for a failing call.
    std::function<DiskFigures()> diskFiguresHook;

    // Reads a whole file; throws on failure.
    QByteArray readAll(const QString& name) const;
    // Replaces a whole file: writes `tempName` completely, flushes it, then
    // renames it over `name`, so either the old or the new file survives.
    // Without `tempName` the hidden name kSaveTempPrefix + name is used. A file
    // marked read-only is refused with 70, as writing to it would be. The new
    // file keeps the old one's permissions (0600 when there was none); a link
    // under `name` is replaced by the file, never written through.
    void replaceFile(const QString& name, const QByteArray& contents,
                     const QString& tempName = QString()) const;
    // Removes `name` only when it is a plain file (not a link, not a folder);
    // true when it was removed. Never throws.
    bool removeIfPlainFile(const QString& name) const;

private:
    QString dir_;
};

// A whole file written piece by piece under a temporary name, flushed to disk,
// then renamed over the file it replaces in one step, so at every moment the
// old file or the complete new one lies under the name. Each step is one
// virtual call, so a test can make any write, flush or rename fail. Failures
// throw PlatformError with the classic number. A temporary file that was not
// committed is removed when the object goes.
class FileReplacement {
public:
    // `name` and `tempName` are plain names in the program directory (64 otherwise).
    FileReplacement(const Files& files, const QString& name, const QString& tempName);
    virtual ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file afresh: whatever lay under its name (a stale
    // copy, a link planted there) is removed first, never reused.
    virtual void create();
    // Writes all of `bytes` at `offset` of the temporary file.
    virtual void write(qint64 offset, const QByteArray& bytes);
    // Makes everything written so far durable on the disk.
    virtual void flush();
    // Closes the temporary file and renames it over the target in one step.
    // A target marked read-only is refused with 70, as writing to it would be.
    virtual void commit();
    // Closes and removes the temporary file unless it was committed; never throws.
    void discard() noexcept;

    const QString& tempPath() const { return temp_; }
    const QString& targetPath() const { return target_; }

private:
    QString dir_;
    QString name_;
    QString tempName_;
    QString target_;
    QString temp_;
    int fd_ = -1;
    bool committed_ = false;
};

// The hidden name replaceFile writes under when given none.
inline const QString kSaveTempPrefix = QStringLiteral(".tvlsave.");
// The program's own names for the files it writes whole before renaming them
// into place: a compacted N&A file, a rewritten list, the import log, and (a
// prefix) the new files of a restore, beside the live ones.
inline const QString kCompactTempName = QStringLiteral("Q$Q$Q$Q$.COM");
inline const QString kMailListTempName = QStringLiteral("Q$Q$Q$Q$.TMP");
inline const QString kImportLogTempName = QStringLiteral("tvlimport.tmp");
inline const QString kRestoreTempPrefix = QStringLiteral(".tvlrestore.");

// Removes what an earlier run that was killed may have left in the program
// directory under the program's own temporary names above (and those of
// replaceFile): plain files only, links and folders stay. Every run that opens
// the N&A file does this first, the windows and the command line alike.
void removeStaleTemporaries(const Files& files);

// Permissions for a file that replaces the one at `path`: the old file's
// when it is a plain file, else owner read and write only.
unsigned replacementMode(const QString& path);
// Creates `path` and any missing parents, each new folder for the owner
// alone (0700); folders already there keep their permissions. False on failure,
// with errno set.
bool makePrivateFolders(const QString& path);

// Where the program keeps its data: $TAVREL_HOME; else the executable's
// directory when it already holds n&a.mrk; else $XDG_DATA_HOME/tavrel.
QString resolveProgramDirectory(const QString& executableDirectory);

} // namespace tavrel
