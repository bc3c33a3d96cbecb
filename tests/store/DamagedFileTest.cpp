#include "StoreChecks.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// IDs 1, 2, 3 active, header RecId 4: a sound file of four records, unless
// cut to `length` or lengthened with 'x', or the header gives another RecId.
void writeSoundFile(const QString& path, int length = 4 * 574, int recId = 4)
{
    QByteArray data = makeHeader(recId).toBytes() + makeRecord(1, "A", "C").toBytes() +
                      makeRecord(2, "B", "B").toBytes() + makeRecord(3, "C", "A").toBytes();
    data.resize(length, 'x');
    writeBytes(path, data);
}

// The damage message: the faults found, then what was done.
QString damage(const QStringList& faults, const QStringList& done)
{
    return (QStringList{"The N&A File Is Damaged."} + faults).join('\n') +
           QStringLiteral("\n\nTVL Uses The Records It Can Read.\n") + done.join('\n');
}

const QString kLength = "Its Length, %1 Bytes, Is Not A Whole Number Of 574-Byte Records.";
const QString kCompleted =
    "It Has Added Zero Bytes To Complete The Last Record; Nothing Was Removed.";
const QString kNotHeader = "Its First Record Is Not A Header Record.";
const QString kFirstKept = "It Has Not Changed The First Record.";
const QString kHeaderWritten = "It Has Written A Corrected Header Record.";

// Opens the file, expecting the damage message `text`, and checks that the
// usual operations stay inside the file. Returns the file's bytes before.
QByteArray openDamaged(TestEnv& env, const QString& text, const char* what)
{
    const QByteArray before = fileBytes(env.naPath());
    env.ui.answer(Ui::Answer::Ok);
    env.open();
    EXPECT_EQ(env.ui.messages.size(), 1u) << what;
    expectBox(env.ui.last(), text, "Tavrel", Ui::Buttons::Ok, Ui::Icon::Exclamation);
    const QByteArray opened = fileBytes(env.naPath());
    for (QChar code : "01234")
        buildNameList(env.p(), code);
    EXPECT_EQ(fileBytes(env.naPath()), opened) << what << ": nothing written after opening";
    return before;
}

// A second start on the same directory: it must find a sound file and say nothing.
void reopenSilently(TestEnv& env, int lastRecNo)
{
    env.p().naFile.close();
    env.ui.messages.clear();
    openNAFile(env.p());
    EXPECT_TRUE(env.ui.messages.empty());
    EXPECT_EQ(env.p().LastRecNo, lastRecNo);
}

} // namespace

TEST(DamagedFile, OddLengthIsCompletedWithZeroBytesAndSaidSo)
{
    // A stray tail: made a whole record long, nothing removed, and the next start is quiet.
    TestEnv extra;
    writeSoundFile(extra.naPath(), 4 * 574 + 100);
    const QByteArray before =
        openDamaged(extra, damage({kLength.arg(2396)}, {kCompleted}), "100 bytes too many");
    EXPECT_EQ(fileBytes(extra.naPath()), before + QByteArray(474, '\0'));
    reopenSilently(extra, 4);

    // No room for the missing bytes: the file stays as found, and the message says so.
    TestEnv full;
    writeSoundFile(full.naPath(), 4 * 574 + 100);
    {
        FileSizeLimit limit(4 * 574 + 100);
        EXPECT_EQ(openDamaged(full,
                              damage({kLength.arg(2396)},
                                     {QStringLiteral("It Could Not Complete The Last Record "
                                                     "(Error 61).")}),
                              "no room"),
                  fileBytes(full.naPath()));
    }

    // Cut inside record 4 (ID 3): what is left of it is still ID 3.
    TestEnv cut;
    writeSoundFile(cut.naPath(), 3 * 574 + 300);
    openDamaged(cut, damage({kLength.arg(2022)}, {kCompleted}), "last record cut short");
    EXPECT_EQ(cut.p().LastRecNo, 4);
    ASSERT_TRUE(readActive(cut.p(), 3));
    EXPECT_EQ(cut.p().CurRec.Comments.size(), 100);

    // Cut after the marker of record 3: ID 2 loses its RecId and is free; ID 1
    // is the highest, and the header that counted four records is corrected.
    TestEnv cutId;
    writeSoundFile(cutId.naPath(), 2 * 574 + 4);
    openDamaged(cutId,
                damage({kLength.arg(1152), QStringLiteral("Its Header Gives 4 As The Last Record "
                                                          "In Use, But The File Holds 3 Records.")},
                       {kCompleted, kHeaderWritten}),
                "cut before RecId");
    EXPECT_EQ(fileBytes(cutId.naPath()).size(), 3 * 574);
    reopenSilently(cutId, 2);
}

TEST(DamagedFile, HeaderCountOutOfRangeOrBeyondTheFileIsCorrected)
{
    for (qint16 recId : {qint16(0), qint16(5), qint16(1702), qint16(-32768)}) {
        TestEnv env;
        writeSoundFile(env.naPath(), 4 * 574, recId);
        const std::string what = "RecId " + std::to_string(recId);
        const bool beyond = recId >= 1 && recId <= 1701;
        const QString fault =
            QStringLiteral("Its Header Gives %1 As The Last Record In Use, ").arg(recId) +
            (beyond ? "But The File Holds 4 Records." : "Outside 1 To 1701.");
        const QByteArray before = openDamaged(env, damage({fault}, {kHeaderWritten}), what.c_str());
        // Only the header changed, and it keeps the date the file was established; the
        // next start finds it sound.
        const QByteArray after = fileBytes(env.naPath());
        EXPECT_EQ(after.mid(574), before.mid(574)) << what;
        EXPECT_EQ(readRecord(env.naPath(), 1).SortKey2,
                  NARecord::fromBytes(before.left(574)).SortKey2);
        reopenSilently(env, 4);
    }
}

TEST(DamagedFile, GarbageAndOversizedFilesAreReadAsFound)
{
    // No header at all: the first record is left alone.
    TestEnv garbage;
    QByteArray junk(10000, '\0');
    QRandomGenerator rng(99);
    for (char& c : junk)
        c = char(rng.bounded(256));
    writeBytes(garbage.naPath(), junk);
    const QString count = "Its Header Gives 5326 As The Last Record In Use, Outside 1 To 1701.";
    openDamaged(garbage, damage({kLength.arg(10000), kNotHeader, count}, {kCompleted, kFirstKept}),
                "garbage");
    EXPECT_EQ(fileBytes(garbage.naPath()), junk + QByteArray(18 * 574 - 10000, '\0'));

    // Active-looking records far past ID 1700 are never read, nor is anything
    // written out there.
    TestEnv big;
    QByteArray data =
        makeHeader(1).toBytes() + QByteArray(574, '\0') + makeRecord(2, "B").toBytes();
    data.resize(1800 * 574, '\0');
    for (int id = 1701; id < 1799; ++id)
        data.replace(qsizetype(id) * 574, 574, makeRecord(id, "Far").toBytes());
    data.append("tail");
    writeBytes(big.naPath(), data);
    openDamaged(big,
                damage({kLength.arg(data.size())},
                       {QStringLiteral("The Bytes After Record 1701 Are Never Read, And Are "
                                       "Left As They Are.")}),
                "oversized");
    EXPECT_EQ(fileBytes(big.naPath()), data);
    EXPECT_EQ(big.p().LastRecNo, 3);
    EXPECT_EQ(big.p().LowestFreeId, 1);
}
