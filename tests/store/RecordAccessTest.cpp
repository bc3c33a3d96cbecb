#include "store/RecordAccess.h"
#include "platform/Errors.h"
#include "store/Undo.h"
#include "support/FailingDevice.h"
#include "support/TestEnv.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// A program whose N&A file is an in-memory device holding `records`.
FailingDevice& attachDevice(TestEnv& env, const std::map<int, NARecord>& records, int lastRecNo,
                            qint64 unreadableFrom = -1)
{
    writeNAFile(env.naPath(), records, lastRecNo);
    auto device = std::make_unique<FailingDevice>(fileBytes(env.naPath()), unreadableFrom);
    FailingDevice& d = *device;
    env.p().naFile.attach(std::move(device));
    env.p().LastRecNo = qint16(lastRecNo);
    return d;
}

} // namespace

TEST(findLowestFreeId, FirstIdThatIsNotActiveOrTheOneAboveTheHighest)
{
    const auto A = [](int id) { return makeRecord(id, QStringLiteral("P%1").arg(id)); };
    NARecord wrongId = A(2);
    wrongId.RecId = 7;
    NARecord oldSlot = A(2); // a record moved away keeps "CRVN" with RecId 0
    oldSlot.RecId = 0;
    for (const auto& [what, records, lastRecNo, expected] :
         {std::tuple{"ID 3 deleted",
                     std::map<int, NARecord>{
                         {1, A(1)}, {2, A(2)}, {3, deletedRecord(3, "Gone")}, {4, A(4)}},
                     5, 3},
          {"all active", {{1, A(1)}, {2, A(2)}, {3, A(3)}, {4, A(4)}}, 5, 5},
          {"CRVN with another ID", {{1, A(1)}, {2, wrongId}, {3, A(3)}}, 4, 2},
          {"never-written gap", {{1, A(1)}, {3, A(3)}}, 4, 2},
          {"free records above LastRecNo are not looked at", {{1, A(1)}, {2, A(2)}}, 2, 2},
          {"the one record below LastRecNo is free", {{1, oldSlot}}, 2, 1},
          {"an empty file, where nothing is read", {}, 1, 1}}) {
        TestEnv env;
        // Any read of the empty file fails.
        const FailingDevice& d = attachDevice(env, records, lastRecNo, records.empty() ? 0 : -1);
        findLowestFreeId(env.p());
        EXPECT_EQ(env.p().LowestFreeId, expected) << what;
        EXPECT_TRUE(!records.empty() || d.readCalls == 0);
    }
}

TEST(RecordAccess, WritesExtendTheFileAndGapsReadAsFree)
{
    TestEnv env;
    env.openFile({{1, makeRecord(1, "A")}});
    Program& p = env.p();
    p.CurRec = makeRecord(5, "Eve");
    Put_NA_Rec(p, 6);
    EXPECT_EQ(fileBytes(env.naPath()).size(), 6 * 574);
    EXPECT_EQ(recordBytes(env.naPath(), 4), QByteArray(574, '\0'));
    EXPECT_EQ(recordBytes(env.naPath(), 6), makeRecord(5, "Eve").toBytes());
    EXPECT_FALSE(readActive(p, 3));

    // Past the end of the file a record reads as zero bytes, not as an error,
    // even with an EINTR left in errno by an earlier call that was retried.
    errno = EINTR;
    Get_NA_Rec(p, 40);
    EXPECT_EQ(p.CurRec.RecId, 0);
    EXPECT_TRUE(env.ui.messages.empty());

    // Cutting the file back (as undoing an add does) never lengthens it.
    for (qint64 length : {6 * 574 + 10, 4 * 574}) {
        EXPECT_EQ(errorOf([&] { p.naFile.truncate(length); }), 0);
        EXPECT_EQ(fileBytes(env.naPath()).size(), qMin(length, 6 * 574));
    }
}

