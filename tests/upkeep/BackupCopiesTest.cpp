// Which copies rotation keeps, how many records a copy holds, and what the
// program makes of things lying under a copy's name.
#include "BackupFixture.h"
#include "platform/InstanceLock.h"
#include "upkeep/BackupCommandLine.h"
#include "upkeep/BackupCommands.h"

#include <QtEndian>

namespace tavrel::test {
namespace {

BackupCopy copyAt(const QString& name, const QDateTime& when, bool damaged = false)
{
    BackupCopy c;
    c.name = name;
    c.when = when;
    if (damaged)
        c.damage = QStringLiteral("Its File n&a.mrk Is Missing.");
    return c;
}

TEST(BackupRotation, KeepsTheTenNewestThenAWholeCopyADayForTwoWeeksAndAMonthForAYear)
{
    QList<BackupCopy> copies; // newest first
    const QDateTime noon(QDate(2026, 3, 14), QTime(12, 0));
    for (int i = 0; i < 12; ++i)
        copies << copyAt(QStringLiteral("today%1").arg(i), noon.addSecs(-60 * i));
    // A day whose newest copy is damaged keeps its older whole one; a day
    // with only a damaged copy keeps that.
    copies << copyAt("damaged13", QDateTime(QDate(2026, 3, 13), QTime(10, 0)), true)
           << copyAt("whole13", QDateTime(QDate(2026, 3, 13), QTime(9, 0)))
           << copyAt("damaged12", QDateTime(QDate(2026, 3, 12), QTime(9, 0)), true);
    BackupCopy link = copyAt("link", QDateTime(QDate(2026, 3, 11), QTime(9, 0)));
    link.link = true;
    copies << link;
    // The first of each month back to January 2025: with the three days above
    // they make 17 days and 15 months.
    for (int m = 1; m <= 14; ++m) {
        const QDate d = QDate(2026, 3, 1).addMonths(-m);
        copies << copyAt(d.toString("month-yyyy-MM"), QDateTime(d, QTime(9, 0)));
    }
    EXPECT_EQ(copiesToRotateOut(copies),
              QStringList({"today10", "today11", "damaged13", "month-2025-03", "month-2025-02",
                           "month-2025-01"}));

    // Ten or fewer are all kept, however old; links never count among them.
    QList<BackupCopy> few;
    for (int y = 0; y < 10; ++y)
        few << copyAt(QString::number(y), QDateTime(QDate(2020 - y, 1, 1), QTime(9, 0)));
    EXPECT_TRUE(copiesToRotateOut(few).isEmpty());
    link.when = QDateTime(QDate(2000, 1, 1), QTime(9, 0));
    few.prepend(link);
    EXPECT_TRUE(copiesToRotateOut(few).isEmpty());
    // An eleventh, older copy of the oldest day goes: that day keeps its newest.
    few << copyAt("eleventh", QDateTime(QDate(2011, 1, 1), QTime(8, 0)));
    EXPECT_EQ(copiesToRotateOut(few), QStringList{"eleventh"});
}

TEST(BackupJudging, ActiveRecordsAreThoseWhoseMarkAndIdFitTheirPlaceUpToTheHeadersLast)
{
    QByteArray bytes = makeHeader(6).toBytes();
    for (int id = 1; id <= 6; ++id)
        bytes += makeRecord(id, "P").toBytes();
    bytes.replace(3 * NARecord::Size, 4, "FREE");                      // ID 2 deleted
    qToLittleEndian<qint16>(9, bytes.data() + 5 * NARecord::Size + 4); // ID 4 out of place
    EXPECT_EQ(countActiveRecords(bytes), 3) << "IDs 1, 3 and 5";
    // The header's last record bounds the count, and so does the file's end.
    qToLittleEndian<qint16>(4, bytes.data() + 4);
    EXPECT_EQ(countActiveRecords(bytes), 2);
    qToLittleEndian<qint16>(1701, bytes.data() + 4);
    EXPECT_EQ(countActiveRecords(bytes), 4) << "IDs 1, 3, 5 and 6";
    EXPECT_EQ(countActiveRecords(bytes.left(NARecord::Size)), 0);
    EXPECT_EQ(countActiveRecords(bytes.left(NARecord::Size - 1)), 0);
    EXPECT_EQ(countActiveRecords(QByteArray()), 0);

    EXPECT_EQ(copyTimeFromName("tvl-20260314-090507-manual"),
              QDateTime(QDate(2026, 3, 14), QTime(9, 5, 7)));
    EXPECT_EQ(copyTimeFromName("tvl-20260314-090507-2-sync"),
              QDateTime(QDate(2026, 3, 14), QTime(9, 5, 7)));
    for (const char* name :
         {"tvl-20261314-090507-manual", "tvl-20260314-250507-manual", "tvl-20260314-090507-weekly",
          "tvl-20260314-090507-manual.txt", "part-tvl-20260314-090507-manual"})
        EXPECT_EQ(copyTimeFromName(name), std::nullopt) << name;
    EXPECT_EQ(copyTimeFromName("tvl-20260230-090507-manual"), std::nullopt);
}

TEST_F(BackupTest, WhatLiesUnderACopysNameIsShownForWhatItIsAndNeverRestoredOrRemoved)
{
    const BackupCopy real = backups().take(BackupTrigger::Manual);
    EXPECT_EQ(real.active, 6);
    EXPECT_EQ(backups().find(real.name)->active, 6);
    const QString realDir = in(real.name);

    // A link, dated today, to a whole copy.
    const QString linkName = "tvl-20260314-080000-manual";
    ASSERT_TRUE(QFile::link(realDir, in(linkName)));
    // A copy whose name gives no real time, one whose manifest names no N&A
    // file first, and one whose N&A file is not whole records though its
    // header and manifest agree with it.
    const QString badTime = "tvl-20260313-250000-manual";
    const QString noNA = "tvl-20260313-090000-manual";
    const QString odd = "tvl-20260312-090000-manual";
    for (const QString& n : {badTime, noNA, odd}) {
        QDir().mkpath(in(n));
        for (const QString& f : QDir(realDir).entryList(QDir::Files))
            QFile::copy(realDir + "/" + f, in(n + "/" + f));
    }
    QByteArray manifest = fileBytes(in(noNA + "/manifest.txt"));
    const qsizetype na = manifest.indexOf("File ");
    const qsizetype end = manifest.indexOf('\n', na) + 1;
    manifest = manifest.left(na) + manifest.mid(end) + manifest.mid(na, end - na);
    writeBytes(in(noNA + "/manifest.txt"), manifest);
    QByteArray oddBytes = fileBytes(in(odd + "/n&a.mrk"));
    const QByteArray whole = " " + QByteArray::number(oddBytes.size()) + " n&a.mrk";
    oddBytes = oddBytes.left(600);
    oddBytes[4] = 1; // the header's last record in use: 1
    oddBytes[5] = 0;
    writeBytes(in(odd + "/n&a.mrk"), oddBytes);
    writeBytes(in(odd + "/manifest.txt"),
               fileBytes(in(odd + "/manifest.txt")).replace(whole, " 600 n&a.mrk"));

    std::map<QString, QString> damage;
    for (const BackupCopy& c : backups().list())
        damage[c.name] = c.damage;
    EXPECT_EQ(damage,
              (std::map<QString, QString>{{real.name, ""},
                                          {linkName, "It Is A Link To Another Place, Not A Copy."},
                                          {badTime, "Its Name Gives No Valid Date And Time."},
                                          {noNA, "It Holds No N&A File."},
                                          {odd, "Its N&A File's Length, 600 Bytes, Is Not A "
                                                "Whole Number Of 574-Byte Records."}}));
    EXPECT_TRUE(backups().find(linkName)->link);
    EXPECT_FALSE(backups().find(noNA)->link);

    const State live = state();
    Backups b = backups();
    for (const QString& n : {linkName, badTime, odd, noNA}) {
        EXPECT_FALSE(restoreIntoProgram(p, b, n)) << qPrintable(n);
        EXPECT_EQ(state(), live);
    }
    EXPECT_EQ(env.ui.last().text, "The Copy Of 03-13-2026 At 09:00:00 Cannot Be Restored:\n"
                                  "It Holds No N&A File.");

    // The link is dated today, but only a copy counts as today's.
    QDir(realDir).removeRecursively();
    EXPECT_FALSE(backups().hasCopyOfToday());

    // Rotation and tidying never touch the link, and tidying names it.
    env.clock.t = env.clock.t.addDays(400);
    for (int i = 0; i < 12; ++i) {
        env.clock.t = env.clock.t.addSecs(1);
        backups().take(BackupTrigger::Manual);
    }
    backups().rotate();
    EXPECT_EQ(QFileInfo(in(linkName)).symLinkTarget(), realDir);
    const QString gone = ".tvl-gone-" + linkName;
    ASSERT_TRUE(QFile::rename(in(linkName), in(gone)));
    EXPECT_EQ(backups().tidy(), QStringList{gone});
    EXPECT_EQ(QFileInfo(in(gone)).symLinkTarget(), realDir);
}

TEST_F(BackupTest, TheCommandLineSaysWhatItMadeListsEachCopyAndNamesWhatItRefused)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    // Run as `tavrel ARGS` runs it, taking the program's lock; while the program
    // runs, it holds that lock.
    const auto run = [&](const QStringList& args, bool programRunning = false) {
        out.clear();
        err.clear();
        InstanceLock program(env.dir());
        if (programRunning)
            EXPECT_TRUE(program.acquire());
        const int status = runLockedBackupCommandLine(args, *env.files, env.clock, io, o, e);
        o.flush();
        e.flush();
        return status;
    };
    const QString gone = ".tvl-gone-tvl-20250101-000000-daily";
    QDir().mkpath(folder());
    ASSERT_TRUE(QFile::link(env.naPath(), in(gone)));

