// The lock file on a full disk, and the lock shared by backup copies.
#include "platform/InstanceLock.h"
#include "support/FileFaults.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <tuple>

namespace tavrel::test {

TEST(LockFile, AFullDiskIsNamedAsTheCauseOtherCausesKeepTheGeneralText)
{
    const QString general =
        QStringLiteral("The program directory does not take the lock file; nothing was done.");
    const QString full = QStringLiteral("There is no space left on the disk that holds the program "
                                        "directory, not even for the lock file; nothing was done.");
    const std::tuple<FileOp, int, QString> rows[] = {{FileOp::Open, ENOSPC, full},
                                                     {FileOp::Write, ENOSPC, full},
                                                     {FileOp::Write, EDQUOT, full},
                                                     {FileOp::Open, EIO, general}};
    for (const auto& [op, err, text] : rows) {
        QTemporaryDir dir;
        InstanceCheck c;
        {
            FileFaults faults(dir.path());
            faults.setTornWrites(false);
            faults.failEvery(op, err);
            c = InstanceLock(dir.path()).check();
        }
        EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(err))) << errnoName(err);
        EXPECT_EQ(lockRefusalText(c), text) << errnoName(err);
        // Once there is room again the lock is taken.
        EXPECT_TRUE(InstanceLock(dir.path()).acquire());
    }
}

TEST(LockFile, CopiesShareTheLockAWriterWaitsForThemAndNeverRunsBesideOne)
{
    QTemporaryDir dir;
    const QString lockPath = dir.path() + QStringLiteral("/tavrel.lock");
    InstanceLock copy1(dir.path());
    InstanceLock copy2(dir.path());
    ASSERT_TRUE(copy1.acquireShared(0));
    ASSERT_TRUE(copy2.acquireShared(0));
    // The first copy to end leaves the lock file to the other.
    copy1.release();
    EXPECT_TRUE(QFileInfo::exists(lockPath));
    InstanceLock writer(dir.path());
    const InstanceCheck during = writer.check(50);
    EXPECT_TRUE(during.anotherCopy);
    EXPECT_TRUE(during.backupRunning);

    // A start waits for a copy that ends within the wait.
    std::thread ends([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        copy2.release();
    });
    const InstanceCheck after = writer.check(5000);
    ends.join();
    EXPECT_FALSE(after.anotherCopy);
    EXPECT_TRUE(after.lockProblem.isEmpty());

    // A copy does not run beside a writer; it waits for it, then shares.
    InstanceLock late(dir.path());
    EXPECT_FALSE(late.acquireShared(50));
    EXPECT_TRUE(late.heldByAnother());
    std::thread done([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        writer.release();
    });
    EXPECT_TRUE(late.acquireShared(5000));
    done.join();
    // A running program is not waited for the way a copy is.
    InstanceLock program(dir.path());
    late.release();
    ASSERT_TRUE(program.acquire());
    const InstanceCheck second = InstanceLock(dir.path()).check(5000);
    EXPECT_TRUE(second.anotherCopy);
    EXPECT_FALSE(second.backupRunning);
}

} // namespace tavrel::test
