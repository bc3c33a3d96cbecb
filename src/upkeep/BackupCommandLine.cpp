#include "upkeep/BackupCommandLine.h"

#include "platform/Errors.h"
#include "platform/InstanceLock.h"
#include "platform/RestoreJournal.h"

#include <QCoreApplication>
#include <algorithm>

namespace tavrel {

namespace {

QString line(const BackupCopy& c)
{
    return c.name + QStringLiteral("  ") + headerDate(c.when) + QLatin1Char(' ') +
           headerTime(c.when) + QStringLiteral("  ") + QString::number(c.active) +
           QCoreApplication::translate("tavrel::BackupCommandLine", " active records  ") +
           triggerText(c.trigger) +
           (c.damaged()
                ? QCoreApplication::translate("tavrel::BackupCommandLine", "  DAMAGED: ") + c.damage
                : QString());
}

// Finishes a restore a crash cut short and says so; false when it could not be.
bool finishInterrupted(const Files& files, QTextStream& out, QTextStream& err)
{
    try {
        if (const std::optional<InterruptedRestore> r = finishInterruptedRestore(files))
            out << interruptedRestoreLine(*r) << Qt::endl;
        return true;
    } catch (const PlatformError& e) {
        err << QCoreApplication::translate(
                   "tavrel::BackupCommandLine",
                   "tavrel: an interrupted restore could not be finished (error ")
            << e.number()
            << QCoreApplication::translate("tavrel::BackupCommandLine", "); nothing was done.")
            << Qt::endl;
        return false;
    }
}

} // namespace

bool isBackupCommandLine(const QStringList& args)
{
    return args.contains(QStringLiteral("--backup")) || args.contains(QStringLiteral("--restore"));
}

int runBackupCommandLine(const QStringList& args, const Files& files, const Clock& clock,
                         BackupIo& io, bool programRunning, QTextStream& out, QTextStream& err)
{
    // A restore cut short by a crash is finished before any file is read.
    if (!programRunning && isBackupCommandLine(args) && !finishInterrupted(files, out, err))
        return 1;
    Backups backups(files, clock, io, backupFolderOf(files, loadBackupSettings(files)));
    if (args == QStringList{QStringLiteral("--backup")}) {
        try {
            const BackupCopy c = backups.take(BackupTrigger::Manual);
            backups.rotate();
            for (const QString& link : backups.tidy())
                err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                                   "tavrel: left alone in ")
                    << backups.folder() << ": " << link
                    << QCoreApplication::translate("tavrel::BackupCommandLine",
                                                   " is a link, not a copy.")
                    << Qt::endl;
            // Only a copy read back whole is reported made.
            if (const QString problem = backups.verify(c.name); !problem.isEmpty()) {
                err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                                   "tavrel: the backup copy ")
                    << c.name
                    << QCoreApplication::translate("tavrel::BackupCommandLine", " is not whole: ")
                    << problem << Qt::endl;
                return 1;
            }
            out << QCoreApplication::translate("tavrel::BackupCommandLine", "Backup copy ")
                << c.name << QCoreApplication::translate("tavrel::BackupCommandLine", " made in ")
                << backups.folder() << Qt::endl;
            return 0;
        } catch (const PlatformError& e) {
            err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                               "tavrel: the backup copy could not be made: ")
                << errorInWords(e.number()).toLower() << " (" << QString::fromLocal8Bit(e.what())
                << ")" << Qt::endl;
            return 1;
        }
    }
    if (args == QStringList{QStringLiteral("--restore")}) {
        const QList<BackupCopy> copies = backups.list();
        out << QCoreApplication::translate("tavrel::BackupCommandLine", "Backup copies in ")
            << backups.folder()
            << QCoreApplication::translate("tavrel::BackupCommandLine", ", newest first:")
            << Qt::endl;
        for (const BackupCopy& c : copies)
            out << "  " << line(c) << Qt::endl;
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("--restore")) {
        if (programRunning) {
            err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                               "tavrel: Tavrel is running on ")
                << files.programDirectory()
                << QCoreApplication::translate(
                       "tavrel::BackupCommandLine",
                       "; close it first, or restore from its File menu (Backups...).")
                << Qt::endl;
            return 1;
        }
        try {
            const BackupCopy safety = backups.restore(args[1]);
            out << QCoreApplication::translate("tavrel::BackupCommandLine", "Restored ") << args[1]
                << QCoreApplication::translate("tavrel::BackupCommandLine",
                                               ". The state before it is kept as ")
                << safety.name << "." << Qt::endl;
            return 0;
        } catch (const BackupRefused& e) {
            err << QCoreApplication::translate("tavrel::BackupCommandLine", "tavrel: ") << args[1]
                << QCoreApplication::translate("tavrel::BackupCommandLine", " cannot be restored: ")
                << e.reason() << Qt::endl;
        } catch (const RestoreUnfinished& e) {
            err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                               "tavrel: the restore failed with error ")
                << e.number() << ": " << errorInWords(e.number()).toLower()
                << QCoreApplication::translate(
                       "tavrel::BackupCommandLine",
                       " Undoing it failed too: the N&A file and the mailing lists are put "
                       "right by the next start of Tavrel, which says how.")
                << Qt::endl;
        } catch (const PlatformError& e) {
            err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                               "tavrel: the restore failed with error ")
                << e.number() << ": " << errorInWords(e.number()).toLower()
                << QCoreApplication::translate(
                       "tavrel::BackupCommandLine",
                       " The N&A file and the mailing lists are as they were.")
                << Qt::endl;
        }
        return 1;
    }
    err << QCoreApplication::translate("tavrel::BackupCommandLine",
                                       "usage: tavrel [--backup | --restore [NAME]]")
        << Qt::endl;
    return 2;
}

