#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstring>

namespace tavrel::test {

// The kinds of file operation FileFaults counts.
enum class FileOp { Open, Read, Write, Flush, Rename, Remove };

// The file system going wrong, for the files of one directory.
//
// While a FileFaults is alive, the C library's file calls that the program and
// Qt make (open, read, write and their positioned forms, fsync, fdatasync,
// rename, unlink and their *at forms) pass through it. Calls on files inside
// its directory are counted as operations; it can make the n-th fail with a
// chosen errno, the way a full disk (ENOSPC), a failing one (EIO) or a refused
// permission (EACCES) would. A failing write first lands half its bytes and
// reports the error on the next write call, as a disk that fills up part-way
// through does. Calls on any other file, and every call while no FileFaults is
// alive, go straight to the system.
//
// The stand-ins are linked into a test program only when it uses this class.
// One FileFaults may be alive at a time; it is not for use across threads.
class FileFaults {
public:
    explicit FileFaults(const QString& directory);
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    // Operation `n` (counted from 1) fails with `err`, and with `andAfter`
    // every operation after it too; 0 makes none fail.
    void failAt(int n, int err, bool andAfter = false)
    {
        s.failAt = n;
        s.failErr = err;
        s.failOn = andAfter;
    }
    // Operation `n` fails too, with the same errno as failAt's: a second
    // failure later on, such as one during the clean-up after the first.
    void failAlsoAt(int n) { s.alsoAt = n; }
    // The process kills itself (SIGKILL) just before operation `n`, as a
    // crash or a power cut there would stop it; 0: never. For a child process.
    void killAt(int n) { s.killAt = n; }
    // With killAt: when operation `n` is a write that crosses a 4096-byte page
    // boundary, it lands its bytes up to the boundary before the kill, as the
    // kernel's copy page by page stops once a kill is pending.
    void setKillInsideWrites(bool on) { s.killInside = on; }
    // Every operation of kind `op` fails with `err`; 0 stops that.
    void failEvery(FileOp op, int err) { s.every[size_t(op)] = err; }
    // The file system has no rename that refuses to replace an entry, as some
    // network file systems have none: renames asking for one fail with EINVAL.
    void setNoReplaceRenames(bool missing) { s.noReplaceMissing = missing; }
    // A failing write lands half its bytes first (the default), or nothing.
    void setTornWrites(bool on) { s.torn = on; }
    // Reads and writes move at most this many bytes a call; 0: no limit.
    void setChunk(std::size_t bytes) { s.chunk = bytes; }
    // The next `reads` reads and `writes` writes fail with EINTR before doing
    // anything, as a signal arriving would; they are not counted.
    void interrupt(int reads, int writes) { s.interrupts = {reads, writes}; }

    // A disk that holds `bytes` more: writes to the files of the directory and
    // of every folder inside it that would grow a file beyond that land what
    // fits and then fail with ENOSPC, as a full disk does. Writing over bytes
    // a file holds already takes no room; removing a file gives its room back.
    // -1 (the default): no limit. These writes are not counted as operations.
    void setFreeSpace(qint64 bytes) { s.space = bytes; }
    // The room left; -1 when there is no limit.
    qint64 freeSpace() const { return s.space; }

    // Operations counted so far.
    int operations() const { return s.count; }
    // One line per operation so far, such as "write n&a.mrk".
    QStringList log() const { return s.log; }
    // The operation that was made to fail, or empty.
    QString failed() const { return s.failed; }

    // What the stand-ins go by; tests use the calls above.
    struct State {
        QByteArray dir;       // as given, ending in '/'
        QByteArray canonical; // as the system resolves it, ending in '/'
        int failAt = 0;
        int failErr = 0;
        bool failOn = false; // every operation after failAt fails too
        int alsoAt = 0;      // a second operation that fails with failErr
        int killAt = 0;
        bool killInside = false;
        std::array<int, 6> every{};
        bool torn = true;
        std::size_t chunk = 0;
        std::array<int, 2> interrupts{}; // reads, writes
        int pendingErr = 0;              // a torn write's error, reported by the next write
        qint64 space = -1;               // bytes the disk still takes; -1: no limit
        int count = 0;
        QStringList log;
        QString failed;
        bool busy = false; // inside the bookkeeping: calls pass straight through
        bool noReplaceMissing = false;
    };

private:
    State s;
};

// "ENOSPC", "EIO", "EACCES", ..., or "errno" for a number that has no name.
inline const char* errnoName(int err)
{
    const char* name = strerrorname_np(err);
    return name ? name : "errno";
}

} // namespace tavrel::test
