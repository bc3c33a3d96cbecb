#include "ReportFixture.h"

#include "reports/LabelLayouts.h"
#include "support/Gui.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <numeric>

namespace tavrel::test {

namespace {

const QString kCourier = QStringLiteral("Courier New");
const QString kRuler = QStringLiteral("12345678901234567890123456789012345");
const QString kFirstQuestion = QStringLiteral("Do You Want To Print A Test Page?");
const QString kAgainQuestion = QStringLiteral("Wait For The Test Page To Print.\nExamine The "
                                              "Page.\n\nDo You Want To Print Another Test Page?");

QString pad(const QString& s, int width)
{
    return s.leftJustified(width, u' ', true);
}

using Ids = std::vector<int>;

// `id` repeated `n` times.
Ids copies(std::initializer_list<std::pair<int, int>> runs)
{
    Ids out;
    for (auto [id, n] : runs)
        out.insert(out.end(), n, id);
    return out;
}

} // namespace

class LabelsTest : public ReportTest {
protected:
    std::map<int, NARecord> recs;

    // People 1..n; every third one has only a name and a first address line.
    void openPeopleForLabels(int n)
    {
        recs = peopleWithDetails(n);
        for (auto& [id, r] : recs)
            if (id % 3 == 0)
                r.AddrLine2 = r.AddrLine3 = r.AddrLine4 = QString();
        env.openFile(recs);
    }

    static ReportOptions labels(int stock, int quantity = 1, int sequence = 4)
    {
        ReportOptions o = options(ReportKind::Labels, sequence);
        o.labelStock = stock;
        o.quantity = quantity;
        return o;
    }
    static ReportOptions cards(int stock, int quantity = 1)
    {
        ReportOptions o = options(ReportKind::Cards);
        o.cardStock = stock;
        o.quantity = quantity;
        return o;
    }

    void chooseStock(bool continuous)
    {
        env.ui.onModal([continuous](QDialog& d) {
            click(control<QRadioButton>(&d, continuous ? "StockOpt2_1" : "StockOpt2_0"));
            click(control<QPushButton>(&d, "Command3D1"));
        });
    }
    // Answers the positioning dialog: the choices, then OK (or Cancel).
    void position(int vertical = 4, int horizontal = 0, bool italic = false, bool upper = false,
                  bool ok = true)
    {
        env.ui.onModal([=](QDialog& d) {
            // A whole sheet, whatever slot the last run left free.
            if (auto* first = d.findChild<QPushButton*>(QStringLiteral("SheetFirstSlot")))
                click(first);
            click(control<QRadioButton>(&d, QStringLiteral("VertOpt1_%1").arg(vertical)));
            click(control<QRadioButton>(&d, QStringLiteral("HorizPos_%1").arg(horizontal)));
            if (italic)
                click(control<QCheckBox>(&d, "PosItalChk"));
            if (upper)
                click(control<QCheckBox>(&d, "PosUpperChk"));
            click(control<QPushButton>(&d, ok ? "VertCmd1" : "VertCmd2"));
        });
    }
    // No test page; the position is answered as given.
    void noTestPage(int vertical = 4, int horizontal = 0, bool italic = false, bool upper = false)
    {
        env.ui.answer(Ui::Answer::No);
        position(vertical, horizontal, italic, upper);
    }

    std::vector<RecordingPrinter::Text> textsOn(int page, int document = 0) const
    {
        std::vector<RecordingPrinter::Text> out;
        for (const auto& t : env.printer.texts)
            if (t.page == page && t.document == document)
                out.push_back(t);
        return out;
    }

