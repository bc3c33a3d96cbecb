#include "platform/Files.h"
#include "platform/Errors.h"
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
    QDir(tmp.path()).mkdir(QStringLiteral("tvlmail.dir")); // a folder is not a file
    Files files(tmp.path());

    const QStringList lists = files.list(QStringLiteral("tvlmail.*"));
    EXPECT_EQ(lists, (QStringList{QStringLiteral("TVLMAIL.A"), QStringLiteral("tvlmail.a.bak"),
                                  QStringLiteral("tvlmail.bc"), QStringLiteral("Tvlmail.xyz")}));
    EXPECT_EQ(files.list(QStringLiteral("TVLMAIL.?")), QStringList{QStringLiteral("TVLMAIL.A")});
    EXPECT_EQ(files.list(QStringLiteral("N&A.MRK")), QStringList{QStringLiteral("n&a.mrk")});
    EXPECT_EQ(files.list(QStringLiteral("*.*")).size(), 7);
    EXPECT_TRUE(files.list(QStringLiteral("nothing*")).isEmpty());
    // A pattern that is not a valid wildcard lists nothing rather than failing.
    EXPECT_TRUE(files.list(QStringLiteral("[")).isEmpty());

    // A name with a control character in it is never offered.
    writeBytes(tmp.filePath(QStringLiteral("tvlmail.\n")), "x");
    EXPECT_EQ(files.list(QStringLiteral("tvlmail.*")).size(), 4);
    // The spellings of a name on disk, whatever the case it is asked in.
    EXPECT_EQ(files.spellings(QStringLiteral("tvlmail.BC")), QStringList{"tvlmail.bc"});
}

TEST(Files, HostileNamesFailWithBadFileNameAndTouchNothing)
{
    QTemporaryDir outer;
    QDir(outer.path()).mkdir(QStringLiteral("prog"));
    const QString dir = outer.filePath(QStringLiteral("prog"));
    writeBytes(outer.filePath(QStringLiteral("x")), "outside");
    writeBytes(dir + QStringLiteral("/keep"), "inside");
    Files files(dir);

    const char* const hostile[] = {"../x", "a/b",       "",          ".",       "..",
                                   "a\\b", "bad\nname", "tab\there", "del\x7f", "/etc/passwd"};
    QStringList names{QString(300, QLatin1Char('a'))};
    for (const char* name : hostile)
        names << QString::fromLatin1(name);
    const std::function<void(const QString&)> uses[] = {
        [&](const QString& n) { files.path(n); },
        [&](const QString& n) { files.exists(n); },
        [&](const QString& n) { files.remove(n); },
        [&](const QString& n) { files.length(n); },
        [&](const QString& n) { files.readAll(n); },
        [&](const QString& n) { files.rename(QStringLiteral("keep"), n); },
        [&](const QString& n) { files.rename(n, QStringLiteral("new")); },
        [&](const QString& n) { files.replaceFile(n, "evil"); },
        // No temporary name means one of its own.
        [&](const QString& n) {
            files.replaceFile(QStringLiteral("keep"), "evil",
                              n.isEmpty() ? QStringLiteral("..") : n);
        },
    };
    for (const QString& name : names)
        for (const auto& use : uses)
            EXPECT_EQ(errorOf([&] { use(name); }), ErrNo::BadFileName) << name.toStdString();
    EXPECT_EQ(fileBytes(outer.filePath(QStringLiteral("x"))), "outside");
    EXPECT_EQ(fileBytes(dir + QStringLiteral("/keep")), "inside");
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("keep")});
    EXPECT_EQ(entries(outer.path()), (QStringList{QStringLiteral("prog"), QStringLiteral("x")}));
}

