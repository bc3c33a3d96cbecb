// Links planted at every name the program writes, removes, renames, reads or
// locks, in the program directory and in the backup folder: whatever each
// command does, nothing outside is changed, and links named like copies stay.
#include "FileStates.h"
#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "platform/InstanceLock.h"
#include "platform/RestoreJournal.h"
#include "shell/Startup.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Compaction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel::test {
namespace {

// Every entry under a folder: bytes and permissions of files, targets of links.
std::map<QString, QString> snapshot(const QString& root)
{
    std::map<QString, QString> out;
    for (const QFileInfo& i : QDir(root).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot)) {
        struct stat st {};
        ::lstat(QFile::encodeName(i.filePath()).constData(), &st);
        QString& entry = out[i.fileName()] = QString::number(st.st_mode, 8);
        if (i.isSymLink())
            entry += QStringLiteral(" link ") + i.symLinkTarget();
        else if (i.isDir())
            for (const auto& [k, v] : snapshot(i.filePath()))
                out[i.fileName() + QLatin1Char('/') + k] = v;
        else
            entry += QLatin1Char(' ') + QString::fromLatin1(fileBytes(i.filePath()).toHex());
    }
    return out;
}

const char* const kOldCopy = "tvl-20260301-080000-manual";

struct Command {
    const char* name;
    void (*run)(TestEnv& env);
};

void restoreCopy(TestEnv& env, const QString& name)
{
    env.p().naFile.close();
    backupCommandLine(env, {QStringLiteral("--restore"), name});
    env.open();
}

const Command kCommands[] = {
    {"backup", [](TestEnv& env) { backupCommandLine(env, {QStringLiteral("--backup")}); }},
    {"restore", [](TestEnv& env) { restoreCopy(env, QLatin1String(kOldCopy)); }},
    {"restore of a linked name",
     [](TestEnv& env) { restoreCopy(env, QStringLiteral("tvl-20000101-000000-daily")); }},
    {"backup window list",
     [](TestEnv& env) {
         BackupIo io;
         Backups(*env.files, env.clock, io, backupFolder(env.p())).list();
     }},
    {"compaction",
     [](TestEnv& env) {
         FileReplacement out(*env.files, kNAFileName, kCompactTempName);
         compactNAFile(env.p(), out);
     }},
    {"import",
     [](TestEnv& env) {
         // A name in another alphabet: the import keeps its spelling beside the file.
         const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Анна Новая\r\n"
                                 "CATEGORIES:Club\r\nEND:VCARD\r\n";
         runImport(env.p(), planImport(env.p(), readImportBytes(card, QStringLiteral("in.vcf")),
                                       OverflowChoice::MoveToComments));
     }},
    {"list rewrite",
     [](TestEnv& env) {
         clearMailListFlags(env.p());
         setMember(env.p(), 3, true);
         writeMailList(env.p(), QStringLiteral("tvlmail.abc"), QStringLiteral("Club"));
     }},
    {"preference save",
     [](TestEnv& env) {
         saveBackupSettings(*env.files, BackupSettings{QString(), true});
     }},
    {"start-up",
     [](TestEnv& env) {
         InstanceLock lock(env.dir());
         EXPECT_TRUE(lock.acquire());
         finishInterruptedRestore(*env.files);
         removeStaleTemporaries(*env.files);
         tidyBackups(env.p());
     }},
};

// Names in the program directory; "backups/..." in the backup folder.
const char* const kNames[] = {
    "tavrel.cfg",
    "tvlspell.dat",
    ".tvlsave.tvlspell.dat",
    ".tvlrestore.tvlspell.dat",
    "tavrel.lock",
    "Q$Q$Q$Q$.COM",
    "Q$Q$Q$Q$.TMP",
    "tvlimport.tmp",
    "tvlimport.log",
    ".tvlsave.tavrel.cfg",
    ".tvlrestore.n&a.mrk",
    ".tvlrestore.tvlmail.abc",
    ".tvlrestore-journal",
    "tvlmail.zzz",
    "backups/tvl-20000101-000000-daily",
    "backups/tvl-20260314-090507-manual",
    "backups/.tvl-gone-tvl-20000101-000000-daily",
    "backups/.tvl-gone-tvl-20260301-080000-manual",
    "backups/.tvl-part-tvl-20260314-090507-manual",
    "backups/.tvl-part-tvl-20000101-000000-daily",
    "backups/tvl-20260301-080000-manual/manifest.txt",
    "backups/tvl-20260301-080000-manual/tvlmail.abc",
};

TEST(HostileFolders, NoCommandReachesOutsideThroughALink)
{
    for (const char* name : kNames) {
        for (const bool toFolder : {false, true}) {
            TestEnv env;
            env.ui.setAutoOk(true);
            env.openFile(people(1, 4));
            writeBytes(env.dir() + QStringLiteral("/tvlmail.abc"),
                       listBytes(QStringLiteral("Club"), {1, 2}));
            armAutomaticCopies(env.p());
            // One real copy to restore, taken before the link is planted.
            FixedClock then;
            then.t = QDateTime(QDate(2026, 3, 1), QTime(8, 0, 0));
            BackupIo io;
            Backups(*env.files, then, io, backupFolder(env.p())).take(BackupTrigger::Manual);
            // Two copies a month in 2024, more days and months than rotation keeps
            // (linked, not copied: the disk has nothing to write for them).
            const QString folder = backupFolder(env.p());
            const QString source = folder + QLatin1Char('/') + QLatin1String(kOldCopy);
            for (int day = 101; day <= 1215; day += day % 100 == 1 ? 14 : 86) {
                const QString copy =
                    folder +
                    QStringLiteral("/tvl-2024%1-080000-daily").arg(day, 4, 10, QLatin1Char('0'));
                QDir().mkdir(copy);
                for (const QString& f : QDir(source).entryList(QDir::Files))
                    ::link(QFile::encodeName(source + QLatin1Char('/') + f).constData(),
                           QFile::encodeName(copy + QLatin1Char('/') + f).constData());
            }
            // Outside: what a link would lead to, with files of the names the program uses.
            QTemporaryDir outside;
            for (const char* f : {"n&a.mrk", "tvlmail.abc", "manifest.txt", "tavrel.cfg", "keep"}) {
                const QString path = outside.filePath(QLatin1String(f));
                writeBytes(path, QByteArray("outside ") + f);
                QFile::setPermissions(path,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
            }
            const auto before = snapshot(outside.path());
            const QString at = env.dir() + QLatin1Char('/') + QLatin1String(name);
            const QString target =
                toFolder ? outside.path() : outside.filePath(QStringLiteral("keep"));
            QDir().mkpath(QFileInfo(at).path());
            QFile::remove(at);
            ASSERT_TRUE(QFile::link(target, at)) << name;
            // A copy's name (or a copy's leftover) in the backup folder, not a file in a copy.
            const bool copyName = QString::fromLatin1(name).count(u'/') == 1;

            for (const Command& c : kCommands) {
                c.run(env);
                EXPECT_EQ(snapshot(outside.path()), before)
                    << "link " << name << (toFolder ? " to a folder" : " to a file") << ", after "
                    << c.name;
                if (copyName) {
                    EXPECT_EQ(QFileInfo(at).symLinkTarget(), target)
                        << "the link " << name << " was not left alone by " << c.name;
                }
            }
            // The backup's rotation had old copies to throw out, and did.
            EXPECT_LT(QDir(folder).entryList({QStringLiteral("tvl-2024*")}, QDir::Dirs).size(), 24)
                << name;
        }
    }
}

} // namespace
} // namespace tavrel::test
