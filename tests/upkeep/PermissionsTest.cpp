// The permissions of what the program writes: a replacing file keeps the old
// one's, a copy keeps its source's, new folders and files are the owner's alone.
#include "UpkeepFixture.h"
#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "support/ScopedEnv.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Backups.h"

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
    writeList(dir, "abc", '1');
    writeList(dir, "xyz", '0');
    setMode(env.naPath(), 0600);
    setMode(at("tvlmail.xyz"), 0640);

    // Each mode where the test stands, with the path and the mode found if it differs.
    const auto expectMode = [](const QString& path, unsigned mode) {
        EXPECT_EQ(modeOf(path), mode) << path.toStdString() << ": " << std::oct << modeOf(path);
    };

    BackupIo io;
    Backups backups(*env.files, env.clock, io, backupFolder(p));
    const BackupCopy copy = backups.take(BackupTrigger::Manual);
    const QString copyDir = backups.folder() + QLatin1Char('/') + copy.name;
    expectMode(backups.folder(), 0700);
    expectMode(copyDir, 0700);
    expectMode(copyDir + "/n&a.mrk", 0600);
    expectMode(copyDir + "/tvlmail.xyz", 0640);
    expectMode(copyDir + "/manifest.txt", 0600);
    // The live files change their modes after the copy; a restore keeps the live ones,
    // and a list that was gone takes the copy's.
    setMode(env.naPath(), 0640);
    setMode(at("tvlmail.abc"), 0660);
    QFile::remove(at("tvlmail.xyz"));
    env.clock.t = env.clock.t.addSecs(5);
    p.naFile.close();
    backups.restore(copy.name);
    env.open();
    expectMode(env.naPath(), 0640);
    expectMode(at("tvlmail.abc"), 0660);
    expectMode(at("tvlmail.xyz"), 0640);

    setMode(env.naPath(), 0604);
    {
        FileReplacement out(*env.files, kNAFileName, kCompactTempName);
        compactNAFile(p, out);
    }
    expectMode(env.naPath(), 0604);
    clearMailListFlags(p);
    setMember(p, 2, true);
    writeMailList(p, "tvlmail.xyz", "Team");
    writeMailList(p, "tvlmail.new", "New");
    expectMode(at("tvlmail.xyz"), 0640);
    expectMode(at("tvlmail.new"), 0600);
    saveBackupSettings(*env.files, BackupSettings{});
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann New\r\nEND:VCARD\r\n";
    runImport(p, planImport(p, readImportBytes(card, "in.vcf"), OverflowChoice::MoveToComments));
    expectMode(at("tavrel.cfg"), 0600);
    expectMode(at("tvlimport.log"), 0600);
    // A new program directory and its parent made with it; a new N&A file.
    const QString home = dir + "/home/tavrel";
    ScopedEnv programHome("TAVREL_HOME", QFile::encodeName(home));
    resolveProgramDirectory(QString());
    programHome.restore();
    expectMode(home, 0700);
    expectMode(dir + "/home", 0700);
    QFile::remove(env.naPath());
    p.naFile.close();
    env.ui.answer(Ui::Answer::Yes); // establish a new N&A file
    openNAFile(p);
    expectMode(env.naPath(), 0600);
}

} // namespace tavrel::test
