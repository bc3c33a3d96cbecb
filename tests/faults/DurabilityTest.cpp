// A backup copy's files are each made durable before the copy is published,
// and a folder whose entries cannot be made durable fails the step that
// changed it instead of passing for done.
#include "FileStates.h"
#include "platform/Errors.h"
#include "support/FileFaults.h"

#include <QTemporaryDir>

namespace tavrel::test {
namespace {

TEST(Durability, ACopysFilesAreEachFlushedBeforeItIsPublishedAndAFailedFlushPublishesNothing)
{
    TestEnv env;
    env.openFile(people(1, 4));
    writeBytes(env.dir() + QStringLiteral("/tvlmail.abc"), listBytes(QStringLiteral("Club")));
    const QString folder = env.dir() + QStringLiteral("/backups");
    BackupIo io;
    const QString part = folder + QStringLiteral("/.tvl-part-") +
                         copyFolderName(env.clock.now(), BackupTrigger::Manual, 0);
    QStringList log;
    {
        FileFaults faults(part);
        Backups(*env.files, env.clock, io, folder).take(BackupTrigger::Manual);
        log = faults.log();
    }
    for (const char* name : {"n&a.mrk", "tvlmail.abc", "manifest.txt"}) {
        const qsizetype written = log.indexOf(QStringLiteral("write ") + QLatin1String(name));
        const qsizetype flushed = log.indexOf(QStringLiteral("flush ") + QLatin1String(name));
        EXPECT_GE(written, 0) << name;
        EXPECT_GT(flushed, written) << name << ": " << log.join(QLatin1Char(',')).toStdString();
    }

    // A disk that cannot flush: no copy is published, none half made stays.
    env.clock.t = env.clock.t.addSecs(1);
    const QString next = folder + QStringLiteral("/.tvl-part-") +
                         copyFolderName(env.clock.now(), BackupTrigger::Manual, 0);
    Backups backups(*env.files, env.clock, io, folder);
    {
        FileFaults faults(next);
        faults.failEvery(FileOp::Flush, EIO);
        EXPECT_EQ(errorOf([&] { backups.take(BackupTrigger::Manual); }), ErrNo::DeviceIo);
    }
    EXPECT_EQ(backups.list().size(), 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

TEST(Durability, AFolderThatCannotBeSyncedFailsTheRenameOrReplacementInIt)
{
    QTemporaryDir base;
    const QString dir = base.path() + QStringLiteral("/program");
    ASSERT_TRUE(QDir().mkdir(dir));
    const Files files(dir);
    writeBytes(dir + QStringLiteral("/a.txt"), "old");
    // Watching the folder above, the program directory's own flush is an operation.
    FileFaults faults(base.path());
    faults.failEvery(FileOp::Flush, EIO);
    EXPECT_EQ(errorOf([&] { files.replaceFile(QStringLiteral("a.txt"), "new"); }), ErrNo::DeviceIo);
    EXPECT_EQ(errorOf([&] { files.rename(QStringLiteral("a.txt"), QStringLiteral("b.txt")); }),
              ErrNo::DeviceIo);
    EXPECT_EQ(errorOf([&] {
                  FileReplacement r(files, QStringLiteral("b.txt"), QStringLiteral(".tmp"));
                  r.create();
                  r.write(0, "newer");
                  r.flush();
                  r.commit();
              }),
              ErrNo::DeviceIo);
    EXPECT_TRUE(faults.log().contains(QStringLiteral("flush program")));
}

} // namespace
} // namespace tavrel::test
