// CardDavClient's exchanges over the transport: several on their way at once,
// each followed through its redirects, the password only for the account's own
// origin, Digest once a server asks for it alone, and the client's time budget.
#include "sync/CardDavClient.h"
#include "sync/DavResults.h"
#include "sync/HttpTransport.h"

#include <QElapsedTimer>
#include <algorithm>
#include <optional>
#include <QEventLoop>
#include <QHostAddress>
#include <QMetaObject>

namespace tavrel {

namespace {

// A request may take this long at most, however steadily its data flows.
constexpr qint64 kRequestMs = 10 * 60 * 1000;

bool isLoopback(const QUrl& url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool isHttps(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
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

// The exchanges of one sendAll, up to `parallelRequests` on their way at once,
// all waited for in one event loop.
struct CardDavClient::Fleet {
    Fleet(CardDavClient& c, const QList<Exchange>& e, const Answered& a)
        : client(c), exchanges(e), answered(a), answers(e.size())
    {
    }

    QList<Answer> run()
    {
        pump();
        if (onTheirWay > 0)
            loop.exec();
        // What was never sent: cancelled, or held back once an answer said stop.
        for (qsizetype i = next; i < exchanges.size(); ++i)
            answers[i].result = cancelledResult();
        return answers;
    }

private:
    void land(Flight& f)
    {
        answers[f.index] = f.answer;
        if (answered && !answered(f.index, f.answer))
            goOn = false;
    }
    void go(Flight& f)
    {
        if (client.launch(f, finished))
            ++onTheirWay;
        else
            land(f);
    }
    bool roomForMore() const
    {
        return goOn && !client.cancelled && next < exchanges.size() &&
               onTheirWay < qMax(1, client.settings.parallelRequests);
    }
    // Sends what may go now, from the event loop, never inside a report of an end.
    void pump()
    {
        pumping = false;
        for (Flight* f : std::exchange(again, {}))
            go(*f);
        while (roomForMore()) {
            Flight& f = *flights.emplace_back(std::make_unique<Flight>());
            f.index = next++;
            f.exchange = exchanges.at(f.index);
            go(f);
        }
        if (onTheirWay == 0)
            loop.quit();
    }
    void onFinished(Flight& f)
    {
        --onTheirWay;
        // The server is answering: those still waiting may wait their full
        // time from here, as they wait behind each other.
        client.transport->restartIdleTimes();
        if (client.sendAgain(f)) {
            again << &f;
        } else if (f.answer = client.conclude(f); f.answer.redirectTo.isValid()) {
            f.exchange.url = f.answer.redirectTo;
            again << &f;
        } else {
            land(f);
        }
        if (!pumping) {
            pumping = true;
            QMetaObject::invokeMethod(
                &loop, [this] { pump(); }, Qt::QueuedConnection);
        }
    }

    CardDavClient& client;
    const QList<Exchange>& exchanges;
    const Answered& answered;
    QList<Answer> answers;
    // Flights live to the end: the transport reports their ends through them.
    std::vector<std::unique_ptr<Flight>> flights;
    QList<Flight*> again; // to go once more: to a redirect's address, or sent anew
    QEventLoop loop;
    qsizetype next = 0; // the first exchange not yet sent
    int onTheirWay = 0;
    bool goOn = true;     // false once `answered` wants no more sent
    bool pumping = false; // a turn of `pump` waits in the event loop
    const std::function<void(Flight&)> finished = [this](Flight& f) { onFinished(f); };
};

CardDavClient::CardDavClient(DavSettings s)
    : settings(std::move(s)),
      transport(std::make_unique<HttpTransport>(
          TransportSettings{settings.user, settings.password, settings.proxy,
                            settings.certificatePin, settings.maxBodyBytes, settings.timeoutMs})),
      budget(std::make_unique<Budget>())
{
}

CardDavClient::~CardDavClient() = default;

CardDavClient::Answer CardDavClient::send(const Exchange& exchange)
{
    return sendAll({exchange}, {}).first();
}

QList<CardDavClient::Answer> CardDavClient::sendAll(const QList<Exchange>& exchanges,
                                                    const Answered& answered)
{
    if (const std::optional<Answer> refused = settleAuthentication(exchanges))
        return QList<Answer>(exchanges.size(), *refused);
    return Fleet(*this, exchanges, answered).run();
}

// A server that answers a challenge before it has read a request's body resets
// an HTTP/2 stream, and the answer is lost with it. So before the first body
// goes over https (where HTTP/2 may be spoken) to the account's server, an
// OPTIONS without one finds out whether the password is taken as Basic or must
// answer Digest. When the server cannot be reached at all, that answer stands
// for every exchange.
std::optional<CardDavClient::Answer>
CardDavClient::settleAuthentication(const QList<Exchange>& exchanges)
{
    if (authenticationSettled || settings.user.isEmpty())
        return std::nullopt;
    const auto first = std::find_if(exchanges.begin(), exchanges.end(), [this](const Exchange& e) {
        return !e.body.isEmpty() && e.url.scheme() == QLatin1String("https") &&
               sameOrigin(e.url, settings.server);
    });
    if (first == exchanges.end())
        return std::nullopt;
    const Answer asked = Fleet(*this, {Exchange{"OPTIONS", first->url, {}, {}}}, {}).run().at(0);
    switch (asked.result.outcome) {
    case DavOutcome::Unreachable:
    case DavOutcome::TlsFailed:
    case DavOutcome::Timeout:
    case DavOutcome::Cancelled:
        return asked;
    default:
        authenticationSettled = true;
        return std::nullopt;
    }
}

DavResult CardDavClient::checkAddress(const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return notAnAddress(url);
    if (scheme == QLatin1String("http") && !settings.allowPlainHttp && !isLoopback(url))
        return plainHttpRefused(url);
    return {};
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
    if (answer.result.ok() && cancelled)
        answer.result = cancelledResult();
    else if (answer.result.ok() && !areSafeHeaders(f.exchange.headers))
        answer.result = unsafeHeader();
    if (!answer.result.ok())
        return false;
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
        return budgetSpent(f.exchange.url, settings.totalMs);
    if (f.http.failure == HttpAnswer::Failure::TimedOut)
        return requestTooLong(f.exchange.url, kRequestMs);
    return noAnswerInTime(f.exchange.url, settings.timeoutMs);
}

CardDavClient::Answer CardDavClient::conclude(Flight& f)
{
    const QUrl& url = f.exchange.url;
    HttpAnswer& http = f.http;
    if (!f.probing && http.failure == HttpAnswer::Failure::None && isRedirect(http.status))
        return redirect(f, readLocation(http.header("location"), url), http.status);
    Answer answer;
    answer.finalUrl = url;
    if (f.probing) {
        answer.result = untrustedCertificate(url, http.certificatePem);
        return answer;
    }
    switch (http.failure) {
    case HttpAnswer::Failure::None:
        answer.result = resultOfStatus(http.status, url);
        answer.body = std::move(http.body);
        answer.etag = readEntityTag(http.header("etag"));
        break;
    case HttpAnswer::Failure::Idle:
    case HttpAnswer::Failure::TimedOut:
        answer.result = timedOut(f);
        break;
    case HttpAnswer::Failure::TooLarge:
        answer.result = answerTooLarge(settings.maxBodyBytes);
        break;
    case HttpAnswer::Failure::TlsFailed: // a certificate pinned, and this is another
        answer.result = pinMismatch(url);
        break;
    default:
        answer.result = resultOfFailure(http.failure, url);
    }
    return answer;
}

// A 3xx answer: where the request goes next, or why it goes no further.
CardDavClient::Answer CardDavClient::redirect(Flight& f, const QUrl& location, int status)
{
    Answer answer;
    answer.finalUrl = f.exchange.url;
    const QUrl next = f.exchange.url.resolved(location);
    if (!location.isValid() || location.isEmpty())
        answer.result = badAnswer();
    else if (f.redirects >= settings.maxRedirects)
        answer.result = tooManyRedirects(status);
    // Once on https, never fall back to plain http, even to this machine.
    else if (isHttps(f.exchange.url) && !isHttps(next))
        answer.result = redirectedToPlainHttp();
    // Setting up, the user decides whether another server is the account's.
    else if (stayAtOrigin && !sameOrigin(next, settings.server))
        answer.result = sentElsewhere(next, status);
    else {
        answer.result = {DavOutcome::Ok, status, {}};
        ++f.redirects;
        answer.redirectTo = next;
    }
    return answer;
}

DavResult CardDavClient::askMulti(const QByteArray& verb, const QUrl& url, int depth,
                                  const QByteArray& body, DavMultiStatus& out, QUrl* at)
{
    const Exchange exchange{
        verb, url, body, {{"Depth", QByteArray::number(depth)}, {"Content-Type", xmlContentType}}};
    const Answer answer = send(exchange);
    if (at)
        *at = answer.finalUrl;
    if (!answer.result.ok())
        return answer.result;
    if (answer.result.httpStatus != 207 || !readMultiStatus(answer.body, out))
        return badAnswer();
    return answer.result;
}

} // namespace tavrel
