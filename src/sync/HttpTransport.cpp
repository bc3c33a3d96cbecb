#include "sync/HttpTransport.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslKey>
#include <QTimer>
#include <array>
#include <cerrno>
#include <curl/curl.h>
#include <sys/epoll.h>
#include <unistd.h>
#include <utility>

namespace tavrel {

struct HttpTransport::Transfer {
    int id = 0;
    CURL* easy = nullptr;
    curl_slist* headerList = nullptr;
    QByteArray body; // curl reads the request body from here
    HttpAnswer answer;
    Done done;
    // Ends the transfer once nothing moved for the idle time. Each move only
    // notes its time: the timer is set again for what is left when it runs out.
    QTimer idle;
    QElapsedTimer moved;
    qint64 uploaded = 0;
    qint64 maxBody = 0;
    bool tooLarge = false;
    bool probe = false;
    bool repeatable = false; // safe to send again when its connection dropped unanswered
    bool repeated = false;
    int totalMs = 0;
    QElapsedTimer started;

    ~Transfer()
    {
        curl_easy_cleanup(easy);
        curl_slist_free_all(headerList);
    }
};

namespace {

constexpr size_t kSpareHandles = 8;
constexpr int kMostTimeoutTurns = 64;

CURLM* multiOf(void* m)
{
    return static_cast<CURLM*>(m);
}

HttpAnswer::Failure failureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return HttpAnswer::Failure::None;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        return HttpAnswer::Failure::Unreachable;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
        return HttpAnswer::Failure::TlsFailed;
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return HttpAnswer::Failure::Closed;
    case CURLE_FILESIZE_EXCEEDED:
        return HttpAnswer::Failure::TooLarge;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpAnswer::Failure::TimedOut;
    default:
        return HttpAnswer::Failure::Malformed;
    }
}

