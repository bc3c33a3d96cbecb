// Backup copies made from the command line by two processes at once, while a
// third changes the N&A file under the program's lock the way an import does:
// every copy reported made is whole and holds no half-made change, and no
// half-written or half-removed copy is left behind.
#include "FileStates.h"
#include "platform/InstanceLock.h"

#include <QFile>
#include <chrono>
#include <thread>
#include <unistd.h>

namespace tavrel::test {
namespace {

constexpr int kCopiesPerLoop = 5;
const QString kHalf = QStringLiteral("Half Of An Import");

// Record 2 of the file at `path` renamed `name`, in place.
void rewriteRecord(const QString& path, const QString& name)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        ::_exit(3);
    f.seek(NARecord::Size);
    f.write(makeRecord(1, name).toBytes());
    f.close();
}

// A child that takes copies in a loop, as `tavrel --backup` does, and writes
// what it said to `report`.
pid_t startBackupLoop(TestEnv& env, const QString& report)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    QString said;
    QTextStream out(&said);
    SystemClock clock;
    BackupIo io;
    for (int i = 0; i < kCopiesPerLoop; ++i) {
        runLockedBackupCommandLine({QStringLiteral("--backup")}, *env.files, clock, io, out, out);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    out.flush();
    writeBytes(report, said.toUtf8());
    ::_exit(0);
}

// A child that changes the file in two steps under the lock held alone, until
// `stop` exists; the number of changes is its exit status.
pid_t startWriter(TestEnv& env, const QString& stop)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    int changes = 0;
    while (!QFile::exists(stop)) {
        InstanceLock lock(env.dir());
        if (lock.acquire()) {
            rewriteRecord(env.naPath(), kHalf);
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
            rewriteRecord(env.naPath(), QStringLiteral("Change %1").arg(++changes));
            lock.release();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    ::_exit(qMin(changes, 255));
}

TEST(BackupRace, TwoBackupLoopsBesideAWriterReportOnlyWholeCopiesAndLeaveNoStrays)
{
    TestEnv env;
    env.openFile(people(1, 8));
    writeBytes(env.dir() + QStringLiteral("/tvlmail.abc"), listBytes(QStringLiteral("Club")));
    env.p().naFile.close();
    const QString folder = env.dir() + QStringLiteral("/backups");
    const QString stop = env.dir() + QStringLiteral("/stop");
    int writes = 0;
    for (int round = 0; round < envNumber("TAVREL_BACKUP_RACE_ROUNDS", 4); ++round) {
        QDir(folder).removeRecursively();
        QFile::remove(stop);
        const QString reports[] = {env.dir() + QStringLiteral("/report1"),
                                   env.dir() + QStringLiteral("/report2")};
        const pid_t writer = startWriter(env, stop);
        const pid_t loops[] = {startBackupLoop(env, reports[0]), startBackupLoop(env, reports[1])};
        for (const pid_t loop : loops)
            ASSERT_EQ(reap(loop), 0);
        writeBytes(stop, "");
        const int status = reap(writer);
        ASSERT_TRUE(WIFEXITED(status));
        writes += WEXITSTATUS(status);

        BackupIo io;
        Backups backups(*env.files, env.clock, io, folder);
        QStringList made;
        for (const QString& report : reports) {
            const QString said = QString::fromUtf8(fileBytes(report));
            for (const QString& line : said.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                EXPECT_TRUE(line.startsWith(QStringLiteral("Backup copy "))) << line.toStdString();
                made << line.section(QLatin1Char(' '), 2, 2);
            }
        }
        EXPECT_EQ(made.size(), 2 * kCopiesPerLoop) << "round " << round;
        for (const QString& name : std::as_const(made)) {
            EXPECT_EQ(backups.verify(name), QString()) << name.toStdString();
            const QByteArray na = fileBytes(folder + QLatin1Char('/') + name + "/n&a.mrk");
            EXPECT_FALSE(na.contains(kHalf.toLatin1())) << name.toStdString() << " holds half";
        }
        // Only whole copies lie in the folder, and the lock file the copies share.
        QStringList expected = made;
        expected << QStringLiteral("tvlbackups.lock");
        expected.sort();
        QStringList there =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        there.sort();
        EXPECT_EQ(there, expected) << "round " << round;
        if (HasFailure())
            return;
    }
    // The writer got its turns between the copies.
    EXPECT_GT(writes, 0);
}

} // namespace
} // namespace tavrel::test
