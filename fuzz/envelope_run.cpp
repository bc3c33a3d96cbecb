// One envelope run over an N&A file of any bytes, into the recording printer,
// with every option and question taken from the input: no crash, the printer
// is left at letter, portrait and not bold, and the N&A file as it was.

#include "PrintRuns.h"
#include "envelopes/EnvelopeRun.h"

using namespace tavrel;
using namespace tavrel::fuzz;

namespace {

// Presses Cancel after a chosen number of envelopes (never when 0).
class CancellingWindows : public EnvelopeWindows {
public:
    explicit CancellingWindows(int cancelAfter) : cancelAfter_(cancelAfter) {}
    void showPleaseWait() override {}
    void closePleaseWait() override {}
    void showProgress() override {}
    void showPrepared(int count) override
    {
        if (count == cancelAfter_)
            cancelRequested = true;
    }
    void closeProgress() override {}

private:
    int cancelAfter_;
};

const QString kCounts[] = {
    QStringLiteral("1"),     QStringLiteral("2"), QStringLiteral("0"),     QStringLiteral("-3"),
    QStringLiteral(" 1.6 "), QStringLiteral("x"), QStringLiteral("40000"), QString()};

AddressLines addressLines(Choices& c)
{
    AddressLines lines;
    for (QString& l : lines)
        l = c.flag() ? QStringLiteral("Ellen Marsh, 12 Quay Street").leftJustified(35)
                     : QString(35, QLatin1Char(' '));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SplitInput in(data, size, 16);
    const FuzzDir& dir = FuzzDir::instance();
    dir.clear();
    dir.write(kNAFileName, in.rest);
    Choices& c = in.options;

    EnvelopeJob job;
    job.returnOption = c.pick(4) - 1;
    job.mailOption = c.pick(6) - 1;
    job.sizeIndex = c.pick(kEnvelopeSizeCount + 1);
    job.landscape = c.flag();
    job.sortIndex = c.pick(5);
    job.countText = kCounts[c.pick(8)];
    job.returnItalics = c.flag();
    job.returnUppercase = c.flag();
    job.mailItalics = c.flag();
    job.mailUppercase = c.flag();
    job.returnAddress = addressLines(c);
    job.mailAddress = addressLines(c);
    if (c.flag()) {
        job.mailListFile = kListName;
        if (c.pick(8) != 0) // otherwise a list that is not there
            writeMailList(dir, c);
    }
    CancellingWindows windows(c.pick(4));

    Session s(in.answers);
    if (!s.open())
        return 0;
    const QByteArray before = naBytes(dir);
    try {
        printEnvelopes(s.p, job, windows);
    } catch (const ProgramEnded&) {
    }
    const RecordingPrinter& pr = s.printer;
    require(pr.paperSize() == 1 && pr.orientation() == 1 && !pr.fontBold(),
            "the printer was not put back to letter, portrait, not bold");
    require(naBytes(dir) == before, "an envelope run changed the N&A file");
    return 0;
}
