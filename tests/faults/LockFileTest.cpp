// The lock file on a full disk, and things other than a lock under its name.
#include "platform/InstanceLock.h"
#include "support/FileFaults.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
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
    } rows[] = {
        {FileOp::Open, ENOSPC, full},    {FileOp::Write, ENOSPC, full},
        {FileOp::Write, EDQUOT, full},   {FileOp::Open, EIO, general},
        {FileOp::Open, EACCES, general},
    };
    for (const auto& r : rows) {
        QTemporaryDir dir;
        InstanceCheck c;
        {
            FileFaults faults(dir.path());
            faults.setTornWrites(false);
            faults.failEvery(r.op, r.err);
            c = InstanceLock(dir.path()).check();
        }
        EXPECT_FALSE(c.anotherCopy);
        EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(r.err))) << errnoName(r.err);
        EXPECT_EQ(lockRefusalText(c), r.text) << errnoName(r.err);
        // Once there is room again the lock is taken.
        EXPECT_TRUE(InstanceLock(dir.path()).acquire());
    }
}

TEST(LockFile, ALinkOrFolderUnderItsNameIsReplacedNotFollowedOrTrusted)
{
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("target"));
    writeBytes(target, "outside");
    for (const QString& kind : {QStringLiteral("link to a file"), QStringLiteral("dangling link"),
                                QStringLiteral("link to a folder"), QStringLiteral("folder")}) {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("tavrel.lock"));
        if (kind == QLatin1String("folder"))
            ASSERT_TRUE(QDir().mkdir(lock));
        else
            ASSERT_TRUE(QFile::link(kind.contains(QLatin1String("folder")) ? outside.path()
                                    : kind.startsWith(QLatin1String("dangling"))
                                        ? outside.filePath(QStringLiteral("none"))
                                        : target,
                                    lock));
        InstanceLock first(dir.path());
        ASSERT_TRUE(first.acquire()) << kind.toStdString();
        EXPECT_TRUE(QFileInfo(lock).isFile() && !QFileInfo(lock).isSymLink()) << kind.toStdString();
        InstanceLock second(dir.path());
        EXPECT_FALSE(second.acquire());
        EXPECT_TRUE(second.heldByAnother());
        EXPECT_EQ(fileBytes(target), QByteArray("outside"));
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("target")});
    }
}

} // namespace tavrel::test
