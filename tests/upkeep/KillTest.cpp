#include "UpkeepFixture.h"

#include <QElapsedTimer>
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// Trials of the kill test; TAVREL_KILL_TRIALS asks for a longer run.
int trialCount()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAVREL_KILL_TRIALS", &ok);
    return ok && n > 0 ? n : 200;
}

} // namespace

class KillTest : public UpkeepTest {
protected:
    // Starts a child process that compacts the program's file and exits.
    pid_t startChild()
    {
        const pid_t pid = ::fork();
        if (pid == 0) {
            // Only plain file work in the child, and no exit handlers after it.
            try {
                FileReplacement out(*env.files, kNAFileName, kCompactTempName);
                compactNAFile(p, out);
            } catch (...) {
                ::_exit(2);
            }
            ::_exit(0);
        }
        return pid;
    }
    int reap(pid_t pid)
    {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return status;
    }
};

// A process compacting the file is killed at random moments. Whenever it
// dies, the N&A file is byte for byte the old file or the complete new one;
// a temporary file it leaves is not trusted by the next compaction.
TEST_F(KillTest, CompactionKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    std::map<int, NARecord> r;
    for (int id = 1; id <= 60; ++id) {
        NARecord rec = makeRecord(id, QStringLiteral("Person %1").arg(id));
        rec.LinkId1 = qint16(61 - id);
        rec.BackLinkId = qint16(id / 2);
        r[id] = id % 3 == 0 ? deletedRecord(id, rec.Name) : rec;
    }
    writeAndOpen(r);
    const QByteArray old = before;
    compact();
    const QByteArray fresh = file();
    ASSERT_NE(fresh, old);

    // How long a child takes from start to end, to spread the kills over it.
    qint64 slowest = 0;
    for (int i = 0; i < 3; ++i) {
        restore(old);
        QElapsedTimer t;
        t.start();
        const int status = reap(startChild());
        slowest = qMax(slowest, t.nsecsElapsed() / 1000);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(file(), fresh);
    }

    std::mt19937 rng(20261206);
    std::uniform_int_distribution<qint64> delayUs(0, slowest + slowest / 3);
    int oldSeen = 0;
    int newSeen = 0;
    int tempLeft = 0; // killed between creating the temporary file and the rename
    const int trials = trialCount();
    for (int trial = 0; trial < trials; ++trial) {
        restore(old);
        const pid_t pid = startChild();
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
        ::kill(pid, SIGKILL);
        const int status = reap(pid);
        ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        const QByteArray now = file();
        if (entries().contains(kCompactTempName))
            ++tempLeft;
        if (now == old)
            ++oldSeen;
        else if (now == fresh)
            ++newSeen;
        else
            FAIL() << "trial " << trial << ": the N&A file is neither the old nor the new one ("
                   << now.size() << " bytes)";
    }
    RecordProperty("oldFile", oldSeen);
    RecordProperty("newFile", newSeen);
    RecordProperty("tempLeft", tempLeft);
    EXPECT_EQ(oldSeen + newSeen, trials);
    // The kills fell before, during and after the work.
    EXPECT_GT(tempLeft, 0);
    EXPECT_GT(newSeen, 0);

    restore(old);
    compact();
    EXPECT_EQ(file(), fresh);
    EXPECT_EQ(entries(), QStringList{"n&a.mrk"});
}
