#include "sync/SyncPass.h"

#include "store/RecordAccess.h"
#include "store/Undo.h"
#include "sync/CardMapping.h"
#include "sync/Merge.h"
#include "sync/SyncLog.h"
#include "sync/SyncState.h"
#include "sync/SyncTokens.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QUuid>

namespace tavrel {

namespace {

constexpr int kMostRetries = 3;
// Cards new here go up this many at a time: each batch is journalled in one
// write before any of it is sent, and its ETags in one write after.
constexpr int kUploadBatch = 50;

QByteArray contentDigest(const QByteArray& record)
{
    return QCryptographicHash::hash(syncedBytes(record), QCryptographicHash::Sha1);
}

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

QString nameOf(const QByteArray& record)
{
    return fieldText(record, SyncField::Name);
}

// One sync in the making: the state, the records here and what the server said.
class Pass {
public:
    Pass(Program& p, CardDavClient& client, const SyncOptions& options, SyncState state)
        : p(p), client(client), options(options), st(std::move(state)), journal(p.files)
    {
    }

    SyncReport run();

private:
    struct Item {
        int entry = -1; // index into st.entries, -1 for a card new there
        int id = 0;     // the record here, 0 when none
        bool there = true;
        bool fetched = false;
        DavCard card; // the card as the server has it now, when fetched
        SyncAction action = SyncAction::Nothing;
        FieldMerge merge;
        bool serverWins = true; // how its conflicts are settled
        bool keepBoth = false;  // this version becomes a record of its own
        bool skipped = false;   // asked for but not fetched: left as it is until fetched
    };

    void readRecords();
    void associate();
    bool listAndFetch();
    QStringList wantedCards(const QHash<QString, QString>& listed);
    void takeFetched(QList<DavCard>& cards, const QStringList& wanted);
    void settleUnconfirmed(const QList<Item*>& unsure);
    QString tokenToKeep();
    void plan();
    bool guardAndCopy();
    void apply();
    void applyItem(Item& item);
    bool mergeAndWrite(Item& item);
    enum class Sent { Landed, MergeAgain, Over };
    Sent sendChange(Item& item, const QByteArray& card, const QByteArray& mine, QString& etag);
    void logConflicts(const Item& item, const QByteArray& mine);
    void settleSending();
    bool upload(int id, SyncEntry* pending);
    void uploadNew(int& done, int total);
    SyncEntry newEntry(int id) const;
    bool download(const DavCard& card, SyncEntry* replacing);
    bool removeThere(Item& item);
    void deleteHere(int id);
    void storeHere(int id, const QByteArray& record);
    int freeId();
    void fetchLater(const QString& href, bool later);
    bool stop(const DavResult& r);
    void writeLog();
    // Each finished step goes to the journal at once.
    void noteEntry(const SyncEntry& e)
    {
        journal.set(e);
        dirty = true;
    }
    void forgetEntry(const QString& href)
    {
        journal.drop(href);
        dirty = true;
    }
    QString entryName(int id) const { return nameOf(local.value(id)); }

