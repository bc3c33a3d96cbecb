#pragma once

#include "store/NARecord.h"

#include <QChar>
#include <QString>
#include <QVector>

namespace tavrel {

class Program;

// Sort key of record `r` (ID `id`) under sort code '0'..'4'.
QString sortKey(const NARecord& r, int id, QChar code);

// The shared heapsort over positions 1..n of two parallel 1-based lists
// (index 0 unused). Equal keys come out in the order its comparisons fix.
void sortNameList(QVector<QString>& keys, QVector<qint16>& ids, int n);

// Builds SortedIdList and SortedCount from the active records, sorted by `code`.
void buildNameList(Program& p, QChar code);

// When the file holds no active record: beeps, says so and returns false.
bool checkFileNotEmpty(Program& p);

// The Name of record `r` (ID `id`) as the name lists show it, padded to the
// field's width: the person's own spelling where one is kept for the
// record's bytes.
QString shownName(const Program& p, int id, const NARecord& r);

// "   7  " + the 35-character name: the line of the QuickLink and mailing-list pickers.
QString pickerLine(int id, const QString& name);

} // namespace tavrel
