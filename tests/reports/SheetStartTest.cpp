#include "ReportFixture.h"

#include "reports/LabelLayouts.h"
#include "reports/gui/SheetMap.h"

#include <QImage>
#include <QLabel>

namespace tavrel::test {

class SheetStartTest : public ReportTest {
protected:
    std::vector<int> offered; // the slot each positioning window offered

    // No test page; in the positioning window the map is moved to `slot` by
    // the keyboard (from the first slot when `reset`) and Enter starts the run.
    void startAt(int slot, bool reset)
    {
        env.ui.answer(Ui::Answer::No);
        env.ui.onModal([=, this](QDialog& d) {
            auto* map = control<SheetMap>(&d, "SheetMap");
            offered.push_back(map->current());
            if (reset)
                click(control<QPushButton>(&d, "SheetFirstSlot"));
            map->setFocus();
            for (int i = map->current(); i < slot; ++i)
                pressKey(&d, Qt::Key_Right);
            EXPECT_TRUE(control<QLabel>(&d, "SheetSlotLabel")
                            ->text()
                            .endsWith(QStringLiteral(" %1 Of %2").arg(slot + 1).arg(map->count())));
            pressKey(&d, Qt::Key_Return);
        });
    }

    // The slot index of each name printed on a page, and the IDs, in order.
    std::pair<std::vector<int>, std::vector<int>> filled(int page, const ReportOptions& o)
    {
        const std::vector<Slot> slots = sheetSlots(stockOf(p, o), p.Report.LabelTop,
                                                   p.Report.LabelLeft, p.printer.printableOrigin());
        std::vector<int> at;
        for (const auto& t : env.printer.onPage(page))
            if (t.text.startsWith(u"Person "))
                at.push_back(
                    int(std::find(slots.begin(), slots.end(), Slot{t.x, t.y}) - slots.begin()));
        return {at, namesOn(page)};
    }
};

// from, from + 1, ..., to; each `q` times.
static std::vector<int> range(int from, int to, int q = 1)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.insert(v.end(), q, i);
    return v;
}

// A run started at slot N fills slots N.. of the first sheet only; the next
// sheet starts at its first slot, the copies of a record carried across; the
// slot after the last one filled is offered by the next run on that stock.
TEST_F(SheetStartTest, FirstSheetStartsAtTheChosenSlot)
{
    struct Case {
        const char* name;
        ReportKind kind;
        int stock, start, quantity, records;
        std::vector<int> sheet1, sheet2; // IDs in fill order
        int nextFree;
    } cases[] = {
        {"3-across", ReportKind::Labels, 2, 4, 2, 15, range(1, 13, 2), range(14, 15, 2), 4},
        {"copies carried", ReportKind::Labels, 2, 28, 3, 3, {1, 1}, {1, 2, 2, 2, 3, 3, 3}, 7},
        {"2-across cards", ReportKind::Cards, 1, 5, 1, 5, {1, 2, 3}, {4, 5}, 2},
        {"A4 3 x 7", ReportKind::Labels, 3, 20, 1, 2, {1}, {2}, 1},
        {"copies past a whole sheet", ReportKind::Cards, 0, 1, 9, 1, range(1, 1, 3), range(1, 1, 4),
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        env.printer = RecordingPrinter();
        openPeople(c.records);
        const ReportOptions o = labels(c.stock, c.quantity, c.kind);
        offered.clear();
        startAt(c.start, false);
        ASSERT_EQ(run(o), RunEnd::Completed);

        const auto [at1, ids1] = filled(1, o);
        EXPECT_EQ(ids1, c.sheet1);
        EXPECT_EQ(at1, range(c.start, c.start + int(c.sheet1.size()) - 1));
        const auto [at2, ids2] = filled(2, o);
        EXPECT_EQ(ids2, c.sheet2);
        EXPECT_EQ(at2, range(0, int(c.sheet2.size()) - 1));

        // Offered next time; "Start At Label 1" takes a whole sheet again.
        startAt(0, true);
        env.printer = RecordingPrinter();
        ASSERT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(filled(1, o).first.front(), 0);
        EXPECT_EQ(offered, (std::vector<int>{0, c.nextFree}));
    }
}

// A reprint is offered the slot the last run started at, so its page 2 holds
// what the first print's page 2 held; it leaves the remembered free slot alone.
TEST_F(SheetStartTest, ReprintStartsWhereTheRunStarted)
{
    openPeople(40);
    ReportOptions o = labels(2);
    startAt(6, false);
    ASSERT_EQ(run(o), RunEnd::Completed);
    const auto page2 = filled(2, o);
    env.printer = RecordingPrinter();
    o.reprint = true;
    o.reprintFrom = o.reprintThrough = 2;
    startAt(6, false);
    ASSERT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(offered, (std::vector<int>{0, 6}));
    EXPECT_EQ(filled(1, o), page2);
    EXPECT_TRUE(filled(2, o).second.empty()) << "the only sheet printed";
    EXPECT_EQ(rememberedStartSlot(p, Stock::ThreeAcross), 16);
}

// Up and Down move the choice a row, to the slot below or above.
TEST_F(SheetStartTest, MapMovesByRow)
{
    const std::vector<Slot> slots = sheetSlots(Stock::ThreeAcross, 720, 0);
    SheetMap map(slots, slotSize(Stock::ThreeAcross));
    map.resize(map.sizeHint());
    map.show();
    map.setFocus();
    // Down at the last slot: nothing below the last row.
    for (const auto& [key, slot] : {std::pair(Qt::Key_Down, 3),
                                    {Qt::Key_Down, 6},
                                    {Qt::Key_Right, 7},
                                    {Qt::Key_Up, 4},
                                    {Qt::Key_End, 29},
                                    {Qt::Key_Down, 29}}) {
        pressKey(&map, key);
        EXPECT_EQ(map.current(), slot) << key;
    }

    // The slots before the chosen one are drawn grey, the chosen one stands
    // out, those after it white: four grey slots for one chosen.
    map.setCurrent(4);
    const QImage shot = map.grab().toImage();
    auto pixels = [&](QPalette::ColorRole role) {
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += shot.pixel(x, y) == map.palette().color(role).rgb();
        return n;
    };
    const int chosen = pixels(QPalette::Highlight);
    ASSERT_GT(chosen, 0);
    EXPECT_NEAR(double(pixels(QPalette::Mid)) / chosen, 4, 0.3);
}

} // namespace tavrel::test
