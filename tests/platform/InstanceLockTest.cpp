#include "platform/InstanceLock.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tavrel;

// A directory that cannot hold the lock is no other copy, and the check says
// why; a link or folder under the lock's name is replaced, never followed.
TEST(InstanceLock, AnUnusableDirectoryOrALinkUnderItsNameIsNotTrusted)
{
    QTemporaryDir outside, other;
    test::writeBytes(other.filePath("file"), "");
    for (const auto& [dir, err] : {std::pair{"missing/dir", ENOENT}, {"file", ENOTDIR}}) {
        InstanceLock lock(other.filePath(QLatin1String(dir)));
        EXPECT_FALSE(lock.acquire()) << dir;
        // The check says why, in the system's words.
        const InstanceCheck c = lock.check();
        EXPECT_FALSE(c.anotherCopy) << dir;
        EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(err))) << dir;
    }

    const QString target = outside.filePath("target");
    test::writeBytes(target, "outside");
    for (const QString kind :
         {"link to a file", "dangling link", "link to a folder", "folder", "hard link"}) {
        QTemporaryDir dir;
        const QString lock = dir.filePath("tavrel.lock");
        if (kind == QLatin1String("folder"))
            ASSERT_TRUE(QDir().mkdir(lock));
        else if (kind == QLatin1String("hard link"))
            ASSERT_EQ(
                ::link(QFile::encodeName(target).constData(), QFile::encodeName(lock).constData()),
                0);
        else
            ASSERT_TRUE(QFile::link(kind.contains(QLatin1String("folder")) ? outside.path()
                                    : kind.startsWith(QLatin1String("dangling"))
                                        ? outside.filePath("none")
                                        : target,
                                    lock));
        InstanceLock first(dir.path());
        ASSERT_TRUE(first.acquire()) << kind.toStdString();
        EXPECT_TRUE(first.acquire()); // asking again keeps it
        EXPECT_TRUE(QFileInfo(lock).isFile() && !QFileInfo(lock).isSymLink()) << kind.toStdString();
        InstanceLock second(dir.path());
        EXPECT_FALSE(second.acquire());
        EXPECT_TRUE(second.heldByAnother());
        EXPECT_TRUE(InstanceLock(other.path()).acquire()); // each directory has its own
        EXPECT_EQ(test::fileBytes(target), QByteArray("outside"));
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"target"});
    }
}
