// The lock file on a full disk.
#include "platform/InstanceLock.h"
#include "support/FileFaults.h"

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
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

} // namespace tavrel::test
