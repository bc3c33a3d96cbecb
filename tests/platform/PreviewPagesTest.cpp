#include "platform/gui/PreviewWindow.h"
#include "platform/gui/RecordingPrinter.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tavrel;

// The preview shows the pages that draw something, each on the paper in force
// when it began (a blank page between is no page), and nothing of a document
// that was abandoned.
TEST(PreviewPages, EachDrawnPageOnItsPaperAndNoneOfAnAbandonedDocument)
{
    RecordingPrinter p;
    p.setPaperSize(20);
    p.setOrientation(2);
    p.printLine("envelope");
    p.newPage();
    p.newPage();
    p.setQuarterTurn(true);
    p.drawRect(0, 0, 1440, 1440);
    p.setQuarterTurn(false); // within the page: the page stays turned
    p.drawLine(0, 0, 1440, 0);
    p.endDoc();
    p.printLine("dropped");
    p.killDoc();
    p.endDoc();
    p.setPaperSize(1);
    p.setOrientation(1);
    p.printLine("letter");
    p.endDoc();
    EXPECT_EQ(p.pageCount(0), 3);

    using Row = std::tuple<int, int, std::size_t, std::size_t, int, int, bool>;
    std::vector<Row> pages;
    for (const PreviewWindow::Page& g : PreviewWindow::pagesOf(p))
        pages.emplace_back(g.document, g.page, g.firstOp, g.endOp, g.paper, g.orientation,
                           g.turned);
    EXPECT_EQ(pages, (std::vector<Row>{{0, 1, 2, 3, 20, 2, false},
                                       {0, 3, 6, 9, 20, 2, true},
                                       {2, 1, 15, 16, 1, 1, false}}));
    // A turned landscape page stands upright; a page holds its own operations only.
    const auto shown = PreviewWindow::pagesOf(p);
    EXPECT_EQ(paperTwips(shown[0]), QSizeF(13680, 5940));
    EXPECT_EQ(paperTwips(shown[1]), QSizeF(5940, 13680));
    EXPECT_EQ(p.opsOnPage(0, 3).size(), 5u); // the turns, the box, the line, the end
}
