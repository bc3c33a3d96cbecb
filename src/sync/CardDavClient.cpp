#include "sync/CardDavClient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
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

DavResult fromNetworkError(QNetworkReply::NetworkError error, const QUrl& url)
{
    switch (error) {
    case QNetworkReply::SslHandshakeFailedError:
        return failure(DavOutcome::TlsFailed,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The certificate of %1 could not be verified, so nothing was sent "
                           "to it.")
                           .arg(url.host()));
    case QNetworkReply::RemoteHostClosedError:
        return failure(DavOutcome::BadAnswer,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 closed the connection without a complete answer.")
                           .arg(url.host()));
    case QNetworkReply::TimeoutError:
        return failure(DavOutcome::Timeout,
                       QCoreApplication::translate("tavrel::CardDavClient",
                                                   "The server at %1 did not answer in time.")
                           .arg(url.host()));
    case QNetworkReply::OperationCanceledError:
        return failure(
            DavOutcome::Cancelled,
            QCoreApplication::translate("tavrel::CardDavClient", "The sync was cancelled."));
    default:
        return failure(DavOutcome::Unreachable,
                       QCoreApplication::translate(
                           "tavrel::CardDavClient",
                           "The server at %1 could not be reached. Check the address and that "
                           "the server is running.")
                           .arg(url.host()));
    }
}

DavResult badAnswer()
{
    return failure(DavOutcome::BadAnswer,
                   QCoreApplication::translate("tavrel::CardDavClient",
                                               "The server's answer could not be read."));
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

bool isCollection(const DavResource& res)
{
    const DavProperty* type = res.found(davKey(davNs, "resourcetype"));
    return type && type->innerNames.contains(davKey(davNs, "collection"));
}

QString firstHref(const DavMultiStatus& ms, const char* ns, const char* name)
{
    for (const DavResource& res : ms.resources)
        if (const DavProperty* prop = res.found(davKey(ns, name)); prop && !prop->hrefs.isEmpty())
            return prop->hrefs.first();
    return {};
}

// XML reading turns every CR LF inside the card into LF unless the server
// wrote the CR as a character reference; a vCard's lines end in CR LF.
QByteArray cardLines(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() + bytes.count('\n'));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            out += '\r';
        out += bytes[i];
    }
    return out;
}