namespace {

constexpr int kWriterWaitMs = 10000;

void sayProgramRunning(const Files& files, QTextStream& err)
{
    err << QCoreApplication::translate("tavrel::BackupCommandLine", "tavrel: Tavrel is running on ")
        << files.programDirectory()
        << QCoreApplication::translate(
               "tavrel::BackupCommandLine",
               " and may be changing its files; no copy was made. Make it from its File menu "
               "(Backups...), or close it first.")
        << Qt::endl;
}

// A copy shares the lock with other copies. Whoever finds it free takes it
// alone first, to finish a restore a crash cut short, so no copy is ever
// taken of files half restored.
int runBackupCopy(const QStringList& args, const Files& files, const Clock& clock, BackupIo& io,
                  QTextStream& out, QTextStream& err)
{
    InstanceLock lock(files.programDirectory());
    const InstanceCheck c = lock.check(0);
    // Where no lock can be made, no run that changes the files can start either.
    if (c.lockProblem.isEmpty() && !c.anotherCopy) {
        if (!finishInterrupted(files, out, err))
            return 1;
        if (!lock.share(kWriterWaitMs)) {
            sayProgramRunning(files, err);
            return 1;
        }
    } else if (c.lockProblem.isEmpty() && !lock.acquireShared(kWriterWaitMs)) {
        sayProgramRunning(files, err);
        return 1;
    }
    return runBackupCommandLine(args, files, clock, io, true, out, err);
}

} // namespace

int runLockedBackupCommandLine(const QStringList& args, const Files& files, const Clock& clock,
                               BackupIo& io, QTextStream& out, QTextStream& err)
{
    if (args == QStringList{QStringLiteral("--backup")})
        return runBackupCopy(args, files, clock, io, out, err);
    InstanceLock lock(files.programDirectory());
    const InstanceCheck c = lock.check();
    if (c.backupRunning && args.size() == 2) {
        err << QCoreApplication::translate(
                   "tavrel::BackupCommandLine",
                   "tavrel: a backup copy is being made; try the restore again in a moment.")
            << Qt::endl;
        return 1;
    }
    return runBackupCommandLine(args, files, clock, io, c.anotherCopy, out, err);
}

int backupCommandLineMain(int argc, char** argv, const QStringList& args)
{
    // The words are the launcher's to read: Qt gets the program's name alone.
    argc = std::min(argc, 1);
    QCoreApplication app(argc, argv);
    Files files(resolveProgramDirectory(QCoreApplication::applicationDirPath()));
    SystemClock clock;
    BackupIo io;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runLockedBackupCommandLine(args, files, clock, io, out, err);
}

} // namespace tavrel
