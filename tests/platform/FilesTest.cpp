#include "platform/Files.h"
#include "platform/Errors.h"
#include "platform/RestoreJournal.h"
#include "support/ScopedEnv.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(Files, ListingMatchesThePatternWhateverTheCase)
{
    QTemporaryDir tmp;
    for (const char* name : {"TVLMAIL.A", "tvlmail.bc", "Tvlmail.xyz", "tvlmail", "xtvlmail.a",
                             "n&a.mrk", "tvlmail.a.bak"})
        writeBytes(tmp.filePath(QString::fromLatin1(name)), "x");
    QDir(tmp.path()).mkdir("tvlmail.dir"); // a folder is not a file
    Files files(tmp.path());

    const QStringList lists = files.list("tvlmail.*");
    EXPECT_EQ(lists, (QStringList{"TVLMAIL.A", "tvlmail.a.bak", "tvlmail.bc", "Tvlmail.xyz"}));
    EXPECT_EQ(files.list("TVLMAIL.?"), QStringList{"TVLMAIL.A"});
    EXPECT_EQ(files.list("*.*").size(), 7);
    // A pattern that is not a valid wildcard lists nothing rather than failing.
    EXPECT_TRUE(files.list("[").isEmpty());

    // A name with a control character in it is never offered.
    writeBytes(tmp.filePath("tvlmail.\n"), "x");
    EXPECT_EQ(files.list("tvlmail.*").size(), 4);
    // The spellings of a name on disk, whatever the case it is asked in.
    EXPECT_EQ(files.spellings("tvlmail.BC"), QStringList{"tvlmail.bc"});
}

TEST(Files, HostileNamesFailWithBadFileNameAndTouchNothing)
{
    QTemporaryDir outer;
    QDir(outer.path()).mkdir("prog");
    const QString dir = outer.filePath("prog");
    writeBytes(outer.filePath("x"), "outside");
    writeBytes(dir + "/keep", "inside");
    Files files(dir);

    QStringList names{"../x", "a/b",       "",          ".",       "..",
                      "a\\b", "bad\nname", "tab\there", "del\x7f", "/etc/passwd"};
    names << QString(300, QLatin1Char('a'));
    const std::function<void(const QString&)> uses[] = {
        [&](const QString& n) { files.path(n); },
        [&](const QString& n) { files.exists(n); },
        [&](const QString& n) { files.remove(n); },
        [&](const QString& n) { files.length(n); },
        [&](const QString& n) { files.readAll(n); },
        [&](const QString& n) { files.rename("keep", n); },
        [&](const QString& n) { files.rename(n, "new"); },
        [&](const QString& n) { files.replaceFile(n, "evil"); },
        // No temporary name means one of its own.
        [&](const QString& n) { files.replaceFile("keep", "evil", n.isEmpty() ? ".." : n); },
    };
    for (const QString& name : names)
        for (const auto& use : uses)
            EXPECT_EQ(errorOf([&] { use(name); }), ErrNo::BadFileName) << name.toStdString();
    EXPECT_EQ(fileBytes(outer.filePath("x")), "outside");
    EXPECT_EQ(fileBytes(dir + "/keep"), "inside");
    EXPECT_EQ(entries(dir), QStringList{"keep"});
    EXPECT_EQ(entries(outer.path()), (QStringList{"prog", "x"}));
}

TEST(Files, ProbesAndSimpleOperationsReportTheClassicNumbers)
{
    QTemporaryDir tmp;
    Files files(tmp.path());
    writeBytes(tmp.filePath("a.txt"), "12345");
    QDir(tmp.path()).mkdir("folder");

    EXPECT_TRUE(files.exists("a.txt"));
    EXPECT_FALSE(files.exists("A.TXT")); // names are as the disk has them
    EXPECT_FALSE(files.exists("folder"));
    EXPECT_EQ(files.length("a.txt"), 5);

    EXPECT_EQ(errorOf([&] { files.length("none"); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.length("folder"); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.readAll("none"); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.remove("none"); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.remove("folder"); }), ErrNo::PathFileAccess);
    EXPECT_TRUE(QDir(tmp.filePath("folder")).exists());

    // Renaming never replaces a file that is there already.
    writeBytes(tmp.filePath("b.txt"), "other");
    EXPECT_EQ(errorOf([&] { files.rename("a.txt", "b.txt"); }), ErrNo::FileAlreadyExists);
    EXPECT_EQ(fileBytes(tmp.filePath("b.txt")), "other"); // a.txt is still whole: see c.txt
    EXPECT_EQ(errorOf([&] { files.rename("none", "c.txt"); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.rename("a.txt", "c.txt"); }), 0);
    EXPECT_FALSE(files.exists("a.txt"));
    EXPECT_EQ(files.readAll("c.txt"), "12345");
    EXPECT_EQ(errorOf([&] { files.remove("c.txt"); }), 0);
    EXPECT_FALSE(files.exists("c.txt"));

    // A missing program directory: the disk figures fail with a number and the
    // system's own code, which the statistics message shows.
    Files gone(tmp.filePath("no/such/dir"));
    try {
        gone.diskFigures();
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.number(), ErrNo::FileNotFound);
        EXPECT_EQ(e.systemError(), ENOENT);
    }
    // The figures multiply out to the free space.
    const DiskFigures f = files.diskFigures();
    EXPECT_EQ(f.bytesPerSector, 512);
    EXPECT_GT(f.totalClusters, 0);
    EXPECT_LE(f.freeClusters, f.totalClusters);
    const qint64 freeBytes = f.freeClusters * f.sectorsPerCluster * f.bytesPerSector;
    const qint64 actual = QStorageInfo(tmp.path()).bytesAvailable();
    // Other processes write meanwhile; the figures must agree to within a few MB.
    EXPECT_NEAR(double(freeBytes), double(actual), 64.0 * 1024 * 1024);

    // One errno for each number the program maps to, and one it does not map (EIO).
    const std::pair<int, int> cases[] = {{ENOENT, 53}, {EIO, 57},    {EDQUOT, 61},
                                         {EINVAL, 64}, {EACCES, 70}, {ENODEV, 71},
                                         {EISDIR, 75}, {ELOOP, 76},  {EEXIST, 58}};
    for (const auto& [err, number] : cases)
        EXPECT_EQ(errnoToNumber(err), number) << "errno " << err;
}