    Program& p;
    CardDavClient& client;
    const SyncOptions& options;
    SyncState st;
    SyncJournal journal;
    SyncReport report;
    QStringList log;
    QMap<int, QByteArray> local; // active records by ID
    QVector<int> idOfEntry;      // each entry's record here, 0 when gone
    QSet<int> claimed;           // IDs that belong to an entry
    DavChanges changes;
    QList<Item> items;
    QString startToken;                  // the token this sync listed from
    QHash<QString, QString> beforeApply; // each entry's href and ETag as listed and fetched
    QList<DavCard> newThere;
    QList<int> newHere;
    QSet<int> usedIds;
    bool hold = false;
    bool first = false;
    bool stopped = false;
    bool dirty = false; // something was done or learnt: the state and the log are written
    QString bookPath;
};

SyncReport Pass::run()
{
    first = st.entries.isEmpty() && st.token.isEmpty();
    dirty = p.files.exists(kSyncJournalName); // a killed sync's steps go into the state
    bookPath = st.book.path(QUrl::FullyEncoded);
    if (!bookPath.endsWith('/'))
        bookPath += '/';
    readRecords();
    associate();
    startToken = st.token;
    if (listAndFetch()) {
        settleSending();
        plan();
        if (guardAndCopy()) {
            for (const SyncEntry& e : std::as_const(st.entries))
                beforeApply.insert(e.href, e.etag);
            apply();
            const QString token = stopped || hold ? st.token : tokenToKeep();
            if (st.token != token) {
                st.token = token;
                dirty = true;
            }
        }
    }
    // A sync that found nothing to do leaves the files as they are.
    if (!dirty && report.ok() && log.isEmpty())
        return report;
    if (dirty) {
        // The state goes down whole even after a failure: what was done stays done.
        st.entries.removeIf([](const SyncEntry& e) { return e.href.isEmpty(); });
        saveSyncState(p.files, st);
        findLowestFreeId(p);
    }
    writeLog();
    return report;
}

void Pass::readRecords()
{
    readAscending(p, 2, p.LastRecNo, [this](int recNo) {
        if (isActive(p.CurRec, recNo - 1))
            local.insert(recNo - 1, p.CurRec.toBytes());
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
    auto take = [this](int e, int id) {
        idOfEntry[e] = id;
        claimed.insert(id);
    };
    // Where it was, unchanged; then unchanged anywhere.
    for (int e = 0; e < st.entries.size(); ++e) {
        const SyncEntry& entry = st.entries.at(e);
        if (local.contains(entry.id) &&
            syncedBytes(local.value(entry.id)) == syncedBytes(entry.base))
            take(e, entry.id);
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
                take(e, id);
                break;
            }
        }
    }
    // Changed where it was, or moved and changed: most fields still the same.
    for (int e = 0; e < st.entries.size(); ++e) {
        const SyncEntry& entry = st.entries.at(e);
        if (!idOfEntry[e] && local.contains(entry.id) && !claimed.contains(entry.id) &&
            mostlySame(local.value(entry.id), entry.base))
            take(e, entry.id);
    }
    // Records moved and changed: compared with every record left over, unless
    // so many are left that the file is plainly another (then they count as
    // gone here, which the deletion guard stops).
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
            take(e, best);
    }
}

bool Pass::listAndFetch()
{
    if (!stop(client.listChanges(st.book, st.token, changes)))
        return false;
    for (const QString& href : std::as_const(changes.ignored))
        log << QStringLiteral("Passed over, outside the address book: %1").arg(href);
    QHash<QString, QString> listed;
    for (const DavCardRef& ref : changes.changed)
        listed.insert(ref.href, ref.etag);
    // A card waiting to be fetched that the listing says is gone waits no more.
    for (const QString& href : QStringList(st.toFetch))
        if (changes.complete ? !listed.contains(href) : changes.removed.contains(href))
            fetchLater(href, false);
    const QStringList wanted = wantedCards(listed);
    QList<DavCard> cards;
    QStringList notFetched;
    if (!wanted.isEmpty() && !stop(client.fetchCards(st.book, wanted, cards, notFetched)))
        return false;
    takeFetched(cards, wanted);
    if (stopped)
        return false;
    // What is left is new there. A server may keep a card under an address of
    // its own: a card with the UID of an entry not listed under its address is
    // that entry's card; one with the UID of an entry listed too is not taken twice.
    QHash<QString, qsizetype> goneByUid;
    QSet<QString> uids;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString& uid = st.entries.at(items.at(i).entry).uid;
        uids.insert(uid);
        if (!uid.isEmpty() &&
            (!items.at(i).there || !listed.contains(st.entries.at(items.at(i).entry).href)))
            goneByUid.insert(uid, i);
    }
    for (const DavCard& c : std::as_const(cards)) {
        const QString uid = cardUid(c.data);
        if (const qsizetype i = goneByUid.value(uid, -1); i >= 0) {
            goneByUid.remove(uid);
            Item& item = items[i];
            SyncEntry& e = st.entries[item.entry];
            forgetEntry(e.href);
            e.href = c.href;
            noteEntry(e);
            item.card = c;
            item.fetched = item.there = true;
            fetchLater(c.href, false);
        } else if (uid.isEmpty() || !uids.contains(uid)) {
            newThere << c;
        } else {
            fetchLater(c.href, false);
        }
    }
    std::sort(newThere.begin(), newThere.end(),
              [](const DavCard& a, const DavCard& b) { return a.href < b.href; });
    return true;
}

// Builds the items; the hrefs to fetch: cards changed there, cards written but
// never confirmed, and cards waiting to be fetched (new ones only while a free
// ID is left for them).
QStringList Pass::wantedCards(const QHash<QString, QString>& listed)
{
    const QSet<QString> removed(changes.removed.cbegin(), changes.removed.cend());
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
        if (unconfirmed || (item.there && (changed || st.toFetch.contains(entry.href))))
            wanted << entry.href;
        items << item;
    }
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        if (!known.contains(it.key()))
            wanted << it.key();
    if (freeId())
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
        if (!wanted.contains(entry.href))
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

