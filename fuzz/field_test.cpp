// The search's field test over a record of any bytes and any typed text:
// it agrees with the plain rule "the upper-cased key occurs in the field taken
// at its stored width", field by field and for each choice of boxes.

#include "FuzzSupport.h"
#include "search/FieldTest.h"

using namespace tavrel;
using namespace tavrel::fuzz;

namespace {

bool plainMatch(const QString& field, int width, const QString& upperKey)
{
    if (upperKey.size() > width)
        return false;
    const QString stored = field.left(width).leftJustified(width, QLatin1Char(' '));
    return upperCaseKey(stored).contains(upperKey);
}

bool plainRecordMatch(const NARecord& r, const SearchFieldBoxes& b, const QString& key)
{
    const bool all = b[7];
    if ((b[0] || b[1] || all) && plainMatch(r.Name, Width::Name, key))
        return true;
    if (b[0])
        return false; // "name only" looks at nothing else
    bool m = false;
    if (b[1] || all)
        for (const QString* l : {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4})
            m = m || plainMatch(*l, Width::Addr, key);
    if (b[2] || all)
        for (int i = 1; i <= 5; ++i)
            m = m || plainMatch(r.phoneNum(i), Width::PhoneNum, key.left(Width::PhoneNum));
    if (b[3] || all)
        m = m || plainMatch(r.Comments, Width::Comments, key);
    if (b[4] || all)
        m = m || plainMatch(r.SortKey1, Width::SortKey, key.left(Width::SortKey));
    if (b[5] || all)
        m = m || plainMatch(r.SortKey2, Width::SortKey, key.left(Width::SortKey));
    if (b[6] || all)
        m = m || plainMatch(r.EMail, Width::EMail, key);
    return m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SplitInput in(data, size, 2);
    const int mask = in.options.byte();
    const int width = in.options.pick(130);
    const NARecord r = NARecord::fromBytes(in.rest.left(NARecord::Size));
    const QString typed = QString::fromUtf8(in.rest.mid(NARecord::Size));
    const QString key = upperCaseKey(typed);
    require(key.size() == typed.size(), "upper-casing changed the key's length");

    require(fieldMatches(r.Comments, width, key) == plainMatch(r.Comments, width, key),
            "the field test differs from the plain rule");
    SearchFieldBoxes boxes{};
    for (int i = 0; i < 8; ++i)
        boxes[i] = (mask >> i) & 1;
    require(recordMatches(r, boxes, key) == plainRecordMatch(r, boxes, key),
            "the record test differs from the plain rule");
    return 0;
}
