#include "store/Undo.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UndoFiles.h"
#include "store/UndoStore.h"

#include <QCoreApplication>
#include <optional>

namespace tavrel {

namespace {

// The name on the record a step is about: as it was before a change or
// delete, as the step left it after an add or undelete.
QString personName(const UndoStep& step)
{
    const bool afterward = step.kind == UndoKind::Add || step.kind == UndoKind::Undelete;
    const int id = afterward ? step.newId : step.id;
    for (const UndoRecord& r : step.records) {
        if (r.recNo == id + 1)
            // As the person spelled it, where a spelling was kept for those bytes.
            return decodeContact(NARecord::fromBytes(afterward ? r.after : r.before),
                                 afterward ? r.spellingsAfter : r.spellingsBefore)
                .text(ContactField::Name)
                .trimmed();
    }
    return QString();
}

QString kindText(UndoKind kind)
{
    switch (kind) {
    case UndoKind::Add:
        return QCoreApplication::translate("tavrel::Undo", "Add Of ");
    case UndoKind::Change:
        return QCoreApplication::translate("tavrel::Undo", "Change Of ");
    case UndoKind::Delete:
        return QCoreApplication::translate("tavrel::Undo", "Delete Of ");
    case UndoKind::Undelete:
        return QCoreApplication::translate("tavrel::Undo", "Undelete Of ");
    case UndoKind::CreateList:
        return QCoreApplication::translate("tavrel::Undo", "Create Of ");
    case UndoKind::ChangeList:
        return QCoreApplication::translate("tavrel::Undo", "Change Of ");
    case UndoKind::DeleteList:
        return QCoreApplication::translate("tavrel::Undo", "Delete Of ");
    }
    return QString();
}

bool isListStep(const UndoStep& step)
{
    return step.kind == UndoKind::CreateList || step.kind == UndoKind::ChangeList ||
           step.kind == UndoKind::DeleteList;
}

// "Delete Of Greta Becker (ID 7)", "Change Of Greta Becker (ID 5 To ID 9)",
// "Undelete Of 3 Records"; a record without a name: "Delete Of ID 7";
// a list: "Create Of Mailing List "CLUB"".
QString describe(const UndoStep& step)
{
    if (isListStep(step))
        return kindText(step.kind) +
               QCoreApplication::translate("tavrel::Undo", "Mailing List \"") + step.list +
               QLatin1Char('"');
    if (step.kind == UndoKind::Undelete && step.count != 1)
        return QCoreApplication::translate("tavrel::Undo", "Undelete Of ") +
               QString::number(step.count) +
               QCoreApplication::translate("tavrel::Undo", " Records");
    const int shownId = step.kind == UndoKind::Undelete ? step.newId : step.id;
    QString ids = QCoreApplication::translate("tavrel::Undo", "ID ") + QString::number(shownId);
    if (step.kind == UndoKind::Change && step.newId != step.id)
        ids += QCoreApplication::translate("tavrel::Undo", " To ID ") + QString::number(step.newId);
    const QString name = personName(step);
    if (name.isEmpty())
        return kindText(step.kind) + ids;
    return kindText(step.kind) + name + QStringLiteral(" (") + ids + QLatin1Char(')');
}

// A name in a menu item shows its "&" instead of making it an access key.
QString menuSafe(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
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
        p_.Undo.commit(
            p_.naFile.size(), [this](int recNo) { return QByteArray(p_.naFile.read(recNo)); },
            [this](int recNo, const QByteArray& bytes) {
                return p_.Spellings.originalsFor(recNo - 1, bytes);
            });
    } catch (const PlatformError&) {
        // What the step left cannot be read back: the step is written, but
        // cannot be undone.
    }
    saveUndoHistory(p_);
}

void endUndoHistory(Program& p, BulkChange why)
{
    p.Undo.end(why);
    saveUndoHistory(p);
}

bool canUndo(const Program& p)
{
    return !p.Undo.empty();
}

QString undoMenuText(const Program& p)
{
    if (p.Undo.empty())
        return endedText(p.Undo.endedBy());
    return QCoreApplication::translate("tavrel::Undo", "&Undo ") +
           menuSafe(describe(p.Undo.last()));
}

namespace {

// What differs between taking a step back and making it again.
struct Direction {
    bool undo;
    const QByteArray& expected(const UndoRecord& r) const { return undo ? r.after : r.before; }
    const QByteArray& written(const UndoRecord& r) const { return undo ? r.before : r.after; }
    const FieldTexts& spellings(const UndoRecord& r) const
    {
        return undo ? r.spellingsBefore : r.spellingsAfter;
    }
};

QString cannotNowText(Direction d)
{
    return d.undo ? QCoreApplication::translate("tavrel::Undo", " Cannot Be Undone Now: Error")
                  : QCoreApplication::translate("tavrel::Undo", " Cannot Be Redone Now: Error");
}

QString cannotText(Direction d)
{
    return d.undo ? QCoreApplication::translate("tavrel::Undo", " Cannot Be Undone: Record ID ")
                  : QCoreApplication::translate("tavrel::Undo", " Cannot Be Redone: Record ID ");
}

QString doneText(Direction d)
{
    return d.undo ? QCoreApplication::translate("tavrel::Undo", " Has Been Undone.")
                  : QCoreApplication::translate("tavrel::Undo", " Has Been Redone.");
}

void cannotNow(Program& p, const UndoStep& step, Direction d, const PlatformError& e,
               const QString& doing)
{
    p.ui.messageBox(QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                        cannotNowText(d) + numText(e.number()) + doing,
                    kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
}

// The same for the list files of a step.
std::optional<UndoOutcome> listRefusal(Program& p, const UndoStep& step, Direction d)
{
    const UndoFile* changed = nullptr;
    try {
        changed = changedListFile(p.files, step, d.undo);
    } catch (const PlatformError& e) {
        cannotNow(p, step, d, e,
                  QCoreApplication::translate("tavrel::Undo", " Reading The Mailing List File."));
        return UndoOutcome::NotNow;
    }
    if (!changed)
        return std::nullopt;
    p.ui.beep();
    p.ui.messageBox(
        QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
            (d.undo ? QCoreApplication::translate("tavrel::Undo", " Cannot Be Undone: File ")
                    : QCoreApplication::translate("tavrel::Undo", " Cannot Be Redone: File ")) +
            changed->name +
            QCoreApplication::translate("tavrel::Undo", " Has Been Changed Since.") +
            QStringLiteral("\n") +
            QCoreApplication::translate("tavrel::Undo", "The Mailing Lists Are Left As They Are."),
        kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    return UndoOutcome::Refused;
}

// Nothing when every record of `step` still holds what `d` expects; else
// says which does not (or that the file cannot be read) and why it stops.
std::optional<UndoOutcome> refusal(Program& p, const UndoStep& step, Direction d)
{
    for (const UndoRecord& r : step.records) {
        QByteArray now;
        try {
            now = p.naFile.read(r.recNo);
        } catch (const PlatformError& e) {
            p.ui.messageBox(
                QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                    cannotNowText(d) + numText(e.number()) +
                    QCoreApplication::translate("tavrel::Undo", " Reading The N&A File."),
                kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return UndoOutcome::NotNow;
        }
        if (now == d.expected(r))
            continue;
        p.ui.beep();
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) + cannotText(d) +
                QString::number(r.recNo - 1) +
                QCoreApplication::translate("tavrel::Undo", " Has Been Changed Since.") +
                QStringLiteral("\n") +
                QCoreApplication::translate("tavrel::Undo", "The N&A File Is Left As It Is."),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return UndoOutcome::Refused;
    }
    return listRefusal(p, step, d);
}

// Writes each record of `step` as `d` wants it through the record-write path;
// LastRecNo and the lowest free ID then follow from the records by the same
// rules the record commands use.
bool applyStep(Program& p, const UndoStep& step, Direction d)
{
    try {
        writeListFiles(p.files, step, d.undo);
    } catch (const PlatformError& e) {
        cannotNow(p, step, d, e,
                  QCoreApplication::translate("tavrel::Undo", " Writing The Mailing List File."));
        return false;
    }
    if (step.records.isEmpty())
        return true;
    {
        // Each record gets back its spellings as the step found or left them;
        // one save of the spellings file follows.
        SpellingsBatch batch(p);
        for (const UndoRecord& r : step.records) {
            putRecordBytes(p, r.recNo, d.written(r));
            p.Spellings.keep(r.recNo - 1, d.written(r), d.spellings(r));
        }
    }
    if (d.undo)
        giveBackLength(p, step);
    for (const UndoRecord& r : step.records) {
        if (isActive(NARecord::fromBytes(d.written(r)), r.recNo - 1))
            noteStoredId(p, r.recNo - 1);
    }
    if (p.LastRecNo > 1 && !readActive(p, p.LastRecNo - 1))
        lowerLastRecNo(p, p.LastRecNo);
    findLowestFreeId(p);
    return true;
}

} // namespace

namespace {

// The newest step of one side (the done steps when undoing, the undone ones
// when redoing) is applied the other way and moves to the other side. A
// refused step goes back where it was, except one that can never be applied.
UndoOutcome replayNewest(Program& p, Direction d)
{
    UndoLog& log = p.Undo;
    if (d.undo ? log.empty() : log.redoEmpty())
        return UndoOutcome::NothingToUndo;
    const UndoStep step = d.undo ? log.takeLast() : log.takeLastUndone();
    const auto keepOn = [&](bool undoSide) {
        if (undoSide)
            log.putBack(step);
        else
            log.pushUndone(step);
    };
    if (const auto no = refusal(p, step, d)) {
        // A read error writes nothing and keeps the step for another try.
        if (*no == UndoOutcome::NotNow)
            keepOn(d.undo);
        saveUndoHistory(p);
        return UndoOutcome::Refused;
    }
    if (!applyStep(p, step, d)) {
        keepOn(d.undo);
        return UndoOutcome::Refused;
    }
    keepOn(!d.undo);
    saveUndoHistory(p);
    p.ui.messageBox(QCoreApplication::translate("tavrel::Undo", "The ") + describe(step) +
                        doneText(d),
                    kTitle, Ui::Buttons::Ok);
    return UndoOutcome::Undone;
}

} // namespace

UndoOutcome undoLastStep(Program& p)
{
    return replayNewest(p, Direction{true});
}

bool canRedo(const Program& p)
{
    return !p.Undo.redoEmpty();
}

QString redoMenuText(const Program& p)
{
    if (p.Undo.redoEmpty())
        return QCoreApplication::translate("tavrel::Undo", "&Redo");
    return QCoreApplication::translate("tavrel::Undo", "&Redo ") +
           menuSafe(describe(p.Undo.lastUndone()));
}

UndoOutcome redoLastStep(Program& p)
{
    return replayNewest(p, Direction{false});
}

const UndoStep* lastUndoneStep(const Program& p)
{
    return p.Undo.redoEmpty() ? nullptr : &p.Undo.lastUndone();
}

} // namespace tavrel
