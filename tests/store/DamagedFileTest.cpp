#include "store/NameList.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// IDs 1, 2, 3 active, header RecId 4: a sound file of four records.
void writeSoundFile(const QString& path)
{
    writeNAFile(path, {{1, makeRecord(1, QStringLiteral("A"), QStringLiteral("C"))},
                       {2, makeRecord(2, QStringLiteral("B"), QStringLiteral("B"))},
                       {3, makeRecord(3, QStringLiteral("C"), QStringLiteral("A"))}});
}

void setHeaderRecId(const QString& path, qint16 recId)
{
    QByteArray data = fileBytes(path);
    data[4] = char(recId & 0xff);
    data[5] = char((recId >> 8) & 0xff);
    writeBytes(path, data);
}

// Opens the file, expecting the damage warning, and checks that opening
// wrote nothing and that the usual operations stay inside the file.
void openDamaged(TestEnv& env, const char* what)
{
    const QByteArray before = fileBytes(env.naPath());
    env.ui.answer(Ui::Answer::Ok);
    env.open();
    ASSERT_EQ(env.ui.messages.size(), 1u) << what;
    EXPECT_EQ(env.ui.last().text, QStringLiteral("The N&A File Appears To Be Damaged.\n"
                                                 "TVL Will Use The Records It Can Read.  The File "
                                                 "Is Left As It Is Until You Store A Record Or "
                                                 "Change A Preference."))
        << what;
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Tavrel"));
    EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::Ok);
    EXPECT_EQ(env.ui.last().icon, Ui::Icon::Exclamation);
    Program& p = env.p();
    EXPECT_GE(p.LastRecNo, 1) << what;
    EXPECT_LE(p.LastRecNo, 1701) << what;
    EXPECT_GE(p.LowestFreeId, 1) << what;
    EXPECT_LE(p.LowestFreeId, p.LastRecNo) << what;
    for (QChar code : QStringLiteral("01234"))
        BuildNameList(p, code);
    EXPECT_EQ(fileBytes(env.naPath()), before) << what << ": nothing written";
}

} // namespace

TEST(DamagedFile, OddLengthUsesTheActiveRecordsFound)
{
    TestEnv extra;
    writeSoundFile(extra.naPath());
    writeBytes(extra.naPath(), fileBytes(extra.naPath()) + QByteArray(100, 'x'));
    openDamaged(extra, "100 bytes too many");
    EXPECT_EQ(extra.p().LastRecNo, 4);
    EXPECT_EQ(extra.p().SortedCount, 3);

    // Cut inside record 4 (ID 3): what is left of it is still ID 3.
    TestEnv cut;
    writeSoundFile(cut.naPath());
    writeBytes(cut.naPath(), fileBytes(cut.naPath()).left(3 * 574 + 300));
    openDamaged(cut, "last record cut short");
    EXPECT_EQ(cut.p().LastRecNo, 4);
    ASSERT_TRUE(readActive(cut.p(), 3));
    EXPECT_EQ(cut.p().CurRec.Comments.size(), 100);

    // Cut after the marker of record 3: ID 2 loses its RecId and is free; ID 1 is the highest.
    TestEnv cutId;
    writeSoundFile(cutId.naPath());
    writeBytes(cutId.naPath(), fileBytes(cutId.naPath()).left(2 * 574 + 4));
    openDamaged(cutId, "cut before RecId");
    EXPECT_EQ(cutId.p().LastRecNo, 2);
}

TEST(DamagedFile, HeaderRecIdOutOfRangeOrBeyondTheFile)
{
    for (qint16 recId : {qint16(0), qint16(-5), qint16(5), qint16(50), qint16(1702), qint16(32767),
                         qint16(-32768)}) {
        TestEnv env;
        writeSoundFile(env.naPath());
        setHeaderRecId(env.naPath(), recId);
        const std::string what = "RecId " + std::to_string(recId);
        openDamaged(env, what.c_str());
        EXPECT_EQ(env.p().LastRecNo, 4) << what;
        EXPECT_EQ(env.p().LowestFreeId, 4) << what;
        EXPECT_EQ(env.p().SortedCount, 3) << what;
    }
}

TEST(DamagedFile, GarbageEmptyAndOversizedFiles)
{
    {
        TestEnv env;
        QByteArray junk(10000, '\0');
        QRandomGenerator rng(99);
        for (char& c : junk)
            c = char(rng.bounded(256));
        writeBytes(env.naPath(), junk);
        openDamaged(env, "random bytes");
    }
    {
        TestEnv env;
        writeBytes(env.naPath(), QByteArray());
        openDamaged(env, "empty file");
        EXPECT_EQ(env.p().LastRecNo, 1);
        EXPECT_EQ(env.p().LowestFreeId, 1);
    }
    {
        // Active-looking records far past ID 1700 are never read.
        TestEnv env;
        std::map<int, NARecord> recs{{2, makeRecord(2, QStringLiteral("B"))}};
        writeNAFile(env.naPath(), recs, 1);
        QByteArray data = fileBytes(env.naPath());
        data.resize(1800 * 574, '\0');
        for (int id = 1701; id < 1799; ++id) {
            const QByteArray rec = makeRecord(id, QStringLiteral("Far")).toBytes();
            std::copy(rec.begin(), rec.end(), data.begin() + qsizetype(id) * 574);
        }
        data.append("tail");
        writeBytes(env.naPath(), data);
        openDamaged(env, "oversized");
        EXPECT_EQ(env.p().LastRecNo, 3);
        EXPECT_EQ(env.p().LowestFreeId, 1);
    }
    {
        // A header without its marker.
        TestEnv env;
        writeSoundFile(env.naPath());
        QByteArray data = fileBytes(env.naPath());
        data.replace(0, 4, "XXXX");
        writeBytes(env.naPath(), data);
        openDamaged(env, "no marker");
        EXPECT_EQ(env.p().LastRecNo, 4);
    }
}

TEST(DamagedFile, StoringARecordRepairsTheHeader)
{
    TestEnv env;
    writeSoundFile(env.naPath());
    setHeaderRecId(env.naPath(), 50);
    env.ui.answer(Ui::Answer::Ok);
    env.open();
    Program& p = env.p();
    p.CurRec = makeRecord(4, QStringLiteral("D"));
    Put_NA_Rec(p, 5);
    noteStoredId(p, 4);
    EXPECT_EQ(readRecord(env.naPath(), 1).RecId, 5);

    // The next start finds a sound file and says nothing.
    TestEnv again;
    again.files = std::make_unique<Files>(env.dir());
    again.program = std::make_unique<Program>(
        Services{again.ui, again.printer, again.clipboard, again.help, again.clock, *again.files});
    again.open();
    EXPECT_TRUE(again.ui.messages.empty());
    EXPECT_EQ(again.p().LastRecNo, 5);
    EXPECT_EQ(again.p().LowestFreeId, 5);
}
