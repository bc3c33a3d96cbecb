#include "ReportFixture.h"

#include "platform/gui/QtPrinter.h"
#include "reports/LabelLayouts.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/PdfPages.h"

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <set>

namespace tavrel::test {

// Continuous-form labels in a real PDF: every form a page 8.5 x 12 inches, and
// every label of a 44-record run on its page, the last line of each form
// included; the print system is asked for the form by its size.
TEST(LabelsPdf, ContinuousFormsAreTwelveInchPagesWithEveryLabelOnThem)
{
    EXPECT_EQ(QtPrinter::mediaName(*QtPrinter::pageSizeForCode(kContinuousFormPaper)),
              QStringLiteral("Custom.8.5x12in"));
    TestEnv env;
    std::map<int, NARecord> records;
    for (int id = 1; id <= 44; ++id)
        records[id] = reportPerson(id);
    writeNAFile(env.naPath(), records);
    QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
    Program p(Services{env.ui, pdf, env.clipboard, env.help, env.clock, *env.files});
    openNAFile(p);
    env.ui.setAutoOk(true);
    env.ui.onModal([](QDialog& d) {
        click(control<QRadioButton>(&d, "StockOpt2_1"));
        click(control<QPushButton>(&d, "Command3D1"));
    });
    env.ui.answer(Ui::Answer::No);
    env.ui.onModal([](QDialog& d) { click(control<QPushButton>(&d, "VertCmd1")); });
    ReportOptions o;
    o.kind = ReportKind::Labels;
    o.sequence = 4;
    RecordedWindows windows;
    ASSERT_EQ(runReport(p, o, windows), RunEnd::Completed);
    EXPECT_EQ(pdf.paperSize(), 1);

    const auto boxes = mediaBoxes(pdf.lastPdfFile());
    ASSERT_EQ(boxes.size(), 4u);
    for (const QSizeF& b : boxes)
        EXPECT_EQ(b, QSizeF(612, 864));
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the words are not checked";
    std::set<int> named;
    double lowest = 0;
    const auto words = pdfWords(pdf.lastPdfFile());
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        EXPECT_TRUE(QRectF(-0.5, -0.5, 613, 865).contains(words[i].box))
            << words[i].text.toStdString();
        if (words[i].text == QLatin1String("Person"))
            named.insert(words[i + 1].text.toInt());
        lowest = std::max(lowest, words[i].box.bottom());
    }
    EXPECT_EQ(named.size(), 44u);
    EXPECT_GT(lowest, 11.5 * 72) << "the twelfth label's last line, low on its form";
}

} // namespace tavrel::test
