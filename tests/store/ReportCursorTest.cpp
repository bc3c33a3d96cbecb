#include "store/NameList.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// IDs 1, 2, 4, 6, 7 active; 3 deleted; 5 "CRVN" under another ID. LastRecNo 8,
// and an active ID 8 beyond it that no walk may reach.
Program& writeMixedFile(TestEnv& env)
{
    std::map<int, NARecord> recs;
    for (int id : {1, 2, 4, 6, 7})
        recs[id] = makeRecord(id, QStringLiteral("P%1").arg(id), QStringLiteral("K%1").arg(8 - id));
    recs[3] = deletedRecord(3, "Gone");
    NARecord stray = makeRecord(5, "Stray");
    stray.RecId = 2;
    recs[5] = stray;
    recs[8] = makeRecord(8, "Beyond");
    env.openFile(recs, 8);
    return env.p();
}

// Drives the cursor the way the print run does: after each record the run
// moves on by one ID (unsorted) or one position (sorted).
QList<int> walk(Program& p)
{
    QList<int> ids;
    for (int guard = 0; guard < 100; ++guard) {
        if (nextReportRecord(p))
            return ids;
        EXPECT_TRUE(isActive(p.CurRec, p.CurId)) << "the buffer holds the record";
        ids << p.CurId;
        if (p.Cursor.sorted) {
            if (p.Cursor.WalkPosition >= p.Cursor.WalkLength)
                return ids;
            ++p.Cursor.WalkPosition;
        } else {
            p.CurId = qint16(p.CurId + 1);
            if (p.CurId >= p.LastRecNo)
                return ids;
        }
    }
    ADD_FAILURE() << "the walk does not end";
    return ids;
}

void setFlags(Program& p, std::initializer_list<int> ids)
{
    p.MailListFlags.fill('0');
    for (int id : ids)
        p.MailListFlags[id - 1] = '1';
}

} // namespace

TEST(nextReportRecord, UnsortedFileWalkSkipsFreeRecords)
{
    TestEnv env;
    Program& p = writeMixedFile(env);
    p.CurId = 1;
    EXPECT_EQ(walk(p), (QList<int>{1, 2, 4, 6, 7}));

    // From a later start value, and ending on free records: the cursor itself
    // reports the end and parks the walk at LastRecNo.
    p.CurId = 3;
    EXPECT_EQ(walk(p), (QList<int>{4, 6, 7}));
    NARecord last = makeRecord(7, "P7");
    last.RecStatus = kDeleted;
    p.CurRec = last;
    Put_NA_Rec(p, 8);
    p.CurId = 7;
    EXPECT_TRUE(nextReportRecord(p));
    EXPECT_EQ(p.Cursor.WalkPosition, 8);
    EXPECT_EQ(p.Cursor.WalkLength, 8);
}

TEST(nextReportRecord, UnsortedMailingListVisitsLiveMembersInIdOrder)
{
    TestEnv env;
    Program& p = writeMixedFile(env);
    p.Cursor.fromMailList = true;
    // Members 3 (deleted) and 5 (not active) are passed over; 9 lies beyond LastRecNo.
    setFlags(p, {7, 2, 3, 5, 6, 9});
    EXPECT_EQ(walk(p), (QList<int>{2, 6, 7}));

    // A list whose only member is a deleted record ends on the first call.
    p.Cursor.scanPosition = 1;
    setFlags(p, {3});
    EXPECT_TRUE(nextReportRecord(p));
    EXPECT_EQ(p.Cursor.WalkPosition, p.LastRecNo);
}

TEST(nextReportRecord, SortedWalksFollowTheNameList)
{
    TestEnv env;
    Program& p = writeMixedFile(env);
    buildNameList(p, QLatin1Char('0')); // keys K7, K6, K4, K2, K1 for IDs 1, 2, 4, 6, 7
    for (bool fromMailList : {false, true}) {
        p.Cursor = {};
        p.Cursor.sorted = true;
        p.Cursor.fromMailList = fromMailList;
        p.Cursor.WalkLength = p.SortedCount;
        setFlags(p, {}); // the sorted walk never looks at the flags
        EXPECT_EQ(walk(p), (QList<int>{7, 6, 4, 2, 1})) << fromMailList;
    }
}
