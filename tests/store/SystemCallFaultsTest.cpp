#include "store/RecordAccess.h"
#include "support/FileFaults.h"
#include "support/TestEnv.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

// A program over a sound file of three records, with every file call of the
// process open to injected faults.
struct SystemCalls : ::testing::Test {
    TestEnv env;
    const QByteArray before = env.openFile(people(1, 3));
    Program& p = env.p();
    FileFaults faults{env.dir()};
};

TEST_F(SystemCalls, ShortAndInterruptedReadsAndWritesStillMoveWholeRecords)
{
    faults.setChunk(100);
    faults.interrupt(1, 1);

    p.CurRec = makeRecord(5, "Eve");
    Put_NA_Rec(p, 6);
    EXPECT_EQ(recordBytes(env.naPath(), 6), makeRecord(5, "Eve").toBytes());
    ASSERT_TRUE(readActive(p, 2));
    EXPECT_EQ(p.CurRec.toBytes(), makeRecord(2, "Person 2").toBytes());
    findLowestFreeId(p); // one block read of several records
    EXPECT_EQ(p.LowestFreeId, 4);

    // A block read that fails once: the records are read one at a time, each once.
    faults.failAt(faults.operations() + 1, EIO);
    QList<int> seen;
    readAscending(p, 2, 4, [&](int recNo) {
        seen << recNo;
        return true;
    });
    EXPECT_EQ(seen, (QList<int>{2, 3, 4}));
}

TEST_F(SystemCalls, FailuresShowTheirOwnErrorNumberAndLeaveTheFileAsItWas)
{
    // A drive that has gone away.
    faults.failEvery(FileOp::Read, ENXIO);
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(Get_NA_Rec(p, 3), ProgramEnded);
    EXPECT_EQ(env.ui.last().text, "Error =  71 In Get_NA_Rec.  Id =  3");

    // An I/O error part-way through a record that extends the file.
    faults.failEvery(FileOp::Read, 0);
    faults.failEvery(FileOp::Write, EIO); // half the record lands first
    p.CurRec = makeRecord(5, "Eve");
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(Put_NA_Rec(p, 6), ProgramEnded);
    EXPECT_EQ(env.ui.last().text, "Err =  57  In Put_NA_Rec.  Id =  6");
    EXPECT_EQ(fileBytes(env.naPath()), before);

    // Over a record the file holds, a disk that fails for good once half of it
    // has landed: the old half goes back as far as it will, and the user is
    // told rather than left waiting on a write that is tried for ever.
    faults.failEvery(FileOp::Write, 0);
    faults.failAt(faults.operations() + 2, EIO, true); // the read of the old record, then the write
    p.CurRec = makeRecord(2, "Zed");
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(Put_NA_Rec(p, 3), ProgramEnded);
    faults.failAt(0, 0);
    EXPECT_EQ(env.ui.last().text, "Err =  57  In Put_NA_Rec.  Id =  3");
    EXPECT_EQ(fileBytes(env.naPath()), before);
}
