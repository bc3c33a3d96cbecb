#include "store/UndoLog.h"

namespace tavrel {

void UndoLog::begin(UndoKind kind, int id, qint64 fileSize)
{
    UndoStep step;
    step.kind = kind;
    step.id = id;
    step.newId = id;
    step.sizeBefore = fileSize;
    open_ = std::move(step);
}

bool UndoLog::noted(int recNo) const
{
    if (!open_)
        return false;
    for (const UndoRecord& r : open_->records) {
        if (r.recNo == recNo)
            return true;
    }
    return false;
}

void UndoLog::noteBefore(int recNo, const QByteArray& bytes, const FieldTexts& spellings)
{
    if (open_ && !noted(recNo))
        open_->records.append({recNo, bytes, QByteArray(), spellings, {}});
}

void UndoLog::add(UndoStep step)
{
    steps_.append(std::move(step));
    redo_.clear();
}

void UndoLog::restore(QVector<UndoStep> steps, QVector<UndoStep> undone)
{
    open_.reset();
    steps_ = std::move(steps);
    redo_ = std::move(undone);
    endedBy_ = BulkChange::None;
}

void UndoLog::end(BulkChange why)
{
    open_.reset();
    steps_.clear();
    redo_.clear();
    endedBy_ = why;
}

void UndoLog::setLastDescription(int newId, int count)
{
    if (open_) {
        open_->newId = newId;
        open_->count = count;
    }
}

} // namespace tavrel
