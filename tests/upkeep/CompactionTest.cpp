#include "UpkeepFixture.h"
#include "support/FileFaults.h"

#include <tuple>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// The record with these links (each slot's text naming the slot) and back link.
NARecord linked(NARecord r, std::initializer_list<qint16> links, qint16 backLink = 0)
{
    int i = 1;
    for (qint16 id : links) {
        r.linkId(i) = id;
        r.linkText(i) = QStringLiteral("Link %1").arg(i);
        ++i;
    }
    r.BackLinkId = backLink;
    return r;
}

// The record as compaction leaves it: its new ID and its renumbered links.
NARecord moved(const NARecord& r, qint16 newId, std::initializer_list<qint16> links,
               qint16 backLink = 0)
{
    NARecord m = linked(r, links, backLink);
    m.RecId = newId;
    return m;
}

} // namespace

// IDs 1, 2, 4, 5 active, 3 deleted: 4 and 5 move down, links follow them, a
// link to the deleted 3 keeps its number, and the note names 2.
TEST_F(UpkeepTest, CompactionPacksActiveRecordsAndRenumbersLinks)
{
    std::map<int, NARecord> r;
    r[1] = linked(makeRecord(1, "Ann"), {5, 0, 2});
    r[2] = linked(makeRecord(2, "Bob"), {4}, 5);
    r[3] = deletedRecord(3, "Cy");
    r[4] = linked(makeRecord(4, "Di"), {3, 1}, 2);
    r[5] = linked(makeRecord(5, "Ed"), {4, 5}, 3);
    writeAndOpen(r, 6);
    p.MailListFlags.fill('0');
    writeBytes(env.dir() + "/tvlmail.abc", "5 4 3");

    const CompactionResult result = compact();
    const QByteArray expected = fileOf(5, {moved(r[1], 1, {4, 0, 2}), moved(r[2], 2, {3}, 4),
                                           moved(r[4], 3, {3, 1}, 2), moved(r[5], 4, {3, 4}, 3)});
    EXPECT_EQ(file(), expected);
    // The next added record is offered the ID just above the highest.
    EXPECT_EQ(p.LowestFreeId, 5);
    expectProgramUses(p, expected);
    // Mailing lists are left alone; no temporary file is left behind.
    EXPECT_EQ(fileBytes(env.dir() + "/tvlmail.abc"), "5 4 3");
    EXPECT_EQ(entries(), (QStringList{"n&a.mrk", "tvlmail.abc"}));
    EXPECT_EQ(compactionReport(result),
              QStringLiteral("Compaction Complete.  The N&A File Now Has  4 Active Records.\n\n"
                             "Remember To Do Periodic Backups Of This File.\n\n"
                             "Note: ID Numbers Above  2 Have Changed Due To Compaction.  Affected "
                             "Reports Should Be Reprinted. Mailing Lists May Need To Be "
                             "Regenerated."));

    // What the program writes next goes to the compacted file.
    p.CurRec = makeRecord(5, "Fay");
    Put_NA_Rec(p, 6);
    EXPECT_EQ(recordBytes(env.naPath(), 6), p.CurRec.toBytes());
}

TEST_F(UpkeepTest, CompactionOfTrailingAndNoActiveRecordsAndOverWhatLiesUnderItsTemporaryName)
{
    // Only trailing records deleted, and records beyond LastRecNo: nothing
    // moves, no note, and the file shrinks to the records in use.
    std::map<int, NARecord> r = people(1, 3);
    r[4] = deletedRecord(4, "Gone");
    r[5] = deletedRecord(5, "Gone too");
    r[7] = makeRecord(7, "Beyond LastRecNo");
    writeAndOpen(r, 4);
    CompactionResult result = compact();
    EXPECT_EQ(result.active, 3);
    EXPECT_EQ(file(), fileOf(4, {r[1], r[2], r[3]}));
    EXPECT_TRUE(
        compactionReport(result).endsWith("Remember To Do Periodic Backups Of This File.\n\n"));

    // No active record: a header-only file, the count 0, the next ID 1.
    r = {{1, deletedRecord(1, "A")}, {2, deletedRecord(2, "B")}};
    writeAndOpen(r, 1);
    result = compact();
    EXPECT_EQ(file(), fileOf(1, {}));
    EXPECT_EQ(p.LastRecNo, 1);
    EXPECT_EQ(p.LowestFreeId, 1);
    EXPECT_TRUE(compactionReport(result).contains("Now Has  0 Active Records."));

    // A stale file of that name is never trusted, but replaced. (A link planted
    // there: the fault tests plant links at every name the program writes.)
    r = people(1, 4);
    r.erase(2);
    writeAndOpen(r);
    const QString temp = env.dir() + "/" + kCompactTempName;
    writeBytes(temp, QByteArray(5 * NARecord::Size, 'x'));
    compact();
    EXPECT_EQ(file(), fileOf(4, {r[1], moved(r[3], 2, {}), moved(r[4], 3, {})}));
}

