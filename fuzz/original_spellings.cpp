// Reading the file of original spellings kept beside the N&A file: whatever
// lies there, it is taken whole or not at all, and what was taken is written
// out again as the same text.

#include "FuzzSupport.h"
#include "store/OriginalSpellings.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    OriginalSpellings s;
    if (!s.parse(text)) {
        require(s.size() == 0, "a damaged file left entries behind");
        return 0;
    }
    const QByteArray written = s.serialized();
    OriginalSpellings again;
    require(again.parse(written), "what was written does not read back");
    require(again.serialized() == written, "written twice, the text differs");
    return 0;
}
