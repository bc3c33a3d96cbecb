#include "sync/CardDavClient.h"

#include "sync/HttpTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QMetaObject>
#include <QScopedValueRollback>
#include <QTimer>

namespace tavrel {

namespace {

DavResult failure(DavOutcome outcome, const QString& message, int status = 0)
{
    return {outcome, status, message};
}

bool isLoopback(const QUrl& url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// Where a message names a place on the server: its path, never user information.
QString placeOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toDisplayString();
}

DavResult fromStatus(int status, const QUrl& url)
{
    if (status >= 200 && status < 300)
        return {DavOutcome::Ok, status, {}};
    switch (status) {
    case 401:
        return failure(
            DavOutcome::Unauthorized,
            QCoreApplication::translate("tavrel::CardDavClient",
                                        "The server did not accept the user name or password."),
            status);
    case 403:
        return failure(
            DavOutcome::Forbidden,
            QCoreApplication::translate("tavrel::CardDavClient", "The server refused access to %1.")
                .arg(placeOf(url)),
            status);
    case 404:
        return failure(DavOutcome::NotFound,
                       QCoreApplication::translate("tavrel::CardDavClient",
                                                   "Nothing was found at %1 on the server.")
                           .arg(placeOf(url)),
                       status);
    case 409:
        return failure(DavOutcome::Conflict,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server refused the change because it conflicts with what it "
                           "holds (409)."),
                       status);
    case 412:
        return failure(DavOutcome::PreconditionFailed,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The card was changed on the server since it was last read, so it "
                           "was not overwritten."),
                       status);
    case 507:
        return failure(DavOutcome::StorageFull,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server's storage for this account is full (507), so it stored "
                           "nothing more. Make room there or ask for more space."),
                       status);
    default:
        break;
    }
    if (status >= 500 && status < 600)
        return failure(DavOutcome::ServerError,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server reported an error of its own (%1). Try again later.")
                           .arg(status),
                       status);
    return failure(
        DavOutcome::HttpError,
        QCoreApplication::translate("tavrel::CardDavClient", "The server answered with status %1.")
            .arg(status),
        status);
}

DavResult badAnswer()
{
    return failure(DavOutcome::BadAnswer,
                   QCoreApplication::translate("tavrel::CardDavClient",
                                               "The server's answer could not be read."));
}

DavResult cancelledResult()
{
    return failure(DavOutcome::Cancelled,
                   QCoreApplication::translate("tavrel::CardDavClient", "The sync was cancelled."));
}

DavResult fromFailure(HttpAnswer::Failure why, const QUrl& url)
{
    switch (why) {
    case HttpAnswer::Failure::TlsFailed:
        return failure(DavOutcome::TlsFailed,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The certificate of %1 could not be verified, so nothing was sent "
                           "to it.")
                           .arg(url.host()));
    case HttpAnswer::Failure::Closed:
        return failure(DavOutcome::BadAnswer,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 closed the connection without a complete answer.")
                           .arg(url.host()));
    case HttpAnswer::Failure::Malformed:
        return badAnswer();
    case HttpAnswer::Failure::Aborted:
        return cancelledResult();
    default:
        return failure(DavOutcome::Unreachable,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 could not be reached. Check the address and that "
                           "the server is running.")
                           .arg(url.host()));
    }
}

QByteArray xmlHead()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
}

bool isAddressBook(const DavResource& res)
{
    const DavProperty* type = res.found(davKey(davNs, "resourcetype"));
    return type && type->innerNames.contains(davKey(cardDavNs, "addressbook"));
}

// Where an href of the discovery's answers points (any place on the server).
QUrl hrefAt(const QUrl& base, const QString& href)
{
    return base.resolved(QUrl(href, QUrl::TolerantMode));
}

QString firstHref(const DavMultiStatus& ms, const char* ns, const char* name)
{
    for (const DavResource& res : ms.resources)
        if (const DavProperty* prop = res.found(davKey(ns, name)); prop && !prop->hrefs.isEmpty())
            return prop->hrefs.first();
    return {};
}

// A path with one trailing slash, for comparing a collection with its members.
QString collectionPath(const QUrl& url)
{
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// A certificate no authority here signed: what the user needs to decide whether to trust it.
DavResult untrustedCertificate(const QUrl& url, const QString& pem)
{
    DavResult result = failure(
        DavOutcome::TlsFailed,
        QCoreApplication::translate("tavrel::CardDavClient",
                                    "The certificate of %1 is not signed by an authority this "
                                    "computer trusts, so nothing was sent to it.")
            .arg(url.host()));
    result.certificatePin = certificatePinOf(pem);
    result.certificateFingerprint = certificateFingerprintOf(pem);
    if (!result.certificateFingerprint.isEmpty())
        result.message += QLatin1Char(' ') + QCoreApplication::translate("tavrel::CardDavClient",
                                                                         "Its fingerprint is %1.")
                                                 .arg(result.certificateFingerprint);
    return result;
}

} // namespace

