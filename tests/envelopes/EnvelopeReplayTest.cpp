#include "EnvelopeFixture.h"

namespace tavrel::test {

using EnvelopeReplayTest = EnvelopeTest;

// Envelopes fed sideways and upright (turned), replayed from a recording onto
// a second recording printer, give the same pages operation by operation.
TEST_F(EnvelopeReplayTest, ARecordedRunReplaysOperationForOperation)
{
    for (bool landscape : {true, false}) {
        SCOPED_TRACE(landscape);
        env.printer = RecordingPrinter();
        openPeople(4);
        env.ui.setAutoOk(true);
        EnvelopeJob j = typedJob();
        j.mailOption = MailTo::AllEntries;
        j.sizeIndex = 1;
        j.landscape = landscape;
        j.countText = QStringLiteral("2");
        j.returnItalics = true;
        ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
        const RecordingPrinter& recorded = env.printer;
        ASSERT_EQ(recorded.pageCount(0), 8);

        RecordingPrinter replayed;
        replay(recorded, replayed, 0);
        ASSERT_EQ(replayed.pageCount(0), 8);
        for (int page = 1; page <= 8; ++page)
            EXPECT_EQ(replayed.opsOnPage(0, page), recorded.opsOnPage(0, page)) << page;
        ASSERT_EQ(replayed.texts.size(), recorded.texts.size());
        for (size_t i = 0; i < recorded.texts.size(); ++i) {
            const auto &a = replayed.texts[i], &b = recorded.texts[i];
            EXPECT_EQ(std::tie(a.turned, a.pageWidth, a.pageHeight, a.italic),
                      std::tie(b.turned, b.pageWidth, b.pageHeight, b.italic));
        }
    }
}

} // namespace tavrel::test