// Requests that change nothing, and writes guarded by a precondition: sent
// twice, the second finds the first's work done and says so (a 412, a 404).
bool isRepeatable(const HttpRequest& request)
{
    static const QList<QByteArray> reading{"GET", "HEAD", "PROPFIND", "REPORT", "OPTIONS"};
    if (reading.contains(request.verb))
        return true;
    if (request.verb != "PUT" && request.verb != "DELETE")
        return false;
    for (const auto& [name, value] : request.headers)
        if (name.compare("if-match", Qt::CaseInsensitive) == 0 ||
            name.compare("if-none-match", Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The connection went before any answer came (a challenge of curl's own auth
// round is no answer).
bool droppedUnanswered(CURL* easy, CURLcode code, const HttpAnswer& answer)
{
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    switch (code) {
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return answer.body.isEmpty() && (answer.headers.isEmpty() || status == 401);
    default:
        return false;
    }
}

QByteArray trimmedLine(const char* data, size_t length)
{
    QByteArray line(data, static_cast<qsizetype>(length));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

void addHeaderLine(HttpAnswer& answer, const QByteArray& line)
{
    if (line.startsWith("HTTP/")) { // a new answer: an interim one, or after an auth round
        answer.headers.clear();
        answer.body.clear();
        return;
    }
    if (line.isEmpty())
        return;
    if ((line.front() == ' ' || line.front() == '\t') && !answer.headers.isEmpty()) {
        answer.headers.last().second += ' ' + line.trimmed();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon > 0)
        answer.headers.append(
            {line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
}

} // namespace

QByteArray HttpAnswer::header(const QByteArray& lowerCaseName) const
{
    return headerValues(lowerCaseName).value(0);
}

QList<QByteArray> HttpAnswer::headerValues(const QByteArray& lowerCaseName) const
{
    QList<QByteArray> values;
    for (const auto& [name, value] : headers)
        if (name == lowerCaseName)
            values << value;
    return values;
}

HttpTransport::HttpTransport(TransportSettings s)
    : settings(std::move(s)), timer(std::make_unique<QTimer>())
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    multi = curl_multi_init();
    curl_multi_setopt(multiOf(multi), CURLMOPT_SOCKETFUNCTION, &HttpTransport::onSocket);
    curl_multi_setopt(multiOf(multi), CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multiOf(multi), CURLMOPT_TIMERFUNCTION, &HttpTransport::onTimer);
    curl_multi_setopt(multiOf(multi), CURLMOPT_TIMERDATA, this);
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    pollSet = ::epoll_create1(EPOLL_CLOEXEC);
    if (pollSet >= 0) {
        pollSetNotifier = std::make_unique<QSocketNotifier>(pollSet, QSocketNotifier::Read);
        QObject::connect(pollSetNotifier.get(), &QSocketNotifier::activated, pollSetNotifier.get(),
                         [this] { onPollSet(); });
    }
}

HttpTransport::~HttpTransport()
{
    for (auto& [id, t] : transfers)
        curl_multi_remove_handle(multiOf(multi), t->easy);
    transfers.clear();
    for (CURL* easy : spare)
        curl_easy_cleanup(easy);
    curl_multi_cleanup(multiOf(multi)); // closes the kept connections
    pollSetNotifier.reset();
    if (pollSet >= 0)
        ::close(pollSet);
    curl_global_cleanup();
}

int HttpTransport::onSocket(void*, int fd, int what, void* self, void*)
{
    static_cast<HttpTransport*>(self)->watch(fd, what);
    return 0;
}

void HttpTransport::watch(int fd, int what)
{
    const auto it = watched.find(fd);
    if (what == CURL_POLL_REMOVE) {
        if (it != watched.end()) {
            // Fails harmlessly when curl has closed the socket already: a
            // closed socket leaves the set by itself.
            ::epoll_ctl(pollSet, EPOLL_CTL_DEL, fd, nullptr);
            watched.erase(it);
        }
        return;
    }
    epoll_event event{};
    event.events = (what & CURL_POLL_IN ? unsigned(EPOLLIN) : 0u) |
                   (what & CURL_POLL_OUT ? unsigned(EPOLLOUT) : 0u);
    event.data.fd = fd;
    if (it != watched.end() && it->second == event.events)
        return;
    // A socket number may come back for a new socket once the old one closed
    // unseen, so an addition that finds it there changes it, and the other way.
    int op = it == watched.end() ? EPOLL_CTL_ADD : EPOLL_CTL_MOD;
    if (::epoll_ctl(pollSet, op, fd, &event) != 0 && (errno == EEXIST || errno == ENOENT)) {
        op = op == EPOLL_CTL_ADD ? EPOLL_CTL_MOD : EPOLL_CTL_ADD;
        ::epoll_ctl(pollSet, op, fd, &event);
    }
    watched[fd] = event.events;
}

// The sockets of the set that are ready, each handed to curl. The set is
// level-triggered: what is left for a later turn makes the set ready again.
void HttpTransport::onPollSet()
{
    std::array<epoll_event, 16> ready{};
    const int n = ::epoll_wait(pollSet, ready.data(), int(ready.size()), 0);
    for (int i = 0; i < n; ++i) {
        const unsigned e = ready[size_t(i)].events;
        const int events = (e & (EPOLLIN | EPOLLHUP) ? CURL_CSELECT_IN : 0) |
                           (e & EPOLLOUT ? CURL_CSELECT_OUT : 0) |
                           (e & EPOLLERR ? CURL_CSELECT_ERR : 0);
        drive(ready[size_t(i)].data.fd, events);
    }
    collect();
}

int HttpTransport::onTimer(void*, long ms, void* self)
{
    auto* transport = static_cast<HttpTransport*>(self);
    // curl asks for no wait at all when it has more to do at once; while it
    // is being driven that is done in the same turn (see drive()), not a
    // turn of the event loop later. A later wish replaces an earlier one.
    transport->timeoutDue = ms == 0 && transport->driving;
    if (ms < 0 || transport->timeoutDue)
        transport->timer->stop();
    else
        transport->timer->start(static_cast<int>(ms));
    return 0;
}

size_t HttpTransport::onBody(char* data, size_t size, size_t count, void* transfer)
{
    auto* t = static_cast<Transfer*>(transfer);
    const size_t length = size * count;
    t->moved.restart();
    if (t->answer.body.size() + static_cast<qint64>(length) > t->maxBody) {
        t->tooLarge = true;
        return 0; // ends the transfer
    }
    t->answer.body.append(data, static_cast<qsizetype>(length));
    return length;
}

size_t HttpTransport::onHeader(char* data, size_t size, size_t count, void* transfer)
{
    auto* t = static_cast<Transfer*>(transfer);
    t->moved.restart();
    addHeaderLine(t->answer, trimmedLine(data, size * count));
    return size * count;
}

int HttpTransport::onProgress(void* transfer, qint64, qint64, qint64, qint64 ulNow)
{
    auto* t = static_cast<Transfer*>(transfer);
    if (ulNow != t->uploaded) { // bytes going out count as the exchange moving too
        t->uploaded = ulNow;
        t->moved.restart();
    }
    return 0;
}

int HttpTransport::start(const HttpRequest& request, int totalMs, Done done)
{
    if (!areSafeHeaders(request.headers))
        return 0;
    auto owned = std::make_unique<Transfer>();
    Transfer& t = *owned;
    t.id = nextId++;
    t.easy = takeEasy();
    t.body = request.body;
    t.done = std::move(done);
    t.probe = request.probeCertificate;
    t.repeatable = !t.probe && isRepeatable(request);
    t.totalMs = totalMs;
    t.started.start();
    CURL* e = t.easy;
    const QByteArray url =
        request.url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment).toEncoded();
    curl_easy_setopt(e, CURLOPT_URL, url.constData());
    if (request.verb == "GET")
        curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
    else
        curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, request.verb.constData());
    if (!t.body.isEmpty() || request.verb == "PUT" || request.verb == "POST") {
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(t.body.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, t.body.constData());
    }
    bool typed = false;
    for (const auto& [name, value] : request.headers) {
        t.headerList = curl_slist_append(t.headerList, (name + ": " + value).constData());
        typed = typed || name.compare("content-type", Qt::CaseInsensitive) == 0;
    }
    // No form type of curl's own, and no wait for a 100 Continue before a body.
    if (!typed)
        t.headerList = curl_slist_append(t.headerList, "Content-Type:");
    t.headerList = curl_slist_append(t.headerList, "Expect:");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, t.headerList);
    if (request.withCredentials && !settings.user.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, settings.user.toUtf8().constData());
        curl_easy_setopt(e, CURLOPT_PASSWORD, settings.password.toUtf8().constData());
        curl_easy_setopt(e, CURLOPT_HTTPAUTH, digest ? CURLAUTH_DIGEST : CURLAUTH_BASIC);
    }
    configure(t, totalMs);
    t.idle.setSingleShot(true);
    t.idle.setInterval(idleMs());
    t.maxBody = settings.maxBodyBytes;
    const int id = t.id;
    QObject::connect(&t.idle, &QTimer::timeout, &t.idle, [this, id] { idleTimeUp(id); });
    transfers.emplace(id, std::move(owned));
    t.moved.start();
    t.idle.start();
    curl_multi_add_handle(multiOf(multi), e);
    return id;
}

void HttpTransport::configure(Transfer& t, int totalMs)
{
    CURL* e = t.easy;
    curl_easy_setopt(e, CURLOPT_PRIVATE, &t);
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, "Tavrel");
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION,
                     t.probe ? CURL_HTTP_VERSION_1_1 : CURL_HTTP_VERSION_2TLS);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &HttpTransport::onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &HttpTransport::onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, &HttpTransport::onProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(settings.maxBodyBytes));
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(idleMs()));
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(qMax(1, totalMs)));
    if (settings.proxy.isValid() && !settings.proxy.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_PROXY, settings.proxy.toEncoded().constData());
        curl_easy_setopt(e, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
    }
    if (t.probe) {
        curl_easy_setopt(e, CURLOPT_CONNECT_ONLY, 1L);
        curl_easy_setopt(e, CURLOPT_CERTINFO, 1L);
    } else if (!settings.certificatePin.isEmpty()) {
        // The user trusts this one key: the authorities' say does not count.
        curl_easy_setopt(e, CURLOPT_PINNEDPUBLICKEY,
                         settings.certificatePin.toLatin1().constData());
    }
    if (t.probe || !settings.certificatePin.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 0L);
    }
}

