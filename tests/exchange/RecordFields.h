#pragma once

#include "platform/Text.h"
#include "store/NARecord.h"

#include <QString>

namespace tavrel::test {

// A record's field by a short name, as tables of expected imports write it:
// "Name", "Addr1".."Addr4", "Tel1".."Tel5" ("Label: number"), "EMail",
// "Comments"; blanks on the right dropped.
inline QString recordField(const NARecord& r, const QString& name)
{
    if (name == "Name")
        return trimRight(r.Name);
    if (name == "EMail")
        return trimRight(r.EMail);
    if (name == "Comments")
        return trimRight(r.Comments);
    const int n = name.right(1).toInt();
    if (name.startsWith("Addr")) {
        const QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
        return trimRight(*lines[n - 1]);
    }
    if (name.startsWith("Tel"))
        return trimRight(r.phoneType(n)) + ": " + trimRight(r.phoneNum(n));
    return "(no field " + name + ")";
}

} // namespace tavrel::test
