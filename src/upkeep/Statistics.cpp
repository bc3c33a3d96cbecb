#include "upkeep/Statistics.h"

#include "platform/Text.h"
#include "store/RecordAccess.h"
#include "upkeep/DiskSpace.h"

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
    const QString space = fitsIn32Bits(f.freeBytes)
                              ? QStringLiteral("Space Available On Your Hard Drive:  ") +
                                    formatGrouped(freeKb, true) + QStringLiteral(" KBytes")
                              : QStringLiteral("Space Available On Your Hard Drive:  ") +
                                    QStringLiteral("Approximately ") + formatGrouped(freeKb, true) +
                                    QStringLiteral(" KBytes");
    const QString advice = unusedBytes / 1024 > freeKb / 10
                               ? QStringLiteral(" Compact The N&A File.")
                               : QStringLiteral(" DO NOT Compact The N&A File.");
    const QStringList lines{
        QStringLiteral("Active Records In File:  ") + formatGrouped(f.active, false),
        QStringLiteral("Highest Active ID In File:  ") + formatGrouped(f.lastRecNo - 1, false),
        QString(),
        QStringLiteral("Disk Space Occupied By File:  ") +
            formatGrouped(f.fileLength / 1024, false) + QStringLiteral(" KBytes"),
        QStringLiteral("Unused Space In File:  ") +
            formatGrouped(
                (f.fileLength - qint64(NARecord::Size) * f.active - NARecord::Size) / 1024, true) +
            QStringLiteral(" KBytes  (Approximately ") + numText(unusedPercent(slots, f.active)) +
            QStringLiteral("%)"),
        QString(),
        QStringLiteral("Compacting Would Reduce File Size By:  ") +
            formatGrouped(unusedBytes / 1024, true) + QStringLiteral(" KBytes"),
        QString(),
        space,
        QString(),
        QString(),
        QStringLiteral("Recommendation: ") + advice,
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
