// Labels and reports in real PDF files: the A4 sheets and A4 paper for the
// reports.
#include "ReportFixture.h"

#include "platform/gui/QtPrinter.h"
#include "reports/LabelLayouts.h"
#include "support/PdfPages.h"

#include <QApplication>
#include <QTest>

namespace tavrel::test {

namespace {

const QSizeF kA4Points(595.28, 841.89);

// The sheets as their makers measure them (mm): first label's corner, pitch, label size.
struct Measured {
    const char* name;
    int columns, rows;
    double top, left, pitchX, pitchY, width, height;
};
const Measured kMeasured[] = {
    {"a4-3x7", 3, 7, 15.15, 7.25, 66.04, 38.1, 63.5, 38.1},
    {"a4-2x7", 2, 7, 15.15, 4.65, 101.6, 38.1, 99.1, 38.1},
    {"a4-3x8", 3, 8, 4.5, 0, 70, 36, 70, 36},
    {"a4-2x8", 2, 8, 12.9, 4.65, 101.6, 33.9, 99.1, 33.9},
    {"a4-3x8-63.5", 3, 8, 12.9, 7.25, 66.0, 33.9, 63.5, 33.9},
    {"a4-2x4", 2, 4, 13.1, 4.65, 101.6, 67.7, 99.1, 67.7},
};

} // namespace

class PdfTest : public ReportTest {
protected:
    // Prints `o` for people 1..n into a PDF file; no test page, the standard
    // position.
    QString printToPdf(int n, ReportOptions o)
    {
        openPeople(n);
        QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
        PrinterRoute route(p.printer, pdf);
        if (o.kind == ReportKind::Labels)
            noTestPage();
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(pdf.paperSize(), 1); // letter again for whatever prints next
        return pdf.lastPdfFile();
    }
    // Prints a telephone list, or 1-across labels answering the label-stock window with `choose`.
    void printWith(ReportKind kind, const std::function<void(QDialog&)>& choose = {})
    {
        env.printer = RecordingPrinter();
        if (choose) {
            env.ui.onModal(choose);
            noTestPage();
        }
        EXPECT_EQ(run(options(kind)), RunEnd::Completed);
    }
};

// Each A4 sheet in a real PDF: A4 pages, and every label's name where the
// sheet's measurements put it on the paper, to the point; the next record
// starts the next sheet in its first label.
TEST_F(PdfTest, EveryA4LabelLiesWhereTheSheetPutsIt)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; positions not checked";
    constexpr double pt = 72 / 25.4;
    ASSERT_EQ(a4Sheets().size(), std::size(kMeasured));
    for (const Measured& m : kMeasured) {
        SCOPED_TRACE(m.name);
        const int i = a4SheetNamed(QLatin1String(m.name));
        ASSERT_GE(i, 0);
        const A4Sheet& sheet = a4Sheets()[i];
        ASSERT_EQ(std::pair(sheet.columns, sheet.rows), std::pair(m.columns, m.rows));
        const int perSheet = sheet.columns * sheet.rows;
        const QString file = printToPdf(perSheet + 1, labels(kFirstA4LabelStock + i));
        const auto boxes = mediaBoxes(file);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].toSize(), kA4Points.toSize());

        std::map<int, PdfWord> names; // ID -> its "Person" word
        const auto words = pdfWords(file);
        for (std::size_t w = 0; w + 1 < words.size(); ++w) {
            if (words[w].text == QLatin1String("Person"))
                names.emplace(words[w + 1].text.toInt(), words[w]);
            EXPECT_TRUE(QRectF(QPointF(0, 0), kA4Points).contains(words[w].box));
        }
        ASSERT_EQ(int(names.size()), perSheet + 1);
        // The text's top lies a fixed distance above the word's box (the font's own).
        const double lead = names.at(1).box.top() - (sheet.topMm + sheet.insetYmm) * pt;
        EXPECT_NEAR(lead, 0, 2);
        for (int k = 0; k < perSheet; ++k) {
            SCOPED_TRACE(k);
            const PdfWord& w = names.at(k + 1);
            const int row = k / sheet.columns, col = k % sheet.columns;
            EXPECT_EQ(w.page, 1);
            // Inside its label on the paper, and inside what a printer reaches.
            const QRectF label(QPointF(m.left + col * m.pitchX, m.top + row * m.pitchY) * pt,
                               QSizeF(m.width, m.height) * pt);
            EXPECT_TRUE(label.contains(w.box));
            EXPECT_GE(w.box.left(), 18);
            EXPECT_NEAR(w.box.left(), (sheet.leftMm + col * sheet.pitchXmm + sheet.insetXmm) * pt,
                        0.5);
            EXPECT_NEAR(w.box.top() - lead,
                        (sheet.topMm + row * sheet.pitchYmm + sheet.insetYmm) * pt, 0.5);
        }
        const PdfWord& next = names.at(perSheet + 1);
        EXPECT_EQ(next.page, 2);
        EXPECT_NEAR(next.box.left(), names.at(1).box.left(), 0.1);
        EXPECT_NEAR(next.box.top(), names.at(1).box.top(), 0.1);
    }
}

