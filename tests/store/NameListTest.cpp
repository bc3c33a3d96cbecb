#include "store/NameList.h"
#include "store/NameListModel.h"
#include "support/FailingDevice.h"
#include "support/TestEnv.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// Sorts keys given in list order with IDs 1..n and returns the IDs in sorted order.
QList<int> sortedIds(const QStringList& keys)
{
    QVector<QString> k(keys.size() + 1);
    QVector<qint16> ids(keys.size() + 1);
    for (int i = 0; i < keys.size(); ++i) {
        k[i + 1] = keys[i];
        ids[i + 1] = qint16(i + 1);
    }
    sortNameList(k, ids, int(keys.size()));
    return QList<int>(ids.begin() + 1, ids.end());
}

// The file's bytes, telling `onRead` of every read.
struct WatchedDevice : FailingDevice {
    using FailingDevice::FailingDevice;
    std::function<void()> onRead;
    qint64 readData(char* out, qint64 max) override
    {
        onRead();
        return FailingDevice::readData(out, max);
    }
};

QList<int> listedIds(const Program& p)
{
    return QList<int>(p.SortedIdList.begin() + 1, p.SortedIdList.begin() + 1 + p.SortedCount);
}

} // namespace

TEST(sortNameList, EqualKeysComeOutInTheHeapsOrder)
{
    EXPECT_EQ(sortedIds({"SAME", "SAME", "SAME"}), (QList<int>{2, 3, 1}));
    // In the sift-down the right child is taken only when strictly greater:
    // with equal children the left one moves up.
    EXPECT_EQ(sortedIds({"A", "B", "B", "B"}), (QList<int>{1, 3, 4, 2}));
    EXPECT_EQ(sortedIds({"A", "B", "B", "A", "B"}), (QList<int>{1, 4, 3, 5, 2}));
    EXPECT_EQ(sortedIds({"X"}), (QList<int>{1}));
    EXPECT_EQ(sortedIds({}), (QList<int>{}));
}

TEST(sortNameList, RandomKeysEndAscendingWithTheirIds)
{
    QRandomGenerator rng(1234);
    for (int n : {2, 3, 7, 64, 301}) {
        QStringList keys;
        for (int i = 0; i < n; ++i) // few distinct keys, so many are equal
            keys << QStringLiteral("K%1").arg(rng.bounded(n / 2 + 1), 3, 10, QLatin1Char('0'));
        const QList<int> ids = sortedIds(keys);
        QList<int> each(n);
        std::iota(each.begin(), each.end(), 1);
        ASSERT_TRUE(std::is_permutation(ids.begin(), ids.end(), each.begin(), each.end()));
        for (int i = 1; i < n; ++i)
            ASSERT_LE(keys[ids[i - 1] - 1], keys[ids[i] - 1]) << "n = " << n << " at " << i;
    }
}

TEST(SortKey, KeysByCode)
{
    NARecord r = makeRecord(7, "Ann", "zara smith", "straße ÿ");
    const QString k1 = "ZARA SMITH      ";
    const QString k2 = "STRAßE Ÿ        ";
    EXPECT_EQ(sortKey(r, 7, QLatin1Char('0')), k1);
    EXPECT_EQ(sortKey(r, 7, QLatin1Char('1')), k2) << "one character per letter, width kept";
    EXPECT_EQ(sortKey(r, 7, QLatin1Char('2')), k1 + k2);
    EXPECT_EQ(sortKey(r, 7, QLatin1Char('3')), k2 + k1);
    EXPECT_EQ(sortKey(r, 7, QLatin1Char('4')), "007");
    EXPECT_EQ(sortKey(r, 1200, QLatin1Char('4')), "1200");
}