// A link to no possible ID, or a record that cannot be read, stops the
// compaction with its number and r; the old file stays as it was and open.
TEST_F(UpkeepTest, CompactionFailureLeavesTheOldFileOpenAndNoTemporaryFile)
{
    std::map<int, NARecord> r = people(1, 5);
    r.erase(2);
    r[4] = linked(r[4], {1701});
    writeAndOpen(r);
    try {
        compact();
        ADD_FAILURE() << "no error";
    } catch (const CompactionError& e) {
        // Old ID 4, to become ID 3.
        EXPECT_EQ(compactionErrorText(e),
                  QStringLiteral("Error =  9 In CompactForm. r =  4.  Notify Programmer.\n\nA "
                                 "QuickLink In The N&A File Names An ID Outside 1 To 1700.  The "
                                 "N&A File Is Unchanged."));
    }
    // The file errors say what failed, and that the file is unchanged only where it is.
    const std::tuple<int, bool, const char*> causes[] = {
        {ErrNo::DiskFull, true, "The Disk Is Full.  The N&A File Is Unchanged."},
        {ErrNo::PermissionDenied, true,
         "Writing Was Refused: The Folder Or File Is Read-Only Or Belongs To Another User.  The "
         "N&A File Is Unchanged."},
        {ErrNo::DeviceIo, false, "The Disk Reported A Read Or Write Error."},
    };
    for (const auto& [number, unchanged, cause] : causes)
        EXPECT_EQ(compactionErrorText(CompactionError(number, 7, unchanged)),
                  "Error = " + QString::number(number).prepend(' ') +
                      " In CompactForm. r =  7.  Notify Programmer.\n\n" + QLatin1String(cause));
    EXPECT_EQ(file(), before);
    expectProgramUses(p, before);
    EXPECT_EQ(entries(), QStringList{"n&a.mrk"});

    // A bad spot in record 4 of the N&A file.
    r[4] = makeRecord(4, "Person 4");
    writeAndOpen(r);
    auto* device = new FailingDevice(before, 3 * NARecord::Size + 10);
    p.naFile.attach(std::unique_ptr<QIODevice>(device));
    try {
        compact();
        ADD_FAILURE() << "no error";
    } catch (const CompactionError& e) {
        EXPECT_EQ(e.number(), ErrNo::DeviceIo);
        EXPECT_EQ(e.r(), 3); // 1 copied as 1, 2 skipped, 3 next
    }
    EXPECT_EQ(device->writeCalls, 0);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(entries(), QStringList{"n&a.mrk"});

    // A disk that cannot make the new file durable: r is past the last record,
    // as the header is written last.
    writeAndOpen(r);
    {
        FileFaults disk(env.dir());
        disk.failEvery(FileOp::Flush, EIO);
        try {
            compact();
            ADD_FAILURE() << "no error";
        } catch (const CompactionError& e) {
            EXPECT_EQ(e.r(), 6); // records 1, 3, 4 and 5 became IDs 1 to 4, records 2 to 5
            EXPECT_TRUE(e.naFileUnchanged());
        }
    }
    EXPECT_EQ(file(), before);
    EXPECT_EQ(entries(), QStringList{"n&a.mrk"});
}

// The free space that compaction and the statistics read: 64-bit figures,
// a failing call shown with the system's code. (A directory of no known disk:
// the compaction windows' test of a failure.)
TEST_F(UpkeepTest, FreeSpaceOfTheProgramDirectory)
{
    DiskFigures vast{64, 4096, 50'000'000};
    env.files->diskFiguresHook = [&] { return vast; };
    EXPECT_EQ(freeDiskBytes(p), qint64(64) * 4096 * 50'000'000);
    vast.freeClusters = std::numeric_limits<qint64>::max() / 2;
    EXPECT_EQ(freeDiskBytes(p), std::numeric_limits<qint64>::max());

    // A folder not made yet is judged by the nearest one that is; under 1 KB free is 0 KBytes.
    EXPECT_TRUE(onProgramDisk(p, env.dir() + "/not/made/yet"));
    EXPECT_FALSE(onProgramDisk(p, "/proc/not/made"));
    EXPECT_FALSE(onProgramDisk(p, "/proc"));
    EXPECT_TRUE(spaceRefusalText(1023, 4018, 0)
                    .startsWith("Space Available On Your Hard Drive:  0 KBytes."));

    env.files->diskFiguresHook = []() -> DiskFigures {
        throw PlatformError(ErrNo::DeviceIo, QString(), EIO);
    };
    env.ui.setAutoOk(true);
    EXPECT_EQ(freeDiskBytes(p), 0);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text, "GetDiskFreeSpace Function Failed. Last Error =  5");
    EXPECT_EQ(env.ui.last().title, kDefaultTitle);

    // The real call on the real directory gives a figure.
    Files real(env.dir());
    Program r(env.services(env.printer, &real));
    EXPECT_GT(freeDiskBytes(r).value_or(0), 0);
}