TEST(Files, ProbesAndSimpleOperationsReportTheClassicNumbers)
{
    QTemporaryDir tmp;
    Files files(tmp.path());
    writeBytes(tmp.filePath(QStringLiteral("a.txt")), "12345");
    QDir(tmp.path()).mkdir(QStringLiteral("folder"));

    EXPECT_TRUE(files.exists(QStringLiteral("a.txt")));
    EXPECT_FALSE(files.exists(QStringLiteral("A.TXT"))); // names are as the disk has them
    EXPECT_FALSE(files.exists(QStringLiteral("folder")));
    EXPECT_EQ(files.length(QStringLiteral("a.txt")), 5);
    EXPECT_EQ(files.readAll(QStringLiteral("a.txt")), "12345");

    EXPECT_EQ(errorOf([&] { files.length(QStringLiteral("none")); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.length(QStringLiteral("folder")); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.readAll(QStringLiteral("none")); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.remove(QStringLiteral("none")); }), ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.remove(QStringLiteral("folder")); }), ErrNo::PathFileAccess);
    EXPECT_TRUE(QDir(tmp.filePath(QStringLiteral("folder"))).exists());

    // Renaming never replaces a file that is there already.
    writeBytes(tmp.filePath(QStringLiteral("b.txt")), "other");
    EXPECT_EQ(errorOf([&] { files.rename(QStringLiteral("a.txt"), QStringLiteral("b.txt")); }),
              ErrNo::FileAlreadyExists);
    EXPECT_EQ(fileBytes(tmp.filePath(QStringLiteral("a.txt"))), "12345");
    EXPECT_EQ(fileBytes(tmp.filePath(QStringLiteral("b.txt"))), "other");
    EXPECT_EQ(errorOf([&] { files.rename(QStringLiteral("none"), QStringLiteral("c.txt")); }),
              ErrNo::FileNotFound);
    EXPECT_EQ(errorOf([&] { files.rename(QStringLiteral("a.txt"), QStringLiteral("c.txt")); }), 0);
    EXPECT_FALSE(files.exists(QStringLiteral("a.txt")));
    EXPECT_EQ(files.readAll(QStringLiteral("c.txt")), "12345");
    EXPECT_EQ(errorOf([&] { files.remove(QStringLiteral("c.txt")); }), 0);
    EXPECT_FALSE(files.exists(QStringLiteral("c.txt")));

    // A missing program directory: the disk figures fail with a number and the
    // system's own code, which the statistics message shows.
    Files gone(tmp.filePath(QStringLiteral("no/such/dir")));
    try {
        gone.diskFigures();
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.number(), ErrNo::FileNotFound);
        EXPECT_EQ(e.systemError(), ENOENT);
    }
}

TEST(Files, DiskFiguresMultiplyOutToTheFreeSpace)
{
    QTemporaryDir tmp;
    const DiskFigures f = Files(tmp.path()).diskFigures();
    EXPECT_EQ(f.bytesPerSector, 512);
    EXPECT_GE(f.sectorsPerCluster, 1);
    EXPECT_GT(f.totalClusters, 0);
    EXPECT_LE(f.freeClusters, f.totalClusters);
    const qint64 freeBytes = f.freeClusters * f.sectorsPerCluster * f.bytesPerSector;
    const qint64 actual = QStorageInfo(tmp.path()).bytesAvailable();
    // Other processes write meanwhile; the figures must agree to within a few MB.
    EXPECT_NEAR(double(freeBytes), double(actual), 64.0 * 1024 * 1024);
}

