// Opening an N&A file of any bytes and reading every record it holds: the
// header checks and damaged-file handling never crash, never lose a byte of a
// name record, and read the same records one at a time as in blocks.

#include "FuzzSupport.h"
#include "store/RecordAccess.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzDir& dir = FuzzDir::instance();
    const QByteArray before(reinterpret_cast<const char*>(data), qsizetype(size));
    dir.clear();
    dir.write(kNAFileName, before);
    Choices answers;
    Session s(answers);
    if (!s.open())
        return 0;
    Program& p = s.p;
    require(p.LastRecNo >= 1 && p.LastRecNo <= NAFile::MaxRecords, "LastRecNo out of range");
    require(p.LowestFreeId >= 1 && p.LowestFreeId <= p.LastRecNo, "LowestFreeId out of range");

    const int records = qMin(p.naFile.recordCount(), NAFile::MaxRecords);
    QList<QByteArray> oneByOne;
    for (int recNo = 1; recNo <= records + 1 && recNo <= NAFile::MaxRecords; ++recNo) {
        Get_NA_Rec(p, recNo);
        const QByteArray raw = p.naFile.read(recNo);
        // A record read and written back unchanged keeps every byte.
        require(p.CurRec.toBytes() == raw, "a record does not survive a read and write");
        oneByOne << raw;
    }
    readAscending(p, 1, records + 1, [&](int recNo) {
        require(p.CurRec.toBytes() == oneByOne.at(recNo - 1), "block read differs");
        return true;
    });
    p.naFile.close();

    // Opening may complete a partial last record and correct the header; it
    // never changes or drops a byte of any other record.
    const QByteArray after = dir.read(kNAFileName);
    require(after.size() >= before.size(), "the file got shorter");
    require(after.mid(NARecord::Size, before.size() - NARecord::Size) == before.mid(NARecord::Size),
            "a name record changed on opening");
    return 0;
}
