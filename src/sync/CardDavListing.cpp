// CardDavClient's listings of an address book and its fetches of cards: what
// a server lists is taken only for members directly inside the book.
#include "sync/CardDavClient.h"
#include "sync/DavResults.h"

namespace tavrel {

namespace {

// A truncated listing is asked on from its token; a server that never ends
// it is taken to be broken.
constexpr int maxSyncRounds = 1000;
// What a card's <response> adds to its length in a multiget answer.
constexpr qint64 responseOverhead = 256;

bool isCollection(const DavResource& res)
{
    const DavProperty* type = res.found(davKey(davNs, "resourcetype"));
    return type && type->innerNames.contains(davKey(davNs, "collection"));
}

// XML reading turns every CR LF inside the card into LF unless the server
// wrote the CR as a character reference; a vCard's lines end in CR LF.
QByteArray cardLines(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() + bytes.count('\n'));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            out += '\r';
        out += bytes[i];
    }
    return out;
}

// A listing that a redirect took to another collection lists that one: its
// members are not the book's, and taking none of them would look like an
// empty book, so it is no answer.
DavResult answeredAt(const QUrl& book, const QUrl& at, const DavResult& result)
{
    if (!result.ok() || namesCollection(book, at.toString(QUrl::FullyEncoded)))
        return result;
    return answeredElsewhere(book, at);
}

} // namespace

// The last word of a listing's rounds on each member, in the order first named.
struct CardDavClient::Gathered {
    struct Entry {
        DavCardRef ref;
        bool removed = false;
    };
    QHash<QString, qsizetype> at; // member key -> index in entries
    QList<Entry> entries;

    void take(const QString& key, const Entry& entry)
    {
        if (const qsizetype i = at.value(key, -1); i >= 0) {
            entries[i] = entry;
        } else {
            at.insert(key, entries.size());
            entries << entry;
        }
    }
    // A full listing names what exists, so the removals it names say nothing.
    void into(DavChanges& out) const
    {
        for (const Entry& e : entries)
            if (!e.removed)
                out.changed << e.ref;
            else if (!out.complete)
                out.removed << e.ref.href;
    }
};

DavCardRef CardDavClient::cardRef(const QString& member, const DavResource& res,
                                  const DavProperty& etag)
{
    DavCardRef ref{res.href, etag.text.trimmed()};
    if (const DavProperty* length = res.found(davKey(davNs, "getcontentlength"))) {
        bool ok = false;
        const qint64 size = length->text.trimmed().toLongLong(&ok);
        if (ok && size >= 0) {
            ref.size = size;
            listedSizes.insert(member, size);
        }
    }
    return ref;
}

DavResult CardDavClient::listEtags(const QUrl& book, QList<DavCardRef>& out, QStringList* ignored)
{
    out.clear();
    listedSizes.clear();
    DavMultiStatus ms;
    QUrl at;
    const QByteArray body = xmlDeclaration() +
                            "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/>"
                            "<d:getetag/><d:getcontentlength/></d:prop></d:propfind>";
    DavResult result = askMulti("PROPFIND", book, 1, body, ms, &at);
    result = answeredAt(book, at, result);
    if (!result.ok())
        return result;
    const BookMembers members(book);
    for (const DavResource& res : ms.resources) {
        if (isCollection(res) || members.namesBook(res.href))
            continue;
        const QString member = members.key(res.href);
        if (member.isEmpty()) {
            if (ignored)
                *ignored << res.href;
        } else if (const DavProperty* etag = res.found(davKey(davNs, "getetag"))) {
            out << cardRef(member, res, *etag);
        }
    }
    return result;
}

DavResult CardDavClient::syncReport(const QUrl& book, const QString& token, DavMultiStatus& out)
{
    const QByteArray body = xmlDeclaration() +
                            "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" +
                            xmlEscaped(token).toUtf8() +
                            "</d:sync-token><d:sync-level>1</d:sync-level><d:prop>"
                            "<d:getetag/><d:getcontentlength/></d:prop></d:sync-collection>";
    QUrl at;
    const DavResult result = askMulti("REPORT", book, 0, body, out, &at);
    return answeredAt(book, at, result);
}

bool CardDavClient::gather(const QUrl& book, const DavMultiStatus& ms, Gathered& gathered,
                           QStringList& ignored)
{
    bool truncated = false;
    const BookMembers members(book);
    for (const DavResource& res : ms.resources) {
        if (members.namesBook(res.href)) {
            truncated = truncated || res.status == 507;
            continue;
        }
        const QString member = members.key(res.href);
        if (member.isEmpty()) {
            ignored << res.href;
        } else if (res.status == 404) {
            gathered.take(member, {DavCardRef{res.href, {}}, true});
        } else if (const DavProperty* etag = res.found(davKey(davNs, "getetag"))) {
            gathered.take(member, {cardRef(member, res, *etag), false});
        }
    }
    return truncated;
}

DavResult CardDavClient::offersSyncCollection(const QUrl& book, bool& offered)
{
    offered = false;
    DavMultiStatus ms;
    const QByteArray body = xmlDeclaration() + "<d:propfind xmlns:d=\"DAV:\"><d:prop>"
                                               "<d:supported-report-set/></d:prop></d:propfind>";
    DavResult result = askMulti("PROPFIND", book, 0, body, ms);
    if (!result.ok())
        return result;
    for (const DavResource& res : ms.resources)
        if (const DavProperty* reports = res.found(davKey(davNs, "supported-report-set")))
            offered = offered || reports->innerNames.contains(davKey(davNs, "sync-collection"));
    return result;
}

