#include "support/FileFaults.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tavrel::test {

namespace {

struct State {
    QByteArray dir;       // as given, ending in '/'
    QByteArray canonical; // as the system resolves it, ending in '/'
    int failAt = 0;
    int failErr = 0;
    bool failOn = false; // every operation after failAt fails too
    int killAt = 0;
    std::array<int, 6> every{};
    bool torn = true;
    std::size_t chunk = 0;
    int interruptReads = 0;
    int interruptWrites = 0;
    int pendingErr = 0; // a torn write's error, reported by the next write
    qint64 space = -1;  // bytes the disk still takes; -1: no limit
    int count = 0;
    QStringList log;
    QString failed;
    bool busy = false; // inside the bookkeeping: calls pass straight through
};

State*& current()
{
    static State* state = nullptr;
    return state;
}

const char* opName(FileOp op)
{
    static const char* const names[] = {"open", "read", "write", "flush", "rename", "remove"};
    return names[int(op)];
}

// The state when the calls of this moment are to be watched.
State* active()
{
    State* s = current();
    return s && !s->busy ? s : nullptr;
}

// `path` (relative to `dirfd`) made absolute; empty when that cannot be told.
QByteArray absolutePath(int dirfd, const char* path)
{
    if (!path)
        return QByteArray();
    QByteArray full(path);
    if (!full.startsWith('/')) {
        char base[PATH_MAX] = {};
        if (dirfd == AT_FDCWD) {
            if (!::getcwd(base, sizeof base))
                return QByteArray();
        } else {
            const QByteArray link = "/proc/self/fd/" + QByteArray::number(dirfd);
            if (::readlink(link.constData(), base, sizeof base - 1) <= 0)
                return QByteArray();
        }
        full = QByteArray(base) + '/' + full;
    }
    return full;
}

// The file's name when `path` (relative to `dirfd`) lies directly inside the directory.
QString watchedPath(State& s, int dirfd, const char* path)
{
    const QByteArray full = absolutePath(dirfd, path);
    if (full.isEmpty())
        return QString();
    for (const QByteArray& prefix : {s.dir, s.canonical}) {
        if (full.startsWith(prefix)) {
            const QByteArray name = full.mid(prefix.size());
            if (!name.isEmpty() && !name.contains('/'))
                return QFile::decodeName(name);
        }
    }
    return QString();
}

QString watchedFd(State& s, int fd)
{
    char target[PATH_MAX] = {};
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n <= 0)
        return QString();
    QByteArray path(target, int(n));
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return watchedPath(s, AT_FDCWD, path.constData());
}

int fail(int err)
{
    errno = err;
    return -1;
}

// True when the file open as `fd` lies in the directory or in a folder inside it.
bool inTree(State& s, int fd)
{
    char target[PATH_MAX] = {};
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n <= 0)
        return false;
    const QByteArray path(target, int(n));
    return path.startsWith(s.dir) || path.startsWith(s.canonical);
}

qint64 sizeOf(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : 0;
}

// A write of `n` bytes at `at` (-1: the file position) on a disk with
// s.space bytes left; nullopt when the write fits and takes the normal path.
template <typename Move>
std::optional<ssize_t> writeOnFullDisk(State& s, int fd, std::size_t n, off_t at, Move move)
{
    const qint64 size = sizeOf(fd);
    qint64 pos = at;
    if (pos < 0)
        pos = (::fcntl(fd, F_GETFL) & O_APPEND) ? size : qint64(::lseek(fd, 0, SEEK_CUR));
    const qint64 growth = std::max<qint64>(0, pos + qint64(n) - size);
    if (growth <= s.space)
        return std::nullopt;
    const qint64 fits = qint64(n) - (growth - s.space);
    s.busy = true;
    s.log << QStringLiteral("disk full ") + QString::number(s.space);
    s.busy = false;
    if (fits <= 0)
        return fail(ENOSPC);
    const ssize_t done = move(std::size_t(fits));
    s.space = std::max<qint64>(0, s.space - std::max<qint64>(0, sizeOf(fd) - size));
    return done;
}