// A path with one trailing slash, for comparing a collection with its members.
QString collectionPath(const QUrl& url)
{
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

CardDavClient::CardDavClient(DavSettings s) : settings(std::move(s))
{
    network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

QUrl CardDavClient::memberUrl(const QUrl& book, const QString& href)
{
    return book.resolved(QUrl(href, QUrl::TolerantMode));
}

void CardDavClient::cancel()
{
    cancelled = true;
    // Aborting ends a reply at once, and its end takes it off the list.
    for (QNetworkReply* reply : QList<QNetworkReply*>(running))
        reply->abort();
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
    QNetworkReply* reply = nullptr;
    QObject watch; // the context of every connection made for the current reply
    QTimer deadline;
    QByteArray body;
    bool timedOut = false;
    bool tooLarge = false;
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
    // Flights live to the end: their handlers run inside their replies' signals.
    std::vector<std::unique_ptr<Flight>> flights;
    std::vector<QNetworkReply*> ended;
    QEventLoop loop;
    qsizetype next = 0; // the first exchange not yet sent
    int onTheirWay = 0;
    bool goOn = true; // false once `answered` wants no more sent
    bool waiting = false;

    const auto land = [&](Flight& f) {
        answers[f.index] = f.answer;
        if (answered && !answered(f.index, f.answer))
            goOn = false;
    };
    std::function<void(Flight&)> finished;
    const auto fill = [&] {
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
    };
    finished = [&](Flight& f) {
        QNetworkReply* reply = std::exchange(f.reply, nullptr);
        f.deadline.stop();
        QObject::disconnect(reply, nullptr, &f.watch, nullptr);
        QObject::disconnect(&f.deadline, nullptr, &f.watch, nullptr);
        running.removeOne(reply);
        ended.push_back(reply);
        --onTheirWay;
        // The server is answering: those still waiting may wait their full
        // time from here, as they wait behind each other.
        for (const auto& other : flights)
            if (other->reply)
                other->deadline.start(settings.timeoutMs);
        f.answer = conclude(f, reply);
        if (f.answer.redirectTo.isValid()) {
            f.exchange.url = f.answer.redirectTo;
            if (launch(f, finished)) {
                ++onTheirWay;
                return;
            }
        }
        land(f);
        fill();
        if (onTheirWay == 0 && waiting)
            loop.quit();
    };
    fill();
    if (onTheirWay > 0) {
        waiting = true;
        loop.exec();
    }
    qDeleteAll(ended);
    // What was never sent: cancelled, or held back once an answer said stop.
    for (qsizetype i = next; i < count; ++i)
        answers[i].result = fromNetworkError(QNetworkReply::OperationCanceledError, {});
    return answers;
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
        answer.result = fromNetworkError(QNetworkReply::OperationCanceledError, f.exchange.url);
        return false;
    }

    QNetworkRequest request(f.exchange.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("User-Agent", "Tavrel");
    if (!settings.user.isEmpty())
        request.setRawHeader(
            "Authorization",
            "Basic " + (settings.user + QLatin1Char(':') + settings.password).toUtf8().toBase64());
    for (const auto& [name, value] : f.exchange.headers)
        request.setRawHeader(name, value);

    ++requests;
    QNetworkReply* reply = network.sendCustomRequest(request, f.exchange.verb, f.exchange.body);
    f.reply = reply;
    running << reply;
    f.body.clear();
    f.timedOut = f.tooLarge = false;
    const auto overLimit = [&f] {
        f.tooLarge = true;
        f.reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &f.watch, [this, &f, overLimit] {
        const QVariant length = f.reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > settings.maxBodyBytes)
            overLimit();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &f.watch, [this, &f, overLimit] {
        if (f.tooLarge)
            return;
        f.body += f.reply->readAll();
        if (f.body.size() > settings.maxBodyBytes)
            overLimit();
    });
    QObject::connect(reply, &QNetworkReply::finished, &f.watch, [&f, &finished] { finished(f); });
    f.deadline.setSingleShot(true);
    QObject::connect(&f.deadline, &QTimer::timeout, &f.watch, [&f] {
        f.timedOut = true;
        f.reply->abort();
    });
    f.deadline.start(settings.timeoutMs);
    return true;
}

CardDavClient::Answer CardDavClient::conclude(Flight& f, QNetworkReply* reply)
{
    Answer answer;
    answer.finalUrl = f.exchange.url;
    const QUrl& url = f.exchange.url;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (f.tooLarge) {
        answer.result = failure(DavOutcome::TooLarge,
                                QCoreApplication::translate(
                                    "tavrel::CardDavClient",
                                    "The server's answer was larger than %1 MB and was not read.")
                                    .arg(settings.maxBodyBytes / (1024 * 1024)));
    } else if (f.timedOut) {
        answer.result = failure(
            DavOutcome::Timeout,
            QCoreApplication::translate("tavrel::CardDavClient",
                                        "The server at %1 did not answer within %2 seconds.")
                .arg(url.host())
                .arg((settings.timeoutMs + 999) / 1000));
    } else if (status == 0) {
        answer.result = fromNetworkError(reply->error(), url);
    } else {
        f.body += reply->readAll();
        if (f.body.size() > settings.maxBodyBytes) {
            answer.result = failure(
                DavOutcome::TooLarge,
                QCoreApplication::translate("tavrel::CardDavClient",
                                            "The server's answer was larger than %1 MB and was not "
                                            "read.")
                    .arg(settings.maxBodyBytes / (1024 * 1024)));
        } else if (status == 301 || status == 302 || status == 303 || status == 307 ||
                   status == 308) {
            return redirect(f, QUrl(QString::fromUtf8(reply->rawHeader("Location"))), status);
        } else {
            answer.result = fromStatus(status, url);
            answer.body = std::exchange(f.body, {});
            answer.etag = reply->rawHeader("ETag");
        }
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
            addBook(memberUrl(contextUrl, res.href), res);

    QString homeHref = firstHref(context, cardDavNs, "addressbook-home-set");
    QUrl homeBase = contextUrl;
    if (homeHref.isEmpty()) {
        const QString principalHref = firstHref(context, davNs, "current-user-principal");
        QUrl principal =
            principalHref.isEmpty() ? contextUrl : memberUrl(contextUrl, principalHref);
        DavMultiStatus principalProps;
        result = askMulti("PROPFIND", principal, 0, probe, principalProps, &homeBase);
        if (!result.ok())
            return result;
        homeHref = firstHref(principalProps, cardDavNs, "addressbook-home-set");
        if (homeHref.isEmpty())
            homeHref = homeBase.path();
    }
    const QUrl home = memberUrl(homeBase, homeHref);

    DavMultiStatus members;
    QUrl membersAt;
    const QByteArray listing = xmlHead() + "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/>"
                                           "<d:displayname/></d:prop></d:propfind>";
    result = askMulti("PROPFIND", home, 1, listing, members, &membersAt);
    if (!result.ok())
        return result;
    for (const DavResource& res : members.resources)
        if (isAddressBook(res))
            addBook(memberUrl(membersAt, res.href), res);
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

DavResult CardDavClient::listEtags(const QUrl& book, QList<DavCardRef>& out)
{
    out.clear();
    DavMultiStatus ms;
    QUrl at;
    const QByteArray body = xmlHead() + "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/>"
                                        "<d:getetag/></d:prop></d:propfind>";
    DavResult result = askMulti("PROPFIND", book, 1, body, ms, &at);
    if (!result.ok())
        return result;
    for (const DavResource& res : ms.resources) {
        const DavProperty* etag = res.found(davKey(davNs, "getetag"));
        if (!etag || isCollection(res) ||
            collectionPath(memberUrl(at, res.href)) == collectionPath(at))
            continue;
        out << DavCardRef{res.href, etag->text.trimmed()};
    }
    return result;
}

DavResult CardDavClient::listChanges(const QUrl& book, const QString& syncToken, DavChanges& out)
{
    out = {};
    bool offered = false;
    DavResult result = offersSyncCollection(book, offered);
    if (!result.ok())
        return result;
    if (!offered) {
        out.complete = true;
        return listEtags(book, out.changed);
    }
    auto report = [&](const QString& token, DavMultiStatus& ms, QUrl& at) {
        const QByteArray body = xmlHead() + "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" +
                                xmlEscaped(token).toUtf8() +
                                "</d:sync-token><d:sync-level>1</d:sync-level><d:prop>"
                                "<d:getetag/></d:prop></d:sync-collection>";
        return askMulti("REPORT", book, 0, body, ms, &at);
    };
    DavMultiStatus ms;
    QUrl at;
    result = report(syncToken, ms, at);
    out.complete = syncToken.isEmpty();
    // A token the server no longer knows: start again from a full listing.
    if (!syncToken.isEmpty() &&
        (result.outcome == DavOutcome::Forbidden || result.outcome == DavOutcome::Conflict)) {
        result = report(QString(), ms, at);
        out.complete = true;
    }
    if (!result.ok())
        return result;
    for (const DavResource& res : ms.resources) {
        if (collectionPath(memberUrl(at, res.href)) == collectionPath(at))
            continue;
        if (res.status == 404) {
            // A full listing says what exists; some servers add their history of removals.
            if (!out.complete)
                out.removed << res.href;
        } else if (const DavProperty* etag = res.found(davKey(davNs, "getetag"))) {
            out.changed << DavCardRef{res.href, etag->text.trimmed()};
        }
    }
    out.syncToken = ms.syncToken;
    return result;
}

DavResult CardDavClient::fetchCards(const QUrl& book, const QStringList& hrefs,
                                    QList<DavCard>& cards, QStringList& missing)
{
    cards.clear();
    missing.clear();
    const int batch = qMax(1, settings.multigetBatch);
    for (qsizetype first = 0; first < hrefs.size(); first += batch) {
        const QStringList part = hrefs.mid(first, batch);
        QHash<QString, QString> asked; // member path -> href as asked
        QByteArray body = xmlHead() + "<c:addressbook-multiget xmlns:d=\"DAV:\" "
                                      "xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
                                      "<d:getetag/><c:address-data/></d:prop>";
        for (const QString& href : part) {
            asked.insert(memberUrl(book, href).path(), href);
            body += "<d:href>" + xmlEscaped(href).toUtf8() + "</d:href>";
        }
        body += "</c:addressbook-multiget>";
        DavMultiStatus ms;
        DavResult result = askMulti("REPORT", book, 1, body, ms);
        if (!result.ok())
            return result;
        for (const DavResource& res : ms.resources) {
            const QString href = asked.take(memberUrl(book, res.href).path());
            if (href.isNull())
                continue; // not one that was asked for
            const DavProperty* data = res.found(davKey(cardDavNs, "address-data"));
            const DavProperty* etag = res.found(davKey(davNs, "getetag"));
            if (res.status == 404 || !data)
                missing << href;
            else
                cards << DavCard{href, etag ? etag->text.trimmed() : QString(),
                                 cardLines(data->text)};
        }
        for (const QString& href : std::as_const(asked))
            missing << href;
    }
    return {};
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
