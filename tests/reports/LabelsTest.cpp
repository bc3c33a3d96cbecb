#include "ReportFixture.h"

#include "reports/LabelLayouts.h"

namespace tavrel::test {

namespace {

const QString kRuler = QStringLiteral("12345678901234567890123456789012345");
const QString kFirstQuestion = QStringLiteral("Do You Want To Print A Test Page?");
const QString kAgainQuestion = QStringLiteral("Wait For The Test Page To Print.\nExamine The "
                                              "Page.\n\nDo You Want To Print Another Test Page?");

using Ids = std::vector<int>;

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
// each label, and the next record starting the next sheet in its first slot;
// a test page first, the ruler on each of those lines at the standard
// position. Continuous forms are a 12-inch page of their own; their test page
// prints at once, without the positioning dialog, whatever offset the run
// before used. 3-across in italics and upper case from the positioning
// dialog: the records in the file keep their case.
TEST_F(LabelsTest, LabelSheetsOfEachStock)
{
    struct Case {
        const char* name;
        int stock;
        int continuous; // -1: no stock question
        int top;        // down 1/16 inch from the standard position
        double points, step, pageHeight;
        std::vector<int> rows; // inch rows from the top offset
        std::vector<double> columns;
    } cases[] = {
        {"cut sheets", 0, 0, 810, 8, 180, 15120, {0, 1, 2, 3, 5, 6, 7, 8}, {180}},
        {"continuous", 0, 1, 90, 10, 220, 17280, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {180}},
        {"2-across", 1, -1, 810, 12, 233, 15120, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {540, 6525}},
        {"3-across", 2, -1, 810, 8, 180, 15120, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {180, 4180, 8180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int perSheet = int(c.rows.size() * c.columns.size());
        const bool styled = c.stock == 2;
        env.printer = RecordingPrinter();
        openPeopleForLabels(perSheet + 1);
        const QByteArray before = fileBytes(env.naPath());
        if (c.continuous >= 0)
            chooseStock(c.continuous == 1);
        env.ui.answer(Ui::Answer::Yes);
        if (c.continuous != 1)
            position();
        noTestPage(5, 2, styled, styled);
        EXPECT_EQ(run(labels(c.stock)), RunEnd::Completed);
        EXPECT_EQ(fileBytes(env.naPath()), before);
        EXPECT_FALSE(env.printer.fontItalic()) << "italics end with the run";
        EXPECT_EQ(env.printer.log.contains(QStringLiteral("paper 40")), c.continuous == 1);

        const auto test = textsOn(1, 0), sheet = textsOn(1, 1);
        ASSERT_EQ(int(sheet.size()), perSheet * 5);
        ASSERT_EQ(test.size(), sheet.size());
        int slot = 0;
        for (int row : c.rows) {
            for (double x : c.columns) {
                const QStringList lines = labelLines(slot + 1);
                for (int k = 0; k < 5; ++k) {
                    const auto &t = sheet[slot * 5 + k], &ruler = test[slot * 5 + k];
                    EXPECT_EQ(
                        std::tuple(ruler.text, ruler.x, ruler.y, ruler.size, ruler.pageHeight),
                        std::tuple(kRuler, x - 180, c.top - 90 + 1440 * row + k * c.step, c.points,
                                   c.pageHeight));
                    EXPECT_EQ(t.text, styled ? lines[k].toUpper() : lines[k]) << slot << "," << k;
                    EXPECT_EQ(std::tuple(t.x, t.y, t.pageHeight),
                              std::tuple(x, c.top + 1440 * row + k * c.step, c.pageHeight));
                    EXPECT_EQ(std::tie(t.font, t.size, t.bold, t.italic, t.underline),
                              std::make_tuple(kCourier, c.points, true, styled, false));
                }
                ++slot;
            }
        }
        const auto next = textsOn(2, 1);
        ASSERT_EQ(next.size(), 5u);
        EXPECT_EQ(next[0].text,
                  styled ? labelLines(perSheet + 1)[0].toUpper() : labelLines(perSheet + 1)[0]);
        EXPECT_EQ(std::tie(next[0].x, next[0].y), std::make_tuple(c.columns[0], double(c.top)));
    }
}

// Every card line at its offset and size; 1-across cards ignore the
// horizontal offset and sit 50 twips lower. The card test page, at the
// standard position, has in each slot five ruler lines 240 apart and three
// more further down.
TEST_F(LabelsTest, CardSheetsOfEachStock)
{
    const std::pair<double, std::vector<double>> stocks[] = {{-360 + 810 + 50, {300}},
                                                             {850 + 810, {480, 6280}}};
    const std::vector<double> rulers[] = {{0, 240, 480, 720, 960, 1400, 1790, 2110},
                                          {0, 240, 480, 720, 960, 1400, 1790, 2050}};
    for (int stock : {0, 1}) {
        SCOPED_TRACE(stock);
        const auto& [top, columns] = stocks[stock];
        const int perSheet = 4 * int(columns.size()), across = int(columns.size());
        env.printer = RecordingPrinter();
        openPeopleForLabels(9);
        p.Report.LabelItalic = p.Report.LabelUpper = -1; // left from an earlier label run
        env.ui.answer(Ui::Answer::Yes);
        position();
        noTestPage(5, 2);
        EXPECT_EQ(run(cards(stock)), RunEnd::Completed);

        const auto test = textsOn(1, 0); // 1/16 inch higher, 2-across 1/8 inch to the left
        ASSERT_EQ(int(test.size()), perSheet * 8);
        for (int i = 0; i < perSheet * 8; ++i)
            EXPECT_EQ(std::tuple(test[i].text, test[i].size, test[i].bold, test[i].x, test[i].y),
                      std::tuple(kRuler, 11.0, true, columns[i / 8 % across] - 180 * stock,
                                 top - 90 + 3120 * (i / 8 / across) + rulers[stock][i % 8]));
        const auto sheet = textsOn(1, 1);
        ASSERT_EQ(int(sheet.size()), perSheet * 14);
        for (int slot = 0; slot < perSheet; ++slot) {
            const NARecord& r = recs.at(slot + 1);
            const double x = columns[slot % across];
            const double y = top + 3120 * (slot / across);
            QStringList texts = labelLines(slot + 1);
            texts << QString(34, u'a') + QString(16, u'b') << QString(17, u'b') + QString(33, u'c')
                  << pad(r.EMail, 35);
            for (int i = 1; i <= 5; ++i)
                texts << QStringLiteral("Tel%1     ").arg(i) + pad(r.phoneNum(i), 20);
            texts << QStringLiteral("ID# %1").arg(slot + 1);
            const double offsets[] = {0,    220,  370,  520,  670,  870,  1020,
                                      1220, 1420, 1570, 1720, 1870, 2020, 2170};
            for (int k = 0; k < 14; ++k) {
                const auto& t = sheet[slot * 14 + k];
                EXPECT_EQ(t.text, texts[k]) << "card " << slot << " line " << k;
                EXPECT_EQ(std::tuple(t.x, t.y, t.font, t.size, t.bold, t.italic),
                          std::tuple(x, y + offsets[k], kCourier, k ? 8.0 : 11.0, true, false));
            }
        }
    }
}

// Yes prints a test page (after the positioning dialog) and asks again with
// the other question; Cancel in the positioning dialog then stops the run
// with nothing printed but the test pages.
TEST_F(LabelsTest, TestPagesUnderTheHourglassThenCancelInPositioning)
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
    EXPECT_EQ(std::pair(env.printer.documents, env.printer.abandoned), std::pair(2, 0));
    EXPECT_EQ(std::pair(p.Report.LabelTop, p.Report.LabelLeft), std::pair(999, 0));
    EXPECT_EQ(windows.calls, (QStringList{"preparing", "closePreparing"}));
    EXPECT_FALSE(env.ui.waitCursor);

    // The first test page up 1/16 and right 1/16 inch, in italics since the
    // box was checked; the second at the standard position.
    const auto test1 = textsOn(1, 0);
    ASSERT_EQ(test1.size(), 150u);
    EXPECT_EQ(std::tuple(test1[0].x, test1[0].y, test1[0].italic), std::tuple(90.0, 630.0, true));
    EXPECT_EQ(textsOn(1, 1).front().y, 720);

    // Test pages are drawn under the hourglass (the pages of a run under the
    // progress window instead).
    struct CursorNotingPrinter : RecordingPrinter {
        explicit CursorNotingPrinter(const ScriptedUi& ui) : ui(ui) {}
        void printLine(const QString& text) override
        {
            ++(ui.waitCursor ? underHourglass : withArrow);
            RecordingPrinter::printLine(text);
        }
        const ScriptedUi& ui;
        int underHourglass = 0, withArrow = 0;
    } printer(env.ui);
    PrinterRoute route(p.printer, printer);
    for (ReportOptions o : {cards(0), cards(1), labels(2)}) {
        env.ui.answer(Ui::Answer::Yes);
        position();
        env.ui.answer(Ui::Answer::Cancel);
        EXPECT_EQ(runReport(p, o, windows), RunEnd::CancelledEarly);
    }
    EXPECT_EQ(std::pair(printer.underHourglass, printer.withArrow),
              std::pair(4 * 8 + 8 * 8 + 30 * 5, 0));
}

// A position that would put part of a label or card off the page is said
// before anything prints: OK goes back to the positioning dialog, Cancel stops.
TEST_F(LabelsTest, APositionOffThePageIsSaidAndChosenAgain)
{
    const QString foot = QStringLiteral("At This Position The Last Row Of Labels Would Run Past "
                                        "The Foot Of The Page And Would Not Print Whole.");
    const QString head = QStringLiteral("At This Position The First Row Of Labels Would Start "
                                        "Above The Top Of The Page And Would Not Print Whole.");
    const QString choose =
        QStringLiteral("\n\nClick OK To Choose Another Position, Or Cancel To Stop Printing.");
    struct Case {
        const char* name;
        ReportOptions o;
        int continuous; // -1: no stock question
        int vertical;   // the first choice
        QString said;   // empty: it fits
        bool again;     // the box answered OK, and the standard position chosen
    } cases[] = {
        {"continuous down 1/4", labels(0), 1, 8, foot, true},
        {"continuous down 3/16", labels(0), 1, 7, {}, false},
        {"continuous up 1/16", labels(0), 1, 3, head, false},
        {"2-across down 3/16", labels(1), -1, 7, foot, true},
        {"2-across cards down 1/4", cards(1), -1, 8, {}, false},
    };
    openPeopleForLabels(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        env.printer = RecordingPrinter();
        env.ui.messages.clear();
        if (c.continuous >= 0)
            chooseStock(c.continuous == 1);
        noTestPage(c.vertical);
        if (!c.said.isEmpty())
            env.ui.answer(c.again ? Ui::Answer::Ok : Ui::Answer::Cancel);
        if (c.again)
            position();
        const bool prints = c.said.isEmpty() || c.again;
        EXPECT_EQ(run(c.o), prints ? RunEnd::Completed : RunEnd::CancelledEarly);
        EXPECT_TRUE(env.ui.allUsed());
        EXPECT_EQ(namesOn(1), prints ? (Ids{1, 2}) : Ids());
        if (c.said.isEmpty())
            continue;
        const auto& m = env.ui.messages.at(1);
        EXPECT_EQ(std::tie(m.text, m.buttons, m.icon),
                  std::make_tuple(c.said + choose, Ui::Buttons::OkCancel, Ui::Icon::Exclamation));
    }
}

// The positioning dialog: fresh each time, each choice's offset, the card
// bases, Cancel keeping LabelLeft, the check boxes off for cards.
TEST_F(LabelsTest, PositioningChoices)
{
    openPeopleForLabels(1);
    const std::pair<ReportOptions, int> stocks[] = {
        {labels(0), 0}, {cards(0), -360}, {cards(1), 850}};
    for (const auto& [o, base] : stocks) {
        for (int v = 0; v < 9; ++v) {
            const int h = v % 7;
            env.ui.onModal([&](QDialog& d) {
                // Nine heights, seven sideways positions; nothing of an earlier choice shows.
                EXPECT_EQ(d.findChild<QWidget*>("Frame1")->findChildren<QRadioButton*>().size(), 9);
                EXPECT_EQ(d.findChild<QWidget*>("Frame2")->findChildren<QRadioButton*>().size(), 7);
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
            EXPECT_EQ(std::pair(p.Report.LabelTop, p.Report.LabelLeft),
                      std::pair(base + 360 + 90 * v, 90 * h)) // 1/16 inch a step
                << v;
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

// Italics and upper case chosen in one run's positioning window (its test
// page's) hold for that run only: the next run from the same dialog, whose
// window shows both boxes clear, prints plain labels.
TEST_F(LabelsTest, ItalicsAndUpperCaseDoNotOutliveTheirRun)
{
    openPeopleForLabels(2);
    env.ui.answer(Ui::Answer::Yes);
    position(4, 0, true, true);
    noTestPage();
    ASSERT_EQ(run(labels(2)), RunEnd::Completed);
    const auto styledTest = textsOn(1, 0), styled = textsOn(1, 1);
    ASSERT_FALSE(styled.empty());
    EXPECT_TRUE(styledTest.front().italic);
    EXPECT_TRUE(styled.front().italic);
    EXPECT_EQ(styled.front().text, labelLines(1).front().toUpper());

    env.printer = RecordingPrinter();
    noTestPage();
    ASSERT_EQ(run(labels(2)), RunEnd::Completed);
    const auto plain = textsOn(1, 0);
    ASSERT_FALSE(plain.empty());
    for (const auto& t : plain)
        EXPECT_FALSE(t.italic) << t.text.toStdString();
    EXPECT_EQ(plain.front().text, labelLines(1).front());
}

// A print system that refuses the test page (a printer failing while it is
// drawn takes the same way): said once, in its words, nothing more printed.
// A run after an envelope left another paper on the printer prints on letter paper, upright.
// A printer without the continuous form is told before anything prints. Duplex
// cannot be had for labels. (A quantity below 1: ReportDialogTest and the
// command line's UsageErrorsNameTheWordNotTaken refuse it before any run.)
TEST_F(LabelsTest, WhatThePrinterCannotDoIsSaid)
{
    openPeopleForLabels(2);
    env.printer.notSentReason = kRefusal;
    env.ui.answer(Ui::Answer::Yes);
    position();
    EXPECT_EQ(run(labels(1)), RunEnd::CancelledEarly);
    ASSERT_EQ(env.ui.messages.size(), 2u);
    EXPECT_EQ(std::pair(env.ui.last().title, env.ui.last().text),
              std::pair(QStringLiteral("Printer Error"),
                        QStringLiteral("Test Page Not Printed.\n\n") + kRefusal));
    EXPECT_EQ(std::pair(env.printer.abandoned, env.printer.documents), std::pair(1, 0));
    EXPECT_FALSE(env.ui.waitCursor);

    env.printer = RecordingPrinter();
    env.printer.setPaperSize(20);
    env.printer.setOrientation(2);
    noTestPage();
    EXPECT_EQ(run(labels(1)), RunEnd::Completed);
    EXPECT_EQ(std::pair(env.printer.paperSize(), env.printer.orientation()), std::pair(1, 1));

    env.printer = RecordingPrinter();
    env.printer.unsupportedPapers = {40};
    chooseStock(true);
    EXPECT_EQ(run(labels(0)), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Your Printer Does Not Take The 8 1/2 x 12 Inch "
                                            "Continuous Form.\n\nPlease Print The Labels On Cut "
                                            "Sheets Or Choose Another Printer."));
    EXPECT_EQ(env.printer.documents + env.printer.abandoned, 0);
    EXPECT_FALSE(env.ui.waitCursor);

    env.printer = RecordingPrinter();
    ReportOptions o = labels(2);
    o.duplex = true;
    env.ui.answer(Ui::Answer::Cancel);
    EXPECT_EQ(runReport(p, o, windows), RunEnd::CancelledEarly);
    EXPECT_EQ(lastMessage(), QStringLiteral("Labels And Rotary File Cards Cannot Be Duplex "
                                            "Printed.  Duplex Option Will Be Deselected."));
    env.ui.answer(Ui::Answer::Ok);
    noTestPage();
    EXPECT_EQ(run(o), RunEnd::Completed);
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), QStringList{"endDoc"});
}

} // namespace tavrel::test
