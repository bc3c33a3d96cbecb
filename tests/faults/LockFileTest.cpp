// The lock file on a full disk.
#include "platform/InstanceLock.h"
#include "support/FileFaults.h"

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace tavrel::test {

TEST(LockFile, AFullDiskIsNamedAsTheCauseOtherCausesKeepTheGeneralText)
{
    const QString general =
        QStringLiteral("The program directory does not take the lock file; nothing was done.");
    const QString full = QStringLiteral("There is no space left on the disk that holds the program "
                                        "directory, not even for the lock file; nothing was done.");
    const struct {
        FileOp op;
        int err;
        QString text;
    } rows[] = {{FileOp::Open, ENOSPC, full},
                {FileOp::Write, ENOSPC, full},
                {FileOp::Write, EDQUOT, full},
                {FileOp::Open, EIO, general}};
    for (const auto& r : rows) {
        QTemporaryDir dir;
        InstanceCheck c;
        {
            FileFaults faults(dir.path());
            faults.setTornWrites(false);
            faults.failEvery(r.op, r.err);
            c = InstanceLock(dir.path()).check();
        }
        EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(r.err))) << errnoName(r.err);
        EXPECT_EQ(lockRefusalText(c), r.text) << errnoName(r.err);
        // Once there is room again the lock is taken.
        EXPECT_TRUE(InstanceLock(dir.path()).acquire());
    }
}

} // namespace tavrel::test