// The time all requests of one client may take together, counted from its first.
struct CardDavClient::Budget {
    QElapsedTimer clock;
    qint64 left(qint64 totalMs)
    {
        if (!clock.isValid())
            clock.start();
        return totalMs - clock.elapsed();
    }
};

namespace {

// A request may take this long at most, however steadily its data flows.
constexpr qint64 kRequestMs = 10 * 60 * 1000;

DavResult unsafeHeader()
{
    return failure(DavOutcome::BadAnswer,
                   QCoreApplication::translate("tavrel::CardDavClient",
                                               "A value the server gave holds a line break or "
                                               "another byte a request may not carry, so the "
                                               "request was not sent."));
}

} // namespace

CardDavClient::CardDavClient(DavSettings s)
    : settings(std::move(s)),
      transport(std::make_unique<HttpTransport>(
          TransportSettings{settings.user, settings.password, settings.proxy,
                            settings.certificatePin, settings.maxBodyBytes, settings.timeoutMs})),
      budget(std::make_unique<Budget>())
{
}

CardDavClient::~CardDavClient() = default;

QUrl CardDavClient::memberUrl(const QUrl& book, const QString& href)
{
    return bookMember(book, href);
}

void CardDavClient::cancel()
{
    cancelled = true;
    // Aborting ends a request at once and reports its end to its flight.
    transport->abortAll();
}

DavResult CardDavClient::checkAddress(const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return failure(DavOutcome::BadAddress,
                       QCoreApplication::translate("tavrel::CardDavClient",
                                                   "\"%1\" is not an http or https address.")
                           .arg(placeOf(url)));
    if (scheme == QLatin1String("http") && !settings.allowPlainHttp && !isLoopback(url))
        return failure(DavOutcome::InsecureRefused,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "Plain http to %1 would send the password unencrypted. Use an https "
                           "address, or allow plain http for this server.")
                           .arg(url.host()));
    return {};
}

// One exchange on its way, followed through its redirects.
struct CardDavClient::Flight {
    qsizetype index = 0;
    Exchange exchange;
    int redirects = 0;
    bool probing = false;     // only reading the certificate the server shows
    bool digestTried = false; // sent again to answer a Digest challenge
    HttpAnswer http;
    Answer answer;
};

CardDavClient::Answer CardDavClient::send(const Exchange& exchange)
{
    return sendAll({exchange}, {}).first();
}

QList<CardDavClient::Answer> CardDavClient::sendAll(const QList<Exchange>& exchanges,
                                                    const Answered& answered)
{
    const qsizetype count = exchanges.size();
    QList<Answer> answers(count);
    // Flights live to the end: the transport reports their ends through them.
    std::vector<std::unique_ptr<Flight>> flights;
    QList<Flight*> again; // to go once more: to a redirect's address, or sent anew
    QEventLoop loop;
    qsizetype next = 0; // the first exchange not yet sent
    int onTheirWay = 0;
    bool goOn = true;     // false once `answered` wants no more sent
    bool pumping = false; // a turn of `pump` waits in the event loop

    const auto land = [&](Flight& f) {
        answers[f.index] = f.answer;
        if (answered && !answered(f.index, f.answer))
            goOn = false;
    };
    std::function<void(Flight&)> finished;
    // Sends what may go now, from the event loop, never inside a report of an end.
    const auto pump = [&] {
        pumping = false;
        for (Flight* f : std::exchange(again, {})) {
            if (launch(*f, finished))
                ++onTheirWay;
            else
                land(*f);
        }
        while (goOn && !cancelled && next < count &&
               onTheirWay < qMax(1, settings.parallelRequests)) {
            Flight& f = *flights.emplace_back(std::make_unique<Flight>());
            f.index = next++;
            f.exchange = exchanges.at(f.index);
            if (launch(f, finished))
                ++onTheirWay;
            else
                land(f);
        }
        if (onTheirWay == 0)
            loop.quit();
    };
    finished = [&](Flight& f) {
        --onTheirWay;
        // The server is answering: those still waiting may wait their full
        // time from here, as they wait behind each other.
        transport->restartIdleTimes();
        if (sendAgain(f)) {
            again << &f;
        } else {
            f.answer = conclude(f);
            if (f.answer.redirectTo.isValid()) {
                f.exchange.url = f.answer.redirectTo;
                again << &f;
            } else {
                land(f);
            }
        }
        if (!pumping) {
            pumping = true;
            QMetaObject::invokeMethod(&loop, pump, Qt::QueuedConnection);
        }
    };
    pump();
    if (onTheirWay > 0)
        loop.exec();
    // What was never sent: cancelled, or held back once an answer said stop.
    for (qsizetype i = next; i < count; ++i)
        answers[i].result = cancelledResult();
    return answers;
}