TEST(Files, ReplacingAFileLeavesTheOldOrTheNewOneComplete)
{
    QTemporaryDir tmp;
    Files files(tmp.path());
    const QString target = tmp.filePath(QStringLiteral("tvlmail.abc"));
    writeBytes(target, QByteArray(3000, 'o'));

    // With its own temporary name.
    const QByteArray next(5000, 'n');
    files.replaceFile(QStringLiteral("tvlmail.abc"), next, QStringLiteral("Q$Q$Q$Q$.TMP"));
    EXPECT_EQ(fileBytes(target), next);
    EXPECT_EQ(entries(tmp.path()), QStringList{QStringLiteral("tvlmail.abc")});

    // Without one.
    files.replaceFile(QStringLiteral("tvlmail.abc"), "short");
    EXPECT_EQ(fileBytes(target), "short");
    EXPECT_EQ(entries(tmp.path()), QStringList{QStringLiteral("tvlmail.abc")});

    // A new file is made complete too.
    files.replaceFile(QStringLiteral("fresh"), "data", QStringLiteral("Q$Q$Q$Q$.COM"));
    EXPECT_EQ(fileBytes(tmp.filePath(QStringLiteral("fresh"))), "data");

    // A read-only file is refused as a write to it would be, also for a user
    // (root) whom the system would let replace it; nothing is left behind.
    const auto rw = QFile::permissions(target);
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    for (const QString& temp : {QStringLiteral("Q$Q$Q$Q$.TMP"), QString()})
        EXPECT_EQ(errorOf([&] { files.replaceFile(QStringLiteral("tvlmail.abc"), "lost", temp); }),
                  ErrNo::PermissionDenied);
    EXPECT_EQ(fileBytes(target), "short");
    EXPECT_EQ(entries(tmp.path()),
              (QStringList{QStringLiteral("fresh"), QStringLiteral("tvlmail.abc")}));
    ASSERT_TRUE(QFile::setPermissions(target, rw));

    // The temporary file cannot be written (a folder stands in its way): the
    // old file stays as it was, and nothing is left behind.
    QDir(tmp.path()).mkdir(QStringLiteral("Q$Q$Q$Q$.TMP"));
    EXPECT_NE(errorOf([&] {
                  files.replaceFile(QStringLiteral("tvlmail.abc"), "lost",
                                    QStringLiteral("Q$Q$Q$Q$.TMP"));
              }),
              0);
    EXPECT_EQ(fileBytes(target), "short");

    // The rename cannot happen (the target is a folder): the temporary file is
    // removed and the folder is untouched.
    QDir(tmp.path()).mkdir(QStringLiteral("target"));
    writeBytes(tmp.filePath(QStringLiteral("target/inner")), "x");
    EXPECT_NE(errorOf([&] {
                  files.replaceFile(QStringLiteral("target"), "lost",
                                    QStringLiteral("Q$Q$Q$Q$.COM"));
              }),
              0);
    EXPECT_FALSE(QFile::exists(tmp.filePath(QStringLiteral("Q$Q$Q$Q$.COM"))));
    EXPECT_EQ(fileBytes(tmp.filePath(QStringLiteral("target/inner"))), "x");

    // A temporary name equal to the target would destroy the old file first.
    EXPECT_EQ(errorOf([&] {
                  files.replaceFile(QStringLiteral("tvlmail.abc"), "x",
                                    QStringLiteral("tvlmail.abc"));
              }),
              ErrNo::BadFileName);
    EXPECT_EQ(fileBytes(target), "short");
}

TEST(Files, ErrnoValuesMapToTheClassicNumbers)
{
    // Every errno the program maps, and one it does not (EIO).
    const std::pair<int, int> cases[] = {
        {ENOENT, 53}, {EIO, 57},          {ENOSPC, 61},    {EDQUOT, 61}, {EFBIG, 61},
        {EINVAL, 64}, {ENAMETOOLONG, 64}, {EILSEQ, 64},    {EACCES, 70}, {EPERM, 70},
        {EROFS, 70},  {EAGAIN, 70},       {ENODEV, 71},    {ENXIO, 71},  {ENOMEDIUM, 71},
        {EISDIR, 75}, {EBUSY, 75},        {ETXTBSY, 75},   {EXDEV, 75},  {ENOTDIR, 76},
        {ELOOP, 76},  {EEXIST, 58},       {ENOTEMPTY, 58},
    };
    for (const auto& [err, number] : cases)
        EXPECT_EQ(errnoToNumber(err), number) << "errno " << err;
}

TEST(Files, ProgramDirectoryComesFromTheEnvironmentOrTheExecutable)
{
    QTemporaryDir tmp;
    const QByteArray savedHome = qgetenv("TAVREL_HOME");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    const QString exeDir = tmp.filePath(QStringLiteral("exe"));
    QDir().mkpath(exeDir);

    qputenv("TAVREL_HOME", tmp.filePath(QStringLiteral("home")).toLocal8Bit());
    EXPECT_EQ(resolveProgramDirectory(exeDir), tmp.filePath(QStringLiteral("home")));
    EXPECT_TRUE(QDir(tmp.filePath(QStringLiteral("home"))).exists());

    qunsetenv("TAVREL_HOME");
    qputenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("data")).toLocal8Bit());
    EXPECT_EQ(resolveProgramDirectory(exeDir), tmp.filePath(QStringLiteral("data/tavrel")));
    EXPECT_TRUE(QDir(tmp.filePath(QStringLiteral("data/tavrel"))).exists());

    // A portable install: the N&A file already lies beside the program.
    writeBytes(exeDir + QStringLiteral("/n&a.mrk"), "");
    EXPECT_EQ(resolveProgramDirectory(exeDir), exeDir);

    for (const auto& [name, value] :
         {std::pair{"TAVREL_HOME", savedHome}, {"XDG_DATA_HOME", savedData}})
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
}
