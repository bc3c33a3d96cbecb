// What a sync does with each card and record, and the deletion guard.
#include "store/Program.h"
#include "sync/SyncPassSteps.h"
#include "sync/SyncRecord.h"

namespace tavrel::syncpass {

// Changes the last sync sent without learning whether they landed.
void Pass::settleSending()
{
    for (const Item& item : std::as_const(items)) {
        SyncEntry& e = st.entries[item.entry];
        // A card not fetched this time says nothing about whether the change landed.
        if (e.sending && !item.skipped) {
            settleSent(e, item.there ? &item.card : nullptr);
            noteEntry(e);
        }
    }
}

void Pass::plan()
{
    for (Item& item : items)
        planItem(item);
    pairNewOnBothSides();
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        if (!claimed.contains(it.key()))
            newHere << it.key();
}

void Pass::planItem(Item& item)
{
    if (item.skipped) {
        item.action = SyncAction::Nothing;
        return;
    }
    const SyncEntry& e = st.entries.at(item.entry);
    const SideState here{item.id != 0,
                         item.id && syncedBytes(local.value(item.id)) != syncedBytes(e.base)};
    const SideState there{item.there, item.there && item.card.data != e.card};
    if (e.etag.isEmpty() && !item.there) {
        // Written but never arrived: it goes up again under the same address.
        item.action = item.id ? SyncAction::Upload : SyncAction::Forget;
        return;
    }
    item.action = syncAction(true, here, there);
    if (item.action != SyncAction::Merge)
        return;
    const auto merge = [&] {
        item.merge = mergeFields(e.base, local.value(item.id), recordFromCard(e.card),
                                 recordFromCard(item.card.data), item.serverWins);
    };
    item.serverWins = options.serverWins;
    merge();
    if (item.merge.conflicts.isEmpty() || !options.resolveConflict)
        return;
    const ConflictChoice choice = options.resolveConflict(
        {item.id, item.merge.conflicts, local.value(item.id), recordFromCard(item.card.data)});
    item.keepBoth = choice == ConflictChoice::KeepBoth;
    item.serverWins = choice != ConflictChoice::KeepMine;
    merge();
}

// Records new here that read exactly as a card new there are the same
// person written on both sides (or a download a kill cut short): paired.
void Pass::pairNewOnBothSides()
{
    QMultiHash<QByteArray, int> unclaimed;
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        if (!claimed.contains(it.key()))
            unclaimed.insert(contentDigest(recordPart(it.value())), it.key());
    QList<DavCard> stillNew;
    for (const DavCard& card : std::as_const(newThere)) {
        // The file's bytes decide: a spelling may not have been kept yet.
        const QByteArray view = recordFromCard(card.data);
        int pairId = 0;
        for (int id : unclaimed.values(contentDigest(recordPart(view))))
            if (!claimed.contains(id) && (!pairId || id < pairId))
                pairId = id;
        if (!pairId) {
            stillNew << card;
            continue;
        }
        claimed.insert(pairId);
        adoptSpellings(pairId, view);
        fetchLater(card.href, false);
        const SyncEntry& e = st.entries.emplace_back(entryFor(pairId, card));
        noteEntry(e);
    }
    newThere = stillNew;
}

bool Pass::guardAndCopy()
{
    int deleteHere = 0, deleteThere = 0, conflicts = 0;
    for (const Item& item : std::as_const(items)) {
        deleteHere += item.action == SyncAction::DeleteHere;
        deleteThere += item.action == SyncAction::DeleteThere;
        // A conflict settled for the server loses this version unless both are kept.
        conflicts += item.serverWins && !item.keepBoth ? int(item.merge.conflicts.size()) : 0;
    }
    const int there =
        int(changes.complete ? changes.changed.size() : st.entries.size() + newThere.size());
    auto tooMany = [](int deletions, int of) { return deletions > 5 && deletions * 5 > of; };
    if (tooMany(deleteHere, int(local.size())) || tooMany(deleteThere, there)) {
        hold = !options.confirmDeletions || !options.confirmDeletions(deleteHere, deleteThere);
        if (hold) {
            report.deletionsHeld = deleteHere + deleteThere;
            log << QStringLiteral("%1 deletions here and %2 on the server were held back: they "
                                  "were not confirmed.")
                       .arg(deleteHere)
                       .arg(deleteThere);
        }
    }
    // A card deleted on the server is kept whole in the state file the copy holds.
    const bool loses = ((deleteHere || deleteThere) && !hold) || conflicts > 0;
    if ((first || loses) && p.BeforeBulkChange && !p.BeforeBulkChange(QStringLiteral("sync"))) {
        report.problem = QStringLiteral("No backup copy could be taken, so nothing was synced.");
        return false;
    }
    return true;
}

} // namespace tavrel::syncpass
