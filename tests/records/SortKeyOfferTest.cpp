#include "RecordsFixture.h"

#include "exchange/Import.h"

#include <QMessageBox>

namespace tavrel::test {
namespace {

using SortKeyOffer = RecordsFixture;

QByteArray keys(const QByteArray& record)
{
    return record.mid(446, 32);
}

QByteArray keyBytes(const char* key1, const char* key2)
{
    QByteArray a(key1), b(key2);
    return a + QByteArray(16 - a.size(), ' ') + b + QByteArray(16 - b.size(), ' ');
}

TEST_F(SortKeyOffer, AddFillsEmptySortKeysFromTheNameAsTheImportDoes)
{
    start(people(1, 2));
    openById(ScreenMode::AddMult);
    struct Case {
        const char* name;
        const char* key1;
        const char* key2;
        QByteArray stored;
    };
    const Case cases[] = {
        {"Ann Lee", "", "", keyBytes("LEE", "ANN")},
        {"Acme Widgets Ltd", "", "", keyBytes("ACME WIDGETS LTD", "")},
        // A key the person typed stays; only the empty one is offered.
        {"Ann Lee", "Zed", "", keyBytes("Zed", "ANN")},
        {"Ann Lee", "", "first", keyBytes("LEE", "first")},
        {"", "", "", keyBytes("", "")},
    };
    int id = 3;
    for (const Case& c : cases) {
        type(box(one(), "BrsTxt2"), QString::fromUtf8(c.name));
        press(one(), "Screen2Button");
        type(box(two(), "BrsTxt20_0"), QString::fromUtf8(c.key1));
        type(box(two(), "BrsTxt20_1"), QString::fromUtf8(c.key2));
        press(two(), "BrsCmd7");
        EXPECT_EQ(keys(recordBytes(env.naPath(), id + 1)), c.stored) << c.name << c.key1 << c.key2;
        ++id;
    }

    // The same keys an import makes of the same name, whatever its shape.
    for (const char* name : {"Dr. Ann van der Berg", "Lee, Ann", "Smith & Sons GmbH"}) {
        Entry e;
        e.name = QString::fromUtf8(name);
        const NARecord imported = planRecord(e, OverflowChoice::CutAndLog).record;
        type(box(one(), "BrsTxt2"), e.name);
        press(one(), "BrsCmd7");
        const NARecord added = onDisk(id);
        EXPECT_EQ(added.SortKey1.trimmed(), imported.SortKey1) << name;
        EXPECT_EQ(added.SortKey2.trimmed(), imported.SortKey2) << name;
        EXPECT_FALSE(added.SortKey1.trimmed().isEmpty()) << name;
        ++id;
    }
}

TEST_F(SortKeyOffer, TheKeysShowOnTheScreenBeforeAnythingIsWrittenAndAChangeKeepsTheFileAsItWas)
{
    std::map<int, NARecord> records = people(1, 2);
    records[2] = makeRecord(2, QStringLiteral("Bea Quist"));
    start(records);
    openById(ScreenMode::AddMult);
    type(box(one(), "BrsTxt2"), "Ann Lee");
    press(one(), "Screen2Button");
    box(two(), "BrsTxt21")->setText(QString(40, QLatin1Char('m')));
    const QByteArray before = fileBytes(env.naPath());
    env.ui.onModal([](QDialog& d) { click(d.findChild<QPushButton*>("GoBackButton")); });
    press(two(), "BrsCmd7");
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(texts(two(), {"BrsTxt20_0", "BrsTxt20_1"}), QStringList({"LEE", "ANN"}));
    press(two(), "BrsCmd6");

    // Only a record typed in gets keys offered: an unedited Change writes the
    // record back byte for byte, its blank keys too.
    const QByteArray unchanged = recordBytes(env.naPath(), 3);
    openById(ScreenMode::Change, 2);
    press(one(), "BrsCmd5");
    EXPECT_EQ(recordBytes(env.naPath(), 3), unchanged);
}

} // namespace
} // namespace tavrel::test
