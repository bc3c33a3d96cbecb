#pragma once

#include "platform/Files.h"

#include <QString>
#include <stdexcept>

namespace tavrel {

class Program;

inline const QString kNAFileName = QStringLiteral("n&a.mrk");

struct CompactionResult {
    int active = 0; // active records written
    // The largest ID that kept its number when some record moved; -1 when none moved.
    int firstChanged = -1;
};

// A compaction that stopped: the error number, the record counter r at that
// moment, and whether the N&A file is still as it was.
class CompactionError : public std::runtime_error {
public:
    CompactionError(int number, int r, bool naFileUnchanged = true);
    int number() const { return number_; }
    int r() const { return r_; }
    bool naFileUnchanged() const { return naFileUnchanged_; }

private:
    int number_;
    int r_;
    bool naFileUnchanged_;
};

// The classic number for an index outside its array: a link to no possible ID.
inline constexpr int kLinkOutOfRange = 9;

// Rewrites the N&A file with its active records only, packed into IDs 1, 2,
// 3 ... in their old order, with every QuickLink and back link renumbered,
// and a new header. The new file is written completely under the temporary
// name of `out`, links included, flushed, and then renamed over the N&A file;
// the program's handle and working values then move to it. On any failure
// the N&A file is untouched and still open, the temporary file is gone, and
// CompactionError is thrown. Mailing list files are not touched. Shows nothing.
CompactionResult compactNAFile(Program& p, FileReplacement& out);

// The message after a compaction, with its note when IDs changed.
QString compactionReport(const CompactionResult& result);
// "Error = … In CompactForm. r = …": what a failed compaction shows, and a
// line of plain words: what went wrong, and whether the N&A file is unchanged.
QString compactionErrorText(const CompactionError& e);
// The refusal when the disk lacks the room for the compacted file beside the
// old one and for the backup copy (`copyBytes`, 0 when none is taken there).
QString spaceRefusalText(qint64 freeBytes, qint64 fileLength, qint64 copyBytes);
// True when `freeBytes` is room enough to compact a file of `fileLength` bytes
// after a backup copy of `copyBytes` on the same disk.
bool roomToCompact(qint64 freeBytes, qint64 fileLength, qint64 copyBytes);

} // namespace tavrel
