#pragma once

#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <functional>
#include <map>

namespace tavrel::bench {

// A program over an N&A file whose IDs 1..1700 are all active. `make` builds
// the record of each ID from a number scrambled from it, so names and keys
// come in no particular order and the sorts do real work.
struct FullFile {
    test::TestEnv env;
    explicit FullFile(const std::function<NARecord(int id, int n)>& make)
    {
        std::map<int, NARecord> records;
        for (int id = 1; id <= kMaxId; ++id)
            records[id] = make(id, (id * 7919) % 1709);
        test::writeNAFile(env.naPath(), records);
        env.open();
        env.ui.setAutoOk(true);
    }
};

} // namespace tavrel::bench
