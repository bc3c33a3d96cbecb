// Which record here is each entry's, and the records a sync writes.
#include "store/ContactAccess.h"
#include "store/OriginalSpellings.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"
#include "sync/SyncPassSteps.h"
#include "sync/SyncRecord.h"

#include <QCryptographicHash>

namespace tavrel::syncpass {

namespace {

// True when most fields the record held at the last sync still hold the
// same (blank fields say nothing: any two sparse records share them).
bool mostlySame(const QByteArray& now, const QByteArray& base)
{
    int filled = 0, same = 0;
    for (SyncField f : allSyncFields()) {
        const QByteArray was = fieldBytes(base, f);
        if (was.trimmed().isEmpty())
            continue;
        ++filled;
        same += fieldBytes(now, f) == was;
    }
    return filled && same * 2 > filled;
}

int sameFields(const QByteArray& a, const QByteArray& b)
{
    int n = 0;
    for (SyncField f : allSyncFields())
        n += !fieldBytes(b, f).trimmed().isEmpty() && fieldBytes(a, f) == fieldBytes(b, f);
    return n;
}

} // namespace

QByteArray contentDigest(const QByteArray& record)
{
    return QCryptographicHash::hash(syncedBytes(record), QCryptographicHash::Sha1);
}

void Pass::readRecords()
{
    readAscending(p, 2, p.LastRecNo, [this](int recNo) {
        if (!isActive(p.CurRec, recNo - 1))
            return true;
        // With the person's own spelling of what the record holds transliterated.
        const QByteArray bytes = p.CurRec.toBytes();
        local.insert(recNo - 1, spelledRecord(bytes, p.Spellings.originalsFor(recNo - 1, bytes)));
        return true;
    });
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        usedIds.insert(it.key());
}

// Which record is each entry's now. Compaction and a restore move records
// without changing them; an edit changes a record where it stands.
void Pass::associate()
{
    idOfEntry.fill(0, st.entries.size());
    takeUnchanged();
    takeMostlySame();
    takeBestOfTheRest();
}

void Pass::claim(int entry, int id)
{
    idOfEntry[entry] = id;
    claimed.insert(id);
}

// Where it was, unchanged; then unchanged anywhere.
void Pass::takeUnchanged()
{
    for (int e = 0; e < st.entries.size(); ++e) {
        const SyncEntry& entry = st.entries.at(e);
        if (local.contains(entry.id) &&
            syncedBytes(local.value(entry.id)) == syncedBytes(entry.base))
            claim(e, entry.id);
    }
    QMultiHash<QByteArray, int> byContent;
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        if (!claimed.contains(it.key()))
            byContent.insert(contentDigest(it.value()), it.key());
    for (int e = 0; e < st.entries.size(); ++e) {
        if (idOfEntry[e])
            continue;
        for (int id : byContent.values(st.entries.at(e).digest())) {
            if (!claimed.contains(id)) {
                claim(e, id);
                break;
            }
        }
    }
}

// Changed where it was: most fields still the same.
void Pass::takeMostlySame()
{
    for (int e = 0; e < st.entries.size(); ++e) {
        const SyncEntry& entry = st.entries.at(e);
        if (!idOfEntry[e] && local.contains(entry.id) && !claimed.contains(entry.id) &&
            mostlySame(local.value(entry.id), entry.base))
            claim(e, entry.id);
    }
}

// Records moved and changed: compared with every record left over, unless
// so many are left that the file is plainly another (then they count as
// gone here, which the deletion guard stops).
void Pass::takeBestOfTheRest()
{
    qsizetype unmatched = 0;
    for (int e = 0; e < st.entries.size(); ++e)
        unmatched += !idOfEntry[e];
    if (unmatched * (local.size() - claimed.size()) > 250000)
        return;
    for (int e = 0; e < st.entries.size(); ++e) {
        if (idOfEntry[e])
            continue;
        int best = 0, bestScore = 0;
        for (auto it = local.cbegin(); it != local.cend(); ++it) {
            if (claimed.contains(it.key()) || !mostlySame(it.value(), st.entries.at(e).base))
                continue;
            const int score = sameFields(it.value(), st.entries.at(e).base);
            if (score > bestScore)
                best = it.key(), bestScore = score;
        }
        if (best)
            claim(e, best);
    }
}

void Pass::deleteHere(int id)
{
    // Marked deleted with every field kept, as a duplicate deletion leaves it.
    endUndoHistory(p, BulkChange::Sync);
    Get_NA_Rec(p, id + 1);
    p.CurRec.RecStatus = kDeleted;
    p.CurRec.RecId = 0;
    Put_NA_Rec(p, id + 1);
    local.remove(id);
    usedIds.remove(id);
    if (id + 1 >= p.LastRecNo)
        lowerLastRecNo(p, id + 1);
}

void Pass::storeHere(int id, const QByteArray& record)
{
    NARecord r = NARecord::fromBytes(record);
    r.RecStatus = kActive;
    r.RecId = qint16(id);
    // Only spellings of what the record holds (a damaged state could say otherwise).
    FieldTexts originals = spellingsOf(record);
    std::erase_if(originals, [&r](const auto& o) { return !originalsMatch({o}, r); });
    p.CurRec = r;
    endUndoHistory(p, BulkChange::Sync);
    {
        // The record first, then its spellings beside it, saved once.
        SpellingsBatch spellings(p);
        Put_NA_Rec(p, id + 1);
        p.Spellings.keep(id, r.toBytes(), originals);
    }
    noteStoredId(p, id);
    local.insert(id, spelledRecord(r.toBytes(), originals));
    usedIds.insert(id);
}

// A record that reads as a card new there but keeps none of the card's
// spellings (a download cut short before they were kept) takes them now.
void Pass::adoptSpellings(int id, const QByteArray& view)
{
    const QByteArray bytes = recordPart(local.value(id));
    const NARecord r = NARecord::fromBytes(bytes);
    FieldTexts originals = spellingsOf(view);
    std::erase_if(originals, [&r](const auto& o) { return !originalsMatch({o}, r); });
    if (originals.empty() || !spellingsOf(local.value(id)).empty())
        return;
    p.Spellings.keep(id, bytes, originals);
    saveSpellings(p);
    local.insert(id, spelledRecord(bytes, originals));
}

int Pass::freeId() const
{
    for (int id = 1; id <= kMaxId; ++id)
        if (!usedIds.contains(id))
            return id;
    return 0;
}

} // namespace tavrel::syncpass
