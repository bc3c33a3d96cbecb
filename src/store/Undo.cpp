#include "store/Undo.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>

namespace tavrel {

namespace {

// "Delete Of ID 7", "Change Of ID 5 To ID 9", "Undelete Of 3 Records".
QString describe(const UndoStep& step)
{
    const QString id = QString::number(step.id);
    switch (step.kind) {
    case UndoKind::Add:
        return QCoreApplication::translate("tavrel::Undo", "Add Of ID ") + id;
    case UndoKind::Change:
        if (step.newId != step.id)
            return QCoreApplication::translate("tavrel::Undo", "Change Of ID ") + id +
                   QCoreApplication::translate("tavrel::Undo", " To ID ") +
                   QString::number(step.newId);
        return QCoreApplication::translate("tavrel::Undo", "Change Of ID ") + id;
    case UndoKind::Delete:
        return QCoreApplication::translate("tavrel::Undo", "Delete Of ID ") + id;
    case UndoKind::Undelete:
        if (step.count != 1)
            return QCoreApplication::translate("tavrel::Undo", "Undelete Of ") +
                   QString::number(step.count) +
                   QCoreApplication::translate("tavrel::Undo", " Records");
        return QCoreApplication::translate("tavrel::Undo", "Undelete Of ID ") +
               QString::number(step.newId);
    }
    return QString();
}

QString endedText(BulkChange why)
{
    switch (why) {
    case BulkChange::None:
        break;
    case BulkChange::Import:
        return QCoreApplication::translate("tavrel::Undo", "Can't &Undo After Import");
    case BulkChange::Compaction:
        return QCoreApplication::translate("tavrel::Undo", "Can't &Undo After Compaction");
    case BulkChange::DuplicateDeletion:
        return QCoreApplication::translate("tavrel::Undo", "Can't &Undo After Duplicate Deletion");
    case BulkChange::Sync:
        return QCoreApplication::translate("tavrel::Undo", "Can't &Undo After Sync");
    case BulkChange::Restore:
        return QCoreApplication::translate("tavrel::Undo", "Can't &Undo After Restore");
    }
    return QCoreApplication::translate("tavrel::Undo", "&Undo");
}

bool allZero(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (c != '\0')
            return false;
    }
    return true;
}

// An add that lengthened the file leaves it at its old length again, provided
// nothing but zero bytes now lies beyond that length.
void giveBackLength(Program& p, const UndoStep& step)
{
    const qint64 oldRecords = step.sizeBefore / NARecord::Size;
    if (step.sizeBefore % NARecord::Size != 0 || step.sizeBefore >= step.sizeAfter ||
        p.naFile.size() != step.sizeAfter)
        return;
    const int extra = p.naFile.recordCount() - int(oldRecords);
    try {
        if (extra < 1 || !allZero(p.naFile.readBlock(int(oldRecords) + 1, extra)))
            return;
        p.naFile.truncate(step.sizeBefore);
    } catch (const PlatformError&) {
        // Zero records read as free ones: the file means the same either way.
        qWarning("could not give the N&A file back its length before the undone step");
    }
}

} // namespace

UndoScope::UndoScope(Program& p, UndoKind kind, int id) : p_(p)
{
    p_.Undo.begin(kind, id, p_.naFile.size());
}

UndoScope::~UndoScope()
{
    if (open_)
        p_.Undo.discard();
}

void UndoScope::commit(int newId, int count)
{
    if (!open_)
        return;
    open_ = false;
    if (newId >= 0)
        p_.Undo.setLastDescription(newId, count);
    try {
        p_.Undo.commit(p_.naFile.size(),
                       [this](int recNo) { return QByteArray(p_.naFile.read(recNo)); });
    } catch (const PlatformError&) {
        // What the step left cannot be read back: the step is written, but
        // cannot be undone.
    }
}

void endUndoHistory(Program& p, BulkChange why)
{
    p.Undo.end(why);
}

bool canUndo(const Program& p)
{
    return !p.Undo.empty();
}

QString undoMenuText(const Program& p)
{
    if (p.Undo.empty())
        return endedText(p.Undo.endedBy());
    return QCoreApplication::translate("tavrel::Undo", "&Undo ") + describe(p.Undo.last());
}

UndoOutcome undoLastStep(Program& p)
{
    if (p.Undo.empty())
        return UndoOutcome::NothingToUndo;
    const UndoStep step = p.Undo.takeLast();
    for (const UndoRecord& r : step.records) {
        QByteArray now;
        try {
            now = p.naFile.read(r.recNo);
        } catch (const PlatformError& e) {
            // Nothing is written; the step stays for another try.
            p.Undo.putBack(step);
            p.ui.messageBox(
                QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                    QCoreApplication::translate("tavrel::Undo", " Cannot Be Undone Now: Error") +
                    numText(e.number()) +
                    QCoreApplication::translate("tavrel::Undo", " Reading The N&A File."),
                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return UndoOutcome::Refused;
        }
        if (now == r.after)
            continue;
        p.ui.beep();
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                QCoreApplication::translate("tavrel::Undo", " Cannot Be Undone: Record ID ") +
                QString::number(r.recNo - 1) +
                QCoreApplication::translate("tavrel::Undo", " Has Been Changed Since.") +
                QStringLiteral("\n") +
                QCoreApplication::translate("tavrel::Undo", "The N&A File Is Left As It Is."),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return UndoOutcome::Refused;
    }
    for (const UndoRecord& r : step.records)
        putRecordBytes(p, r.recNo, r.before);
    giveBackLength(p, step);
    // LastRecNo and the lowest free ID follow from the records, by the same
    // rules the record commands use.
    for (const UndoRecord& r : step.records) {
        if (isActive(NARecord::fromBytes(r.before), r.recNo - 1))
            noteStoredId(p, r.recNo - 1);
    }
    if (p.LastRecNo > 1 && !readActive(p, p.LastRecNo - 1))
        lowerLastRecNo(p, p.LastRecNo);
    findLowestFreeId(p);
    p.ui.messageBox(QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                        QCoreApplication::translate("tavrel::Undo", " Has Been Undone."),
                    kTitle, Ui::Buttons::Ok);
    return UndoOutcome::Undone;
}

} // namespace tavrel