// Counts one operation; the errno it is to fail with, or 0.
int hit(State& s, FileOp op, const QString& name)
{
    s.busy = true;
    ++s.count;
    if (s.count == s.killAt)
        ::kill(::getpid(), SIGKILL);
    s.log << QLatin1String(opName(op)) + QLatin1Char(' ') + name;
    int err = 0;
    if (s.count == s.failAt || (s.failOn && s.failAt && s.count > s.failAt))
        err = s.failErr;
    else if (s.every[size_t(op)])
        err = s.every[size_t(op)];
    if (err)
        s.failed = s.log.last();
    s.busy = false;
    return err;
}

long realOpen(int dirfd, const char* path, int flags, mode_t mode)
{
    return ::syscall(SYS_openat, dirfd, path, flags, mode);
}

int faultyOpen(int dirfd, const char* path, int flags, mode_t mode)
{
    if (State* s = active()) {
        const QString name = watchedPath(*s, dirfd, path);
        if (!name.isEmpty())
            if (const int err = hit(*s, FileOp::Open, name))
                return fail(err);
    }
    return int(realOpen(dirfd, path, flags, mode));
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

// The rest of a transfer: counted, and failed when its turn has come.
template <typename Move>
ssize_t faultyTransferCounted(State& state, FileOp op, int fd, std::size_t n, Move move)
{
    State* s = &state;
    const QString name = watchedFd(*s, fd);
    if (name.isEmpty())
        return move(n);
    int& interrupts = op == FileOp::Read ? s->interruptReads : s->interruptWrites;
    if (interrupts > 0) {
        --interrupts;
        return fail(EINTR);
    }
    if (op == FileOp::Write && s->pendingErr) {
        const int err = s->pendingErr;
        s->pendingErr = 0;
        return fail(err);
    }
    if (const int err = hit(*s, op, name)) {
        if (op == FileOp::Write && s->torn && n > 1) {
            const ssize_t done = move(n / 2);
            if (done > 0) {
                s->pendingErr = err;
                return done;
            }
        }
        return fail(err);
    }
    return move(s->chunk ? std::min(n, s->chunk) : n);
}

// A read or write of `n` bytes on `fd` (at `at`, -1: at the file position);
// `move` does the real call with a byte count.
template <typename Move>
ssize_t faultyTransfer(FileOp op, int fd, std::size_t n, Move move, off_t at = -1)
{
    State* s = active();
    if (!s)
        return move(n);
    if (op == FileOp::Write && s->space >= 0 && inTree(*s, fd)) {
        if (const std::optional<ssize_t> full = writeOnFullDisk(*s, fd, n, at, move))
            return *full;
        const qint64 size = sizeOf(fd);
        const ssize_t done = faultyTransferCounted(*s, op, fd, n, move);
        s->space = std::max<qint64>(0, s->space - std::max<qint64>(0, sizeOf(fd) - size));
        return done;
    }
    return faultyTransferCounted(*s, op, fd, n, move);
}

int faultyFlush(int fd, long call)
{
    if (State* s = active()) {
        const QString name = watchedFd(*s, fd);
        if (!name.isEmpty())
            if (const int err = hit(*s, FileOp::Flush, name))
                return fail(err);
    }
    return int(::syscall(call, fd));
}

int faultyRename(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    if (State* s = active()) {
        const QString a = watchedPath(*s, fromDir, from);
        const QString b = watchedPath(*s, toDir, to);
        if (!a.isEmpty() || !b.isEmpty())
            if (const int err = hit(*s, FileOp::Rename, a + QStringLiteral(" -> ") + b))
                return fail(err);
    }
    return int(::syscall(SYS_renameat2, fromDir, from, toDir, to, flags));
}

int faultyRemove(int dirfd, const char* path, int flags)
{
    qint64 freed = 0;
    if (State* s = active(); s && !(flags & AT_REMOVEDIR)) {
        const QString name = watchedPath(*s, dirfd, path);
        if (!name.isEmpty())
            if (const int err = hit(*s, FileOp::Remove, name))
                return fail(err);
        // A full disk gets back the room of a file removed for good.
        const QByteArray full = absolutePath(dirfd, path);
        struct stat st {};
        if (s->space >= 0 && (full.startsWith(s->dir) || full.startsWith(s->canonical)) &&
            ::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1)
            freed = st.st_size;
    }
    const int rc = int(::syscall(SYS_unlinkat, dirfd, path, flags));
    if (rc == 0 && freed > 0)
        current()->space += freed;
    return rc;
}

} // namespace

