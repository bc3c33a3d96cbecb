#pragma once

namespace tavrel {

class Program;

// "Compac&t File": opens CompactDialog without blocking.
void startCompact(Program& p);

// The work behind CompactionWarningDialog's Yes: the space check, then the compaction
// with CompactingMessage on the screen, then its report. True when the file was
// compacted; false when it was refused or failed, with the N&A file as it was.
bool runCompaction(Program& p);

// "&File Statistics": counts, measures and shows the one statistics box.
void showFileStatistics(Program& p);

} // namespace tavrel