TEST(RecordAccess, NothingOutsideRecordsOneTo1701IsTouched)
{
    TestEnv env;
    const QByteArray before = env.openFile({{1, makeRecord(1, "A")}});
    Program& p = env.p();
    for (int recNo : {0, 1702}) {
        env.ui.answer(Ui::Answer::Ok);
        EXPECT_THROW(Put_NA_Rec(p, recNo), ProgramEnded) << recNo;
        EXPECT_TRUE(env.ui.last().text.startsWith("Err =  63 ")) << recNo;
        env.ui.answer(Ui::Answer::Ok);
        EXPECT_THROW(Get_NA_Rec(p, recNo), ProgramEnded) << recNo;
        EXPECT_TRUE(env.ui.last().text.startsWith("Error =  63 ")) << recNo;
    }
    // Nor may a block run past record 1701, or a record be written short.
    EXPECT_EQ(errorOf([&] { p.naFile.readBlock(1700, 3); }), 63);
    EXPECT_EQ(errorOf([&] { p.naFile.write(2, "short"); }), ErrNo::DeviceIo);
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_FALSE(readActive(p, 0));
    EXPECT_FALSE(readActive(p, 1701));
    // Record 1701, the slot of ID 1700, is the last one that may be written,
    // and a file filled up to it opens without a word.
    p.CurRec = makeRecord(1700, "Last");
    Put_NA_Rec(p, 1701);
    noteStoredId(p, 1700);
    EXPECT_EQ(fileBytes(env.naPath()).size(), 1701 * 574);
    EXPECT_TRUE(readActive(p, 1700));
    const size_t shown = env.ui.messages.size();
    p.naFile.close();
    openNAFile(p);
    EXPECT_EQ(env.ui.messages.size(), shown);
    EXPECT_EQ(p.LastRecNo, 1701);
}

TEST(RecordAccess, LastRecNoFollowsTheHighestActiveRecord)
{
    TestEnv env;
    env.openFile({{1, makeRecord(1, "A")}, {2, makeRecord(2, "B")}, {4, makeRecord(4, "D")}});
    Program& p = env.p();

    // Storing at or below the highest ID leaves the header alone.
    const QByteArray header = recordBytes(env.naPath(), 1);
    noteStoredId(p, 4);
    EXPECT_EQ(recordBytes(env.naPath(), 1), header);

    // Storing ID 9 raises it to 10 and rewrites the header.
    p.CurRec = makeRecord(9, "I");
    Put_NA_Rec(p, 10);
    noteStoredId(p, 9);
    EXPECT_EQ(readRecord(env.naPath(), 1).RecId, 10);

    // Deleting ID 9 walks down to ID 4 (record 5), skipping the gap.
    p.CurRec = deletedRecord(9, "Gone");
    Put_NA_Rec(p, 10);
    lowerLastRecNo(p, 10);
    EXPECT_EQ(readRecord(env.naPath(), 1).RecId, 5);

    // Deleting everything leaves LastRecNo 1.
    for (int id : {1, 2, 4}) {
        p.CurRec = deletedRecord(id, "Gone");
        Put_NA_Rec(p, id + 1);
    }
    lowerLastRecNo(p, 5);
    EXPECT_EQ(readRecord(env.naPath(), 1).RecId, 1);
}

TEST(RecordAccess, ScansReadEveryRecordInOrderAcrossBlocks)
{
    const auto recs = people(1, 150, "P%1");
    TestEnv whole;
    attachDevice(whole, recs, 151);
    QList<int> seen;
    readAscending(whole.p(), 2, 151, [&](int recNo) {
        EXPECT_EQ(whole.p().CurRec.RecId, recNo - 1);
        seen << recNo;
        return recNo < 100; // stops when told
    });
    EXPECT_EQ(seen.size(), 99);
    EXPECT_EQ(seen.back(), 100);

    // The first free ID lies in the third block.
    TestEnv gap;
    std::map<int, NARecord> gapped = recs;
    gapped.erase(140);
    attachDevice(gap, gapped, 151);
    findLowestFreeId(gap.p());
    EXPECT_EQ(gap.p().LowestFreeId, 140);

    // A bad spot in the third block: the message names record 141, the
    // buffer keeps the last record read, and nothing is written.
    TestEnv env;
    FailingDevice& d = attachDevice(env, recs, 151, 140 * 574 + 10);
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(findLowestFreeId(env.p()), ProgramEnded);
    EXPECT_EQ(env.ui.texts(), QStringList{"Error =  57 In Get_NA_Rec.  Id =  141"});
    EXPECT_EQ(env.p().CurRec.RecId, 139);
    EXPECT_EQ(d.writeCalls, 0);
}

TEST(Undo, ARecordWrittenTwiceInOneStepGoesBackToItsFirstBytes)
{
    TestEnv env;
    const QByteArray before = env.openFile(people(1, 3));
    Program& p = env.p();
    {
        UndoScope step(p, UndoKind::Change, 2);
        for (const char* name : {"First", "Second"}) {
            p.CurRec = makeRecord(2, name);
            Put_NA_Rec(p, 3);
        }
        step.commit(2);
    }
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_EQ(undoLastStep(p), UndoOutcome::Undone);
    EXPECT_EQ(fileBytes(env.naPath()), before);
}
