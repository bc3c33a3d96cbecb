#include "upkeep/Statistics.h"

#include "platform/Text.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "upkeep/DiskSpace.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace tavrel {

qint64 slotCount(qint64 fileLength)
{
    return qint64(std::nearbyint(double(fileLength) / NARecord::Size - 1));
}

int unusedPercent(qint64 slots, int active)
{
    if (slots <= 0)
        return 0;
    return int(std::nearbyint(double(slots - active) / double(slots) * 100));
}

QString statisticsText(const FileFigures& f)
{
    const qint64 slots = slotCount(f.fileLength);
    const qint64 unusedBytes = (slots - f.active) * NARecord::Size;
    const qint64 freeKb = f.freeBytes / 1024;
    const QString space =
        fitsIn32Bits(f.freeBytes)
            ? QCoreApplication::translate("tavrel::Statistics",
                                          "Space Available On Your Hard Drive:  ") +
                  formatGrouped(freeKb, true) +
                  QCoreApplication::translate("tavrel::Statistics", " KBytes")
            : QCoreApplication::translate("tavrel::Statistics",
                                          "Space Available On Your Hard Drive:  ") +
                  QCoreApplication::translate("tavrel::Statistics", "Approximately ") +
                  formatGrouped(freeKb, true) +
                  QCoreApplication::translate("tavrel::Statistics", " KBytes");
    const QString advice =
        unusedBytes / 1024 > freeKb / 10
            ? QCoreApplication::translate("tavrel::Statistics", " Compact The N&A File.")
            : QCoreApplication::translate("tavrel::Statistics", " DO NOT Compact The N&A File.");
    const QStringList lines{
        QCoreApplication::translate("tavrel::Statistics", "Active Records In File:  ") +
            formatGrouped(f.active, false),
        QCoreApplication::translate("tavrel::Statistics", "Highest Active ID In File:  ") +
            formatGrouped(f.lastRecNo - 1, false),
        QString(),
        QCoreApplication::translate("tavrel::Statistics", "Disk Space Occupied By File:  ") +
            formatGrouped(f.fileLength / 1024, false) +
            QCoreApplication::translate("tavrel::Statistics", " KBytes"),
        QCoreApplication::translate("tavrel::Statistics", "Unused Space In File:  ") +
            formatGrouped(
                (f.fileLength - qint64(NARecord::Size) * f.active - NARecord::Size) / 1024, true) +
            QCoreApplication::translate("tavrel::Statistics", " KBytes  (Approximately ") +
            numText(unusedPercent(slots, f.active)) + QStringLiteral("%)"),
        QString(),
        QCoreApplication::translate("tavrel::Statistics",
                                    "Compacting Would Reduce File Size By:  ") +
            formatGrouped(unusedBytes / 1024, true) +
            QCoreApplication::translate("tavrel::Statistics", " KBytes"),
        QString(),
        space,
        QString(),
        QString(),
        QCoreApplication::translate("tavrel::Statistics", "Recommendation: ") + advice,
    };
    return lines.join(QLatin1Char('\n'));
}

int countActive(Program& p)
{
    int active = 0;
    readAscending(p, 2, p.LastRecNo, [&](int recNo) {
        if (isActive(p.CurRec, recNo - 1))
            ++active;
        return true;
    });
    return active;
}

} // namespace tavrel
