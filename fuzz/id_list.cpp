// Parsing a typed list of IDs ("3-7, 12 40"): whatever is typed, only IDs 1
// to 1700 are marked, and the members written out as text parse back to the
// same members.

#include "FuzzSupport.h"
#include "maillists/MailListFile.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Choices answers;
    Session s(answers);
    Program& p = s.p;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    parseIdList(p, text);
    require(p.MailListFlags.size() == 1700, "the flags are not 1700");
    for (char c : p.MailListFlags)
        require(c == '0' || c == '1', "a flag is neither 0 nor 1");
    const QByteArray flags = p.MailListFlags;
    parseIdList(p, memberText(p));
    require(p.MailListFlags == flags, "the members do not parse back from their text");
    return 0;
}
