#pragma once

namespace tavrel {

class Program;

class RecordScreen;

// Before Add or Change: when a box of the record screens holds more than its
// field can store, asks whether to keep the cut text, move the rest to
// Comments or go back to the screen. False when the person goes back: the box
// that would be cut then has the focus and nothing is to be written. True when
// the record is to be written; after "move", the Comments box holds the rest.
bool settleOverflow(Program& p, RecordScreen& from);

} // namespace tavrel
