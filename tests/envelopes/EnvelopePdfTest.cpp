#include "EnvelopeFixture.h"

#include "platform/gui/QtPrinter.h"
#include "support/PdfPages.h"

#include <QMap>

namespace tavrel::test {

// Every envelope page of a PDF lies sideways for the sideways feed and upright
// for the upright feed (the paper code of each size is the run's test, the size
// of each code the printer's). Both feeds give the same
// picture on the envelope: sideways every word lies inside the page, and fed
// upright each word is where the sideways word is, turned a quarter with the
// envelope (the face's top edge along the page's left edge).
using EnvelopePdf = EnvelopeTest;

TEST_F(EnvelopePdf, EachPageLiesAsFedAndBothFeedsTheSamePicture)
{
    // The words of one page by their text, with their boxes.
    const auto wordsOnPage = [](const std::vector<PdfWord>& words, int page) {
        QMap<QString, QRectF> out;
        for (const PdfWord& w : words)
            if (w.page == page)
                out.insert(w.text, w.box);
        return out;
    };
    const bool canRead = havePdfToText();
    QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
    Program onPdf(env.services(pdf));
    env.ui.setAutoOk(true);
    for (int size = 0; size < kEnvelopeSizeCount; ++size) {
        QMap<QString, QRectF> sideways;
        for (bool landscape : {true, false}) {
            SCOPED_TRACE(testing::Message() << "size " << size << " landscape " << landscape);
            EnvelopeJob j = typedJob();
            j.mailAddress[4] = QString(35, QLatin1Char('W'));
            j.sizeIndex = size;
            j.landscape = landscape;
            j.countText = QStringLiteral("2");
            env.ui.answer(Ui::Answer::No);
            ASSERT_EQ(printEnvelopes(onPdf, j, windows), EnvelopeRunEnd::Completed);
            const auto boxes = mediaBoxes(pdf.lastPdfFile());
            ASSERT_EQ(boxes.size(), 2u);
            const QSizeF page = boxes.front();
            EXPECT_EQ(page.width() > page.height(), landscape);
            if (!canRead)
                continue;
            const auto words = pdfWords(pdf.lastPdfFile());
            const QMap<QString, QRectF> onPage = wordsOnPage(words, 1);
            EXPECT_EQ(onPage, wordsOnPage(words, 2)) << "both envelopes alike";
            ASSERT_EQ(onPage.size(), 14);
            const QRectF inside(18, 18, page.width() - 36, page.height() - 36);
            for (auto it = onPage.begin(); it != onPage.end(); ++it) {
                SCOPED_TRACE(it.key().toStdString());
                EXPECT_TRUE(inside.adjusted(-0.5, -0.5, 0.5, 0.5).contains(it.value()));
                if (landscape) {
                    sideways.insert(it.key(), it.value());
                    continue;
                }
                // Turned back: the page's left edge is the face's top edge.
                const QRectF face = sideways.value(it.key());
                const QRectF& up = it.value();
                EXPECT_NEAR(up.left(), face.top(), 1.5);
                EXPECT_NEAR(up.right(), face.bottom(), 1.5);
                EXPECT_NEAR(page.height() - up.bottom(), face.left(), 1.5);
                EXPECT_NEAR(page.height() - up.top(), face.right(), 1.5);
            }
        }
    }
}

} // namespace tavrel::test
