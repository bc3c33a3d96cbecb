#include "platform/Files.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tavrel {

namespace {

[[noreturn]] void throwErrno(const QString& what)
{
    const int err = errno;
    throw PlatformError(errnoToNumber(err), what, err);
}

// Makes a rename or a new file in `dir` durable. A folder that cannot be
// synced may lose the step in a power cut, so that is a failure of the step;
// only file systems that cannot sync a folder at all (EINVAL, EROFS) are let be.
void syncDirectory(const QString& dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throwErrno(dir);
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (err && err != EINVAL && err != EROFS)
        throw PlatformError(errnoToNumber(err), dir, err);
}

int fileErrorNumber(QFileDevice::FileError e)
{
    switch (e) {
    case QFileDevice::OpenError:
        return errno ? errnoToNumber(errno) : ErrNo::PathFileAccess;
    case QFileDevice::ResizeError:
    case QFileDevice::WriteError:
        return errno ? errnoToNumber(errno) : ErrNo::DeviceIo;
    case QFileDevice::PermissionsError:
        return ErrNo::PermissionDenied;
    default:
        return ErrNo::DeviceIo;
    }
}

// A rename would replace a read-only file as readily as any other; refuse it
// as writing to the file would be refused. The permission bits are looked at
// too, so a file marked read-only stays so for a user the system lets write anyway.
void refuseReadOnly(const QString& path, const QString& name)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(native.constData(), W_OK) != 0)
        throw PlatformError(ErrNo::PermissionDenied, name, EACCES);
}

} // namespace

Files::Files(QString programDirectory) : dir_(std::move(programDirectory)) {}

bool Files::isPlainName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32 ||
            c.unicode() == 127)
            return false;
    }
    return name.size() <= 255;
}

QString Files::path(const QString& name) const
{
    if (!isPlainName(name))
        throw PlatformError(ErrNo::BadFileName, name);
    return dir_ + QLatin1Char('/') + name;
}

QStringList Files::list(const QString& pattern) const
{
    // "*.*" means every file, as it always has, dot or not.
    const QString wildcard = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    const QRegularExpression re(
        QRegularExpression::anchoredPattern(QRegularExpression::wildcardToRegularExpression(
            wildcard, QRegularExpression::UnanchoredWildcardConversion)),
        QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    if (!re.isValid())
        return out;
    const QStringList names = QDir(dir_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& n : names) {
        // A name no file operation would accept is not offered either.
        if (isPlainName(n) && re.match(n).hasMatch())
            out << n;
    }
    return out;
}

QStringList Files::spellings(const QString& name) const
{
    path(name); // a bad name fails here
    QStringList out;
    const QStringList all = QDir(dir_).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& n : all) {
        if (n == name)
            out.prepend(n);
        else if (n.compare(name, Qt::CaseInsensitive) == 0)
            out << n;
    }
    return out;
}

bool Files::exists(const QString& name) const
{
    return QFileInfo(path(name)).isFile();
}

void Files::remove(const QString& name) const
{
    const QByteArray p = QFile::encodeName(path(name));
    if (::unlink(p.constData()) != 0)
        throwErrno(name);
}

void Files::rename(const QString& from, const QString& to) const
{
    const QByteArray a = QFile::encodeName(path(from));
    const QByteArray b = QFile::encodeName(path(to));
    if (a == b) {
        if (!QFileInfo(path(from)).isFile())
            throw PlatformError(ErrNo::FileNotFound, from);
        return;
    }
    // Never over an existing file.
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            throwErrno(from);
        // A file system without no-replace renames: check, then rename.
        if (QFileInfo::exists(path(to)))
            throw PlatformError(ErrNo::FileAlreadyExists, to, EEXIST);
        if (::rename(a.constData(), b.constData()) != 0)
            throwErrno(from);
    }
    syncDirectory(dir_);
}

qint64 Files::length(const QString& name) const
{
    QFileInfo info(path(name));
    if (!info.isFile())
        throw PlatformError(ErrNo::FileNotFound, name, ENOENT);
    return info.size();
}

std::optional<QDateTime> Files::lastModified(const QString& absolutePath) const
{
    QFileInfo info(absolutePath);
    if (!info.exists())
        return std::nullopt;
    return info.lastModified();
}

DiskFigures Files::diskFigures() const
{
    if (diskFiguresHook)
        return diskFiguresHook();
    struct statvfs s {};
    if (::statvfs(QFile::encodeName(dir_).constData(), &s) != 0)
        throwErrno(dir_);
    // Report 512-byte sectors, eight to a cluster where the block size allows.
    DiskFigures f;
    const qint64 block = static_cast<qint64>(s.f_frsize ? s.f_frsize : s.f_bsize);
    f.bytesPerSector = 512;
    f.sectorsPerCluster = block >= 512 ? block / 512 : 1;
    f.freeClusters = static_cast<qint64>(s.f_bavail);
    f.totalClusters = static_cast<qint64>(s.f_blocks);
    return f;
}

QByteArray Files::readAll(const QString& name) const
{
    QFile f(path(name));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(f.exists() ? fileErrorNumber(f.error()) : ErrNo::FileNotFound, name);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw PlatformError(fileErrorNumber(f.error()), name);
    return data;
}

