#pragma once

#include "sync/DavHref.h"
#include "sync/DavXml.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tavrel {

class HttpTransport;

// How one exchange with the server ended.
enum class DavOutcome {
    Ok,
    InsecureRefused,    // plain http to a machine other than this one, not allowed
    BadAddress,         // not an http or https address
    Unreachable,        // no connection (server down, name unknown)
    TlsFailed,          // certificate not trusted or handshake failed
    Timeout,            // no answer in time
    Unauthorized,       // 401
    Forbidden,          // 403
    NotFound,           // 404
    Conflict,           // 409
    PreconditionFailed, // 412: the card changed on the server
    ServerError,        // 5xx
    TooManyRedirects,   // a redirect loop or chain too long
    TooLarge,           // the answer passed the size limit
    StorageFull,        // 507: the server has no room for what was sent
    OtherOrigin,        // discovery was sent on to another server (see DavResult::movedTo)
    BadAnswer,          // unreadable XML or an answer that makes no sense
    HttpError,          // any other HTTP status
    Cancelled,
};

struct DavResult {
    DavOutcome outcome = DavOutcome::Ok;
    int httpStatus = 0;
    QString message; // plain words for the user; never holds the password
    QUrl movedTo{};  // OtherOrigin: where the server sent the connection
    // TlsFailed with no certificate trusted yet: the server's certificate, to
    // be trusted by the user (a pin for DavSettings::certificatePin) or not.
    QString certificatePin{};
    QString certificateFingerprint{};

    bool ok() const { return outcome == DavOutcome::Ok; }
};

struct DavAddressBook {
    QUrl url;
    QString displayName;
};

// A card's address in its collection as the server gave it, with its ETag.
struct DavCardRef {
    QString href;
    QString etag;
    qint64 size = -1; // the card's length in bytes when the listing gave it
};

struct DavCard {
    QString href;
    QString etag;
    QByteArray data;
};

struct DavChanges {
    QList<DavCardRef> changed; // new or changed since the token (all members when `complete`)
    QStringList removed;       // hrefs removed since the token
    QString syncToken;         // the token to give next time (empty without sync-collection)
    bool complete = false;     // a full listing: members not listed are gone
    QStringList ignored;       // hrefs outside the book, passed over
};

// What a fetch of cards passed over besides the cards it could not read.
struct DavFetchNotes {
    QStringList tooLarge; // cards that alone pass the size limit (also not fetched)
    QStringList ignored;  // hrefs outside the book, passed over (asked for or answered)
};

struct DavSettings {
    QUrl server;
    QString user;
    QString password;
    bool allowPlainHttp = false; // the user confirmed plain http to another machine
    int timeoutMs = 30000;       // no byte either way for this long ends a request (with several
                                 // on their way, counted from the last answer to any of them)
    qint64 maxBodyBytes = 32 * 1024 * 1024;
    qint64 totalMs = 30 * 60 * 1000; // all requests of one client together
    QUrl proxy{};                    // empty: the environment's (http_proxy, https_proxy, no_proxy)
    QString certificatePin{};        // "sha256//..." of the one server key the user trusts
    int maxRedirects = 5;
    int multigetBatch = 50;
    int parallelRequests = 6; // requests of one batch on their way at once
};

// A card to store: a new one (no ETag; stored only where none lies) or a
// change (stored only while the server still has `etag`).
struct DavPut {
    QUrl url;
    QByteArray vcard;
    QString etag;
};

struct DavPutAnswer {
    DavResult result;
    QString newEtag; // empty when the server did not say
};

// A CardDAV client whose calls return when their exchange is over; each call
// runs a local event loop, so the program's windows keep working meanwhile (a
// window must not start a second call while one runs, but may call cancel()).
class CardDavClient {
public:
    explicit CardDavClient(DavSettings settings);
    ~CardDavClient();

    // Finds the user's address books from the server address: the well-known
    // address, the current user's principal, its address book home set, and
    // the address books in that home.
    DavResult discover(QList<DavAddressBook>& books);

    // Creates an address book (extended MKCOL).
    DavResult createAddressBook(const QUrl& url, const QString& displayName);

    // What changed in the book since `syncToken`: by sync-collection where the
    // server offers it (an empty or expired token gives every member), else a
    // full listing of ETags.
    DavResult listChanges(const QUrl& book, const QString& syncToken, DavChanges& out);
    // Every member with its ETag (PROPFIND, depth 1); hrefs outside the book
    // are left out and, when `ignored` is given, named there.
    DavResult listEtags(const QUrl& book, QList<DavCardRef>& out, QStringList* ignored = nullptr);
    // Whether the book answers sync-collection reports.
    DavResult offersSyncCollection(const QUrl& book, bool& offered);

    // Fetches cards by href in batches sized by the lengths the last listing
    // gave, each well under the size limit; an answer over it is asked again
    // in halves. `notFetched` names every href asked for that came back
    // without a card: left out of the answer, unreadable, refused, too large
    // or 404 alike. Nothing follows from it about deletion: only a listing
    // says a card is gone.
    DavResult fetchCards(const QUrl& book, const QStringList& hrefs, QList<DavCard>& cards,
                         QStringList& notFetched, DavFetchNotes* notes = nullptr);