    EXPECT_EQ(run({"--backup"}), 0);
    const QString first = "tvl-20260314-090507-manual";
    EXPECT_EQ(out, "Backup copy " + first + " made in " + folder() + "\n");
    EXPECT_EQ(err, "tavrel: left alone in " + folder() + ": " + gone + " is a link, not a copy.\n");
    QFile::remove(in(gone));

    env.clock.t = env.clock.t.addSecs(61);
    p.CurRec = deletedRecord(2, "Gone");
    Put_NA_Rec(p, 3);
    EXPECT_EQ(run({"--backup"}), 0);
    const QString second = "tvl-20260314-090608-manual";
    writeBytes(in(second + "/n&a.mrk"), fileBytes(env.naPath()) + "x");
    EXPECT_EQ(run({"--restore"}), 0);
    EXPECT_EQ(out, "Backup copies in " + folder() +
                       ", newest first:\n"
                       "  " +
                       second +
                       "  03-14-2026 09:06:08  5 active records  On Request"
                       "  DAMAGED: Its File n&a.mrk Has Changed Length.\n"
                       "  " +
                       first + "  03-14-2026 09:05:07  6 active records  On Request\n");
    EXPECT_EQ(err, "");

    const State live = state();
    EXPECT_EQ(run({"--restore", second}), 1);
    EXPECT_EQ(err,
              "tavrel: " + second + " cannot be restored: Its File n&a.mrk Has Changed Length.\n");
    EXPECT_EQ(run({"--restore", first}, true), 1);
    EXPECT_EQ(err, "tavrel: Tavrel is running on " + env.dir() +
                       "; close it first, or restore from its File menu (Backups...).\n");
    EXPECT_EQ(state(), live);
    // The list is read while the program runs.
    EXPECT_EQ(run({"--restore"}, true), 0);
    EXPECT_TRUE(out.endsWith("  On Request\n")) << out.toStdString();
    EXPECT_EQ(err, "");
    for (const QStringList& args : {QStringList{"--backup", "x"},
                                    QStringList{"--restore", "a", "b"}, QStringList{"--list"}}) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_EQ(err, "usage: tavrel [--backup | --restore [NAME]]\n");
    }
    EXPECT_EQ(state(), live);

