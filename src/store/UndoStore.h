#pragma once

#include "store/UndoLog.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>
#include <optional>

namespace tavrel {

class Files;
class Program;

// Beside the N&A file: the undo history, so that Edit > Undo reaches back
// across a restart while nothing else has changed the files since.
inline const QString kUndoHistoryName = QStringLiteral("n&a.undo");

// What the history file holds: both lists of steps, and a SHA-256 digest of
// the N&A file and of each list file the steps touch, as the program last
// left them (an empty digest for a file that did not exist).
struct StoredUndoHistory {
    QByteArray naDigest;
    QVector<QPair<QString, QByteArray>> fileDigests;
    QVector<UndoStep> steps;
    QVector<UndoStep> undone;
};

// The history file's bytes. Only the newest steps are kept: at most
// kMaxStoredSteps of each list and kMaxHistoryBytes in all.
inline constexpr int kMaxStoredSteps = 100;
inline constexpr qint64 kMaxHistoryBytes = 4 * 1024 * 1024;
QByteArray encodeUndoHistory(const StoredUndoHistory& history);
// Nothing when `bytes` is not a whole, undamaged history of a known version
// whose every value is in range.
std::optional<StoredUndoHistory> decodeUndoHistory(const QByteArray& bytes);

// The digest of list file `name` as it lies now: empty when there is none.
// Throws PlatformError when it cannot be read.
QByteArray listFileDigest(const Files& files, const QString& name);

// At start, after the N&A file is open: takes the stored history back while
// the digests still match the files, drops it otherwise (a damaged file too),
// and from then on keeps the history on disk.
void loadUndoHistory(Program& p);

// Writes the history whole beside the N&A file (nothing when it is empty),
// with the N&A file's permissions. Does nothing until loadUndoHistory ran. A
// failure leaves no history file: the steps stay in memory for this session.
void saveUndoHistory(Program& p);

} // namespace tavrel
