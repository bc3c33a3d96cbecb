// One print run of a report or a label or card run over an N&A file of any
// bytes, into the recording printer, with every question answered from the
// input: no crash, the run ends, and the N&A file is left as it was.

#include "PrintRuns.h"
#include "reports/ReportRun.h"
#include "support/SilentWindows.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SplitInput in(data, size, 16);
    const FuzzDir& dir = FuzzDir::instance();
    dir.clear();
    dir.write(kNAFileName, in.rest);
    Choices& c = in.options;

    ReportOptions o;
    o.kind = ReportKind(c.pick(6));
    o.largePrint = c.flag();
    o.sequence = c.pick(5);
    o.title = c.flag() ? QStringLiteral("Christmas Cards 2026") : QString();
    o.labelStock = c.pick(3);
    o.cardStock = c.pick(2);
    o.quantity = c.pick(4);
    o.duplex = c.flag();
    o.reprint = c.flag();
    o.reprintFrom = c.pick(5) - 1;
    o.reprintThrough = c.pick(6);
    if (c.flag()) {
        o.mailListFile = kListName;
        if (c.pick(8) != 0) // otherwise a list that is not there
            writeMailList(dir, c);
    }

    Session s(in.answers);
    if (!s.open())
        return 0;
    const QByteArray before = naBytes(dir);
    test::SilentRunWindows windows;
    try {
        runReport(s.p, o, windows);
    } catch (const ProgramEnded&) {
        // A file that cannot be read ends the program with its message.
    }
    require(naBytes(dir) == before, "a print run changed the N&A file");
    return 0;
}
