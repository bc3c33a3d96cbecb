#include "platform/OutputFile.h"

#include "platform/Errors.h"
#include "platform/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tavrel {

namespace {

// Names longer than this are cut in the temporary's name, which must stay a
// valid file name.
constexpr qsizetype kShownNameLength = 120;

[[noreturn]] void throwSystem(int err, const QString& what)
{
    throw PlatformError(errnoToNumber(err), what, err);
}

const QRegularExpression& partPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\..*\\.tavrel-(\\d+)-\\d+\\.part$"));
    return pattern;
}

void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

OutputFile::OutputFile(QString path) : path_(std::move(path)) {}

OutputFile::~OutputFile()
{
    discard();
}

void OutputFile::start()
{
    discard();
    committed_ = false;
    error_ = 0;
    const QByteArray native = QFile::encodeName(path_);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw PlatformError(ErrNo::PathFileAccess, path_, EISDIR);
        if (S_ISBLK(st.st_mode))
            throw PlatformError(ErrNo::PathFileAccess, path_, ENOTBLK);
        if (!S_ISREG(st.st_mode)) {
            startInPlace(native);
            return;
        }
        // A link is followed to the file it names, which is the one replaced.
        startTemporary(QFileInfo(path_).canonicalFilePath());
        return;
    }
    if (errno != ENOENT)
        throwSystem(errno, path_);
    // Nothing there yet, or a link to nothing: the name itself gets the file.
    startTemporary(QFileInfo(path_).absoluteFilePath());
}

void OutputFile::startInPlace(const QByteArray& native)
{
    // A pipe waits here for its reader, as any writer to it does.
    fd_ = ::open(native.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        throwSystem(errno, path_);
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode) ||
        S_ISBLK(st.st_mode)) {
        // Swapped for something else since it was looked at: write nothing.
        ::close(std::exchange(fd_, -1));
        throw PlatformError(ErrNo::PathFileAccess, path_, EBUSY);
    }
    inPlace_ = true;
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void OutputFile::startTemporary(const QString& target)
{
    target_ = target;
    inPlace_ = false;
    const QFileInfo info(target_);
    const unsigned mode = replacementMode(target_);
    const QString stem = QStringLiteral(".") + info.fileName().left(kShownNameLength) +
                         QStringLiteral(".tavrel-%1-").arg(qint64(::getpid()));
    // O_EXCL: whatever lies under a name already, a link planted there
    // included, is never followed or reused; the next number is tried.
    for (int n = 1; fd_ < 0; ++n) {
        temp_ =
            info.path() + QLatin1Char('/') + stem + QString::number(n) + QStringLiteral(".part");
        fd_ = ::open(QFile::encodeName(temp_).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ < 0 && (errno != EEXIST || n >= 1000)) {
            const int err = errno;
            temp_.clear();
            throwSystem(err, path_);
        }
    }
    // Held until the file is in place, so a sweep by another run leaves it alone.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    if (::fchmod(fd_, mode) != 0) {
        const int err = errno;
        discard();
        throwSystem(err, path_);
    }
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 OutputFile::writeData(const char* data, qint64 size)
{
    if (fd_ < 0 || error_)
        return -1;
    for (qint64 done = 0; done < size;) {
        const ssize_t n = ::write(fd_, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = n == 0 ? ENOSPC : errno;
            return -1;
        }
        done += n;
    }
    return size;
}

void OutputFile::close()
{
    QIODevice::close();
}

void OutputFile::commit()
{
    QIODevice::close();
    if (fd_ < 0 && !error_)
        error_ = EBADF;
    // A device or a pipe cannot be made durable; a file must be.
    if (!error_ && ::fsync(fd_) != 0 && !(inPlace_ && (errno == EINVAL || errno == ENOTSUP)))
        error_ = errno;
    if (!error_ && !inPlace_ &&
        ::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(target_).constData()) != 0)
        error_ = errno;
    if (error_) {
        const int err = error_;
        discard();
        throwSystem(err, path_);
    }
    committed_ = true;
    if (!inPlace_)
        syncFolder(QFileInfo(target_).path());
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && inPlace_ && errno != EINTR)
        throwSystem(errno, path_);
}

void OutputFile::discard() noexcept
{
    if (isOpen())
        QIODevice::close();
    // The temporary goes before the lock is let go, so no sweep meets it half removed.
    if (!committed_ && !temp_.isEmpty())
        ::unlink(QFile::encodeName(temp_).constData());
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    temp_.clear();
}

void writeOutputFile(const QString& path, const QByteArray& bytes)
{
    OutputFile file(path);
    file.start();
    file.write(bytes);
    file.commit();
}

int removeStaleOutputParts(const QString& folder)
{
    const int dirFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    int removed = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = partPattern().match(name);
        const pid_t owner = m.hasMatch() ? pid_t(m.captured(1).toLongLong()) : 0;
        if (owner <= 0 || owner == ::getpid())
            continue;
        const QByteArray leaf = QFile::encodeName(name);
        const int fd =
            ::openat(dirFd, leaf.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        // A writer alive holds its lock; a process gone can hold none.
        const bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                           st.st_uid == ::geteuid() && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                           ::kill(owner, 0) != 0 && errno == ESRCH;
        if (stale && ::unlinkat(dirFd, leaf.constData(), 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::close(dirFd);
    return removed;
}

bool isStandardOutput(const QString& path)
{
    struct stat out {
    }, named{};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &named) == 0 && out.st_dev == named.st_dev &&
           out.st_ino == named.st_ino;
}

QString outputFailureText(const PlatformError& e)
{
    switch (e.systemError()) {
    case EISDIR:
        return QCoreApplication::translate("tavrel::OutputFile", "It Is A Folder, Not A File.");
    case ENOTBLK:
        return QCoreApplication::translate("tavrel::OutputFile",
                                           "It Is A Disk Device; Only Files, Pipes And Character "
                                           "Devices Are Written.");
    case EBUSY:
        return QCoreApplication::translate(
            "tavrel::OutputFile", "It Was Replaced By Something Else While It Was Opened.");
    default:
        return errorInWords(e.number());
    }
}

} // namespace tavrel
