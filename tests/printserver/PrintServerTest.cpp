// Printing through a real CUPS scheduler of the test's own: labels, continuous
// forms and an envelope go through `lp` to a queue whose device is a file, and
// the job files are read back.

#include "PrintServer.h"
#include "envelopes/EnvelopeFixture.h"
#include "support/PdfPages.h"
#include "support/ScopedEnv.h"
#include "support/SilentWindows.h"

namespace tavrel::test {

// The envelope tests' job with typed addresses.
struct TypedEnvelope : EnvelopeTest {
    using EnvelopeTest::typedJob;
};

// Letter pages upright for labels; the envelope sideways on its own size.
using PrintServerRun = QueueTest;
TEST_F(PrintServerRun, LabelsContinuousFormsAndAnEnvelopeReachTheQueueAsLaidOut)
{
    // CI must run this: there a scheduler that does not start is a failure.
    TAVREL_START_PRINT_SERVER(server);
    startProgram(31);

    // Labels with no test page at the standard position (1-across on
    // continuous forms); the pages the run said it printed.
    const auto printLabels = [&](int stock) {
        if (stock == 0)
            env.ui.onModal([](QDialog& d) {
                click(control<QRadioButton>(&d, "StockOpt2_1"));
                click(control<QPushButton>(&d, "Command3D1"));
            });
        env.ui.answer(Ui::Answer::No);
        env.ui.onModal([](QDialog& d) { click(control<QPushButton>(&d, "VertCmd1")); });
        ReportOptions o = labels(stock);
        if (runReport(*onQueue, o, windows) != RunEnd::Completed)
            return -1;
        return env.ui.last().text.section(u' ', -1).toInt();
    };
    const auto printEnvelope = [&] {
        env.ui.answer(Ui::Answer::No); // no test envelope
        SilentEnvelopeWindows silent;
        const EnvelopeRunEnd end = printEnvelopes(*onQueue, TypedEnvelope::typedJob(), silent);
        return end == EnvelopeRunEnd::Completed ? 1 : -1;
    };
    const struct {
        const char* name;
        std::function<int()> print; // the pages printed, -1 when the run failed
        int pages;
        double width, height; // points
        std::vector<const char*> words;
        const char* media;
    } jobs[] = {
        // clang-format off
        {"3-across labels on letter sheets", [&] { return printLabels(2); }, 2, 612, 792,
         {"Person 1", "1 Main Street", "Person 2", "Person 3"}, "media=Letter"},
        {"1-across labels on continuous forms, twelve a form", [&] { return printLabels(0); },
         3, 612, 864, {"Person 1", "Person 12", "12 Main Street"}, "media=Custom.8.5x12in"},
        {"a #10 envelope fed sideways", printEnvelope, 1, 684, 297,
         {"Ann Sender", "Bob Receiver", "2 Far Lane"}, "media=Env10"},
        // clang-format on
    };
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.name);
        ASSERT_EQ(job.print(), job.pages) << env.ui.last().text.toStdString();
        const QString kept = server.nextJob();
        ASSERT_FALSE(kept.isEmpty()) << "the job never reached the queue";
        const auto pages = mediaBoxes(kept);
        ASSERT_EQ(int(pages.size()), job.pages);
        EXPECT_NEAR(pages[0].width(), job.width, 1);
        EXPECT_NEAR(pages[0].height(), job.height, 1);
        QString firstPage;
        for (const PdfWord& w : pdfWords(kept))
            firstPage += w.page == 1 ? w.text + u' ' : QString();
        for (const char* words : job.words)
            EXPECT_TRUE(firstPage.contains(QLatin1String(words))) << words;
        EXPECT_TRUE(server.optionsOf(server.lastJob()).contains(QLatin1String(job.media)))
            << server.optionsOf(server.lastJob()).toStdString();
    }
}

} // namespace tavrel::test
