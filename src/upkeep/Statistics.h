#pragma once

#include <QString>

namespace tavrel {

class Program;

inline const QString kStatisticsTitle = QStringLiteral("Corvane N&A File Information");

// What the file statistics are made of.
struct FileFigures {
    qint64 fileLength = 0;
    int active = 0;    // active records among record numbers 2 to LastRecNo
    int lastRecNo = 1; // the header's LastRecNo
    qint64 freeBytes = 0;
};

// The record slots after the header: file length / 574 − 1, rounded half to even.
qint64 slotCount(qint64 fileLength);
// The share of slots not holding an active record, in whole percent (half to
// even); 0 for a file of the header alone, which has no slots to share.
int unusedPercent(qint64 slots, int active);
// The text of the statistics box: six figures, the free space and the recommendation.
QString statisticsText(const FileFigures& f);

// Counts the active records of the open N&A file (a read failure ends the
// program, as any record read does).
int countActive(Program& p);

} // namespace tavrel
