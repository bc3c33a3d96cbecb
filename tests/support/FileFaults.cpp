#include "support/FileFaults.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace tavrel::test {

namespace {

using State = FileFaults::State;

State*& current()
{
    static State* state = nullptr;
    return state;
}

// The state when the calls of this moment are to be watched.
State* active()
{
    State* s = current();
    return s && !s->busy ? s : nullptr;
}

// The path of the file open as `fd`, or empty.
QByteArray fdPath(int fd)
{
    char target[PATH_MAX] = {};
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    return n > 0 ? QByteArray(target, int(n)) : QByteArray();
}

// `path` (relative to `dirfd`) made absolute; empty when that cannot be told.
QByteArray absolutePath(int dirfd, const char* path)
{
    if (!path || path[0] == '/')
        return QByteArray(path);
    char cwd[PATH_MAX] = {};
    const QByteArray base =
        dirfd == AT_FDCWD ? QByteArray(::getcwd(cwd, sizeof cwd) ? cwd : "") : fdPath(dirfd);
    return base.isEmpty() ? base : base + '/' + path;
}

// True when `full` lies in the directory or in a folder inside it.
bool inTree(const State& s, const QByteArray& full)
{
    return !full.isEmpty() && (full.startsWith(s.dir) || full.startsWith(s.canonical));
}

// The file's name when `full` lies directly inside the directory.
QString watchedName(const State& s, QByteArray full)
{
    if (full.endsWith(" (deleted)"))
        full.chop(10);
    for (const QByteArray& prefix : {s.dir, s.canonical}) {
        const QByteArray name = full.mid(prefix.size());
        if (!full.isEmpty() && full.startsWith(prefix) && !name.isEmpty() && !name.contains('/'))
            return QFile::decodeName(name);
    }
    return QString();
}

int fail(int err)
{
    errno = err;
    return -1;
}

qint64 sizeOf(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : 0;
}

// Counts one operation on the watched file `name` (none when empty); the
// errno it is to fail with, or 0.
int hit(State& s, FileOp op, const QString& name)
{
    if (name.isEmpty())
        return 0;
    static const char* const opNames[] = {"open", "read", "write", "flush", "rename", "remove"};
    s.busy = true;
    ++s.count;
    if (s.count == s.killAt)
        ::kill(::getpid(), SIGKILL);
    s.log << QLatin1String(opNames[int(op)]) + QLatin1Char(' ') + name;
    const int err =
        s.count == s.failAt || s.count == s.alsoAt || (s.failOn && s.failAt && s.count > s.failAt)
            ? s.failErr
            : s.every[size_t(op)];
    if (err)
        s.failed = s.log.last();
    s.busy = false;
    return err;
}

int faultyOpen(int dirfd, const char* path, int flags, mode_t mode)
{
    if (State* s = active())
        if (const int err = hit(*s, FileOp::Open, watchedName(*s, absolutePath(dirfd, path))))
            return fail(err);
    return int(::syscall(SYS_openat, dirfd, path, flags, mode));
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

// The rest of a transfer: counted, and failed when its turn has come.
template <typename Move>
ssize_t faultyTransferCounted(State& s, FileOp op, int fd, std::size_t n, Move move)
{
    const QString name = watchedName(s, fdPath(fd));
    if (name.isEmpty())
        return move(n);
    int& interrupts = s.interrupts[op == FileOp::Read ? 0 : 1];
    if (interrupts > 0) {
        --interrupts;
        return fail(EINTR);
    }
    if (op == FileOp::Write && s.pendingErr)
        return fail(std::exchange(s.pendingErr, 0));
    if (const int err = hit(s, op, name)) {
        // A torn write lands half its bytes and reports the error on the next write.
        const ssize_t done = op == FileOp::Write && s.torn && n > 1 ? move(n / 2) : 0;
        if (done > 0)
            s.pendingErr = err;
        return done > 0 ? done : fail(err);
    }
    return move(s.chunk ? std::min(n, s.chunk) : n);
}

// A write about to be killed that crosses a page boundary lands what lies
// before the boundary first.
template <typename Move> void landFirstPage(State& s, int fd, std::size_t n, Move move, off_t at)
{
    if (watchedName(s, fdPath(fd)).isEmpty())
        return;
    constexpr qint64 page = 4096;
    const qint64 pos = at >= 0 ? qint64(at) : qint64(::lseek(fd, 0, SEEK_CUR));
    const qint64 first = page - pos % page;
    if (first < qint64(n)) {
        move(std::size_t(first));
        ::kill(::getpid(), SIGKILL);
    }
}

// A read or write of `n` bytes on `fd` (at `at`, -1: at the file position);
// `move` does the real call with a byte count.
template <typename Move>
ssize_t faultyTransfer(FileOp op, int fd, std::size_t n, Move move, off_t at = -1)
{
    State* s = active();
    if (!s)
        return move(n);
    if (op == FileOp::Write && s->killInside && s->count + 1 == s->killAt)
        landFirstPage(*s, fd, n, move, at);
    if (op != FileOp::Write || s->space < 0 || !inTree(*s, fdPath(fd)))
        return faultyTransferCounted(*s, op, fd, n, move);
    // On a disk with s->space bytes left, a write that would grow the file
    // beyond them lands what fits, uncounted.
    const qint64 size = sizeOf(fd);
    const qint64 pos = at >= 0                             ? qint64(at)
                       : (::fcntl(fd, F_GETFL) & O_APPEND) ? size
                                                           : qint64(::lseek(fd, 0, SEEK_CUR));
    const qint64 over = std::max<qint64>(0, pos + qint64(n) - size) - s->space;
    if (over > 0) {
        s->busy = true;
        s->log << QStringLiteral("disk full ") + QString::number(s->space);
        s->busy = false;
        if (over >= qint64(n))
            return fail(ENOSPC);
    }
    const ssize_t done =
        over > 0 ? move(std::size_t(qint64(n) - over)) : faultyTransferCounted(*s, op, fd, n, move);
    s->space = std::max<qint64>(0, s->space - std::max<qint64>(0, sizeOf(fd) - size));
    return done;
}

int faultyFlush(int fd, long call)
{
    if (State* s = active())
        if (const int err = hit(*s, FileOp::Flush, watchedName(*s, fdPath(fd))))
            return fail(err);
    return int(::syscall(call, fd));
}

int faultyRename(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    if (State* s = active()) {
        const QString a = watchedName(*s, absolutePath(fromDir, from));
        const QString b = watchedName(*s, absolutePath(toDir, to));
        if (!a.isEmpty() || !b.isEmpty()) {
            if (s->noReplaceMissing && (flags & RENAME_NOREPLACE))
                return fail(EINVAL);
            if (const int err = hit(*s, FileOp::Rename, a + QStringLiteral(" -> ") + b))
                return fail(err);
        }
    }
    return int(::syscall(SYS_renameat2, fromDir, from, toDir, to, flags));
}

int faultyRemove(int dirfd, const char* path, int flags)
{
    qint64 freed = 0;
    if (State* s = active(); s && !(flags & AT_REMOVEDIR)) {
        const QByteArray full = absolutePath(dirfd, path);
        if (const int err = hit(*s, FileOp::Remove, watchedName(*s, full)))
            return fail(err);
        // A full disk gets back the room of a file removed for good.
        struct stat st {};
        if (s->space >= 0 && inTree(*s, full) && ::lstat(full.constData(), &st) == 0 &&
            S_ISREG(st.st_mode) && st.st_nlink == 1)
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
    s.dir = QFile::encodeName(directory) + '/';
    char resolved[PATH_MAX] = {};
    s.canonical = ::realpath(QFile::encodeName(directory).constData(), resolved)
                      ? QByteArray(resolved) + '/'
                      : s.dir;
    current() = &s;
}

FileFaults::~FileFaults()
{
    current() = nullptr;
}

} // namespace tavrel::test

// The C library's file calls, passed through the double above. Each goes
// straight to the system call when no FileFaults is alive. The 64-bit forms
// are the same calls where a file offset has 64 bits already.
extern "C" {

int open(const char* path, int flags, ...)
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

ssize_t pread(int fd, void* buf, size_t n, off_t offset)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Read, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_pread64, fd, buf, k, offset));
    });
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset)
{
    return tavrel::test::faultyTransfer(
        tavrel::test::FileOp::Write, fd, n,
        [&](size_t k) { return ssize_t(::syscall(SYS_pwrite64, fd, buf, k, offset)); }, offset);
}

static_assert(sizeof(off_t) == sizeof(off64_t));
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int dirfd, const char* path, int flags, ...) __attribute__((alias("openat")));
ssize_t pread64(int fd, void* buf, size_t n, off64_t offset) __attribute__((alias("pread")));
ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t offset)
    __attribute__((alias("pwrite")));

ssize_t read(int fd, void* buf, size_t n)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Read, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_read, fd, buf, k));
    });
}

ssize_t write(int fd, const void* buf, size_t n)
{
    return tavrel::test::faultyTransfer(tavrel::test::FileOp::Write, fd, n, [&](size_t k) {
        return ssize_t(::syscall(SYS_write, fd, buf, k));
    });
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
