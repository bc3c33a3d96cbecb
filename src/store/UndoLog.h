#pragma once

#include "store/Contact.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

namespace tavrel {

// What a step of the record or mailing list commands did, as the Edit menu names it.
enum class UndoKind { Add, Change, Delete, Undelete, CreateList, ChangeList, DeleteList };

// Commands that change records in bulk. Steps made before one of them cannot
// be taken back afterwards: the records they touched may lie elsewhere now.
enum class BulkChange { None, Import, Compaction, DuplicateDeletion, Sync, Restore };

// One record a step wrote, as it was before the step and as the step left it.
struct UndoRecord {
    int recNo = 0;
    QByteArray before;
    QByteArray after;
    // The person's own spellings kept for the record before and after.
    FieldTexts spellingsBefore;
    FieldTexts spellingsAfter;
};

// One file a mailing list step wrote or removed, whole, before and after it.
struct UndoFile {
    QString name;
    bool existedBefore = false;
    bool existsAfter = false;
    QByteArray before;
    QByteArray after;
};

struct UndoStep {
    UndoKind kind = UndoKind::Add;
    int id = 0;    // the record's ID before the step (the new ID for an add)
    int newId = 0; // the ID a change moved the record to; else id
    int count = 1; // records an undelete brought back
    // The file's length before and after the step: undoing an add that
    // lengthened the file gives it back its old length.
    qint64 sizeBefore = 0;
    qint64 sizeAfter = 0;
    QVector<UndoRecord> records;
    // A mailing list step: the list's identifier and the files it touched.
    QString list;
    QVector<UndoFile> files;
};

// The steps of this session that can still be taken back, oldest first. A step
// is open while its command writes; every record written meanwhile (the header
// aside) is noted with the bytes it held before.
class UndoLog {
public:
    bool recording() const { return open_.has_value(); }
    void begin(UndoKind kind, int id, qint64 fileSize);
    // Called before record `recNo` is written; keeps only its first bytes
    // and the spellings kept for them.
    void noteBefore(int recNo, const QByteArray& bytes, const FieldTexts& spellings = {});
    bool noted(int recNo) const;
    // Ends the open step; it joins the log unless it changed nothing.
    // `read(recNo)` gives a record's bytes now, `spellingsOf(recNo, bytes)` the
    // spellings kept for them.
    template <typename ReadRecord, typename SpellingsOf>
    void commit(qint64 fileSize, ReadRecord read, SpellingsOf spellingsOf);
    void discard() { open_.reset(); }
    // A step made whole elsewhere (a mailing list step) joins the log.
    void add(UndoStep step);

    bool empty() const { return steps_.isEmpty(); }
    const UndoStep& last() const { return steps_.last(); }
    UndoStep takeLast() { return steps_.takeLast(); }
    void putBack(const UndoStep& step) { steps_.append(step); }

    // Steps taken back, the latest last, that Edit > Redo can make again. A new
    // step forgets them: they were undone from a state that is gone.
    bool redoEmpty() const { return redo_.isEmpty(); }
    const UndoStep& lastUndone() const { return redo_.last(); }
    UndoStep takeLastUndone() { return redo_.takeLast(); }
    void pushUndone(const UndoStep& step) { redo_.append(step); }

    // Forgets every step; `why` is what the menu then names.
    void end(BulkChange why);
    BulkChange endedBy() const { return endedBy_; }
    void setLastDescription(int newId, int count);

    // Both lists as they stand, oldest first, and putting them back after a restart.
    const QVector<UndoStep>& steps() const { return steps_; }
    const QVector<UndoStep>& undone() const { return redo_; }
    void restore(QVector<UndoStep> steps, QVector<UndoStep> undone);
    // True once the history is kept on disk beside the N&A file.
    bool kept() const { return kept_; }
    void setKept(bool kept) { kept_ = kept; }

private:
    QVector<UndoStep> steps_;
    QVector<UndoStep> redo_;
    std::optional<UndoStep> open_;
    BulkChange endedBy_ = BulkChange::None;
    bool kept_ = false;
};

template <typename ReadRecord, typename SpellingsOf>
void UndoLog::commit(qint64 fileSize, ReadRecord read, SpellingsOf spellingsOf)
{
    if (!open_)
        return;
    UndoStep step = std::move(*open_);
    open_.reset();
    step.sizeAfter = fileSize;
    bool changed = step.sizeAfter != step.sizeBefore;
    for (UndoRecord& r : step.records) {
        r.after = read(r.recNo);
        r.spellingsAfter = spellingsOf(r.recNo, r.after);
        changed = changed || r.after != r.before || r.spellingsAfter != r.spellingsBefore;
    }
    if (changed) {
        steps_.append(std::move(step));
        redo_.clear();
    }
}

} // namespace tavrel
