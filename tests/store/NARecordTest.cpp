#include "store/NARecord.h"

#include <gtest/gtest.h>

using namespace tavrel;

TEST(NARecord, LayoutCoversAllBytesInOrder)
{
    int offset = 0;
    for (const auto& f : kNARecordLayout) {
        EXPECT_EQ(f.offset, offset) << f.name;
        offset += f.width;
    }
    EXPECT_EQ(offset, NARecord::Size);
}
