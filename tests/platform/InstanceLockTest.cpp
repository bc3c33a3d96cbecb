#include "platform/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using namespace tavrel;

TEST(InstanceLock, OneRunningCopyPerProgramDirectory)
{
    QTemporaryDir a;
    QTemporaryDir b;

    auto first = std::make_unique<InstanceLock>(a.path());
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire()); // asking again keeps it

    InstanceLock second(a.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.heldByAnother());

    InstanceLock elsewhere(b.path());
    EXPECT_TRUE(elsewhere.acquire());

    first->release();
    EXPECT_TRUE(second.acquire());
    second.release();

    // Going away frees it too.
    first = std::make_unique<InstanceLock>(a.path());
    ASSERT_TRUE(first->acquire());
    first.reset();
    InstanceLock third(a.path());
    EXPECT_TRUE(third.acquire());
}

TEST(InstanceLock, AnUnusableDirectoryIsNotMistakenForAnotherCopy)
{
    QTemporaryDir tmp;
    InstanceLock lock(tmp.filePath(QStringLiteral("missing/dir")));
    EXPECT_FALSE(lock.acquire());
    EXPECT_FALSE(lock.heldByAnother());
    // The check says why, in the system's words.
    InstanceCheck c = lock.check();
    EXPECT_FALSE(c.anotherCopy);
    EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(ENOENT)));

    QFile file(tmp.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    c = InstanceLock(file.fileName()).check();
    EXPECT_FALSE(c.anotherCopy);
    EXPECT_EQ(c.lockProblem, QString::fromLocal8Bit(std::strerror(ENOTDIR)));

    InstanceLock first(tmp.path());
    c = first.check();
    EXPECT_FALSE(c.anotherCopy);
    EXPECT_TRUE(c.lockProblem.isEmpty());
    c = InstanceLock(tmp.path()).check();
    EXPECT_TRUE(c.anotherCopy);
    EXPECT_TRUE(c.lockProblem.isEmpty());
}
