// The permissions of what the program writes: a replacing file keeps the old
// one's, a copy keeps its source's, new folders and files are the owner's alone.
#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "support/TestEnv.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Backups.h"
#include "upkeep/Compaction.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavrel::test {
namespace {

unsigned modeOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

void setMode(const QString& path, unsigned mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

class Umask {
public:
    explicit Umask(mode_t m) : old_(::umask(m)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

} // namespace

TEST(Permissions, ReplacedFilesKeepTheirModeCopiesTheirSourcesNewOnesAreTheOwners)
{
    const Umask umask(022);
    TestEnv env;
    env.ui.setAutoOk(true);
    env.openFile(people(1, 4));
    Program& p = env.p();
    const QString dir = env.dir();
    auto at = [&](const QString& name) { return dir + QLatin1Char('/') + name; };
    writeBytes(at("tvlmail.abc"),
               QByteArray("Club").leftJustified(46, ' ') + QByteArray(1700, '1') + "\r\n");
    writeBytes(at("tvlmail.xyz"),
               QByteArray("Team").leftJustified(46, ' ') + QByteArray(1700, '0') + "\r\n");
    setMode(env.naPath(), 0600);
    setMode(at("tvlmail.xyz"), 0640);

    BackupIo io;
    Backups backups(*env.files, env.clock, io, backupFolder(p));
    const BackupCopy copy = backups.take(BackupTrigger::Manual);
    const QString copyDir = backups.folder() + QLatin1Char('/') + copy.name;
    // The live files change their modes after the copy; a restore keeps the live ones.
    setMode(env.naPath(), 0640);
    setMode(at("tvlmail.abc"), 0660);
    QFile::remove(at("tvlmail.xyz"));
    env.clock.t = env.clock.t.addSecs(5);
    p.naFile.close();
    backups.restore(copy.name);
    env.open();
    const unsigned naAfterRestore = modeOf(env.naPath());
    const unsigned abcAfterRestore = modeOf(at("tvlmail.abc"));
    const unsigned xyzAfterRestore = modeOf(at("tvlmail.xyz"));

    setMode(env.naPath(), 0604);
    {
        FileReplacement out(*env.files, kNAFileName, kCompactTempName);
        compactNAFile(p, out);
    }
    const unsigned compacted = modeOf(env.naPath());
    clearMailListFlags(p);
    setMember(p, 2, true);
    writeMailList(p, "tvlmail.xyz", "Team");
    writeMailList(p, "tvlmail.new", "New");
    saveBackupSettings(*env.files, BackupSettings{});
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann New\r\nEND:VCARD\r\n";
    runImport(p, planImport(p, readImportBytes(card, "in.vcf"), OverflowChoice::MoveToComments));
    const QString home = dir + "/home/tavrel";
    qputenv("TAVREL_HOME", QFile::encodeName(home));
    resolveProgramDirectory(QString());
    qunsetenv("TAVREL_HOME");
    QFile::remove(env.naPath());
    p.naFile.close();
    env.ui.answer(Ui::Answer::Yes); // establish a new N&A file
    openNAFile(p);

    const struct {
        const char* what;
        unsigned mode;
        unsigned expected;
    } rows[] = {
        {"backup folder", modeOf(backups.folder()), 0700},
        {"copy folder", modeOf(copyDir), 0700},
        {"copied N&A file", modeOf(copyDir + "/n&a.mrk"), 0600},
        {"copied list at 0640", modeOf(copyDir + "/tvlmail.xyz"), 0640},
        {"manifest", modeOf(copyDir + "/manifest.txt"), 0600},
        {"restored N&A file keeps the live mode", naAfterRestore, 0640},
        {"restored list keeps the live mode", abcAfterRestore, 0660},
        {"restored list that was gone takes the copy's", xyzAfterRestore, 0640},
        {"compacted N&A file", compacted, 0604},
        {"rewritten list", modeOf(at("tvlmail.xyz")), 0640},
        {"new list", modeOf(at("tvlmail.new")), 0600},
        {"settings file", modeOf(at("tavrel.cfg")), 0600},
        {"import log", modeOf(at("tvlimport.log")), 0600},
        {"new program directory", modeOf(home), 0700},
        {"its parent made with it", modeOf(dir + "/home"), 0700},
        {"new N&A file", modeOf(env.naPath()), 0600},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.mode, r.expected) << r.what << ": " << std::oct << r.mode;
}

} // namespace tavrel::test