    // The label a person gets: name and four address lines at full width.
    QStringList labelLines(int id) const
    {
        const NARecord& r = recs.at(id);
        return {pad(r.Name, 35), pad(r.AddrLine1, 35), pad(r.AddrLine2, 35), pad(r.AddrLine3, 35),
                pad(r.AddrLine4, 35)};
    }
};

// Each stock at a moved position (down 1/16, right 1/8): every slot where the
// geometry puts it, the font and line step of the stock, the five lines of
// each label, and the next record starting the next sheet in its first slot.
TEST_F(LabelsTest, LabelSheetsOfEachStock)
{
    struct Case {
        const char* name;
        int stock;
        int continuous; // -1: no stock question
        int top;        // down 1/16 inch from the standard position
        double points, step;
        std::vector<int> rows; // inch rows from the top offset
        std::vector<double> columns;
    } cases[] = {
        {"continuous", 0, 1, 90, 10, 220, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {180}},
        {"cut sheets", 0, 0, 810, 8, 180, {0, 1, 2, 3, 5, 6, 7, 8}, {180}},
        {"2-across", 1, -1, 810, 12, 233, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {540, 6525}},
        {"3-across", 2, -1, 810, 8, 180, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {180, 4180, 8180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int perSheet = int(c.rows.size() * c.columns.size());
        env.printer = RecordingPrinter();
        openPeopleForLabels(perSheet + 1);
        if (c.continuous >= 0)
            chooseStock(c.continuous == 1);
        noTestPage(5, 2);
        EXPECT_EQ(run(labels(c.stock)), RunEnd::Completed);
        EXPECT_EQ(p.Report.LabelTop, c.top);
        EXPECT_EQ(p.Report.LabelLeft, 180);
        EXPECT_EQ(lastMessage(), completed(2));

        const auto sheet = textsOn(1);
        ASSERT_EQ(int(sheet.size()), perSheet * 5);
        int slot = 0;
        for (int row : c.rows) {
            for (double x : c.columns) {
                const int id = slot + 1;
                const QStringList lines = labelLines(id);
                for (int k = 0; k < 5; ++k) {
                    const auto& t = sheet[slot * 5 + k];
                    EXPECT_EQ(t.text, lines[k]) << "slot " << slot << " line " << k;
                    EXPECT_EQ(t.x, x);
                    EXPECT_EQ(t.y, c.top + 1440 * row + k * c.step);
                    EXPECT_EQ(std::tie(t.font, t.size, t.bold, t.italic, t.underline),
                              std::make_tuple(kCourier, c.points, true, false, false));
                }
                ++slot;
            }
        }
        const auto next = textsOn(2);
        ASSERT_EQ(next.size(), 5u);
        EXPECT_EQ(next[0].text, labelLines(perSheet + 1)[0]);
        EXPECT_EQ(std::tie(next[0].x, next[0].y), std::make_tuple(c.columns[0], double(c.top)));
    }
}

// Every card line at its offset and size; 1-across cards ignore the
// horizontal offset and sit 50 twips lower.
TEST_F(LabelsTest, CardSheetsOfEachStock)
{
    struct Case {
        int stock;
        double top;
        std::vector<double> columns;
    } cases[] = {
        {0, -360 + 810 + 50, {300}},
        {1, 850 + 810, {480, 6280}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock);
        env.printer = RecordingPrinter();
        openPeopleForLabels(9);
        p.Report.LabelItalic = p.Report.LabelUpper = -1; // left from an earlier label run
        noTestPage(5, 2);
        EXPECT_EQ(run(cards(c.stock)), RunEnd::Completed);
        const int perSheet = 4 * int(c.columns.size());
        EXPECT_EQ(lastMessage(), completed((9 + perSheet - 1) / perSheet));

        const auto sheet = textsOn(1);
        ASSERT_EQ(int(sheet.size()), perSheet * 14);
        for (int slot = 0; slot < perSheet; ++slot) {
            const int id = slot + 1;
            const NARecord& r = recs.at(id);
            const double x = c.columns[slot % c.columns.size()];
            const double y = c.top + 3120 * (slot / int(c.columns.size()));
            const std::vector<std::tuple<double, double, QString>> expected = {
                {0, 11, pad(r.Name, 35)},
                {220, 8, pad(r.AddrLine1, 35)},
                {370, 8, pad(r.AddrLine2, 35)},
                {520, 8, pad(r.AddrLine3, 35)},
                {670, 8, pad(r.AddrLine4, 35)},
                {870, 8, QString(34, u'a') + QString(16, u'b')},
                {1020, 8, QString(17, u'b') + QString(33, u'c')},
                {1220, 8, pad(r.EMail, 35)},
                {1420, 8, QStringLiteral("Tel1     ") + pad(r.PhoneNum1, 20)},
                {1570, 8, QStringLiteral("Tel2     ") + pad(r.PhoneNum2, 20)},
                {1720, 8, QStringLiteral("Tel3     ") + pad(r.PhoneNum3, 20)},
                {1870, 8, QStringLiteral("Tel4     ") + pad(r.PhoneNum4, 20)},
                {2020, 8, QStringLiteral("Tel5     ") + pad(r.PhoneNum5, 20)},
                {2170, 8, QStringLiteral("ID# %1").arg(id)},
            };
            for (size_t k = 0; k < expected.size(); ++k) {
                const auto& t = sheet[slot * 14 + k];
                const auto& [dy, size, text] = expected[k];
                EXPECT_EQ(t.text, text) << "card " << slot << " line " << k;
                EXPECT_EQ(std::tie(t.x, t.y), std::make_tuple(x, y + dy));
                EXPECT_EQ(std::tie(t.font, t.size, t.bold, t.italic),
                          std::make_tuple(kCourier, size, true, false));
            }
        }
    }
}

// Copies run on from sheet to sheet; slots after the last record stay empty.
TEST_F(LabelsTest, CopiesCarryAcrossSheets)
{
    openPeopleForLabels(4);
    chooseStock(true);
    noTestPage();
    env.printer.outputFile = QStringLiteral("/out/labels.pdf");
    EXPECT_EQ(run(labels(0, 5)), RunEnd::Completed);
    EXPECT_EQ(namesOn(1), copies({{1, 5}, {2, 5}, {3, 2}}));
    EXPECT_EQ(namesOn(2), copies({{3, 3}, {4, 5}}));
    EXPECT_EQ(lastMessage(), completed(2) + QStringLiteral("\n\nSaved As /out/labels.pdf"));

    // Two copies of 30 people on 3-across stock: 15 people a sheet, side by
    // side in reading order, sorted or not (sorted: "k1-1", "k1-10", ...).
    openPeopleForLabels(30);
    for (int sequence : {4, 0}) {
        SCOPED_TRACE(sequence);
        env.printer = RecordingPrinter();
        noTestPage();
        EXPECT_EQ(run(labels(2, 2, sequence)), RunEnd::Completed);
        Ids order;
        for (int id = 1; id <= 30; ++id)
            order.push_back(id);
        if (sequence == 0)
            std::sort(order.begin(), order.end(),
                      [](int a, int b) { return QString::number(a) < QString::number(b); });
        Ids sheet1, sheet2;
        for (int i = 0; i < 30; ++i)
            (i < 15 ? sheet1 : sheet2).insert((i < 15 ? sheet1 : sheet2).end(), 2, order[i]);
        EXPECT_EQ(namesOn(1), sheet1);
        EXPECT_EQ(namesOn(2), sheet2);
        EXPECT_EQ(lastMessage(), completed(2));
    }

    // More sheets than records: 30 copies of one person fill three sheets.
    openPeopleForLabels(1);
    env.printer = RecordingPrinter();
    chooseStock(true);
    noTestPage();
    EXPECT_EQ(run(labels(0, 30)), RunEnd::Completed);
    EXPECT_EQ(namesOn(1).size() + namesOn(2).size() + namesOn(3).size(), 30u);
    EXPECT_EQ(namesOn(3).size(), 6u);
}

TEST_F(LabelsTest, ReprintOfPageTwoStartsWithTheSameRecord)
{
    openPeopleForLabels(4);
    chooseStock(true);
    noTestPage();
    ReportOptions o = labels(0, 5);
    o.reprint = true;
    o.reprintFrom = o.reprintThrough = 2;
    EXPECT_EQ(run(o), RunEnd::Completed);
    // Page 1 was walked without printing; page 2 is the first sheet printed.
    EXPECT_EQ(namesOn(1), copies({{3, 3}, {4, 5}}));
    EXPECT_EQ(namesOn(2), Ids{});
    EXPECT_EQ(lastMessage(), completed(2));
}

// Italics and upper case from the positioning dialog apply to labels; the
// record in the file keeps its case.
TEST_F(LabelsTest, ItalicUpperCaseLabelsLeaveTheFileAlone)
{
    openPeopleForLabels(2);
    const QByteArray before = fileBytes(env.naPath());
    noTestPage(4, 0, true, true);
    EXPECT_EQ(run(labels(2)), RunEnd::Completed);
    const auto sheet = textsOn(1);
    ASSERT_EQ(sheet.size(), 10u);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(sheet[5 + k].text, labelLines(2)[k].toUpper());
    for (const auto& t : sheet)
        EXPECT_TRUE(t.italic) << t.text.toStdString();
    EXPECT_FALSE(env.printer.fontItalic()) << "italics end with the run";
    EXPECT_EQ(fileBytes(env.naPath()), before);
}

// Yes prints a test page (after the positioning dialog) and asks again with
// the other question; Cancel in the positioning dialog then stops the run
// with nothing printed but the test pages.
TEST_F(LabelsTest, TestPagesThenCancelInPositioning)
{
    openPeopleForLabels(3);
    env.ui.answer(Ui::Answer::Yes);
    position(3, 1, true);
    env.ui.answer(Ui::Answer::Yes);
    position();
    env.ui.answer(Ui::Answer::No);
    position(4, 0, false, false, false);
    EXPECT_EQ(run(labels(2)), RunEnd::CancelledEarly);

    EXPECT_EQ(env.ui.texts(), (QStringList{kFirstQuestion, kAgainQuestion, kAgainQuestion}));
    for (const auto& m : env.ui.messages)
        EXPECT_EQ(std::tie(m.title, m.buttons, m.icon),
                  std::make_tuple(kTitle, Ui::Buttons::YesNoCancel, Ui::Icon::Question));
    EXPECT_EQ(env.ui.modalWindows, (QStringList{"VertPosForm", "VertPosForm", "VertPosForm"}));
    EXPECT_EQ(env.printer.documents, 2) << "two test pages, no labels";
    EXPECT_EQ(env.printer.abandoned, 0);
    EXPECT_EQ(p.Report.LabelTop, 999);
    EXPECT_EQ(p.Report.LabelLeft, 0) << "kept from the second test page";
    EXPECT_EQ(windows.calls, (QStringList{"preparing", "closePreparing"}));
    EXPECT_FALSE(env.ui.waitCursor);

    // The first test page: the ruler on every line of all 30 slots, up 1/16
    // and right 1/16 inch, in italics since the box was checked.
    const auto test1 = textsOn(1, 0);
    ASSERT_EQ(test1.size(), 150u);
    for (int slot = 0; slot < 30; ++slot)
        for (int k = 0; k < 5; ++k) {
            const auto& t = test1[slot * 5 + k];
            EXPECT_EQ(t.text, kRuler);
            EXPECT_EQ(std::tie(t.x, t.y, t.size, t.bold, t.italic),
                      std::make_tuple(90.0 + 4000 * (slot % 3), 630.0 + 1440 * (slot / 3) + 180 * k,
                                      8.0, true, true));
        }
    EXPECT_EQ(textsOn(1, 1).front().y, 720);
}

// Continuous forms print on their own 12-inch page: at the standard position
// all twelve labels of every form are on it, and nothing is dropped.
TEST_F(LabelsTest, ContinuousFormsPrintEveryLabelInsideTheTwelveInchPage)
{
    openPeopleForLabels(44);
    chooseStock(true);
    noTestPage();
    EXPECT_EQ(run(labels(0)), RunEnd::Completed);
    EXPECT_EQ(lastMessage(), completed(4));
    EXPECT_TRUE(env.printer.log.contains(QStringLiteral("paper 40")));
    EXPECT_EQ(env.printer.paperSize(), 1) << "back to letter for what prints next";
    Ids printed;
    for (int page = 1; page <= 4; ++page) {
        const Ids ids = namesOn(page);
        printed.insert(printed.end(), ids.begin(), ids.end());
    }
    Ids all(44);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(printed, all);
    RecordingPrinter measure;
    measure.setFontName(kCourier);
    measure.setFontSize(10);
    measure.setFontBold(true);
    for (const auto& t : env.printer.texts) {
        EXPECT_EQ(t.pageHeight, 17280);
        EXPECT_GE(t.y, 0);
        EXPECT_LE(t.y + measure.textHeight(), t.pageHeight) << t.text.toStdString();
    }
    EXPECT_EQ(textsOn(1).front().y, 0);
    EXPECT_EQ(textsOn(1).back().y, 11 * 1440 + 4 * 220);
}

// The continuous test page prints at once, without the positioning dialog,
// exactly where the labels print at the standard position, whatever offset an
// earlier run used.
TEST_F(LabelsTest, ContinuousTestPageLinesUpWithTheLabels)
{
    openPeopleForLabels(3);
    chooseStock(false);
    noTestPage(4, 6); // an earlier run, right 3/8 inch
    EXPECT_EQ(run(labels(0)), RunEnd::Completed);
    EXPECT_EQ(p.Report.LabelLeft, 540);

    env.printer = RecordingPrinter();
    env.ui.modalWindows.clear();
    chooseStock(true);
    env.ui.answer(Ui::Answer::Yes);
    noTestPage();
    EXPECT_EQ(run(labels(0)), RunEnd::Completed);
    EXPECT_EQ(env.ui.modalWindows, (QStringList{"LabelStockForm", "VertPosForm"}));
    const auto test = textsOn(1, 0);
    ASSERT_EQ(test.size(), 60u);
    const auto label = textsOn(1, 1);
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(std::tie(test[0].x, test[0].y, test[0].size, test[0].pageHeight),
              std::tie(label[0].x, label[0].y, label[0].size, label[0].pageHeight));
    EXPECT_EQ(std::tie(test[0].x, test[0].y), std::make_tuple(0.0, 0.0));
    EXPECT_EQ(std::tie(test[59].y, test[59].text), std::make_tuple(15840.0 + 4 * 220, kRuler));
}

// A position that would put part of a label or card off the page is said
// before anything prints: OK goes back to the positioning dialog, Cancel stops.
TEST_F(LabelsTest, APositionOffThePageIsSaidAndChosenAgain)
{
    const QString foot = QStringLiteral("At This Position The Last Row Of %1 Would Run Past The "
                                        "Foot Of The Page And Would Not Print Whole.");
    const QString head = QStringLiteral("At This Position The First Row Of %1 Would Start Above "
                                        "The Top Of The Page And Would Not Print Whole.");
    const QString choose =
        QStringLiteral("\n\nClick OK To Choose Another Position, Or Cancel To Stop Printing.");
    struct Case {
        const char* name;
        ReportOptions o;
        int continuous; // -1: no stock question
        int vertical;   // the first choice
        QString said;   // empty: it fits
    } cases[] = {
        {"continuous down 1/4", labels(0), 1, 8, foot.arg("Labels")},
        {"continuous down 3/16", labels(0), 1, 7, {}},
        {"continuous up 1/16", labels(0), 1, 3, head.arg("Labels")},
        {"2-across down 3/16", labels(1), -1, 7, foot.arg("Labels")},
        {"2-across cards down 1/4", cards(1), -1, 8, {}},
    };
    openPeopleForLabels(2);
    for (const Case& c : cases) {
        for (bool again : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (again ? " OK" : " Cancel"));
            env.printer = RecordingPrinter();
            env.ui.messages.clear();
            if (c.continuous >= 0)
                chooseStock(c.continuous == 1);
            noTestPage(c.vertical);
            if (!c.said.isEmpty()) {
                env.ui.answer(again ? Ui::Answer::Ok : Ui::Answer::Cancel);
                if (again)
                    position();
            }
            const RunEnd end = run(c.o);
            if (c.said.isEmpty()) {
                EXPECT_EQ(end, RunEnd::Completed);
                EXPECT_EQ(lastMessage(), completed(1));
                break;
            }
            ASSERT_GE(env.ui.messages.size(), 2u);
            const auto& m = env.ui.messages[1];
            EXPECT_EQ(
                std::tie(m.text, m.buttons, m.icon),
                std::make_tuple(c.said + choose, Ui::Buttons::OkCancel, Ui::Icon::Exclamation));
            EXPECT_EQ(end, again ? RunEnd::Completed : RunEnd::CancelledEarly);
            EXPECT_EQ(env.printer.documents, again ? 1 : 0);
            if (again) {
                EXPECT_EQ(namesOn(1), (Ids{1, 2}));
            }
            EXPECT_TRUE(env.ui.allUsed());
        }
    }
}

// Card test page: five ruler lines 240 apart and three more further down.
TEST_F(LabelsTest, CardTestPages)
{
    openPeopleForLabels(3);
    const std::vector<double> offsets[] = {{0, 240, 480, 720, 960, 1400, 1790, 2110},
                                           {0, 240, 480, 720, 960, 1400, 1790, 2050}};
    for (int stock : {0, 1}) {
        SCOPED_TRACE(stock);
        env.printer = RecordingPrinter();
        env.ui.answer(Ui::Answer::Yes);
        position();
        env.ui.answer(Ui::Answer::Cancel);
        EXPECT_EQ(run(cards(stock)), RunEnd::CancelledEarly);
        const auto page = textsOn(1);
        const int perSheet = stock == 0 ? 4 : 8;
        ASSERT_EQ(int(page.size()), perSheet * 8);
        const double top = stock == 0 ? 410 : 1570;
        for (int slot = 0; slot < perSheet; ++slot)
            for (int k = 0; k < 8; ++k) {
                const auto& t = page[slot * 8 + k];
                EXPECT_EQ(std::tie(t.text, t.size, t.bold), std::make_tuple(kRuler, 11.0, true));
                EXPECT_EQ(t.x, stock == 0 ? 300 : (slot % 2 ? 6100 : 300));
                EXPECT_EQ(t.y, top + 3120 * (slot / (perSheet / 4)) + offsets[stock][k]);
            }
    }
}

// The positioning dialog: fresh each time, each choice's offset, the card
// bases, Cancel keeping LabelLeft, the check boxes off for cards.
TEST_F(LabelsTest, PositioningChoices)
{
    openPeopleForLabels(1);
    const int vertical[] = {360, 450, 540, 630, 720, 810, 900, 990, 1080};
    const int horizontal[] = {0, 90, 180, 270, 360, 450, 540};
    const std::pair<ReportOptions, int> stocks[] = {
        {labels(0), 0}, {cards(0), -360}, {cards(1), 850}};
    for (const auto& [o, base] : stocks) {
        for (int v = 0; v < 9; ++v) {
            const int h = v % 7;
            env.ui.onModal([&](QDialog& d) {
                // Nothing of an earlier choice shows.
                EXPECT_TRUE(control<QRadioButton>(&d, "VertOpt1_4")->isChecked());
                EXPECT_TRUE(control<QRadioButton>(&d, "HorizPos_0")->isChecked());
                for (const char* box : {"PosItalChk", "PosUpperChk"}) {
                    EXPECT_FALSE(control<QCheckBox>(&d, box)->isChecked());
                    EXPECT_EQ(control<QCheckBox>(&d, box)->isEnabled(),
                              o.kind == ReportKind::Labels);
                }
                click(control<QRadioButton>(&d, QStringLiteral("VertOpt1_%1").arg(v)));
                click(control<QRadioButton>(&d, QStringLiteral("HorizPos_%1").arg(h)));
                click(control<QPushButton>(&d, "VertCmd1"));
            });
            askPosition(p, o);
            EXPECT_EQ(p.Report.LabelTop, base + vertical[v]) << v;
            EXPECT_EQ(p.Report.LabelLeft, horizontal[h]) << h;
        }
    }
    // Cancel: LabelTop 999, LabelLeft as it was; Esc does the same.
    position(0, 3, false, false, false);
    askPosition(p, labels(0));
    EXPECT_EQ(std::make_pair(p.Report.LabelTop, p.Report.LabelLeft), std::make_pair(999, 90));
    p.Report.LabelTop = 720;
    env.ui.onModal([](QDialog& d) { d.reject(); });
    askPosition(p, labels(0));
    EXPECT_EQ(p.Report.LabelTop, 999);
    // The check boxes set the flags when clicked, and clear them when clicked again.
    env.ui.onModal([](QDialog& d) {
        auto* italic = control<QCheckBox>(&d, "PosItalChk");
        click(italic);
        click(control<QCheckBox>(&d, "PosUpperChk"));
        click(italic);
        click(control<QPushButton>(&d, "VertCmd1"));
    });
    askPosition(p, labels(0));
    EXPECT_EQ(std::make_pair(p.Report.LabelItalic, p.Report.LabelUpper), std::make_pair(0, -1));
}

// A printer that fails on the test page: said once, the page abandoned, nothing more printed.
// A run after an envelope left another paper on the printer prints on letter paper, upright.
// A printer without the continuous form is told before anything prints.
TEST_F(LabelsTest, TestPageOnAFailingPrinterAndLetterPaper)
{
    openPeopleForLabels(2);
    env.printer.failWith = 482;
    env.ui.answer(Ui::Answer::Yes);
    position();
    EXPECT_EQ(run(labels(1)), RunEnd::CancelledEarly);
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Printer Error"));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("A Printer Error Occurred. Throw Away Any Pages That Print."));
    EXPECT_EQ(env.printer.abandoned, 1);
    EXPECT_EQ(env.printer.documents, 0);
    EXPECT_FALSE(env.ui.waitCursor);

    env.printer = RecordingPrinter();
    env.printer.setPaperSize(20);
    env.printer.setOrientation(2);
    noTestPage();
    EXPECT_EQ(run(labels(1)), RunEnd::Completed);
    EXPECT_EQ(std::make_pair(env.printer.paperSize(), env.printer.orientation()),
              std::make_pair(1, 1));
    EXPECT_EQ(namesOn(1), (Ids{1, 2}));

    // A printer that cannot take the continuous form says so before anything prints.
    env.printer = RecordingPrinter();
    env.printer.unsupportedPapers = {40};
    chooseStock(true);
    EXPECT_EQ(run(labels(0)), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Your Printer Does Not Take The 8 1/2 x 12 Inch "
                                            "Continuous Form.\n\nPlease Print The Labels On Cut "
                                            "Sheets Or Choose Another Printer."));
    EXPECT_EQ(env.printer.documents + env.printer.abandoned, 0);
    EXPECT_FALSE(env.ui.waitCursor);
}

// Duplex cannot be had for labels; a quantity below 1 is refused.
TEST_F(LabelsTest, DuplexQuestionAndBadQuantity)
{
    openPeopleForLabels(2);
    ReportOptions o = labels(2);
    o.duplex = true;
    env.ui.answer(Ui::Answer::Cancel);
    EXPECT_EQ(runReport(p, o, windows), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Labels And Rotary File Cards Cannot Be Duplex "
                                            "Printed.  Duplex Option Will Be Deselected."));
    EXPECT_TRUE(o.duplex);

    env.ui.answer(Ui::Answer::Ok);
    noTestPage();
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(namesOn(1), (Ids{1, 2}));
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), QStringList{"endDoc"});

    env.printer = RecordingPrinter();
    for (int q : {0, -2}) {
        ReportOptions bad = cards(0, q);
        EXPECT_EQ(run(bad), RunEnd::CancelledEarly);
        EXPECT_EQ(lastMessage(), quantityRefusedText());
    }
    EXPECT_TRUE(env.printer.texts.empty());
}

} // namespace tavrel::test