FileFaults::FileFaults(const QString& directory)
{
    if (current())
        throw std::logic_error("one FileFaults at a time");
    auto* s = new State;
    s->dir = QFile::encodeName(directory) + '/';
    char resolved[PATH_MAX] = {};
    s->canonical = ::realpath(QFile::encodeName(directory).constData(), resolved)
                       ? QByteArray(resolved) + '/'
                       : s->dir;
    current() = s;
}

FileFaults::~FileFaults()
{
    delete current();
    current() = nullptr;
}

void FileFaults::failAt(int n, int err, bool andAfter)
{
    current()->failAt = n;
    current()->failErr = err;
    current()->failOn = andAfter;
}

void FileFaults::killAt(int n)
{
    current()->killAt = n;
}

void FileFaults::failEvery(FileOp op, int err)
{
    current()->every[size_t(op)] = err;
}

void FileFaults::setTornWrites(bool on)
{
    current()->torn = on;
}

void FileFaults::setChunk(std::size_t bytes)
{
    current()->chunk = bytes;
}

void FileFaults::interrupt(int reads, int writes)
{
    current()->interruptReads = reads;
    current()->interruptWrites = writes;
}

void FileFaults::setFreeSpace(qint64 bytes)
{
    current()->space = bytes;
}

qint64 FileFaults::freeSpace() const
{
    return current()->space;
}

int FileFaults::operations() const
{
    return current()->count;
}

QStringList FileFaults::log() const
{
    return current()->log;
}

QString FileFaults::failed() const
{
    return current()->failed;
}

const char* errnoName(int err)
{
    switch (err) {
    case ENOSPC:
        return "ENOSPC";
    case EIO:
        return "EIO";
    case EACCES:
        return "EACCES";
    case ENXIO:
        return "ENXIO";
    default:
        return "errno";
    }
}

} // namespace tavrel::test

// The C library's file calls, passed through the double above. Each goes
// straight to the system call when no FileFaults is alive.
extern "C" {

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = tavrel::test::modeOf(flags, args);
    va_end(args);
    return tavrel::test::faultyOpen(AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = tavrel::test::modeOf(flags, args);
    va_end(args);
    return tavrel::test::faultyOpen(AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = tavrel::test::modeOf(flags, args);
    va_end(args);
    return tavrel::test::faultyOpen(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = tavrel::test::modeOf(flags, args);
    va_end(args);
    return tavrel::test::faultyOpen(dirfd, path, flags, mode);
}

ssize_t read(int fd, void* buf, size_t n)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Read, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_read, fd, buf, k));
    });
}

ssize_t pread(int fd, void* buf, size_t n, off_t offset)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Read, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_pread64, fd, buf, k, offset));
    });
}

ssize_t pread64(int fd, void* buf, size_t n, off64_t offset)
{
    return pread(fd, buf, n, off_t(offset));
}

ssize_t write(int fd, const void* buf, size_t n)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Write, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_write, fd, buf, k));
    });
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset)
{
    return tavrel::test::faultyTransfer(
        tavrel::test::FileOp::Write, fd, n,
        [&](size_t k) { return ssize_t(::syscall(SYS_pwrite64, fd, buf, k, offset)); }, offset);
}

ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t offset)
{
    return pwrite(fd, buf, n, off_t(offset));
}

int fsync(int fd)
{
    return tavrel::test::faultyFlush(fd, SYS_fsync);
}

int fdatasync(int fd)
{
    return tavrel::test::faultyFlush(fd, SYS_fdatasync);
}

int rename(const char* from, const char* to)
{
    return tavrel::test::faultyRename(AT_FDCWD, from, AT_FDCWD, to, 0);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    return tavrel::test::faultyRename(fromDir, from, toDir, to, 0);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    return tavrel::test::faultyRename(fromDir, from, toDir, to, flags);
}

int unlink(const char* path)
{
    return tavrel::test::faultyRemove(AT_FDCWD, path, 0);
}

int unlinkat(int dirfd, const char* path, int flags)
{
    return tavrel::test::faultyRemove(dirfd, path, flags);
}

} // extern "C"