bool CardDavClient::sendAgain(Flight& f)
{
    const HttpAnswer& http = f.http;
    if (http.failure == HttpAnswer::Failure::TlsFailed && !f.probing && !cancelled &&
        settings.certificatePin.isEmpty()) {
        f.probing = true;
        return true;
    }
    if (http.failure != HttpAnswer::Failure::None || http.status != 401 || f.digestTried ||
        transport->usesDigest() || !sameOrigin(f.exchange.url, settings.server))
        return false;
    const AuthChallenges offered = readChallenges(http.headerValues("www-authenticate"));
    if (!offered.digest || offered.basic)
        return false;
    // A server that takes Digest only: the password answers its challenges from now on.
    transport->useDigest();
    f.digestTried = true;
    return true;
}

bool CardDavClient::launch(Flight& f, const std::function<void(Flight&)>& finished)
{
    Answer& answer = f.answer;
    answer = {};
    answer.finalUrl = f.exchange.url;
    answer.result = checkAddress(f.exchange.url);
    if (!answer.result.ok())
        return false;
    if (cancelled) {
        answer.result = cancelledResult();
        return false;
    }
    if (!areSafeHeaders(f.exchange.headers)) {
        answer.result = unsafeHeader();
        return false;
    }
    const qint64 left = budget->left(settings.totalMs);
    if (left <= 0) {
        answer.result = timedOut(f);
        return false;
    }
    // The password goes only to the server the account names, never where it sends us on.
    const HttpRequest request{f.exchange.verb,
                              f.exchange.url,
                              f.exchange.headers,
                              f.exchange.body,
                              sameOrigin(f.exchange.url, settings.server),
                              f.probing};
    if (!f.probing)
        ++requests;
    f.http = {};
    const int started = transport->start(request, static_cast<int>(qMin(left, kRequestMs)),
                                         [&f, &finished](HttpAnswer&& http) {
                                             f.http = std::move(http);
                                             finished(f);
                                         });
    if (started == 0) {
        answer.result = unsafeHeader();
        return false;
    }
    return true;
}

DavResult CardDavClient::timedOut(const Flight& f) const
{
    if (budget->left(settings.totalMs) <= 0)
        return failure(DavOutcome::Timeout,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 answered so slowly that the work was stopped after "
                           "%2 minutes.")
                           .arg(f.exchange.url.host())
                           .arg((settings.totalMs + 59999) / 60000));
    if (f.http.failure == HttpAnswer::Failure::TimedOut)
        return failure(DavOutcome::Timeout,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 took longer than %2 minutes over one answer.")
                           .arg(f.exchange.url.host())
                           .arg(kRequestMs / 60000));
    return failure(DavOutcome::Timeout,
                   QCoreApplication::translate("tavrel::CardDavClient",
                                               "The server at %1 did not answer within %2 seconds.")
                       .arg(f.exchange.url.host())
                       .arg((settings.timeoutMs + 999) / 1000));
}

CardDavClient::Answer CardDavClient::conclude(Flight& f)
{
    Answer answer;
    answer.finalUrl = f.exchange.url;
    const QUrl& url = f.exchange.url;
    HttpAnswer& http = f.http;
    if (f.probing) {
        answer.result = untrustedCertificate(url, http.certificatePem);
    } else if (http.failure == HttpAnswer::Failure::Idle ||
               http.failure == HttpAnswer::Failure::TimedOut) {
        answer.result = timedOut(f);
    } else if (http.failure == HttpAnswer::Failure::TooLarge) {
        answer.result = failure(DavOutcome::TooLarge,
                                QCoreApplication::translate(
                                    "tavrel::CardDavClient",
                                    "The server's answer was larger than %1 MB and was not read.")
                                    .arg(settings.maxBodyBytes / (1024 * 1024)));
    } else if (http.failure == HttpAnswer::Failure::TlsFailed) {
        answer.result = fromFailure(http.failure, url);
        answer.result.message =
            QCoreApplication::translate("tavrel::CardDavClient",
                                        "The certificate of %1 is not the one trusted for this "
                                        "account, so nothing was sent to it.")
                .arg(url.host());
    } else if (http.failure != HttpAnswer::Failure::None) {
        answer.result = fromFailure(http.failure, url);
    } else if (const int status = http.status;
               status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
        return redirect(f, readLocation(http.header("location"), url), status);
    } else {
        answer.result = fromStatus(status, url);
        answer.body = std::move(http.body);
        answer.etag = readEntityTag(http.header("etag"));
    }
    return answer;
}

