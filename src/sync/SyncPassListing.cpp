// What the server lists, and the cards a sync fetches.
#include "sync/SyncPassSteps.h"
#include "sync/SyncTokens.h"

#include <algorithm>

namespace tavrel::syncpass {

bool Pass::listAndFetch()
{
    if (!stop(client.listChanges(st.book, st.token, changes)))
        return false;
    logPassedOver(changes.ignored);
    QHash<QString, QString> listed;
    for (const DavCardRef& ref : changes.changed)
        listed.insert(ref.href, ref.etag);
    // A card waiting to be fetched that the listing says is gone waits no more.
    const QSet<QString> removed(changes.removed.cbegin(), changes.removed.cend());
    for (const QString& href : QStringList(st.toFetch))
        if (changes.complete ? !listed.contains(href) : removed.contains(href))
            fetchLater(href, false);
    const QStringList wanted = wantedCards(listed);
    QList<DavCard> cards;
    if (!wanted.isEmpty() && !fetch(wanted, cards))
        return false;
    takeFetched(cards, wanted);
    if (stopped)
        return false;
    takeMoved(cards, listed);
    std::sort(newThere.begin(), newThere.end(),
              [](const DavCard& a, const DavCard& b) { return a.href < b.href; });
    return true;
}

// Builds the items; the hrefs to fetch: cards changed there, cards written but
// never confirmed, and cards waiting to be fetched (only while a free ID is left
// for them: one that found no room is not fetched again for nothing).
QStringList Pass::wantedCards(const QHash<QString, QString>& listed)
{
    const QSet<QString> removed(changes.removed.cbegin(), changes.removed.cend());
    const QSet<QString> waiting(st.toFetch.cbegin(), st.toFetch.cend());
    QStringList wanted;
    QSet<QString> known;
    for (int e = 0; e < st.entries.size(); ++e) {
        const SyncEntry& entry = st.entries.at(e);
        known.insert(entry.href);
        Item item;
        item.entry = e;
        item.id = idOfEntry[e];
        item.there = changes.complete ? listed.contains(entry.href) : !removed.contains(entry.href);
        // A card written but never confirmed is looked for whatever the listing says.
        const bool unconfirmed = entry.etag.isEmpty();
        const bool changed = listed.contains(entry.href) && listed.value(entry.href) != entry.etag;
        if (unconfirmed || (item.there && (changed || waiting.contains(entry.href))))
            wanted << entry.href;
        items << item;
    }
    const bool room = freeId() != 0;
    int waitingForRoom = 0;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        if (known.contains(it.key()))
            continue;
        if (room || !waiting.contains(it.key()))
            wanted << it.key();
        else
            ++waitingForRoom;
    }
    if (waitingForRoom)
        log << tr("%1 cards wait on the server for room in the N&A file.").arg(waitingForRoom);
    if (room)
        for (const QString& href : std::as_const(st.toFetch))
            if (!known.contains(href) && !listed.contains(href))
                wanted << href;
    return wanted;
}

// Gives each item its card as fetched, or as last seen; leaves in `cards` those
// of no item. Only a listing says a card is gone: one asked for and not
// fetched is left as it is this time and fetched at the next sync.
void Pass::takeFetched(QList<DavCard>& cards, const QStringList& wanted)
{
    QHash<QString, DavCard> byHref;
    for (const DavCard& c : std::as_const(cards))
        byHref.insert(c.href, c);
    QSet<QString> asked(wanted.cbegin(), wanted.cend());
    const QSet<QString> wantedSet = asked;
    QList<Item*> unsure;
    for (Item& item : items) {
        const SyncEntry& entry = st.entries.at(item.entry);
        asked.remove(entry.href);
        if (byHref.contains(entry.href)) {
            item.card = byHref.take(entry.href);
            item.fetched = item.there = true;
            continue;
        }
        item.card = {entry.href, entry.etag, entry.card};
        if (!wantedSet.contains(entry.href))
            continue;
        if (entry.etag.isEmpty() && !changes.complete)
            unsure << &item;
        else if (item.there)
            item.skipped = true;
    }
    for (const QString& href : std::as_const(asked))
        if (!byHref.contains(href))
            fetchLater(href, true); // new there, not fetched this time
    cards = byHref.values();
    settleUnconfirmed(unsure);
    for (const Item& item : std::as_const(items))
        if (item.skipped)
            fetchLater(st.entries.at(item.entry).href, true);
}

