#pragma once

#include "store/UndoLog.h"

#include <QString>
#include <optional>

namespace tavrel {

class Files;
class Program;

// The largest list file a step keeps whole; a bigger one (not one this
// program wrote) makes the step one that cannot be undone.
inline constexpr qint64 kMaxUndoFileBytes = 64 * 1024;

// True for a name a mailing list step may write: "tvlmail." and more, in any
// case, a plain name in the program directory.
bool isUndoListFileName(const QString& name);

// Notes the files of mailing list `fileName` (under every spelling of its
// name) as they are, and on commit() as the command left them: one step that
// Edit > Undo can take back. Without commit() (a refusal, a failure) there is
// no step.
class ListUndoScope {
public:
    ListUndoScope(Program& p, UndoKind kind, const QString& fileName);
    ListUndoScope(const ListUndoScope&) = delete;
    ListUndoScope& operator=(const ListUndoScope&) = delete;
    void commit();

private:
    Program& p_;
    UndoStep step_;
    bool usable_ = true; // false when a file could not be kept whole
};

// The state of list file `name` now: its bytes, or nothing when no plain file
// lies there. Throws PlatformError when it cannot be read or is too big.
std::optional<QByteArray> currentListFile(const Files& files, const QString& name);

// The first file of `step` that does not lie as `undo` expects (what the step
// left when undoing, what the undo left when redoing), or nullptr. Throws
// PlatformError when a file cannot be read.
const UndoFile* changedListFile(const Files& files, const UndoStep& step, bool undo);

// Puts each file of `step` back as `undo` wants it, each written whole and
// renamed into place, or removed. Throws PlatformError on failure.
void writeListFiles(const Files& files, const UndoStep& step, bool undo);

} // namespace tavrel
