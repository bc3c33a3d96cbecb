#include "exchange/Import.h"

#include "exchange/ImportLog.h"
#include "exchange/ImportText.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <limits>
#include <optional>

namespace tavrel {

using importtext::choiceText;
using importtext::quoted;
using importtext::shownName;

QString importtext::choiceText(OverflowChoice c)
{
    switch (c) {
    case OverflowChoice::MoveToComments:
        return QCoreApplication::translate("tavrel::Import", "move overflow into Comments");
    case OverflowChoice::CutAndLog:
        return QCoreApplication::translate("tavrel::Import", "cut and log");
    case OverflowChoice::SkipRecord:
        return QCoreApplication::translate("tavrel::Import", "skip the record");
    }
    return {};
}

QString importtext::shownName(const PlannedRecord& r)
{
    const QString n = trimRight(r.record.Name);
    return n.isEmpty() ? QCoreApplication::translate("tavrel::Import", "(no name)") : n;
}

QString planText(const ImportPlan& plan)
{
    QStringList out;
    out << QCoreApplication::translate("tavrel::Import", "File: %1 (%2), %3 entries")
               .arg(plan.source.fileName, plan.source.kind)
               .arg(plan.source.entries.size() + plan.source.entriesNotRead);
    out << QCoreApplication::translate("tavrel::Import", "Fields that do not fit: ") +
               choiceText(plan.choice);
    for (const QString& problem : plan.source.problems)
        out << problem;
    for (qsizetype i = 0; i < plan.records.size(); ++i) {
        const PlannedRecord& r = plan.records.at(i);
        if (r.changes.isEmpty() && r.duplicate.isEmpty())
            continue;
        out << QCoreApplication::translate("tavrel::Import", "Entry %1: %2")
                   .arg(i + 1)
                   .arg(shownName(r));
        if (!r.duplicate.isEmpty())
            out << QCoreApplication::translate("tavrel::Import",
                                               "    Looks like a record in the file (%1): %2")
                       .arg(r.duplicate,
                            r.include ? QCoreApplication::translate("tavrel::Import", "add anyway")
                                      : QCoreApplication::translate("tavrel::Import", "skip"));
        for (const QString& c : r.changes)
            out << "    " + c;
    }
    out << QCoreApplication::translate("tavrel::Import", "%1 of %2 entries would be imported.")
               .arg(plan.toWrite())
               .arg(plan.records.size() + plan.source.entriesNotRead);
    return out.join('\n');
}

namespace {

// The most an import of `plan` into IDs up to `topId` adds to the disk: the
// N&A file's growth, every mailing list rewritten beside the old one, and the
// log likewise (each character of its lines counted at UTF-8's widest; a log
// rewritten is never longer than its limit).
qint64 roomForImport(Program& p, const ImportPlan& plan, int topId)
{
    qint64 need = std::max<qint64>(0, qint64(topId + 1) * NARecord::Size - p.naFile.size());
    QStringList files = listMailListFiles(p, kMailListPattern);
    files << kImportLogName;
    for (const QString& f : std::as_const(files)) {
        try {
            if (p.files.exists(f))
                need += f == kImportLogName
                            ? std::min<qint64>(p.files.length(f), kMaxImportLogBytes)
                            : p.files.length(f);
        } catch (const PlatformError&) {
        }
    }
    qint64 logChars = 1024;
    for (const PlannedRecord& r : plan.records) {
        logChars += shownName(r).size() + r.duplicate.size() + 200;
        for (const QString& c : r.changes)
            logChars += c.size() + 8;
    }
    return need + 3 * logChars;
}

// Free bytes on the program directory's disk; nullopt when the system will not say.
std::optional<qint64> freeBytes(const Files& files)
{
    try {
        const DiskFigures f = files.diskFigures();
        qint64 clusterBytes = 0;
        qint64 bytes = 0;
        if (__builtin_mul_overflow(f.sectorsPerCluster, f.bytesPerSector, &clusterBytes) ||
            __builtin_mul_overflow(f.freeClusters, clusterBytes, &bytes))
            return std::numeric_limits<qint64>::max();
        return std::max<qint64>(bytes, 0);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

} // namespace

ImportResult runImport(Program& p, const ImportPlan& plan, const ImportOptions& options)
{
    ImportResult result;
    QStringList log;
    log << QCoreApplication::translate("tavrel::Import", "Import of %1 (%2) on %3")
               .arg(plan.source.fileName, plan.source.kind,
                    shownDateTime(p.clock.now(), QStringLiteral("MM-dd-yyyy 'at' HH:mm:ss")));
    log << QCoreApplication::translate("tavrel::Import", "Fields that do not fit: ") +
               choiceText(plan.choice);
    for (const QString& problem : plan.source.problems)
        log << problem;

    // Free IDs, lowest first: the gaps below LastRecNo, then everything above.
    QList<int> freeIds;
    if (p.LastRecNo > 1)
        readAscending(p, 2, p.LastRecNo, [&](int recNo) {
            if (!isActive(p.CurRec, recNo - 1))
                freeIds << recNo - 1;
            return true;
        });
    for (int id = std::max<int>(p.LastRecNo, 1); id <= kMaxId; ++id)
        freeIds << id;

    // Who gets which ID, so QuickLinks between imported records can follow them.
    QList<std::pair<const PlannedRecord*, int>> writes;
    QHash<int, int> newIdOf;
    QStringList leftOut;
    for (const PlannedRecord& r : plan.records) {
        if (!r.include) {
            leftOut << shownName(r) +
                           QCoreApplication::translate("tavrel::Import",
                                                       ": looks like a record in the file (") +
                           r.duplicate + ')';
            continue;
        }
        if (plan.choice == OverflowChoice::SkipRecord && r.overflows) {
            leftOut << shownName(r) + QCoreApplication::translate("tavrel::Import",
                                                                  ": does not fit the record");
            continue;
        }
        if (writes.size() >= freeIds.size()) {
            result.stoppedAtLimit = true;
            leftOut << shownName(r) +
                           QCoreApplication::translate("tavrel::Import", ": no free ID left");
            continue;
        }
        const int id = freeIds.at(writes.size());
        writes.append({&r, id});
        if (r.entry.sourceId && !newIdOf.contains(r.entry.sourceId))
            newIdOf.insert(r.entry.sourceId, id);
    }
    result.notImported = int(leftOut.size() + plan.source.entriesNotRead);

    // The point just before the first record is written: the caller's last
    // word, then the program-wide hook (the automatic backup copy).
    if (!writes.isEmpty()) {
        if (options.beforeFirstWrite && !options.beforeFirstWrite()) {
            result.cancelled = true;
            result.notImported = int(plan.records.size() + plan.source.entriesNotRead);
            result.message = QCoreApplication::translate("tavrel::Import", "Nothing Was Imported.");
            return result;
        }
        // No backup copy and no choice to go on without one: nothing is written.
        if (p.BeforeBulkChange && !p.BeforeBulkChange(QStringLiteral("import"))) {
            result.cancelled = true;
            result.noSafetyCopy = true;
            result.notImported = int(plan.records.size() + plan.source.entriesNotRead);
            result.message = QCoreApplication::translate("tavrel::Import", "Nothing Was Imported.");
            return result;
        }
        // A disk that fills half way would leave half an import: the room is
        // asked for before the first record.
        int topId = 0;
        for (const auto& w : std::as_const(writes))
            topId = std::max(topId, w.second);
        const qint64 need = roomForImport(p, plan, topId);
        if (const std::optional<qint64> free = freeBytes(p.files); free && *free < need) {
            result.cancelled = true;
            result.notImported = int(plan.records.size() + plan.source.entriesNotRead);
            result.message =
                QCoreApplication::translate(
                    "tavrel::Import", "The Disk Is Full: The Import Needs About %1 KBytes Of Free "
                                      "Space, And %2 KBytes Are Free.\nNothing Was Imported.")
                    .arg((need + 1023) / 1024)
                    .arg(*free / 1024);
            return result;
        }
    }

    if (!writes.isEmpty())
        endUndoHistory(p, BulkChange::Import);
    // Entries left by records once at the IDs now written go with one save.
    std::optional<SpellingsBatch> spellings;
    if (!writes.isEmpty())
        spellings.emplace(p);
    QHash<QString, QList<int>> listMembers;
    for (qsizetype w = 0; w < writes.size(); ++w) {
        const PlannedRecord& r = *writes.at(w).first;
        const int id = writes.at(w).second;
        NARecord rec = r.record;
        rec.RecId = qint16(id);
        QStringList notes = r.changes;
        for (int i = 1; i <= 4; ++i) {
            const int old = rec.linkId(i);
            if (!old)
                continue;
            rec.linkId(i) = qint16(newIdOf.value(old, 0));
            if (!rec.linkId(i))
                notes << QCoreApplication::translate(
                             "tavrel::Import", "QuickLink %1 to ID %2 cleared: that record was not "
                                               "imported")
                             .arg(i)
                             .arg(old);
        }
        if (const int old = rec.BackLinkId) {
            rec.BackLinkId = qint16(newIdOf.value(old, 0));
            if (!rec.BackLinkId)
                notes << QCoreApplication::translate(
                             "tavrel::Import", "Previous record ID %1 cleared: that record was not "
                                               "imported")
                             .arg(old);
        }
        // The same store path as Add: write, raise LastRecNo, keep LowestFreeId.
        p.CurRec = rec;
        Put_NA_Rec(p, id + 1);
        // The person's own spelling goes beside the record, saved with the rest.
        if (!r.originals.empty())
            p.Spellings.keep(id, p.CurRec.toBytes(), r.originals);
        noteStoredId(p, id);
        p.LowestFreeId =
            qint16(w + 1 < writes.size() ? std::min<int>(writes.at(w + 1).second, p.LastRecNo)
                                         : p.LastRecNo);
        result.ids << id;
        for (const QString& title : r.entry.lists)
            listMembers[trimRight(title)] << id;
        log << QCoreApplication::translate("tavrel::Import", "ID %1: %2").arg(id).arg(shownName(r));
        for (const QString& n : notes)
            log << "    " + n;
    }
    result.imported = int(writes.size());
    spellings.reset();
    if (!writes.isEmpty())
        findLowestFreeId(p);

    // Members of lists that exist here under the same title.
    if (!listMembers.isEmpty()) {
        const QByteArray savedFlags = p.MailListFlags;
        QSet<QString> joined;
        for (const QString& file : listMailListFiles(p, kMailListPattern)) {
            const QString title = loadMailList(p, file);
            const auto it = listMembers.constFind(trimRight(title));
            if (it == listMembers.constEnd())
                continue;
            for (int id : *it)
                setMember(p, id, true);
            writeMailList(p, file, title);
            joined.insert(it.key());
            log << QCoreApplication::translate("tavrel::Import", "Mailing list %1 (%2): %3 added")
                       .arg(trimRight(title), file)
                       .arg(it->size());
        }
        p.MailListFlags = savedFlags;
        for (auto it = listMembers.constBegin(); it != listMembers.constEnd(); ++it)
            if (!joined.contains(it.key()))
                log << QCoreApplication::translate(
                           "tavrel::Import",
                           "No mailing list is titled %1; %2 records carried that "
                           "title")
                           .arg(quoted(it.key()))
                           .arg(it->size());
    }

    for (const QString& l : leftOut)
        log << QCoreApplication::translate("tavrel::Import", "Not imported: ") + l;
    if (const qsizetype n = plan.source.entriesNotRead)
        log << QCoreApplication::translate("tavrel::Import", "Not imported: the %1 entries after "
                                                             "the first %2 of the file")
                   .arg(n)
                   .arg(plan.source.entries.size());
    if (result.stoppedAtLimit)
        result.message = QCoreApplication::translate(
                             "tavrel::Import", "The N&A File Is Full: It Holds 1700 Records.\n"
                                               "%1 Records Were Imported, %2 Were Not.")
                             .arg(result.imported)
                             .arg(result.notImported);
    else
        result.message =
            QCoreApplication::translate("tavrel::Import", "%1 Records Imported, %2 Not Imported.")
                .arg(result.imported)
                .arg(result.notImported);
    log << result.message;
    result.log = log.join('\n') + '\n';
    addToImportLog(p, result.log.toUtf8());
    return result;
}

} // namespace tavrel