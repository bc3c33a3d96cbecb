#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tavrel {

namespace {

const char* const kLockName = "tavrel.lock";
constexpr int kPollMs = 20;

// Runs `attempt` until it succeeds, `keepWaiting` says no more, or `waitMs` passes.
template <typename Attempt, typename KeepWaiting>
bool retryFor(int waitMs, Attempt attempt, KeepWaiting keepWaiting)
{
    for (int waited = 0;; waited += kPollMs) {
        if (attempt())
            return true;
        if (waited >= waitMs || !keepWaiting())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
}

} // namespace

QString lockRefusalText(const InstanceCheck& c)
{
    if (c.systemError == ENOSPC || c.systemError == EDQUOT)
        return QCoreApplication::translate(
            "tavrel::InstanceLock", "There is no space left on the disk that holds the program "
                                    "directory, not even for the lock file; nothing was done.");
    return QCoreApplication::translate(
        "tavrel::InstanceLock",
        "The program directory does not take the lock file; nothing was done.");
}

InstanceLock::InstanceLock(const QString& programDirectory) : directory_(programDirectory) {}

InstanceLock::~InstanceLock()
{
    release();
}

// One attempt: open the lock file without following a link, lock it, and
// make sure it is still the file under the name (another copy may have
// removed it in between). False with error_ == EAGAIN asks for another attempt.
bool InstanceLock::tryOnce(bool shared)
{
    const int dirFd =
        ::open(QFile::encodeName(directory_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        error_ = errno;
        return false;
    }
    auto fail = [&](int err, int fd) {
        error_ = err;
        if (fd >= 0)
            ::close(fd);
        ::close(dirFd);
        return false;
    };
    int fd =
        ::openat(dirFd, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat st {};
    // A second name for the file (a hard link from elsewhere) would have the
    // process number written into a file outside: no lock of ours either.
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)) {
        // No name left: the holder let it go and removed it after the open.
        const bool removed = S_ISREG(st.st_mode) && st.st_nlink == 0;
        ::close(fd);
        if (removed)
            return fail(EAGAIN, -1);
        fd = -1;
        errno = ELOOP;
    }
    if (fd < 0) {
        const int err = errno;
        // A link, a folder or anything but a plain file under the name is no
        // lock of ours: it goes, and the lock file is made afresh.
        struct stat there {};
        if (::fstatat(dirFd, kLockName, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
            (!S_ISREG(there.st_mode) || there.st_nlink != 1)) {
            const int flags = S_ISDIR(there.st_mode) ? AT_REMOVEDIR : 0;
            if (::unlinkat(dirFd, kLockName, flags) == 0)
                return fail(EAGAIN, -1);
            return fail(errno, -1);
        }
        return fail(err, -1);
    }
    if (::flock(fd, (shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            heldByAnother_ = true;
            // Readers let another reader in; a writer does not.
            heldByReaders_ = !shared && ::flock(fd, LOCK_SH | LOCK_NB) == 0;
            return fail(0, fd);
        }
        return fail(errno, fd);
    }
    struct stat named {};
    if (::fstatat(dirFd, kLockName, &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        named.st_ino != st.st_ino || named.st_dev != st.st_dev)
        return fail(EAGAIN, fd);
    if (shared) {
        ::close(dirFd);
        fd_ = fd;
        return true;
    }
    // The process number tells a person who holds the lock; writing it also
    // finds out at once whether the disk has room for anything at all.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) != 0)
        return fail(errno, fd);
    const ssize_t written = ::pwrite(fd, pid.constData(), size_t(pid.size()), 0);
    if (written != pid.size())
        return fail(written < 0 ? errno : ENOSPC, fd);
    ::close(dirFd);
    fd_ = fd;
    return true;
}

bool InstanceLock::acquireAs(bool shared)
{
    if (fd_ >= 0)
        return true;
    heldByAnother_ = false;
    heldByReaders_ = false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        error_ = 0;
        if (tryOnce(shared))
            return true;
        if (heldByAnother_ || error_ != EAGAIN)
            return false;
    }
    return false;
}

bool InstanceLock::acquire()
{
    return acquireAs(false);
}

bool InstanceLock::acquireShared(int waitMs)
{
    return retryFor(
        waitMs, [this] { return acquireAs(true); },
        // Losing the race with a lock file being replaced five times over
        // is not a refusal: it is tried again while the wait lasts.
        [this] { return heldByAnother_ || error_ == EAGAIN; });
}

bool InstanceLock::share(int waitMs)
{
    if (fd_ < 0)
        return false;
    // A lock held alone becomes a shared one without being let go on Linux.
    if (::flock(fd_, LOCK_SH | LOCK_NB) == 0)
        return true;
    ::close(fd_);
    fd_ = -1;
    return acquireShared(waitMs);
}

bool InstanceLock::heldByAnother() const
{
    return heldByAnother_;
}

InstanceCheck InstanceLock::check(int waitForReadersMs)
{
    InstanceCheck c;
    // A backup copy takes moments: it is waited for, a running program is not.
    if (retryFor(
            waitForReadersMs, [this] { return acquire(); }, [this] { return heldByReaders_; }))
        return c;
    if (heldByAnother()) {
        c.anotherCopy = true;
        c.backupRunning = heldByReaders_;
        return c;
    }
    c.systemError = error_ ? error_ : EACCES;
    c.lockProblem = QString::fromLocal8Bit(std::strerror(c.systemError));
    return c;
}

void InstanceLock::release()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so a copy starting now makes a new file
    // and never locks the one going away; only by the last holder, as a
    // reader beside others still holds it.
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
        ::unlink(QFile::encodeName(directory_ + QStringLiteral("/") + QLatin1String(kLockName))
                     .constData());
    ::close(fd_);
    fd_ = -1;
}

} // namespace tavrel