// A 3xx answer: where the request goes next, or why it goes no further.
CardDavClient::Answer CardDavClient::redirect(Flight& f, const QUrl& location, int status)
{
    Answer answer;
    answer.finalUrl = f.exchange.url;
    answer.result = {DavOutcome::Ok, status, {}};
    if (!location.isValid() || location.isEmpty()) {
        answer.result = badAnswer();
        return answer;
    }
    if (f.redirects >= settings.maxRedirects) {
        answer.result =
            failure(DavOutcome::TooManyRedirects,
                    QCoreApplication::translate("tavrel::CardDavClient",
                                                "The server sent the request on through too many "
                                                "redirects."),
                    status);
        return answer;
    }
    const QUrl next = f.exchange.url.resolved(location);
    // Once on https, never fall back to plain http, even to this machine.
    if (f.exchange.url.scheme().toLower() == QLatin1String("https") &&
        next.scheme().toLower() != QLatin1String("https")) {
        answer.result = failure(
            DavOutcome::InsecureRefused,
            QCoreApplication::translate("tavrel::CardDavClient",
                                        "The server redirected from https to an unencrypted "
                                        "address; the request was not sent there."));
        return answer;
    }
    // Setting up, the user decides whether another server is the account's.
    if (stayAtOrigin && !sameOrigin(next, settings.server)) {
        answer.result = failure(
            DavOutcome::OtherOrigin,
            QCoreApplication::translate("tavrel::CardDavClient",
                                        "The server sent the connection on to %1, another "
                                        "address than the one given; nothing was sent there.")
                .arg(placeOf(next)),
            status);
        answer.result.movedTo = next.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment);
        return answer;
    }
    ++f.redirects;
    answer.redirectTo = next;
    return answer;
}

DavResult CardDavClient::askMulti(const QByteArray& verb, const QUrl& url, int depth,
                                  const QByteArray& body, DavMultiStatus& out, QUrl* at)
{
    Exchange exchange{verb, url, body, {}};
    exchange.headers = {{"Depth", QByteArray::number(depth)},
                        {"Content-Type", "application/xml; charset=utf-8"}};
    const Answer answer = send(exchange);
    if (at)
        *at = answer.finalUrl;
    if (!answer.result.ok())
        return answer.result;
    if (answer.result.httpStatus != 207 || !readMultiStatus(answer.body, out))
        return badAnswer();
    return answer.result;
}

DavResult CardDavClient::discover(QList<DavAddressBook>& books)
{
    books.clear();
    const QScopedValueRollback staying(stayAtOrigin, true);
    const QByteArray probe =
        xmlHead() + "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
                    "<d:prop><d:current-user-principal/><d:resourcetype/><d:displayname/>"
                    "<c:addressbook-home-set/></d:prop></d:propfind>";
    const QUrl start = settings.server;
    if (DavResult check = checkAddress(start); !check.ok())
        return check;

    DavMultiStatus context;
    QUrl contextUrl;
    DavResult result;
    bool found = false;
    if (start.path().isEmpty() || start.path() == QLatin1String("/")) {
        result = askMulti("PROPFIND", start.resolved(QUrl(QStringLiteral("/.well-known/carddav"))),
                          0, probe, context, &contextUrl);
        found = result.ok();
        // A server without the well-known address is asked at the address given.
        if (!found && result.outcome != DavOutcome::NotFound &&
            result.outcome != DavOutcome::HttpError && result.outcome != DavOutcome::BadAnswer)
            return result;
    }
    if (!found) {
        result = askMulti("PROPFIND", start, 0, probe, context, &contextUrl);
        if (!result.ok())
            return result;
    }

    auto addBook = [&](const QUrl& url, const DavResource& res) {
        for (const DavAddressBook& book : books)
            if (collectionPath(book.url) == collectionPath(url))
                return;
        const DavProperty* name = res.found(davKey(davNs, "displayname"));
        QString title = name ? name->text.trimmed() : QString();
        if (title.isEmpty())
            title = url.adjusted(QUrl::StripTrailingSlash).fileName();
        books << DavAddressBook{url, title};
    };
    for (const DavResource& res : context.resources)
        if (isAddressBook(res))
            addBook(hrefAt(contextUrl, res.href), res);

    QString homeHref = firstHref(context, cardDavNs, "addressbook-home-set");
    QUrl homeBase = contextUrl;
    if (homeHref.isEmpty()) {
        const QString principalHref = firstHref(context, davNs, "current-user-principal");
        QUrl principal = principalHref.isEmpty() ? contextUrl : hrefAt(contextUrl, principalHref);
        DavMultiStatus principalProps;
        result = askMulti("PROPFIND", principal, 0, probe, principalProps, &homeBase);
        if (!result.ok())
            return result;
        homeHref = firstHref(principalProps, cardDavNs, "addressbook-home-set");
        if (homeHref.isEmpty())
            homeHref = homeBase.path();
    }
    const QUrl home = hrefAt(homeBase, homeHref);

    DavMultiStatus members;
    QUrl membersAt;
    const QByteArray listing = xmlHead() + "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/>"
                                           "<d:displayname/></d:prop></d:propfind>";
    result = askMulti("PROPFIND", home, 1, listing, members, &membersAt);
    if (!result.ok())
        return result;
    for (const DavResource& res : members.resources)
        if (isAddressBook(res))
            addBook(hrefAt(membersAt, res.href), res);
    return result;
}

