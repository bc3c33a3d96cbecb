#include "UpkeepFixture.h"

#include "platform/gui/Windows.h"
#include "upkeep/Statistics.h"
#include "upkeep/gui/UpkeepCommands.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

// The text for a file of `records` records (header included) of which
// `active` are active, with `freeBytes` free.
QString textFor(int records, int active, int lastRecNo, qint64 freeBytes)
{
    return statisticsText({qint64(records) * NARecord::Size, active, lastRecNo, freeBytes});
}

QString expected(const QString& active, const QString& highest, const QString& diskKb, int unusedKb,
                 const QString& percent, int reductionKb, const QString& space, bool compact)
{
    return QStringLiteral("Active Records In File:  %1\nHighest Active ID In File:  %2\n\n"
                          "Disk Space Occupied By File:  %3 KBytes\n"
                          "Unused Space In File:  %4 KBytes  (Approximately %5%)\n\n"
                          "Compacting Would Reduce File Size By:  %6 KBytes\n\n"
                          "Space Available On Your Hard Drive:  %7\n\n\nRecommendation:  %8")
        .arg(active, highest, diskKb)
        .arg(unusedKb)
        .arg(percent)
        .arg(reductionKb)
        .arg(space, compact ? "Compact The N&A File." : "DO NOT Compact The N&A File.");
}

} // namespace

TEST_F(UpkeepTest, StatisticsFiguresFormatsRecommendationAndTheCommandOnTheOpenFile)
{
    const qint64 fiveThousandKb = 5000 * 1024;
    // 11 slots, 8 active: 27.27% rounds to 27; 3 × 574 bytes is 1 KB.
    EXPECT_EQ(textFor(12, 8, 12, fiveThousandKb),
              expected("8", "11", "6", 1, " 27", 1, "5,000 KBytes", false));
    // All deleted: the "#" patterns print nothing for 0.
    EXPECT_EQ(textFor(4, 0, 1, fiveThousandKb),
              expected("", "", "2", 1, " 100", 1, "5,000 KBytes", false));
    // 1,071 free slots are 600 KB: worth it with 5,000 KB free, not with 6,000.
    EXPECT_EQ(textFor(1073, 1, 2, fiveThousandKb),
              expected("1", "1", "601", 600, " 100", 600, "5,000 KBytes", true));
    EXPECT_EQ(textFor(1073, 1, 2, 6000 * 1024),
              expected("1", "1", "601", 600, " 100", 600, "6,000 KBytes", false));
    // A full file with thousands separators.
    EXPECT_EQ(textFor(1701, 1500, 1701, fiveThousandKb),
              expected("1,500", "1,700", "953", 112, " 12", 112, "5,000 KBytes", false));
    // The header alone: no slots, so no share of them is unused.
    EXPECT_EQ(textFor(1, 0, 1, 0), expected("", "", "", 0, " 0", 0, "0 KBytes", false));

    // Free bytes past 32 bits are "Approximately"; the last 32-bit figure is not.
    const qint64 max32 = 2147483647;
    EXPECT_TRUE(textFor(2, 1, 2, max32)
                    .contains("Space Available On Your Hard Drive:  2,097,151 KBytes\n"));
    EXPECT_TRUE(textFor(2, 1, 2, max32 + 1)
                    .contains(QStringLiteral(
                        "Space Available On Your Hard Drive:  Approximately 2,097,152 KBytes\n")));

    EXPECT_EQ(slotCount(574 * 3 + 287), 2); // 2.5 rounds to the even 2
    EXPECT_EQ(slotCount(574 * 4 + 287), 4); // 3.5 rounds to 4
    EXPECT_EQ(unusedPercent(8, 7), 12);     // 12.5 rounds to 12
    EXPECT_EQ(unusedPercent(8, 5), 38);     // 37.5 rounds to 38

    // The command counts the records of the open file up to LastRecNo, shows
    // AnalyzingMessage meanwhile, and changes nothing.
    std::map<int, NARecord> r = people(1, 10);
    r[3] = deletedRecord(3, "Gone");
    r[7].RecId = 2; // not its own ID: free
    r[12] = makeRecord(12, "Beyond LastRecNo");
    writeAndOpen(r, 11);
    setFreeBytes(qint64(40) << 30);
    bool analyzingShown = false;
    env.files->diskFiguresHook = [&, inner = env.files->diskFiguresHook] {
        analyzingShown = isLoaded(findWindow("AnalyzingForm"));
        return inner();
    };
    env.ui.answer(Ui::Answer::Ok);
    showFileStatistics(p);
    EXPECT_TRUE(analyzingShown);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text,
              expected("8", "10", "7", 2, " 33", 2, "Approximately 41,943,040 KBytes", false));
    settle();
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_EQ(file(), before);
}
