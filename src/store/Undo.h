#pragma once

#include "store/UndoLog.h"

#include <QString>

namespace tavrel {

class Program;

// Notes every record written from here until commit() as one step that
// Edit > Undo can take back. Without commit() (a refusal, a failure) the step
// is dropped.
class UndoScope {
public:
    UndoScope(Program& p, UndoKind kind, int id);
    ~UndoScope();
    UndoScope(const UndoScope&) = delete;
    UndoScope& operator=(const UndoScope&) = delete;
    // `newId`: where a change put the record; `count`: records undeleted.
    void commit(int newId = -1, int count = 1);

private:
    Program& p_;
    bool open_ = true;
};

// A bulk command is about to change records: earlier steps can no longer be
// taken back, and the menu says why.
void endUndoHistory(Program& p, BulkChange why);

// The Edit menu's undo item: its caption, and whether there is a step to take back.
QString undoMenuText(const Program& p);
bool canUndo(const Program& p);

// NotNow: the file could not be read; only refusal() hands it out.
enum class UndoOutcome { NothingToUndo, Undone, Refused, NotNow };
// Takes back the last step, writing each record's old bytes through the
// record-write path, and tells the person what happened. A step whose records
// no longer hold what it left is refused and dropped, touching nothing.
UndoOutcome undoLastStep(Program& p);

// Edit > Redo: makes the last step taken back again, when its records still
// hold what the undo left; Undone here means it was made again. Any new
// step forgets what could be redone.
QString redoMenuText(const Program& p);
bool canRedo(const Program& p);
UndoOutcome redoLastStep(Program& p);
// The step Edit > Redo would make again (the one just undone), or nullptr.
const UndoStep* lastUndoneStep(const Program& p);

} // namespace tavrel
