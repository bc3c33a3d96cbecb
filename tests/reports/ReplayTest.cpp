#include "ReportFixture.h"

#include "support/Gui.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

namespace tavrel::test {

// A run recorded once and replayed onto a second recording printer draws the
// same pages operation by operation: what a preview shows is what prints.
TEST_F(ReportTest, EveryKindReplaysOperationForOperation)
{
    struct Case {
        const char* name;
        ReportKind kind;
        int stock;
        bool large;
    } cases[] = {
        {"book", ReportKind::Book, 0, false},
        {"large book", ReportKind::Book, 0, true},
        {"telephone", ReportKind::TelephoneList, 0, false},
        {"abbreviated", ReportKind::AbbreviatedList, 0, false},
        {"listing", ReportKind::Listing, 0, false},
        {"3-across labels", ReportKind::Labels, 2, false},
        {"2-across cards", ReportKind::Cards, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        env.printer = RecordingPrinter();
        openPeople(45);
        ReportOptions o = options(c.kind, 0);
        o.largePrint = c.large;
        o.labelStock = o.cardStock = c.stock;
        o.title = QStringLiteral("Club");
        o.quantity = 2;
        if (c.kind == ReportKind::Labels || c.kind == ReportKind::Cards) {
            env.ui.answer(Ui::Answer::No); // no test page; then the position, italic labels
            env.ui.onModal([](QDialog& d) {
                click(control<QRadioButton>(&d, "VertOpt1_5"));
                if (auto* italic = control<QCheckBox>(&d, "PosItalChk"); italic->isEnabled())
                    click(italic);
                click(control<QPushButton>(&d, "VertCmd1"));
            });
        }
        ASSERT_EQ(run(o), RunEnd::Completed);
        const RecordingPrinter& recorded = env.printer;
        ASSERT_GE(recorded.pageCount(0), 2);

        RecordingPrinter replayed;
        replay(recorded, replayed, 0);
        ASSERT_EQ(replayed.pageCount(0), recorded.pageCount(0));
        for (int page = 1; page <= recorded.pageCount(0); ++page)
            EXPECT_EQ(replayed.opsOnPage(0, page), recorded.opsOnPage(0, page)) << page;
        // What the pages hold as measured on them: page sizes, fonts, boxes.
        ASSERT_EQ(replayed.texts.size(), recorded.texts.size());
        for (size_t i = 0; i < recorded.texts.size(); ++i) {
            const auto &a = replayed.texts[i], &b = recorded.texts[i];
            EXPECT_EQ(std::tie(a.page, a.x, a.y, a.text, a.pageWidth, a.pageHeight),
                      std::tie(b.page, b.x, b.y, b.text, b.pageWidth, b.pageHeight));
        }
        EXPECT_EQ(replayed.rects.size(), recorded.rects.size());
        EXPECT_EQ(replayed.log.filter(QStringLiteral("Doc")), QStringList{"endDoc"});
    }
}

} // namespace tavrel::test