// The list and book reports print on A4 when asked, with nothing off the page.
// (The continuous forms' 12-inch pages: PrintServerTest, through a real queue.)
TEST_F(PdfTest, ReportsOnA4)
{
    for (ReportKind kind : {ReportKind::Book, ReportKind::TelephoneList,
                            ReportKind::AbbreviatedList, ReportKind::Listing}) {
        SCOPED_TRACE(int(kind));
        ReportOptions o = options(kind);
        o.a4Paper = true;
        const QString file = printToPdf(60, o);
        const auto boxes = mediaBoxes(file);
        ASSERT_GE(boxes.size(), 2u);
        for (const QSizeF& b : boxes)
            EXPECT_EQ(b.toSize(), kA4Points.toSize());
        if (!havePdfToText())
            continue;
        for (const PdfWord& w : pdfWords(file))
            EXPECT_TRUE(QRectF(QPointF(-0.5, -0.5), kA4Points + QSizeF(1, 1)).contains(w.box))
                << w.text.toStdString();
    }
}

// The label-stock window offers the A4 sheets and A4 paper for the reports;
// an A4 sheet prints on A4 in that sheet's slots, and the choice is shown
// again the next time.
TEST_F(PdfTest, LabelStockWindowOffersA4AndRemembers)
{
    openPeople(2);
    printWith(ReportKind::Labels, [](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(&d, "StockOpt2_0")->isChecked());
        click(control<QRadioButton>(&d, "A4StockOpt_1"));
        click(control<QCheckBox>(&d, "A4PaperChk"));
        click(control<QPushButton>(&d, "Command3D1"));
    });
    const Slot first = sheetSlots(a4Stock(1), 720, 0, env.printer.printableOrigin()).front();
    ASSERT_FALSE(env.printer.texts.empty());
    EXPECT_EQ((Slot{env.printer.texts.front().x, env.printer.texts.front().y}), first);
    printWith(ReportKind::TelephoneList);
    EXPECT_TRUE(env.printer.log.contains(QStringLiteral("paper 9")));

    printWith(ReportKind::Labels, [](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(&d, "A4StockOpt_1")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(&d, "A4PaperChk")->isChecked());
        click(control<QRadioButton>(&d, "StockOpt2_1"));
        click(control<QCheckBox>(&d, "A4PaperChk"));
        click(control<QPushButton>(&d, "Command3D1"));
    });
    printWith(ReportKind::TelephoneList);
    EXPECT_FALSE(env.printer.log.contains(QStringLiteral("paper 9")));
}

// The keyboard reaches the A4 sheets: Tab stops in their frame, each has an
// access key of its own, and one choice holds across both frames. The sheet
// chosen by its key prints and is remembered by its name.
TEST_F(PdfTest, A4SheetsHaveATabStopAndAccessKeys)
{
    openPeople(2);
    printWith(ReportKind::Labels, [](QDialog& d) {
        auto checked = [&d] {
            QStringList on;
            for (QRadioButton* o : d.findChildren<QRadioButton*>())
                if (o->isChecked())
                    on << o->objectName();
            return on;
        };
        ASSERT_EQ(checked(), QStringList{"StockOpt2_0"});
        QStringList tabStops;
        for (int i = 0; i < 4; ++i) {
            pressKey(&d, Qt::Key_Tab);
            tabStops << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(tabStops,
                  (QStringList{"StockOpt2_0", "A4StockOpt_0", "A4PaperChk", "Command3D1"}));
        // Alt and each sheet's key chooses that sheet alone.
        QString keys = QStringLiteral("SC"); // the letter stocks' keys
        for (int i = 0; i < int(a4Sheets().size()); ++i) {
            auto* option = control<QRadioButton>(&d, QStringLiteral("A4StockOpt_%1").arg(i));
            const qsizetype amp = option->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << option->text().toStdString();
            const QChar key = option->text().at(amp + 1).toUpper();
            EXPECT_FALSE(keys.contains(key)) << option->text().toStdString();
            keys += key;
            pressKey(&d, key.unicode(), Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return checked() == QStringList{option->objectName()};
            })) << checked().join(' ').toStdString();
        }
        pressKey(&d, Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return checked() == QStringList{"StockOpt2_1"}; }));
        pressKey(&d, Qt::Key_4, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return checked() == QStringList{"A4StockOpt_5"}; }));
        EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(&d, "Command3D1"));
        pressKey(&d, Qt::Key_Return);
    });
    const int sheet = a4SheetNamed(QStringLiteral("a4-2x4"));
    ASSERT_GE(sheet, 0);
    const Slot first = sheetSlots(a4Stock(sheet), 720, 0, env.printer.printableOrigin()).front();
    ASSERT_FALSE(env.printer.texts.empty());
    EXPECT_EQ((Slot{env.printer.texts.front().x, env.printer.texts.front().y}), first);
    printWith(ReportKind::Labels, [](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(&d, "A4StockOpt_5")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(&d, "StockOpt2_0")->isChecked());
        click(control<QPushButton>(&d, "Command3D1"));
    });
}

} // namespace tavrel::test
