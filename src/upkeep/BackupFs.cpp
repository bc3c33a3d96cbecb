#include "upkeep/BackupFs.h"

#include "platform/Errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace tavrel {

namespace backupfs {

bool isSyncCardName(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^tvlcard\\.[0-9a-f]{64}$"));
    return re.match(name).hasMatch();
}

// The card files beside the N&A file; links under such names are none of ours.
QStringList syncCardFiles(const Files& files)
{
    QStringList out;
    for (const QString& n : files.list(kSyncCardPattern))
        if (isSyncCardName(n) && !QFileInfo(files.path(n)).isSymLink())
            out << n;
    return out;
}

const QRegularExpression& namePattern()
{
    static const QRegularExpression re(QStringLiteral(
        "^tvl-(\\d{8})-(\\d{6})(?:-(\\d+))?-(daily|compact|dups|import|manual|restore|sync)$"));
    return re;
}

[[noreturn]] void throwErrno(const QString& what)
{
    const int err = errno;
    throw PlatformError(errnoToNumber(err), what, err);
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// A name the program gives a copy's folder, whole, being written or thrown out.
bool isCopyFolderName(const QString& name)
{
    QString inner = name;
    if (inner.startsWith(kPartPrefix))
        inner = inner.mid(kPartPrefix.size());
    else if (inner.startsWith(kGonePrefix))
        inner = inner.mid(kGonePrefix.size());
    return namePattern().match(inner).hasMatch();
}

int openFolderAt(int at, const QString& name)
{
    const int flags =
        O_RDONLY | O_DIRECTORY | O_CLOEXEC | (isCopyFolderName(name) ? O_NOFOLLOW : 0);
    return ::openat(at, native(name).constData(), flags);
}

// The folder that holds the last name of `path`, opened so that no copy's

Parent parentOf(const QString& path)
{
    const QFileInfo info(path);
    const QString parent = info.path();
    const QFileInfo parentInfo(parent);
    Handle up(::open(native(parentInfo.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!up.valid())
        throwErrno(parent);
    Handle folder(openFolderAt(up.fd(), parentInfo.fileName()));
    if (!folder.valid())
        throwErrno(parent);
    return Parent{std::move(folder), native(info.fileName())};
}

mode_t entryMode(int at, const QByteArray& leaf)
{
    struct stat st {};
    return ::fstatat(at, leaf.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? st.st_mode : 0;
}

// Reads at most `limit` bytes of the plain file `leaf` in `at`; nullopt for a
// link, a folder or a failure.
std::optional<QByteArray> readPlain(int at, const QByteArray& leaf, qint64 limit, int* error,
                                    mode_t* mode)
{
    Handle fd(::openat(at, leaf.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error)
            *error = fd.valid() ? EISDIR : errno;
        return std::nullopt;
    }
    if (mode)
        *mode = st.st_mode & 07777;
    QByteArray out;
    char buf[65536];
    while (out.size() < limit) {
        const ssize_t n =
            ::read(fd.fd(), buf, size_t(qMin<qint64>(sizeof buf, limit - out.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (error)
                *error = errno;
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buf, n);
    }
    return out;
}

// The permissions of a plain file in the program directory, for the copy of it.
mode_t liveMode(const Files& files, const QString& name)
{
    struct stat st {};
    if (::lstat(native(files.path(name)).constData(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    return 0600;
}

QByteArray sha1(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QString numberText(qint64 n)
{
    return QString::number(n);
}

// A file name the program itself writes into a copy.
bool ownFileName(const QString& name)
{
    return name == kNAName || name == kManifestName || name == kSyncStateName ||
           name == kOriginalSpellingsName || isSyncCardName(name) ||
           (name.startsWith(QLatin1String("tvlmail."), Qt::CaseInsensitive) &&
            Files::isPlainName(name));
}

// The files in a copy's folder that the program writes there, read through
// a handle on the folder itself, never through a link.
QStringList ownFilesIn(const QString& dir)
{
    QStringList own;
    Handle up(
        ::open(native(QFileInfo(dir).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!up.valid())
        return own;
    const int fd = openFolderAt(up.fd(), QFileInfo(dir).fileName());
    if (fd < 0)
        return own;
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return own;
    }
    while (const dirent* e = ::readdir(d)) {
        const QString f = QFile::decodeName(e->d_name);
        if (ownFileName(f) && f != kManifestName && S_ISREG(entryMode(fd, e->d_name)))
            own << f;
    }
    ::closedir(d);
    own.sort();
    return own;
}

Snapshot snapshotOf(const Files& files, BackupIo& io)
{
    Snapshot s;
    s.names << kNAName;
    // A list is a plain file; a link under a list's name is no list of ours.
    for (const QString& n : files.list(QStringLiteral("tvlmail.*"))) {
        if (!QFileInfo(files.path(n)).isSymLink())
            s.names << n;
    }
    if (const QFileInfo state(files.path(kSyncStateName)); state.isFile() && !state.isSymLink())
        s.names << kSyncStateName << syncCardFiles(files);
    // The person's own spellings belong to the N&A file's bytes and travel with them.
    if (const QFileInfo spell(files.path(kOriginalSpellingsName));
        spell.isFile() && !spell.isSymLink())
        s.names << kOriginalSpellingsName;
    for (const QString& n : std::as_const(s.names)) {
        s.data << io.readFile(files.path(n));
        s.modes << liveMode(files, n);
    }
    return s;
}

Handle openFolder(const QString& path)
{
    const Parent at = parentOf(path);
    Handle fd(openFolderAt(at.folder.fd(), QFile::decodeName(at.leaf)));
    if (!fd.valid())
        throwErrno(path);
    return fd;
}

QByteArray manifestLine(const QString& name, const QByteArray& bytes)
{
    return "File " + sha1(bytes) + ' ' + QByteArray::number(bytes.size()) + ' ' + name.toUtf8() +
           '\n';
}

FolderLock::FolderLock(const QString& folder, bool exclusive)
{
    const Handle dir(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return;
    fd_ = Handle(::openat(dir.fd(), native(kFolderLockName).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    // A clean-up never waits; a copy waits while a clean-up runs.
    held_ = fd_.valid() && ::flock(fd_.fd(), exclusive ? LOCK_EX | LOCK_NB : LOCK_SH) == 0;
}

} // namespace backupfs

using namespace backupfs;

// --- the file system steps ---

void BackupIo::makeFolder(const QString& path)
{
    // A copy's folder is always new; the backup folder itself may be there already.
    if (!isCopyFolderName(QFileInfo(path).fileName())) {
        if (!makePrivateFolders(path))
            throwErrno(path);
        return;
    }
    const Parent at = parentOf(path);
    if (::mkdirat(at.folder.fd(), at.leaf.constData(), 0700) != 0)
        throwErrno(path);
}

QByteArray BackupIo::readFile(const QString& path)
{
    const Parent at = parentOf(path);
    int err = 0;
    std::optional<QByteArray> data =
        readPlain(at.folder.fd(), at.leaf, std::numeric_limits<qint64>::max(), &err);
    if (!data)
        throw PlatformError(errnoToNumber(err), path, err);
    return *data;
}

void BackupIo::writeFile(const QString& path, const QByteArray& bytes, unsigned mode)
{
    const Parent at = parentOf(path);
    Handle fd(::openat(at.folder.fd(), at.leaf.constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid())
        throwErrno(path);
    if (::fchmod(fd.fd(), mode_t(mode & 07777)) != 0)
        throwErrno(path);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.fd(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n == 0 ? ENOSPC : errno;
            throw PlatformError(errnoToNumber(err), path, err);
        }
        done += n;
    }
    // Each file is durable before the copy or restore that holds it is
    // published by a rename; a disk that cannot say so fails the copy.
    if (::fsync(fd.fd()) != 0)
        throwErrno(path);
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd.release()) != 0 && errno != EINTR)
        throwErrno(path);
}

void BackupIo::flushDisk(const QString& folder)
{
    const Handle fd = openFolder(folder);
    if (::syncfs(fd.fd()) != 0)
        throwErrno(folder);
}

void BackupIo::syncFolder(const QString& path)
{
    const Handle fd = openFolder(path);
    // Some file systems cannot sync a folder; what they hold is as durable as it gets.
    if (::fsync(fd.fd()) != 0 && errno != EINVAL && errno != EROFS)
        throwErrno(path);
}

void BackupIo::renameNew(const QString& from, const QString& to)
{
    const Parent a = parentOf(from);
    const Parent b = parentOf(to);
    if (::renameat2(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData(),
                    RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        throwErrno(from);
    if (entryMode(b.folder.fd(), b.leaf) != 0)
        throw PlatformError(ErrNo::FileAlreadyExists, to, EEXIST);
    if (::renameat(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData()) != 0)
        throwErrno(from);
}

void BackupIo::renameOver(const QString& from, const QString& to)
{
    const Parent a = parentOf(from);
    const Parent b = parentOf(to);
    if (::renameat(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData()) != 0)
        throwErrno(to);
}

void BackupIo::removeFile(const QString& path)
{
    const Parent at = parentOf(path);
    if (S_ISDIR(entryMode(at.folder.fd(), at.leaf)))
        throw PlatformError(ErrNo::PathFileAccess, path, EISDIR);
    if (::unlinkat(at.folder.fd(), at.leaf.constData(), 0) != 0 && errno != ENOENT)
        throwErrno(path);
}

void BackupIo::removeFolder(const QString& path)
{
    const Parent at = parentOf(path);
    if (::unlinkat(at.folder.fd(), at.leaf.constData(), AT_REMOVEDIR) != 0)
        throwErrno(path);
}

std::optional<qint64> BackupIo::freeBytes(const QString& path)
{
    // The folder may not exist yet: ask about the nearest one that does.
    QString at = path;
    while (!QFileInfo(at).isDir()) {
        const QString up = QFileInfo(at).path();
        if (up == at)
            return std::nullopt;
        at = up;
    }
    struct statvfs s {};
    if (::statvfs(native(at).constData(), &s) != 0)
        return std::nullopt;
    return qint64(s.f_bavail) * qint64(s.f_frsize ? s.f_frsize : s.f_bsize);
}

} // namespace tavrel