void HttpTransport::act(int fd, int events)
{
    drive(fd, events);
    collect();
}

void HttpTransport::drive(int fd, int events)
{
    int running = 0;
    driving = true;
    curl_multi_socket_action(multiOf(multi), fd, events, &running);
    // Bounded, so a curl that keeps asking cannot hold the event loop: what is
    // left goes through the timer.
    for (int turn = 0; timeoutDue && turn < kMostTimeoutTurns; ++turn) {
        timeoutDue = false;
        curl_multi_socket_action(multiOf(multi), CURL_SOCKET_TIMEOUT, 0, &running);
    }
    driving = false;
    if (std::exchange(timeoutDue, false))
        timer->start(0);
}

// A handle of an ended request serves the next, its options reset, so each
// request does not allocate and set up a handle of its own.
void* HttpTransport::takeEasy()
{
    if (spare.empty())
        return curl_easy_init();
    CURL* easy = spare.back();
    spare.pop_back();
    curl_easy_reset(easy);
    return easy;
}

void HttpTransport::collect()
{
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multiOf(multi), &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        Transfer* t = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &t);
        if (t)
            finish(*t, message->data.result);
    }
}

void HttpTransport::finish(Transfer& t, int code)
{
    if (t.repeatable && !t.repeated && !t.tooLarge &&
        droppedUnanswered(t.easy, static_cast<CURLcode>(code), t.answer)) {
        repeat(t);
        return;
    }
    HttpAnswer& answer = t.answer;
    answer.failure =
        t.tooLarge ? HttpAnswer::Failure::TooLarge : failureOf(static_cast<CURLcode>(code));
    long status = 0;
    curl_easy_getinfo(t.easy, CURLINFO_RESPONSE_CODE, &status);
    answer.status = static_cast<int>(status);
    if (t.probe && answer.failure == HttpAnswer::Failure::None) {
        curl_certinfo* info = nullptr;
        curl_easy_getinfo(t.easy, CURLINFO_CERTINFO, &info);
        if (info && info->num_of_certs > 0)
            for (curl_slist* field = info->certinfo[0]; field; field = field->next)
                if (qstrncmp(field->data, "Cert:", 5) == 0)
                    answer.certificatePem = QString::fromLatin1(field->data + 5);
    }
    end(t.id, std::move(answer));
}