    // Stores a new card; fails with PreconditionFailed if one exists there.
    DavResult putNew(const QUrl& cardUrl, const QByteArray& vcard, QString& newEtag);
    // Replaces a card only if the server still has `etag`.
    DavResult putChanged(const QUrl& cardUrl, const QByteArray& vcard, const QString& etag,
                         QString& newEtag);
    // Stores several cards with up to `parallelRequests` of them on their way
    // at once, all waited for in one local event loop. `answered`, if given, is
    // called with a card's index and result as each answer comes (it may call
    // cancel()); when it returns false no further card is sent. A card not
    // sent ends Cancelled, as do those a cancel() ends on their way.
    using PutAnswered = std::function<bool(qsizetype, const DavResult&)>;
    QList<DavPutAnswer> putCards(const QList<DavPut>& puts, const PutAnswered& answered = {});
    // Deletes a card only if the server still has `etag`.
    DavResult remove(const QUrl& cardUrl, const QString& etag);

    // The address of a member of `book` from an href the server gave; an
    // invalid QUrl when the href names anything but a card directly inside
    // the book (see bookMember), so nothing is ever written outside it.
    static QUrl memberUrl(const QUrl& book, const QString& href);

    // Ends the running request; it and every later call return Cancelled.
    void cancel();
    bool isCancelled() const { return cancelled; }

    // Number of HTTP requests sent, redirects included.
    int requestCount() const { return requests; }

private:
    struct Gathered;
    // One sync-collection report from `token` (empty: every member).
    DavResult syncReport(const QUrl& book, const QString& token, DavMultiStatus& out);
    // Takes the members of one listing's answer into `gathered`; true when the
    // server cut the answer short (507 for the book itself).
    bool gather(const QUrl& book, const DavMultiStatus& ms, Gathered& gathered,
                QStringList& ignored);
    // A member's ETag and length, the length noted for fetchCards's batches.
    DavCardRef cardRef(const QString& member, const DavResource& res, const DavProperty& etag);
    // One addressbook-multiget of `hrefs`, all inside the book.
    DavResult multiget(const QUrl& book, const QStringList& hrefs, QList<DavCard>& cards,
                       QStringList& notFetched, DavFetchNotes& notes);
    // The hrefs in batches whose listed lengths stay well under the size limit.
    QList<QStringList> sizedBatches(const QUrl& book, const QStringList& hrefs) const;

    // The lengths the last listing gave, by member address.
    QHash<QString, qint64> listedSizes;

private:
    struct Exchange {
        QByteArray verb;
        QUrl url;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    struct Answer {
        DavResult result;
        QUrl finalUrl;
        QByteArray body;
        QByteArray etag;
        QUrl redirectTo; // where a 3xx answer sends the request next (resolved)
    };

    struct Flight;
    struct Fleet;
    struct Budget;
    using Answered = std::function<bool(qsizetype, const Answer&)>;

    Answer send(const Exchange& exchange);
    // Sends the exchanges, up to `parallelRequests` at once, each followed
    // through its redirects; `answered` as for putCards.
    QList<Answer> sendAll(const QList<Exchange>& exchanges, const Answered& answered);
    // Asks the server once, without a body, how it takes the password (see the definition).
    std::optional<Answer> settleAuthentication(const QList<Exchange>& exchanges);
    // Sends the flight's exchange, calling `finished` when its answer ends;
    // false when it could not go (its answer says why).
    bool launch(Flight& flight, const std::function<void(Flight&)>& finished);
    // The answer of the flight's finished exchange, or the address it goes to next.
    Answer conclude(Flight& flight);
    // Whether the flight's answer calls for the same exchange once more: to
    // read an untrusted certificate, or to answer a Digest challenge.
    bool sendAgain(Flight& flight);
    DavResult timedOut(const Flight& flight) const;
    Answer redirect(Flight& flight, const QUrl& location, int status);
    DavResult checkAddress(const QUrl& url) const;
    // A PROPFIND or REPORT whose answer must be a multi-status; `at` is where it
    // was answered after any redirects.
    DavResult askMulti(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& body,
                       DavMultiStatus& out, QUrl* at = nullptr);
    // Discovery's first answer: from the well-known address, else the address given.
    DavResult askContext(DavMultiStatus& context, QUrl& at);
    // The address book home set that `context` names, or that its principal names.
    DavResult askHome(const DavMultiStatus& context, const QUrl& contextUrl, QUrl& home);
    // One PUT of a card, with the ETag the server gave it.
    DavResult putCard(const Exchange& exchange, QString& newEtag);

    DavSettings settings;
    int requests = 0;
    bool cancelled = false;
    bool authenticationSettled = false;
    bool stayAtOrigin = false; // redirects elsewhere end the exchange (while discovering)
    // Kept for the client's life, so its connections carry later requests too.
    std::unique_ptr<HttpTransport> transport;
    std::unique_ptr<Budget> budget;
};

} // namespace tavrel
