// Cards new on one side: uploads of records new here, downloads of cards new there.
#include "sync/SyncPassSteps.h"

#include <QUuid>

namespace tavrel::syncpass {

namespace {

// Cards new here go up this many at a time: each batch is journalled in one
// write before any of it is sent, and its ETags in one write after.
constexpr int kUploadBatch = 50;

} // namespace

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

// The entry of a card stored here as record `id`.
SyncEntry Pass::entryFor(int id, const DavCard& card) const
{
    return {id, card.href, cardUid(card.data), card.etag, card.data, local.value(id)};
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
        takeUploadAnswers(ids, client.putCards(puts, [&](qsizetype, const DavResult& r) {
            if (options.progress)
                options.progress(done++, total);
            // A card the server has under that address already is sent
            // again under another; any other failure ends the sync.
            return r.ok() || r.outcome == DavOutcome::PreconditionFailed;
        }));
    }
}

// The answers to one batch of new cards, the last `ids.size()` entries.
void Pass::takeUploadAnswers(const QList<int>& ids, const QList<DavPutAnswer>& answers)
{
    const qsizetype at = st.entries.size() - ids.size();
    QList<qsizetype> refused;
    journal.hold();
    for (qsizetype i = 0; i < answers.size(); ++i) {
        SyncEntry& e = st.entries[at + i];
        const DavResult& r = answers.at(i).result;
        if (r.ok()) {
            e.etag = answers.at(i).newEtag;
            journal.confirm(e.href, e.etag);
            ++report.addedThere;
        } else if (r.outcome == DavOutcome::PreconditionFailed) {
            refused << i;
        } else if (!stopped) {
            // Its entry stays unconfirmed: the next sync looks for the card.
            stop(r);
        }
    }
    journal.write();
    QList<int> again;
    for (qsizetype i : std::as_const(refused)) {
        SyncEntry& e = st.entries[at + i];
        if (stopped || landedAlready(e))
            continue;
        dropEntry(e);
        again << ids.at(int(i));
    }
    for (int id : std::as_const(again))
        if (!stopped)
            upload(id, nullptr);
}

// A new card refused because its address is taken may be this very card: sent
// twice (a request repeated after its connection dropped), or sent by a sync
// that was killed and landing late. Its UID tells: then it is taken as stored.
// Unsure (the fetch failed), the entry stays unconfirmed and is looked for next time.
bool Pass::landedAlready(SyncEntry& e)
{
    QList<DavCard> cards;
    if (!fetch({e.href}, cards))
        return true;
    if (cards.isEmpty() || e.uid.isEmpty() || cardUid(cards.first().data) != e.uid)
        return false;
    const DavCard& there = cards.first();
    // A late card from before the record changed: the change goes up next time.
    if (syncedBytes(recordFromCard(there.data)) != syncedBytes(recordFromCard(e.card)))
        e.base = recordFromCard(there.data);
    e.card = there.data;
    e.etag = there.etag;
    noteEntry(e);
    ++report.addedThere;
    return true;
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
            if (landedAlready(kept))
                return !stopped;
            // Something else lies at that address already: another one.
            dropEntry(kept);
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
    const SyncEntry e = entryFor(id, card);
    if (replacing)
        *replacing = e;
    else
        st.entries << e;
    noteEntry(e);
    return true;
}

} // namespace tavrel::syncpass
