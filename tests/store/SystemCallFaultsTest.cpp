#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// How the positioned reads and writes of the N&A file misbehave while a
// SystemCallFaults is alive: the disk answers with part of what was asked,
// a signal interrupts a call, or the device fails with an errno.
struct Faults {
    bool active = false;
    size_t chunk = 0;       // at most this many bytes a call; 0: no limit
    int interruptReads = 0; // calls that fail with EINTR before doing anything
    int interruptWrites = 0;
    int readErrno = 0;       // every read fails so
    qint64 writeBudget = -1; // bytes written before writes fail; -1: never
    int writeErrno = 0;
    int calls = 0; // a program that loops for ever gets an error instead
};

Faults& faults()
{
    static Faults f;
    return f;
}

class SystemCallFaults {
public:
    SystemCallFaults() { faults() = Faults{true}; }
    ~SystemCallFaults() { faults() = Faults{}; }
    Faults* operator->() { return &faults(); }
    SystemCallFaults(const SystemCallFaults&) = delete;
    SystemCallFaults& operator=(const SystemCallFaults&) = delete;
};

size_t limited(size_t n)
{
    const Faults& f = faults();
    return f.chunk ? std::min(n, f.chunk) : n;
}

bool looping()
{
    Faults& f = faults();
    if (!f.active || ++f.calls <= 1000)
        return false;
    errno = EIO;
    return true;
}

} // namespace

// The program reads and writes its records with pread and pwrite; these stand
// in for the C library's so the tests can make them fail the way a disk can.
extern "C" ssize_t pread(int fd, void* buf, size_t n, off_t offset)
{
    Faults& f = faults();
    if (looping())
        return -1;
    if (f.active && f.interruptReads > 0 && f.interruptReads--) {
        errno = EINTR;
        return -1;
    }
    if (f.active && f.readErrno) {
        errno = f.readErrno;
        return -1;
    }
    return ssize_t(syscall(SYS_pread64, fd, buf, f.active ? limited(n) : n, offset));
}

extern "C" ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset)
{
    Faults& f = faults();
    if (looping())
        return -1;
    if (f.active && f.interruptWrites > 0 && f.interruptWrites--) {
        errno = EINTR;
        return -1;
    }
    if (f.active) {
        n = limited(n);
        if (f.writeBudget >= 0) {
            if (f.writeBudget == 0) {
                errno = f.writeErrno;
                return -1;
            }
            n = std::min(n, size_t(f.writeBudget));
        }
    }
    const auto done = ssize_t(syscall(SYS_pwrite64, fd, buf, n, offset));
    if (f.active && f.writeBudget > 0 && done > 0)
        f.writeBudget -= done;
    return done;
}

TEST(SystemCalls, ShortAndInterruptedReadsAndWritesStillMoveWholeRecords)
{
    TestEnv env;
    env.openFile(people(1, 3));
    Program& p = env.p();
    SystemCallFaults faults;
    faults->chunk = 100;
    faults->interruptReads = faults->interruptWrites = 1;

    p.CurRec = makeRecord(5, QStringLiteral("Eve"));
    Put_NA_Rec(p, 6);
    EXPECT_EQ(recordBytes(env.naPath(), 6), makeRecord(5, QStringLiteral("Eve")).toBytes());
    ASSERT_TRUE(readActive(p, 2));
    EXPECT_EQ(p.CurRec.toBytes(), makeRecord(2, QStringLiteral("Person 2")).toBytes());
    FindLowestFreeId(p); // one block read of several records
    EXPECT_EQ(p.LowestFreeId, 4);
    EXPECT_TRUE(env.ui.messages.empty());
}

TEST(SystemCalls, FailuresShowTheirOwnErrorNumberAndLeaveTheFileAsItWas)
{
    TestEnv env;
    env.openFile(people(1, 3));
    Program& p = env.p();
    const QByteArray before = fileBytes(env.naPath());
    SystemCallFaults faults;

    // A drive that has gone away.
    faults->readErrno = ENXIO;
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(Get_NA_Rec(p, 3), ProgramEnded);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Error =  71 In Get_NA_Rec.  Id =  3"));

    // An I/O error part-way through a record that extends the file.
    faults->readErrno = 0;
    faults->writeBudget = 300;
    faults->writeErrno = EIO;
    p.CurRec = makeRecord(5, QStringLiteral("Eve"));
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(Put_NA_Rec(p, 6), ProgramEnded);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Err =  57  In Put_NA_Rec.  Id =  6"));
    EXPECT_EQ(fileBytes(env.naPath()), before);
}