void Files::replaceFile(const QString& name, const QByteArray& contents,
                        const QString& tempName) const
{
    const QString target = path(name);
    const QString temp = path(tempName.isEmpty() ? kSaveTempPrefix + name : tempName);
    const QString shownTemp = QFileInfo(temp).fileName();
    if (temp == target)
        throw PlatformError(ErrNo::BadFileName, tempName);
    refuseReadOnly(target, name);
    const mode_t mode = replacementMode(target);
    const QByteArray nativeTemp = QFile::encodeName(temp);
    // Whatever lies under the temporary name (a stale copy, or a link planted
    // there) is removed and the file is created afresh, so no link is followed.
    if (::unlink(nativeTemp.constData()) != 0 && errno != ENOENT)
        throwErrno(shownTemp);
    const int fd =
        ::open(nativeTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throwErrno(shownTemp);
    int err = ::fchmod(fd, mode) == 0 ? 0 : errno;
    for (qint64 done = 0; !err && done < contents.size();) {
        const ssize_t n = ::write(fd, contents.constData() + done, size_t(contents.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            err = n == 0 ? ENOSPC : errno;
        else
            done += n;
    }
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err && errno != EINTR)
        err = errno;
    if (err) {
        ::unlink(nativeTemp.constData());
        throw PlatformError(errnoToNumber(err), shownTemp, err);
    }
    // rename() replaces a link under `name` itself; its target is never touched.
    if (::rename(nativeTemp.constData(), QFile::encodeName(target).constData()) != 0) {
        err = errno;
        ::unlink(nativeTemp.constData());
        throw PlatformError(errnoToNumber(err), name, err);
    }
    syncDirectory(dir_);
}

bool Files::removeIfPlainFile(const QString& name) const
{
    if (!isPlainName(name))
        return false;
    const int dirFd =
        ::open(QFile::encodeName(dir_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return false;
    const QByteArray leaf = QFile::encodeName(name);
    struct stat st {};
    // unlinkat never follows a link, so even a file swapped for one between
    // the look and the removal costs only that link.
    const bool removed = ::fstatat(dirFd, leaf.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISREG(st.st_mode) && ::unlinkat(dirFd, leaf.constData(), 0) == 0;
    ::close(dirFd);
    return removed;
}

unsigned replacementMode(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    return 0600;
}

bool makePrivateFolders(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    struct stat st {};
    if (::stat(QFile::encodeName(clean).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        errno = ENOTDIR;
        return false;
    }
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !makePrivateFolders(parent))
        return false;
    return ::mkdir(QFile::encodeName(clean).constData(), 0700) == 0 || errno == EEXIST;
}

FileReplacement::FileReplacement(const Files& files, const QString& name, const QString& tempName)
    : dir_(files.programDirectory()), name_(name), tempName_(tempName), target_(files.path(name)),
      temp_(files.path(tempName))
{
    if (temp_ == target_)
        throw PlatformError(ErrNo::BadFileName, tempName);
}

FileReplacement::~FileReplacement()
{
    discard();
}

void FileReplacement::create()
{
    discard();
    committed_ = false;
    const QByteArray native = QFile::encodeName(temp_);
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        throwErrno(tempName_);
    // O_EXCL: a link planted under the name between the unlink and here is
    // refused rather than followed.
    fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0)
        throwErrno(tempName_);
    // The new file keeps the permissions the user gave the old one.
    if (::fchmod(fd_, replacementMode(target_)) != 0)
        throwErrno(tempName_);
}

void FileReplacement::write(qint64 offset, const QByteArray& bytes)
{
    if (fd_ < 0)
        throw PlatformError(ErrNo::DeviceIo, tempName_);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.constData() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwErrno(tempName_);
        if (n == 0)
            throw PlatformError(ErrNo::DiskFull, tempName_, ENOSPC);
        done += n;
    }
}

void FileReplacement::flush()
{
    if (fd_ < 0)
        throw PlatformError(ErrNo::DeviceIo, tempName_);
    if (::fsync(fd_) != 0)
        throwErrno(tempName_);
}

void FileReplacement::commit()
{
    if (fd_ < 0)
        throw PlatformError(ErrNo::DeviceIo, tempName_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR)
        throwErrno(tempName_);
    refuseReadOnly(target_, name_);
    if (::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(target_).constData()) != 0)
        throwErrno(name_);
    committed_ = true;
    syncDirectory(dir_);
}

void FileReplacement::discard() noexcept
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!committed_)
        ::unlink(QFile::encodeName(temp_).constData());
}

void removeStaleTemporaries(const Files& files)
{
    for (const QString& name : {kCompactTempName, kMailListTempName, kImportLogTempName})
        files.removeIfPlainFile(name);
    const QStringList hidden =
        QDir(files.programDirectory())
            .entryList({kRestoreTempPrefix + QLatin1Char('*'), kSaveTempPrefix + QLatin1Char('*')},
                       QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : hidden)
        files.removeIfPlainFile(name);
}

QString resolveProgramDirectory(const QString& executableDirectory)
{
    const QString home = qEnvironmentVariable("TAVREL_HOME");
    if (!home.isEmpty()) {
        makePrivateFolders(home);
        return QDir(home).absolutePath();
    }
    if (!executableDirectory.isEmpty() &&
        QFileInfo(executableDirectory + QStringLiteral("/n&a.mrk")).isFile())
        return QDir(executableDirectory).absolutePath();
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dir = base + QStringLiteral("/tavrel");
    makePrivateFolders(dir);
    return dir;
}

} // namespace tavrel
