// An import file of any bytes, read as cards or as a CSV table, planned
// against a small N&A file and written: no crash, every record that was there
// keeps its bytes, and each new record lies at an ID that was free.

#include "FuzzSupport.h"
#include "exchange/Import.h"
#include "store/RecordAccess.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const FuzzDir& dir = FuzzDir::instance();
    dir.clear();
    const QByteArray before = sampleNAFile();
    dir.write(kNAFileName, before);
    Choices answers;
    Session s(answers);
    require(s.open(), "the sample file did not open");
    Program& p = s.p;

    ImportSource source = readImportBytes(bytes, QStringLiteral("fuzz.in"));
    if (!source.error.isEmpty())
        return 0;
    if (source.needsMapping) {
        // As a user might: the first column holds the names, the rest is left out.
        CsvMapping mapping(source.table.header.size());
        if (mapping.isEmpty())
            return 0;
        mapping[0] = QStringLiteral("Name");
        applyMapping(source, mapping);
    }
    ImportPlan plan = planImport(p, source, OverflowChoice(size % 3));
    for (PlannedRecord& r : plan.records)
        r.include = true; // lookalikes added anyway
    const ImportResult result = runImport(p, plan);
    require(result.imported == result.ids.size(), "the count of imported records is wrong");

    const QByteArray after = dir.read(kNAFileName);
    require(after.size() % NARecord::Size == 0, "a partial record ends the file");
    for (qsizetype i = 1; i * NARecord::Size < before.size(); ++i) {
        const QByteArray was = before.mid(i * NARecord::Size, NARecord::Size);
        if (NARecord::fromBytes(was).RecStatus == kActive)
            require(after.mid(i * NARecord::Size, NARecord::Size) == was,
                    "an existing record changed");
    }
    for (int id : result.ids)
        require(id >= 1 && id <= NAFile::MaxRecords - 1 &&
                    (id == 3 || id * NARecord::Size >= before.size()),
                "a record went to an ID that was not free");
    return 0;
}