void Pass::plan()
{
    for (Item& item : items) {
        if (item.skipped) {
            item.action = SyncAction::Nothing;
            continue;
        }
        const SyncEntry& e = st.entries.at(item.entry);
        SideState here{item.id != 0,
                       item.id && syncedBytes(local.value(item.id)) != syncedBytes(e.base)};
        SideState there{item.there, item.there && item.card.data != e.card};
        if (e.etag.isEmpty() && !item.there) {
            // Written but never arrived: it goes up again under the same address.
            item.action = item.id ? SyncAction::Upload : SyncAction::Forget;
            continue;
        }
        item.action = syncAction(true, here, there);
        if (item.action != SyncAction::Merge)
            continue;
        item.serverWins = options.serverWins;
        item.merge = mergeFields(e.base, local.value(item.id), recordFromCard(e.card),
                                 recordFromCard(item.card.data), item.serverWins);
        if (item.merge.conflicts.isEmpty() || !options.resolveConflict)
            continue;
        const ConflictChoice choice = options.resolveConflict(
            {item.id, item.merge.conflicts, local.value(item.id), recordFromCard(item.card.data)});
        item.keepBoth = choice == ConflictChoice::KeepBoth;
        item.serverWins = choice != ConflictChoice::KeepMine;
        item.merge = mergeFields(e.base, local.value(item.id), recordFromCard(e.card),
                                 recordFromCard(item.card.data), item.serverWins);
    }
    // Records new here that read exactly as a card new there are the same
    // person written on both sides (or a download a kill cut short): paired.
    QMultiHash<QByteArray, int> unclaimed;
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        if (!claimed.contains(it.key()))
            unclaimed.insert(contentDigest(it.value()), it.key());
    QList<DavCard> stillNew;
    for (const DavCard& card : std::as_const(newThere)) {
        const QList<int> same = unclaimed.values(contentDigest(recordFromCard(card.data)));
        int pairId = 0;
        for (int id : same)
            if (!claimed.contains(id) && (!pairId || id < pairId))
                pairId = id;
        if (!pairId) {
            stillNew << card;
            continue;
        }
        claimed.insert(pairId);
        fetchLater(card.href, false);
        SyncEntry e{pairId,    card.href, cardUid(card.data),
                    card.etag, card.data, local.value(pairId)};
        st.entries << e;
        noteEntry(e);
    }
    newThere = stillNew;
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        if (!claimed.contains(it.key()))
            newHere << it.key();
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
        if (item.skipped)
            return;
        if (item.fetched && item.card.etag != e.etag) {
            e.etag = item.card.etag;
            noteEntry(e);
        }
        if (item.id != e.id) { // moved by a compaction
            e.id = item.id;
            noteEntry(e);
        }
        return;
    case SyncAction::Merge:
        mergeAndWrite(item);
        return;
    case SyncAction::DeleteHere:
        if (hold)
            return;
        {
            // The name is read while the record still stands.
            const QString name = entryName(item.id);
            deleteHere(item.id);
            ++report.deletedHere;
            log << QStringLiteral("Deleted here, as it was deleted on the server: %1 (ID %2).")
                       .arg(name)
                       .arg(item.id);
            forgetEntry(e.href);
            e.href.clear();
            return;
        }
    case SyncAction::DeleteThere:
        if (!hold)
            removeThere(item);
        return;
    case SyncAction::Upload:
    case SyncAction::UploadAgain: {
        // Deleted there but changed here (or an upload that never arrived): it goes up again.
        const bool again = item.action == SyncAction::Upload;
        if (!again) {
            log << QStringLiteral("Changed here but deleted on the server, so sent again: %1.")
                       .arg(entryName(item.id));
            forgetEntry(e.href);
            e.href.clear();
        }
        upload(item.id, again ? &e : nullptr);
        return;
    }
    case SyncAction::DownloadAgain:
        log << QStringLiteral("Deleted here but changed on the server, so stored again: %1.")
                   .arg(nameOf(recordFromCard(item.card.data)));
        download(item.card, &e);
        return;
    case SyncAction::Forget:
        forgetEntry(e.href);
        e.href.clear();
        return;
    case SyncAction::Download:
        return; // cards new there are not items
    }
}

