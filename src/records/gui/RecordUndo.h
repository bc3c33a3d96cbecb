#pragma once

namespace tavrel {

class Program;

class RecordScreen;
struct RecordSession;

// Undo and Redo on the record screens. Ctrl+Z (Ctrl+Shift+Z, Ctrl+Y for Redo)
// first undoes typing in the focused box; when the box has nothing of its own
// to take back, the keys reach the last step of the N&A file, and the screens
// then show what the file holds.
void watchUndoKeys(RecordScreen& screen);

// What was typed into the screens of `session` is now part of a step of the
// file: Ctrl+Z takes the step back instead of the typing behind it.
void forgetTyping(RecordSession& session);

// Takes back (or makes again) the last step of the file from `from`.
void undoFromScreen(Program& p, RecordScreen& from, bool redo);

} // namespace tavrel