DavResult CardDavClient::createAddressBook(const QUrl& url, const QString& displayName)
{
    Exchange exchange{"MKCOL", url, {}, {{"Content-Type", "application/xml; charset=utf-8"}}};
    exchange.body = xmlHead() +
                    "<d:mkcol xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
                    "<d:set><d:prop><d:resourcetype><d:collection/><c:addressbook/>"
                    "</d:resourcetype><d:displayname>" +
                    xmlEscaped(displayName).toUtf8() +
                    "</d:displayname></d:prop></d:set></d:mkcol>";
    return send(exchange).result;
}

DavResult CardDavClient::offersSyncCollection(const QUrl& book, bool& offered)
{
    offered = false;
    DavMultiStatus ms;
    const QByteArray body = xmlHead() + "<d:propfind xmlns:d=\"DAV:\"><d:prop>"
                                        "<d:supported-report-set/></d:prop></d:propfind>";
    DavResult result = askMulti("PROPFIND", book, 0, body, ms);
    if (!result.ok())
        return result;
    for (const DavResource& res : ms.resources)
        if (const DavProperty* reports = res.found(davKey(davNs, "supported-report-set")))
            offered = offered || reports->innerNames.contains(davKey(davNs, "sync-collection"));
    return result;
}

DavResult CardDavClient::putNew(const QUrl& cardUrl, const QByteArray& vcard, QString& newEtag)
{
    const Answer answer =
        send({"PUT",
              cardUrl,
              vcard,
              {{"Content-Type", "text/vcard; charset=utf-8"}, {"If-None-Match", "*"}}});
    newEtag = QString::fromLatin1(answer.etag);
    return answer.result;
}

DavResult CardDavClient::putChanged(const QUrl& cardUrl, const QByteArray& vcard,
                                    const QString& etag, QString& newEtag)
{
    const Answer answer =
        send({"PUT",
              cardUrl,
              vcard,
              {{"Content-Type", "text/vcard; charset=utf-8"}, {"If-Match", etag.toLatin1()}}});
    newEtag = QString::fromLatin1(answer.etag);
    return answer.result;
}

QList<DavPutAnswer> CardDavClient::putCards(const QList<DavPut>& puts, const PutAnswered& answered)
{
    QList<Exchange> exchanges;
    exchanges.reserve(puts.size());
    for (const DavPut& put : puts) {
        const QByteArray condition = put.etag.isEmpty() ? "If-None-Match" : "If-Match";
        const QByteArray value = put.etag.isEmpty() ? "*" : put.etag.toLatin1();
        exchanges << Exchange{"PUT",
                              put.url,
                              put.vcard,
                              {{"Content-Type", "text/vcard; charset=utf-8"}, {condition, value}}};
    }
    Answered each;
    if (answered)
        each = [&answered](qsizetype i, const Answer& a) { return answered(i, a.result); };
    const QList<Answer> answers = sendAll(exchanges, each);
    QList<DavPutAnswer> out;
    out.reserve(answers.size());
    for (const Answer& a : answers)
        out << DavPutAnswer{a.result, QString::fromLatin1(a.etag)};
    return out;
}

DavResult CardDavClient::remove(const QUrl& cardUrl, const QString& etag)
{
    return send({"DELETE", cardUrl, {}, {{"If-Match", etag.toLatin1()}}}).result;
}

} // namespace tavrel