bool Pass::mergeAndWrite(Item& item)
{
    SyncEntry& e = st.entries[item.entry];
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
        e.id = item.id;
        e.card = card;
        e.etag = etag; // empty when the server did not say: looked up next time
        e.base = m.record;
        e.sending.reset();
        noteEntry(e);
        if (item.keepBoth && !m.conflicts.isEmpty()) {
            // This version goes on as a record and a card of its own.
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
        return true;
    }
    log << QStringLiteral("%1 kept changing on the server; it is synced next time.")
               .arg(entryName(item.id));
    return false;
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
    QList<DavCard> cards;
    QStringList missing;
    if (!stop(client.fetchCards(st.book, {e.href}, cards, missing)))
        return Sent::Over;
    if (cards.isEmpty()) {
        // Not fetched: the next listing says whether it is still there.
        log << QStringLiteral("%1 changed on the server meanwhile; it is synced next time.")
                   .arg(nameOf(mine));
        item.skipped = true;
        fetchLater(e.href, true);
        return Sent::Over;
    }
    item.card = cards.first();
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

// A record's first card, under a new UID and address.
SyncEntry Pass::newEntry(int id) const
{
    SyncEntry e;
    e.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    e.href = bookPath + e.uid + QStringLiteral(".vcf");
    e.id = id;
    e.base = local.value(id);
    e.card = cardFromRecord(e.base, e.uid);
    return e;
}

// The records new here go up in batches, several cards on their way at once.
// Each batch is noted before any of it is sent: a card sent but not confirmed
// when a sync is cut short is looked for by the next before it is sent again.
void Pass::uploadNew(int& done, int total)
{
    for (qsizetype first = 0; first < newHere.size() && !stopped; first += kUploadBatch) {
        const QList<int> ids = newHere.mid(first, kUploadBatch);
        QList<DavPut> puts;
        journal.hold();
        for (int id : ids) {
            const SyncEntry& e = st.entries.emplace_back(newEntry(id));
            noteEntry(e);
            puts << DavPut{CardDavClient::memberUrl(st.book, e.href), e.card, {}};
        }
        journal.write();
        const qsizetype at = st.entries.size() - ids.size();
        const QList<DavPutAnswer> answers =
            client.putCards(puts, [&](qsizetype, const DavResult& r) {
                if (options.progress)
                    options.progress(done++, total);
                // A card the server has under that address already is sent
                // again under another; any other failure ends the sync.
                return r.ok() || r.outcome == DavOutcome::PreconditionFailed;
            });
        QList<int> again;
        journal.hold();
        for (qsizetype i = 0; i < answers.size(); ++i) {
            SyncEntry& e = st.entries[at + i];
            const DavResult& r = answers.at(i).result;
            if (r.ok()) {
                e.etag = answers.at(i).newEtag;
                journal.confirm(e.href, e.etag);
                ++report.addedThere;
            } else if (r.outcome == DavOutcome::PreconditionFailed) {
                forgetEntry(e.href);
                e.href.clear();
                again << ids.at(i);
            } else if (!stopped) {
                // Its entry stays unconfirmed: the next sync looks for the card.
                stop(r);
            }
        }
        journal.write();
        for (int id : std::as_const(again))
            if (!stopped)
                upload(id, nullptr);
    }
}

bool Pass::upload(int id, SyncEntry* pending)
{
    for (int attempt = 0; attempt < kMostRetries; ++attempt) {
        SyncEntry e;
        if (pending && attempt == 0) {
            e = *pending;
            e.id = id;
            e.etag.clear();
            e.base = local.value(id);
            e.card = cardFromRecord(e.base, e.uid);
        } else {
            e = newEntry(id);
        }
        // Noted before it is sent, so a kill after sending never sends it twice.
        noteEntry(e);
        if (pending)
            pending->href.clear();
        SyncEntry& kept = st.entries.emplace_back(e);
        QString etag;
        const DavResult r = client.putNew(CardDavClient::memberUrl(st.book, e.href), e.card, etag);
        if (r.outcome == DavOutcome::PreconditionFailed) {
            // Something else lies at that address already: another one.
            forgetEntry(e.href);
            st.entries.last().href.clear();
            pending = nullptr;
            continue;
        }
        if (!stop(r))
            return false;
        kept.etag = etag;
        journal.confirm(kept.href, etag);
        ++report.addedThere;
        return true;
    }
    return false;
}

bool Pass::download(const DavCard& card, SyncEntry* replacing)
{
    const int id = freeId();
    const QByteArray view = recordFromCard(card.data);
    if (!id) {
        report.notStored << nameOf(view);
        log << QStringLiteral("Not stored, the N&A file is full (1700 records): %1. The card stays "
                              "on the server.")
                   .arg(nameOf(view));
        fetchLater(card.href, true);
        return false;
    }
    fetchLater(card.href, false);
    storeHere(id, view);
    ++report.addedHere;
    SyncEntry e{id, card.href, cardUid(card.data), card.etag, card.data, local.value(id)};
    if (replacing)
        *replacing = e;
    else
        st.entries << e;
    noteEntry(e);
    return true;
}

bool Pass::removeThere(Item& item)
{
    SyncEntry& e = st.entries[item.entry];
    const DavResult r = client.remove(CardDavClient::memberUrl(st.book, e.href), e.etag);
    if (r.outcome == DavOutcome::PreconditionFailed) {
        // Changed there since: it comes back here rather than being lost.
        QList<DavCard> cards;
        QStringList missing;
        if (!stop(client.fetchCards(st.book, {e.href}, cards, missing)))
            return false;
        if (!cards.isEmpty())
            return download(cards.first(), &e);
        // Not fetched: the next listing says whether it is still there.
        item.skipped = true;
        fetchLater(e.href, true);
        return false;
    } else if (r.outcome != DavOutcome::NotFound && !stop(r)) {
        return false;
    }
    ++report.deletedThere;
    log << QStringLiteral("Deleted on the server, as it was deleted here: %1.").arg(nameOf(e.base));
    forgetEntry(e.href);
    e.href.clear();
    return true;
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
    p.CurRec = r;
    endUndoHistory(p, BulkChange::Sync);
    Put_NA_Rec(p, id + 1);
    noteStoredId(p, id);
    local.insert(id, r.toBytes());
    usedIds.insert(id);
}

int Pass::freeId()
{
    for (int id = 1; id <= kMaxId; ++id)
        if (!usedIds.contains(id))
            return id;
    return 0;
}

void Pass::fetchLater(const QString& href, bool later)
{
    if (href.isEmpty() || st.toFetch.contains(href) == later)
        return;
    st.toFetch.removeAll(href);
    if (later)
        st.toFetch << href;
    journal.fetchLater(href, later);
    dirty = true;
}

// The token the next sync lists from. After writes to the server, the token
// of a listing taken again from where this sync started, when that shows
// nothing but this sync's doing; else none, so the next sync takes a complete
// listing and so sees every card deleted meanwhile.
QString Pass::tokenToKeep()
{
    const bool wrote = report.addedThere || report.changedThere || report.deletedThere;
    if (!wrote || changes.syncToken.isEmpty())
        return changes.syncToken;
    DavChanges after;
    if (!client.listChanges(st.book, startToken, after).ok())
        return {};
    return listingShowsOnlyThisSync(st, changes, after, beforeApply) ? after.syncToken : QString();
}

bool Pass::stop(const DavResult& r)
{
    if (r.ok())
        return true;
    report.result = r;
    stopped = true;
    return false;
}

void Pass::writeLog()
{
    QByteArray old;
    if (p.files.exists(kSyncLogName))
        old = p.files.readAll(kSyncLogName);
    QStringList section{QStringLiteral("Sync of %1 with %2")
                            .arg(p.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                 st.book.toString(QUrl::RemoveUserInfo)),
                        report.summary()};
    section += log;
    p.files.replaceFile(kSyncLogName, appendLogSection(old, section, kMaxLogBytes));
}

} // namespace

