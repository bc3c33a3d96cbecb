// Names in a script whose letters join (Arabic) print shaped: each letter in
// the form its neighbours ask for, right to left, inside the box given to it,
// and measured as drawn, so the layouts fit and place it where it lands.
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrintFonts.h"
#include "platform/gui/QtPrinter.h"
#include "platform/gui/RecordingPrinter.h"
#include "support/PdfPages.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QString kArabic = QStringLiteral("محمد عبد الله");

// `text` laid out by Qt with full shaping in the print font of Courier New,
// in twips: how wide a joined line of it is.
double shapedWidth(const QString& text, double points, bool bold)
{
    QFont font = printFont(QStringLiteral("Courier New"), points, bold, false, false);
    font.setStyleStrategy(QFont::PreferDefault);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.lineAt(0).naturalTextWidth();
}

// The form each letter of a line read back from the page stands in, in
// reading order (the page gives it left to right): Initial, Medial, Final,
// Isolated for a presentation form, NoDecomposition for a plain letter or a
// blank.
std::vector<QChar::Decomposition> formsInReadingOrder(const QString& onPage)
{
    std::vector<QChar::Decomposition> forms;
    for (auto c = onPage.crbegin(); c != onPage.crend(); ++c)
        forms.push_back(c->decompositionTag());
    return forms;
}

} // namespace

// An Arabic name drawn right to left into a box on a PDF page: the letters
// join (initial, medial and final forms, read back in order as the name), the
// line is as wide as Qt's shaped layout of it and ends at the box's right
// edge; both printers measure it so.
TEST(PrintShaping, ArabicPrintsJoinedRightToLeftAndMeasuresAsDrawn)
{
    QTemporaryDir tmp;
    QtPrinter printer(tmp.filePath("out"));
    RecordingPrinter recorded;
    for (Printer* p : {static_cast<Printer*>(&printer), static_cast<Printer*>(&recorded)}) {
        p->setFontName(QStringLiteral("Courier New"));
        p->setFontSize(11);
        p->setFontBold(true);
    }
    const double shaped = shapedWidth(kArabic, 11, true);
    EXPECT_NEAR(printer.textWidth(kArabic), shaped, 20) << "measured as drawn: joined";
    EXPECT_DOUBLE_EQ(recorded.textWidth(kArabic), printer.textWidth(kArabic));

    const double x = 1440, box = 4620;
    printer.setCurrentX(x);
    printer.setCurrentY(1440);
    printer.printLineRightToLeft(kArabic, box);
    printer.endDoc();
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the printed name cannot be read back";
    const auto words = pdfWords(printer.lastPdfFile());
    const QStringList lines = pdfLines(words, 1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(readRightToLeft(lines[0]), kArabic)
        << "the letters read back, right to left, as the name";
    using D = QChar::Decomposition;
    const std::vector<D> joined = {
        D::Initial,         D::Medial,  D::Medial, D::Final,
        D::NoDecomposition,                                            // محمد
        D::Initial,         D::Medial,  D::Final,  D::NoDecomposition, // عبد
        D::NoDecomposition, D::Initial, D::Medial, D::Final};          // الله
    EXPECT_EQ(formsInReadingOrder(lines[0]), joined) << lines[0].toStdString();

    double left = 1e9, right = -1e9;
    for (const PdfWord& w : words) {
        left = std::min(left, w.box.left());
        right = std::max(right, w.box.right());
    }
    // Points from the page's corner; the printable area starts a quarter inch in.
    EXPECT_NEAR(right, 18 + (x + box) / 20, 0.5) << "ends at the box's right edge";
    EXPECT_NEAR(right - left, shaped / 20, 1.0) << "as wide as the joined line";
}

// The preview draws the same joined line: its ink on the screen page is as
// wide as the shaped line (unjoined letters stand a fifth wider) and ends at
// the box's right edge.
TEST(PrintShaping, ThePreviewShowsArabicJoined)
{
    RecordingPrinter recorded;
    recorded.setFontName(QStringLiteral("Courier New"));
    recorded.setFontSize(11);
    recorded.setFontBold(true);
    const double x = 1440, box = 4620;
    recorded.setCurrentX(x);
    recorded.setCurrentY(1440);
    recorded.printLineRightToLeft(kArabic, box);
    recorded.endDoc();
    PreviewWindow preview(recorded, QString());
    preview.setZoom(PreviewWindow::Zoom::Percent200);
    auto* page = preview.findChild<QWidget*>(QStringLiteral("PreviewPage"));
    ASSERT_NE(page, nullptr);
    const QImage shown = page->grab().toImage();
    int left = shown.width(), right = -1;
    for (int py = 0; py < shown.height(); ++py)
        for (int px = 0; px < shown.width(); ++px)
            if (qGray(shown.pixel(px, py)) < 128) {
                left = std::min(left, px);
                right = std::max(right, px);
            }
    ASSERT_GE(right, 0) << "nothing drawn";
    // The printable area starts a quarter inch in.
    const double scale = preview.scale();
    EXPECT_NEAR(right + 1, (360 + x + box) * scale, 4);
    EXPECT_NEAR(right + 1 - left, shapedWidth(kArabic, 11, true) * scale, 6);
}
