#pragma once

#include <QVector>

namespace tavrel {

// The sorted name list: 1-based, entry i at SortedIdList[i]; [0] unused.
struct SortedList {
    QVector<qint16> SortedIdList;
    int SortedCount = 0;
    qint16 sortedId(int position) const { return SortedIdList.value(position); }
};

} // namespace tavrel