QString SyncReport::summary() const
{
    if (!problem.isEmpty())
        return problem;
    if (!result.ok())
        return QStringLiteral("Sync stopped: %1").arg(result.message);
    QString s = QStringLiteral("Synced: here %1 added, %2 changed, %3 deleted; on the server %4 "
                               "added, %5 changed, %6 deleted; %7 conflicts.")
                    .arg(addedHere)
                    .arg(changedHere)
                    .arg(deletedHere)
                    .arg(addedThere)
                    .arg(changedThere)
                    .arg(deletedThere)
                    .arg(conflicts);
    if (deletionsHeld)
        s += QStringLiteral(" %1 deletions held back until confirmed.").arg(deletionsHeld);
    if (!notStored.isEmpty())
        s += QStringLiteral(" %1 cards not stored: the N&A file is full.").arg(notStored.size());
    return s;
}

SyncReport runSync(Program& p, CardDavClient& client, const SyncOptions& options)
{
    QString error;
    std::optional<SyncState> state = loadSyncState(p.files, &error);
    if (!state) {
        SyncReport r;
        r.problem = error;
        return r;
    }
    if (!state->configured()) {
        SyncReport r;
        r.problem = QStringLiteral("No address book is set up for sync.");
        return r;
    }
    return Pass(p, client, options, std::move(*state)).run();
}

} // namespace tavrel