TEST(buildNameList, ListsEachActiveRecordOnceInKeyOrder)
{
    TestEnv env;
    std::map<int, NARecord> recs;
    recs[1] = makeRecord(1, "Z", "ADAMS", "Z");
    recs[2] = makeRecord(2, "B", "BAKER", "A");
    recs[3] = makeRecord(3, "M", "adams", "M");
    recs[4] = makeRecord(4, "Blank");
    recs[5] = deletedRecord(5, "Gone", "AAA");
    recs[6] = makeRecord(6, "Stray", "AAA");
    recs[6].RecId = 1;
    recs[7] = makeRecord(7, "Digit", "9 LIVES", "9");
    env.openFile(recs);
    Program& p = env.p();
    // The hourglass shows while the records are read.
    auto device = std::make_unique<WatchedDevice>(fileBytes(env.naPath()));
    int readsWithoutHourglass = 0;
    device->onRead = [&] { readsWithoutHourglass += env.ui.waitCursor ? 0 : 1; };
    p.naFile.attach(std::move(device));
    // Blank keys first, then digits, then letters; "adams" equals "ADAMS".
    buildNameList(p, QLatin1Char('2'));
    EXPECT_EQ(listedIds(p), (QList<int>{4, 7, 3, 1, 2}));
    buildNameList(p, QLatin1Char('4'));
    EXPECT_EQ(listedIds(p), (QList<int>{1, 2, 3, 4, 7}));
    EXPECT_EQ(readsWithoutHourglass, 0);
    EXPECT_FALSE(env.ui.waitCursor);
}

TEST(PickerLine, IdRightAlignedThenTheFullName)
{
    EXPECT_EQ(pickerLine(7, "Alice"),
              QStringLiteral("   7  Alice") + QString(30, QLatin1Char(' ')));
    const QString wide = pickerLine(1700, "A name far longer than thirty-five chars");
    EXPECT_EQ(wide.left(6), "1700  ");
    EXPECT_EQ(wide.mid(6), "A name far longer than thirty-five ");
}

TEST(NameListModel, LinesGoByRowAndARowOutsideTheListChangesNothing)
{
    NameListModel lines;
    lines.setTexts({"Ann", "Bob", "Cy"});
    for (int row : {-1, 3, 1})
        lines.removeLineAt(row);
    EXPECT_EQ(lines.texts(), (QStringList{"Ann", "Cy"}));
}

// The model needs only the sorted list, not a whole program: positions
// 1..SortedCount in order, [0] and positions past the count unused, an ID the
// caller leaves out missing, and each line keeping the ID of its position.
TEST(NameListModel, FillsFromTheSortedListAloneInItsOrder)
{
    SortedList sorted;
    sorted.SortedIdList = {99, 7, 3, 9, 5};
    sorted.SortedCount = 3;
    NameListModel lines;
    lines.fillLinesFromSortedList(sorted, [](qint16 id) -> std::optional<NameListModel::Line> {
        if (id == 9)
            return std::nullopt;
        return NameListModel::Line{0, QStringLiteral("Name %1").arg(id)};
    });
    EXPECT_EQ(lines.texts(), (QStringList{"Name 7", "Name 3"}));
    EXPECT_EQ(lines.idAt(0), 7);
    EXPECT_EQ(lines.idAt(1), 3);
}

TEST(NameListFilter, AFilterTypedInAnotherAlphabetFindsTheNameStoredInLatinLetters)
{
    NameListModel lines;
    lines.setTexts({"Ivan Petrov", "Lukasz Nowak", "\u00C9mile Zola"});
    NameListFilter shown(&lines);
    const std::pair<const char*, int> filters[] = {
        {"\u041F\u0435\u0442\u0440\u043E\u0432", 1}, // Петров
        {"\u0141ukasz", 1},                          // Ł as the file holds it
        {"emile", 1},
        {"\u0416", 0}, // Ж is Zh, in none of them
    };
    for (const auto& [filter, count] : filters) {
        shown.setFilterText(QString::fromUtf8(filter));
        EXPECT_EQ(shown.rowCount(), count) << filter;
    }
}
