#include "platform/RestoreJournal.h"

#include <gtest/gtest.h>

using namespace tavrel;

// The journal reads back as written; cut short anywhere, or with a line that
// names a path or is not its own, it is no journal and nothing is done by it.
TEST(RestoreJournal, ReadsBackWhatItWroteAndNothingCutShortOrForeign)
{
    RestoreJournal j;
    j.copyName = "tvl-20260314-090507-manual";
    j.renames = {{".tvlrestore.n&a.mrk", "n&a.mrk"}, {".tvlrestore.tvlmail.a", "tvlmail.a"}};
    j.removals = {"tvlmail.q7"};
    const QByteArray bytes = j.toBytes();
    const std::optional<RestoreJournal> back = RestoreJournal::fromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->copyName, j.copyName);
    EXPECT_EQ(back->renames, j.renames);
    EXPECT_EQ(back->removals, j.removals);
    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(RestoreJournal::fromBytes(bytes.left(n))) << n;
    for (const char* line : {"Remove\t../n&a.mrk", "Rename\ta\tb/c", "Rename\ta", "Move\ta\tb"}) {
        QByteArray bad = bytes;
        bad.replace("Remove\ttvlmail.q7", line);
        EXPECT_FALSE(RestoreJournal::fromBytes(bad)) << line;
    }
}