TEST(Files, ReplacingAFileLeavesTheOldOrTheNewOneComplete)
{
    QTemporaryDir tmp;
    Files files(tmp.path());
    const QString target = tmp.filePath("tvlmail.abc");
    writeBytes(target, QByteArray(3000, 'o'));

    // With its own temporary name, and without one.
    for (const auto& [data, temp] : {std::pair{QByteArray(5000, 'n'), QString("Q$Q$Q$Q$.TMP")},
                                     {QByteArray("short"), QString()}}) {
        files.replaceFile("tvlmail.abc", data, temp);
        EXPECT_EQ(fileBytes(target), data);
        EXPECT_EQ(entries(tmp.path()), QStringList{"tvlmail.abc"});
    }

    // A new file is made complete too.
    files.replaceFile("fresh", "data", "Q$Q$Q$Q$.COM");
    EXPECT_EQ(fileBytes(tmp.filePath("fresh")), "data");

    // A read-only file is refused as a write to it would be, also for a user
    // (root) whom the system would let replace it; nothing is left behind.
    const auto rw = QFile::permissions(target);
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    for (const QString& temp : {QString("Q$Q$Q$Q$.TMP"), QString()})
        EXPECT_EQ(errorOf([&] { files.replaceFile("tvlmail.abc", "lost", temp); }),
                  ErrNo::PermissionDenied);
    EXPECT_EQ(fileBytes(target), "short");
    EXPECT_EQ(entries(tmp.path()), (QStringList{"fresh", "tvlmail.abc"}));
    ASSERT_TRUE(QFile::setPermissions(target, rw));

    // The temporary file cannot be written (a folder stands in its way): the
    // old file stays as it was, and nothing is left behind.
    QDir(tmp.path()).mkdir("Q$Q$Q$Q$.TMP");
    EXPECT_NE(errorOf([&] { files.replaceFile("tvlmail.abc", "lost", "Q$Q$Q$Q$.TMP"); }), 0);
    EXPECT_EQ(fileBytes(target), "short");

    // The rename cannot happen (the target is a folder): the temporary file is
    // removed and the folder is untouched.
    QDir(tmp.path()).mkdir("target");
    writeBytes(tmp.filePath("target/inner"), "x");
    EXPECT_NE(errorOf([&] { files.replaceFile("target", "lost", "Q$Q$Q$Q$.COM"); }), 0);
    EXPECT_FALSE(QFile::exists(tmp.filePath("Q$Q$Q$Q$.COM")));
    EXPECT_EQ(fileBytes(tmp.filePath("target/inner")), "x");

    // A temporary name equal to the target would destroy the old file first.
    EXPECT_EQ(errorOf([&] { files.replaceFile("tvlmail.abc", "x", "tvlmail.abc"); }),
              ErrNo::BadFileName);
    EXPECT_EQ(fileBytes(target), "short");
}

TEST(Files, ProgramDirectoryComesFromTheEnvironmentOrTheExecutable)
{
    QTemporaryDir tmp;
    ScopedEnv home("TAVREL_HOME");
    ScopedEnv data("XDG_DATA_HOME");
    const QString exeDir = tmp.filePath("exe");
    QDir().mkpath(exeDir);

    home.set(tmp.filePath("home").toLocal8Bit());
    EXPECT_EQ(resolveProgramDirectory(exeDir), tmp.filePath("home"));
    EXPECT_TRUE(QDir(tmp.filePath("home")).exists());

    home.set(QByteArray());
    data.set(tmp.filePath("data").toLocal8Bit());
    EXPECT_EQ(resolveProgramDirectory(exeDir), tmp.filePath("data/tavrel"));
    EXPECT_TRUE(QDir(tmp.filePath("data/tavrel")).exists());

    // A portable install: the N&A file already lies beside the program.
    writeBytes(exeDir + "/n&a.mrk", "");
    EXPECT_EQ(resolveProgramDirectory(exeDir), exeDir);
}

// The journal reads back as written; cut short anywhere, or with a line that
// names a path or is not its own, it is no journal and nothing is done by it.
TEST(RestoreJournal, ReadsBackWhatItWroteAndNothingCutShortOrForeign)
{
    RestoreJournal j;
    j.copyName = "tvl-20260314-090507-manual";
    j.renames = {{".tvlrestore.n&a.mrk", "n&a.mrk"}, {".tvlrestore.tvlmail.a", "tvlmail.a"}};
    j.removals = {"tvlmail.q7"};
    const QByteArray bytes = j.toBytes();
    const std::optional<RestoreJournal> back = RestoreJournal::fromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->copyName, j.copyName);
    EXPECT_EQ(back->renames, j.renames);
    EXPECT_EQ(back->removals, j.removals);
    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(RestoreJournal::fromBytes(bytes.left(n))) << n;
    for (const char* line : {"Remove\t../n&a.mrk", "Rename\ta\tb/c", "Rename\ta", "Move\ta\tb"}) {
        QByteArray bad = bytes;
        bad.replace("Remove\ttvlmail.q7", line);
        EXPECT_FALSE(RestoreJournal::fromBytes(bad)) << line;
    }
}