// The cards fetched that are no item's are new there. A server may keep a card
// under an address of its own: a card with the UID of an entry not listed under
// its address is that entry's card; one with the UID of an entry listed too is
// not taken twice.
void Pass::takeMoved(const QList<DavCard>& cards, const QHash<QString, QString>& listed)
{
    QHash<QString, qsizetype> goneByUid;
    QSet<QString> uids;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const SyncEntry& entry = st.entries.at(items.at(i).entry);
        uids.insert(entry.uid);
        if (!entry.uid.isEmpty() && (!items.at(i).there || !listed.contains(entry.href)))
            goneByUid.insert(entry.uid, i);
    }
    for (const DavCard& c : cards) {
        const QString uid = cardUid(c.data);
        if (const qsizetype i = goneByUid.value(uid, -1); i >= 0) {
            goneByUid.remove(uid);
            Item& item = items[i];
            SyncEntry& e = st.entries[item.entry];
            // Both lines in one write: a kill between them would leave the
            // record without its card, to be sent as new beside it.
            journal.hold();
            dropEntry(e);
            e.href = c.href;
            noteEntry(e);
            journal.write();
            item.card = c;
            item.fetched = item.there = true;
            fetchLater(c.href, false);
        } else if (uid.isEmpty() || !uids.contains(uid)) {
            newThere << c;
        } else {
            fetchLater(c.href, false);
        }
    }
}

// Cards written but never confirmed and not fetched either: whether they
// arrived is what a complete listing says.
void Pass::settleUnconfirmed(const QList<Item*>& unsure)
{
    if (unsure.isEmpty())
        return;
    QList<DavCardRef> all;
    if (!stop(client.listEtags(st.book, all)))
        return;
    QSet<QString> there;
    for (const DavCardRef& ref : std::as_const(all))
        there.insert(ref.href);
    for (Item* item : unsure) {
        item->there = there.contains(st.entries.at(item->entry).href);
        item->skipped = item->there;
    }
}

void Pass::logPassedOver(const QStringList& hrefs)
{
    for (const QString& href : hrefs)
        log << QStringLiteral("Passed over, outside the address book: %1").arg(href);
}

// Fetches the cards, logging each one the server's answers passed over.
bool Pass::fetch(const QStringList& hrefs, QList<DavCard>& cards)
{
    QStringList notFetched;
    DavFetchNotes notes;
    const DavResult r = client.fetchCards(st.book, hrefs, cards, notFetched, &notes);
    logPassedOver(notes.ignored);
    for (const QString& href : std::as_const(notes.tooLarge))
        log << tr("Not fetched, larger than the server's answers may be: %1. It stays on the "
                  "server and is not deleted here.")
                   .arg(href);
    return stop(r);
}

// The item's card once more, after the server refused a write to it. Not
// fetched: the next listing says whether it is still there.
std::optional<DavCard> Pass::fetchAgain(Item& item)
{
    const QString href = st.entries.at(item.entry).href;
    QList<DavCard> cards;
    if (!fetch({href}, cards))
        return std::nullopt;
    if (!cards.isEmpty())
        return cards.first();
    item.skipped = true;
    fetchLater(href, true);
    return std::nullopt;
}

// The token the next sync lists from. After writes to the server, the token
// of a listing taken from the token the first one gave, when that shows
// nothing but this sync's doing: it names this sync's writes and little else,
// where a listing from where this sync started would name again all it had
// learnt. Else none, so the next sync takes a complete listing and so sees
// every card deleted meanwhile.
QString Pass::tokenToKeep()
{
    const bool wrote = report.addedThere || report.changedThere || report.deletedThere;
    if (!wrote || changes.syncToken.isEmpty())
        return changes.syncToken;
    DavChanges after;
    if (!client.listChanges(st.book, changes.syncToken, after).ok())
        return {};
    return listingShowsOnlyThisSync(st, changes, after, beforeApply) ? after.syncToken : QString();
}

} // namespace tavrel::syncpass