// Once, on a connection of its own: the one it went on may be the one that died.
void HttpTransport::repeat(Transfer& t)
{
    t.repeated = true;
    t.answer = {};
    t.uploaded = 0;
    curl_multi_remove_handle(multiOf(multi), t.easy);
    curl_easy_setopt(t.easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(t.easy, CURLOPT_FORBID_REUSE, 1L);
    const qint64 left = t.totalMs - t.started.elapsed();
    curl_easy_setopt(t.easy, CURLOPT_TIMEOUT_MS, static_cast<long>(qMax<qint64>(1, left)));
    t.moved.restart();
    curl_multi_add_handle(multiOf(multi), t.easy);
}

void HttpTransport::idleTimeUp(int id)
{
    const auto it = transfers.find(id);
    if (it == transfers.end())
        return;
    Transfer& t = *it->second;
    const qint64 quiet = t.moved.elapsed();
    if (quiet < idleMs())
        t.idle.start(int(idleMs() - quiet));
    else
        stop(id, HttpAnswer::Failure::Idle);
}

void HttpTransport::abort(int id)
{
    stop(id, HttpAnswer::Failure::Aborted);
}

void HttpTransport::stop(int id, HttpAnswer::Failure why)
{
    auto it = transfers.find(id);
    if (it == transfers.end())
        return;
    HttpAnswer answer = std::move(it->second->answer);
    answer.failure = why;
    end(id, std::move(answer));
}

void HttpTransport::abortAll()
{
    std::vector<int> ids;
    for (const auto& [id, t] : transfers)
        ids.push_back(id);
    for (const int id : ids)
        abort(id);
}

void HttpTransport::end(int id, HttpAnswer answer)
{
    auto it = transfers.find(id);
    std::unique_ptr<Transfer> t = std::move(it->second);
    transfers.erase(it);
    curl_multi_remove_handle(multiOf(multi), t->easy);
    // A probe's handle keeps its connection to itself: it is not used again.
    if (!t->probe && spare.size() < kSpareHandles)
        spare.push_back(std::exchange(t->easy, nullptr));
    t->idle.stop();
    Done done = std::move(t->done);
    t.reset();
    if (done)
        done(std::move(answer));
}

void HttpTransport::restartIdleTimes()
{
    for (auto& [id, t] : transfers)
        t->moved.restart();
}

QString certificatePinOf(const QString& pem)
{
    const QSslCertificate certificate(pem.toLatin1(), QSsl::Pem);
    if (certificate.isNull())
        return {};
    const QByteArray key = certificate.publicKey().toDer();
    return QStringLiteral("sha256//") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toBase64());
}

QString certificateFingerprintOf(const QString& pem)
{
    const QSslCertificate certificate(pem.toLatin1(), QSsl::Pem);
    if (certificate.isNull())
        return {};
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

} // namespace tavrel