DavResult CardDavClient::listChanges(const QUrl& book, const QString& syncToken, DavChanges& out)
{
    out = {};
    listedSizes.clear();
    bool offered = false;
    DavResult result = offersSyncCollection(book, offered);
    if (!result.ok())
        return result;
    if (!offered) {
        out.complete = true;
        return listEtags(book, out.changed, &out.ignored);
    }
    DavMultiStatus ms;
    QString token = syncToken;
    result = syncReport(book, token, ms);
    out.complete = token.isEmpty();
    // A token the server no longer knows: start again from a full listing.
    if (!token.isEmpty() &&
        (result.outcome == DavOutcome::Forbidden || result.outcome == DavOutcome::Conflict)) {
        token.clear();
        result = syncReport(book, token, ms);
        out.complete = true;
    }
    // A server may cut its answer short and give a token to go on from; the
    // rounds together are the answer, a later word on a member counting.
    Gathered gathered;
    for (int round = 1; result.ok() && gather(book, ms, gathered, out.ignored); ++round) {
        if (round >= maxSyncRounds || ms.syncToken.isEmpty() || ms.syncToken == token)
            return endlessListing();
        token = ms.syncToken;
        result = syncReport(book, token, ms);
    }
    if (!result.ok())
        return result;
    gathered.into(out);
    out.syncToken = ms.syncToken;
    return result;
}

QList<QStringList> CardDavClient::sizedBatches(const QUrl& book, const QStringList& hrefs) const
{
    const qint64 budget = qMax<qint64>(1, settings.maxBodyBytes / 4);
    const int most = qMax(1, settings.multigetBatch);
    QList<QStringList> batches;
    QStringList part;
    qint64 used = 0;
    const BookMembers members(book);
    for (const QString& href : hrefs) {
        const qint64 cost = listedSizes.value(members.key(href), 0) + responseOverhead;
        if (!part.isEmpty() && (part.size() >= most || used + cost > budget)) {
            batches << part;
            part.clear();
            used = 0;
        }
        part << href;
        used += cost;
    }
    if (!part.isEmpty())
        batches << part;
    return batches;
}

DavResult CardDavClient::multiget(const QUrl& book, const QStringList& hrefs, QList<DavCard>& cards,
                                  QStringList& notFetched, DavFetchNotes& notes)
{
    QHash<QString, QString> asked; // member key -> href as asked
    QByteArray body = xmlDeclaration() + "<c:addressbook-multiget xmlns:d=\"DAV:\" "
                                         "xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
                                         "<d:getetag/><c:address-data/></d:prop>";
    const BookMembers members(book);
    for (const QString& href : hrefs) {
        asked.insert(members.key(href), href);
        body += "<d:href>" + xmlEscaped(href).toUtf8() + "</d:href>";
    }
    body += "</c:addressbook-multiget>";
    DavMultiStatus ms;
    const DavResult result = askMulti("REPORT", book, 1, body, ms);
    if (!result.ok())
        return result;
    for (const DavResource& res : ms.resources) {
        const QString member = members.key(res.href);
        if (member.isEmpty()) {
            notes.ignored << res.href;
            continue;
        }
        const QString href = asked.take(member);
        if (href.isNull())
            continue; // not one that was asked for, or named twice
        const DavProperty* data = res.found(davKey(cardDavNs, "address-data"));
        const bool refused = res.status != 0 && (res.status < 200 || res.status > 299);
        if (refused || !data || data->text.trimmed().isEmpty()) {
            notFetched << href;
            continue;
        }
        const DavProperty* etag = res.found(davKey(davNs, "getetag"));
        cards << DavCard{href, etag ? etag->text.trimmed() : QString(), cardLines(data->text)};
    }
    for (const QString& href : std::as_const(asked))
        notFetched << href;
    return result;
}

DavResult CardDavClient::fetchCards(const QUrl& book, const QStringList& hrefs,
                                    QList<DavCard>& cards, QStringList& notFetched,
                                    DavFetchNotes* notes)
{
    cards.clear();
    notFetched.clear();
    DavFetchNotes own;
    DavFetchNotes& noted = notes ? *notes : own;
    noted = {};
    QStringList inside;
    const BookMembers members(book);
    for (const QString& href : hrefs) {
        if (!members.key(href).isEmpty()) {
            inside << href;
        } else {
            notFetched << href;
            noted.ignored << href;
        }
    }
    // An answer over the size limit is asked again in halves, down to one card.
    QList<QStringList> queue = sizedBatches(book, inside);
    while (!queue.isEmpty()) {
        const QStringList part = queue.takeFirst();
        const DavResult result = multiget(book, part, cards, notFetched, noted);
        if (result.outcome == DavOutcome::TooLarge && part.size() > 1) {
            queue.prepend(part.mid(part.size() / 2));
            queue.prepend(part.first(part.size() / 2));
        } else if (result.outcome == DavOutcome::TooLarge) {
            noted.tooLarge << part.first();
            notFetched << part.first();
        } else if (!result.ok()) {
            return result;
        }
    }
    return {};
}

} // namespace tavrel
