#include "upkeep/Backups.h"

#include <QSet>

namespace tavrel {

namespace {

constexpr int kKeepNewest = 10;
constexpr int kKeepDays = 14;
constexpr int kKeepMonths = 12;

} // namespace

QString copyFolderName(const QDateTime& when, BackupTrigger trigger, int sequence)
{
    return QStringLiteral("tvl-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           (sequence ? QStringLiteral("-%1").arg(sequence) : QString()) + QLatin1Char('-') +
           triggerTag(trigger);
}

QStringList copiesToRotateOut(const QList<BackupCopy>& newestFirst)
{
    QList<BackupCopy> copies = newestFirst;
    copies.removeIf([](const BackupCopy& c) { return c.link; });
    QSet<QString> keep;
    for (int i = 0; i < copies.size() && i < kKeepNewest; ++i)
        keep.insert(copies[i].name);
    // The newest whole copy of each of the latest days and months that have
    // copies; a damaged copy stands for its day only when it is all there is.
    auto keepPer = [&](auto periodOf, int periods) {
        QList<qint64> seen;
        for (const BackupCopy& c : copies) {
            const qint64 period = periodOf(c.when.date());
            if (seen.contains(period))
                continue;
            if (seen.size() == periods)
                break;
            seen << period;
            const BackupCopy* pick = &c;
            for (const BackupCopy& d : copies) {
                if (periodOf(d.when.date()) == period && !d.damaged()) {
                    pick = &d;
                    break;
                }
            }
            keep.insert(pick->name);
        }
    };
    keepPer([](const QDate& d) { return d.toJulianDay(); }, kKeepDays);
    keepPer([](const QDate& d) { return qint64(d.year()) * 12 + d.month(); }, kKeepMonths);
    QStringList out;
    for (const BackupCopy& c : copies) {
        if (!keep.contains(c.name))
            out << c.name;
    }
    return out;
}

} // namespace tavrel
