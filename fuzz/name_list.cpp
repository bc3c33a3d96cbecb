// The sorted name list over an N&A file of any bytes, and the report cursor
// walking the whole file or a mailing list's members, sorted or in ID order:
// the list holds each active record once in key order, and the walk visits
// exactly the records it should and then stops.

#include "FuzzSupport.h"
#include "reports/ListLayouts.h"
#include "store/NameList.h"
#include "store/RecordAccess.h"

#include <QSet>

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SplitInput in(data, size, 8);
    const FuzzDir& dir = FuzzDir::instance();
    dir.clear();
    dir.write(kNAFileName, in.rest);
    Session s(in.answers);
    if (!s.open())
        return 0;
    Program& p = s.p;
    const QChar code = QChar(u'0' + in.options.pick(5));
    const bool fromList = in.options.flag();
    const bool sorted = in.options.flag();
    QByteArray pattern;
    for (int i = 0; i < 5; ++i)
        pattern += char(in.options.byte());
    p.MailListFlags = flagsFromPattern(pattern);

    // What the walk should give: the active records (members only for a list).
    QList<qint16> active;
    for (int id = 1; id < p.LastRecNo; ++id)
        if (isActive(NARecord::fromBytes(p.naFile.read(id + 1)), id))
            active << qint16(id);

    buildNameList(p, code);
    require(p.SortedCount == active.size(), "the name list misses or repeats records");
    QSet<qint16> seen;
    QString previous;
    for (int i = 1; i <= p.SortedCount; ++i) {
        const qint16 id = p.sortedId(i);
        require(!seen.contains(id) && active.contains(id), "the name list holds a wrong ID");
        seen.insert(id);
        const QString key = sortKey(NARecord::fromBytes(p.naFile.read(id + 1)), id, code);
        require(i == 1 || previous <= key, "the name list is out of order");
        previous = key;
    }

    QList<qint16> expected;
    if (sorted) {
        // The run's members-only list keeps the name list's order.
        QVector<qint16> ids(1, 0);
        for (int i = 1; i <= p.SortedCount; ++i)
            if (!fromList || p.MailListFlags.at(p.sortedId(i) - 1) == '1')
                ids << p.sortedId(i);
        p.SortedIdList = ids;
        p.SortedCount = int(ids.size()) - 1;
        expected = QList<qint16>(ids.begin() + 1, ids.end());
    } else {
        for (qint16 id : active)
            if (!fromList || p.MailListFlags.at(id - 1) == '1')
                expected << id;
    }

    p.Cursor = {};
    p.Cursor.fromMailList = fromList;
    p.Cursor.sorted = sorted;
    p.Cursor.WalkLength = sorted ? p.SortedCount : p.LastRecNo - 1;
    p.Report = {};
    p.CurId = 1;
    QList<qint16> walked;
    for (int steps = 0;; ++steps) {
        require(steps <= NAFile::MaxRecords, "the report cursor does not stop");
        if (nextReportRecord(p))
            break;
        require(isActive(p.CurRec, p.CurId), "the cursor stopped on a record not in use");
        walked << p.CurId;
        if (advanceReportRecord(p))
            break;
    }
    require(walked == expected, "the cursor walk differs from the records to print");
    return 0;
}