    EXPECT_EQ(run({"--restore", first}), 0);
    EXPECT_TRUE(out.startsWith("Restored " + first + ". The state before it is kept as tvl-"));
    EXPECT_TRUE(out.endsWith("-restore.\n"));
    EXPECT_TRUE(isActive(readRecord(env.naPath(), 3), 2));
}

// The sync state and its cards travel with the N&A file; the journal of a sync
// under way does not, and a restore takes away what the copy does not hold.
TEST_F(BackupTest, TheSyncFilesTravelWithTheCopyAndARestoreTakesAwayWhatItLacks)
{
    const QString without = backups().take(BackupTrigger::Manual).name;
    const QString card = "tvlcard." + QString(64, QLatin1Char('a'));
    const QString other = "tvlcard." + QString(64, QLatin1Char('b'));
    writeBytes(env.dir() + "/tvlsync.dat", "state");
    writeBytes(env.dir() + "/" + card, "card");
    writeBytes(env.dir() + "/tvlsync.jnl", "journal");
    writeBytes(env.dir() + "/tvlcard.notmine", "mine");
    env.clock.t = env.clock.t.addSecs(1);
    const QString with = backups().take(BackupTrigger::Sync).name;
    EXPECT_EQ(
        QDir(in(with)).entryList(QDir::Files),
        QStringList({"manifest.txt", "n&a.mrk", card, "tvlmail.abc", "tvlmail.Q7", "tvlsync.dat"}));

    writeBytes(env.dir() + "/tvlsync.dat", "state 2");
    QFile::remove(env.dir() + "/" + card);
    writeBytes(env.dir() + "/" + other, "other card");
    Backups b = backups();
    ASSERT_TRUE(restoreIntoProgram(p, b, with));
    EXPECT_EQ(fileBytes(env.dir() + "/tvlsync.dat"), "state");
    EXPECT_EQ(fileBytes(env.dir() + "/" + card), "card");
    EXPECT_FALSE(QFile::exists(env.dir() + "/" + other));
    EXPECT_FALSE(QFile::exists(env.dir() + "/tvlsync.jnl"));
    EXPECT_EQ(fileBytes(env.dir() + "/tvlcard.notmine"), "mine");

    Backups again = backups();
    ASSERT_TRUE(restoreIntoProgram(p, again, without));
    EXPECT_FALSE(QFile::exists(env.dir() + "/tvlsync.dat"));
    EXPECT_FALSE(QFile::exists(env.dir() + "/" + card));
    EXPECT_EQ(fileBytes(env.dir() + "/tvlcard.notmine"), "mine");
}

} // namespace
} // namespace tavrel::test
