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

// A record of the given name and keys with all four address lines filled.
inline NARecord addressedRecord(int id, int n, const QString& name, const QString& key2 = QString())
{
    NARecord r = test::makeRecord(id, name, QStringLiteral("KEY%1").arg(n % 389), key2);
    r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
    r.AddrLine2 = QStringLiteral("Apartment %1").arg(n % 40);
    r.AddrLine3 = QStringLiteral("Riverton, NJ 0%1").arg(8000 + n);
    r.AddrLine4 = QStringLiteral("United States");
    return r;
}

// Every field that is printed or searched filled too: five telephone numbers,
// an e-mail address and the comment at its full 100 characters.
inline NARecord filledRecord(int id, int n, const QString& name, const QString& key2 = QString())
{
    NARecord r = addressedRecord(id, n, name, key2);
    for (int i = 1; i <= 5; ++i) {
        r.phoneType(i) = QStringLiteral("Home");
        r.phoneNum(i) = QStringLiteral("(609) 555-%1").arg(1000 + n + i);
    }
    r.EMail = QStringLiteral("person%1@mail.example.com").arg(n);
    r.Comments = QStringLiteral("Met at the regional meeting in spring; prefers letters to "
                                "telephone calls. Entry %1 of the full file, padded out.")
                     .arg(n)
                     .left(100);
    return r;
}

} // namespace tavrel::bench
