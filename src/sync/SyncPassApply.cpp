// Carrying out the plan for the cards and records both sides know.
#include "sync/SyncPassSteps.h"

namespace tavrel::syncpass {

void Pass::apply()
{
    const int total = int(items.size() + newThere.size() + newHere.size());
    int done = 0;
    const auto next = [&] {
        if (options.progress)
            options.progress(done++, total);
        return !stopped;
    };
    for (Item& item : items) {
        if (!next())
            continue;
        const QString href = st.entries.at(item.entry).href;
        applyItem(item);
        if (item.fetched && !item.skipped && !stopped)
            fetchLater(href, false);
    }
    for (const DavCard& card : std::as_const(newThere))
        if (next())
            download(card, nullptr);
    uploadNew(done, total);
}

void Pass::applyItem(Item& item)
{
    SyncEntry& e = st.entries[item.entry];
    switch (item.action) {
    case SyncAction::Nothing:
        keepNothingChanged(item);
        return;
    case SyncAction::Merge:
        mergeAndWrite(item);
        return;
    case SyncAction::DeleteHere: {
        if (hold)
            return;
        // The name is read while the record still stands.
        const QString name = entryName(item.id);
        deleteHere(item.id);
        ++report.deletedHere;
        log << QStringLiteral("Deleted here, as it was deleted on the server: %1 (ID %2).")
                   .arg(name)
                   .arg(item.id);
        dropEntry(e);
        return;
    }
    case SyncAction::DeleteThere:
        if (!hold)
            removeThere(item);
        return;
    case SyncAction::Upload:
        // An upload that never arrived goes up again under the same address.
        upload(item.id, &e);
        return;
    case SyncAction::UploadAgain:
        log << QStringLiteral("Changed here but deleted on the server, so sent again: %1.")
                   .arg(entryName(item.id));
        dropEntry(e);
        upload(item.id, nullptr);
        return;
    case SyncAction::DownloadAgain:
        log << QStringLiteral("Deleted here but changed on the server, so stored again: %1.")
                   .arg(nameOf(recordFromCard(item.card.data)));
        download(item.card, &e);
        return;
    case SyncAction::Forget:
        dropEntry(e);
        return;
    case SyncAction::Download:
        return; // cards new there are not items
    }
}

// Nothing to sync, but what was learnt is kept: a new ETag, a moved record.
void Pass::keepNothingChanged(Item& item)
{
    if (item.skipped)
        return;
    SyncEntry& e = st.entries[item.entry];
    if (item.fetched && item.card.etag != e.etag) {
        e.etag = item.card.etag;
        noteEntry(e);
    }
    if (item.id != e.id) { // moved by a compaction
        e.id = item.id;
        noteEntry(e);
    }
}

bool Pass::mergeAndWrite(Item& item)
{
    const QByteArray mine = local.value(item.id);
    for (int attempt = 0; attempt < kMostRetries; ++attempt) {
        const FieldMerge& m = item.merge;
        QByteArray card = item.card.data;
        QString etag = item.card.etag;
        // The record takes the server's values before its card goes, so what the
        // card says stands here too should the sync stop before the answer.
        if (syncedBytes(m.record) != syncedBytes(local.value(item.id)))
            storeHere(item.id, m.record);
        if (!m.toCard.isEmpty()) {
            card = patchCard(item.card.data, m.record, m.toCard);
            const Sent sent = sendChange(item, card, mine, etag);
            if (sent == Sent::MergeAgain)
                continue;
            if (sent == Sent::Over)
                return false;
        }
        logConflicts(item, mine);
        if (!m.toRecord.isEmpty())
            ++report.changedHere;
        SyncEntry& e = st.entries[item.entry];
        e.id = item.id;
        e.card = card;
        e.etag = etag; // empty when the server did not say: looked up next time
        e.base = m.record;
        e.sending.reset();
        noteEntry(e);
        return item.keepBoth && !m.conflicts.isEmpty() ? keepBoth(mine) : true;
    }
    log << QStringLiteral("%1 kept changing on the server; it is synced next time.")
               .arg(entryName(item.id));
    return false;
}

// This version goes on as a record and a card of its own.
bool Pass::keepBoth(const QByteArray& mine)
{
    const int id = freeId();
    if (!id) {
        log << QStringLiteral("%1 could not be kept twice: the N&A file is full.")
                   .arg(nameOf(mine));
        return true;
    }
    storeHere(id, mine);
    ++report.addedHere;
    return upload(id, nullptr);
}

// Sends the merged card over the one the server had. It is noted first, with
// the ETag it replaces, so when the sync stops before the answer (a kill, a
// lost connection) the next can tell whether it landed.
Pass::Sent Pass::sendChange(Item& item, const QByteArray& card, const QByteArray& mine,
                            QString& etag)
{
    SyncEntry& e = st.entries[item.entry];
    e.sending = SyncSending{card, item.merge.record, item.card.etag};
    journal.sending(e.href, *e.sending);
    dirty = true;
    const DavResult r =
        client.putChanged(CardDavClient::memberUrl(st.book, e.href), card, item.card.etag, etag);
    if (r.outcome != DavOutcome::PreconditionFailed) {
        if (!stop(r))
            return Sent::Over; // whether it landed is the next sync's to find out
        ++report.changedThere;
        return Sent::Landed;
    }
    // Another client wrote in between: merged again with its card.
    e.sending.reset();
    noteEntry(e);
    const std::optional<DavCard> now = fetchAgain(item);
    if (!now) {
        if (!stopped)
            log << QStringLiteral("%1 changed on the server meanwhile; it is synced next time.")
                       .arg(nameOf(mine));
        return Sent::Over;
    }
    if (syncedBytes(recordFromCard(now->data)) == syncedBytes(recordFromCard(card))) {
        // Its own card: it landed, and the refusal answered the same write sent twice.
        etag = now->etag;
        ++report.changedThere;
        return Sent::Landed;
    }
    item.card = *now;
    item.merge = mergeFields(e.base, mine, recordFromCard(e.card), recordFromCard(item.card.data),
                             item.serverWins);
    return Sent::MergeAgain;
}

void Pass::logConflicts(const Item& item, const QByteArray& mine)
{
    for (SyncField f : item.merge.conflicts) {
        log << QStringLiteral("Conflict in %1 (ID %2), %3: here \u201C%4\u201D, on the server "
                              "\u201C%5\u201D; %6 kept.")
                   .arg(nameOf(mine))
                   .arg(item.id)
                   .arg(syncFieldName(f), fieldText(mine, f),
                        fieldText(recordFromCard(item.card.data), f),
                        item.keepBoth     ? QStringLiteral("both were")
                        : item.serverWins ? QStringLiteral("the server's was")
                                          : QStringLiteral("this one was"));
    }
    report.conflicts += int(item.merge.conflicts.size());
}

bool Pass::removeThere(Item& item)
{
    SyncEntry& e = st.entries[item.entry];
    const DavResult r = client.remove(CardDavClient::memberUrl(st.book, e.href), e.etag);
    if (r.outcome == DavOutcome::PreconditionFailed) {
        // Changed there since: it comes back here rather than being lost.
        const std::optional<DavCard> now = fetchAgain(item);
        return now && download(*now, &st.entries[item.entry]);
    }
    if (r.outcome != DavOutcome::NotFound && !stop(r))
        return false;
    ++report.deletedThere;
    log << QStringLiteral("Deleted on the server, as it was deleted here: %1.").arg(nameOf(e.base));
    dropEntry(e);
    return true;
}

} // namespace tavrel::syncpass
