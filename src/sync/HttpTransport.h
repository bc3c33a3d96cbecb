#pragma once

#include "sync/HttpHeaders.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;
class QTimer;

namespace tavrel {

struct HttpRequest {
    QByteArray verb;
    QUrl url;
    HttpHeaders headers; // checked with areSafeHeaders before they go
    QByteArray body;
    bool withCredentials = false;  // the user name and password may answer the server
    bool probeCertificate = false; // only a TLS handshake, unverified, to read the certificate
};

// A server's answer to one request, or why none came whole.
struct HttpAnswer {
    enum class Failure {
        None,
        Unreachable, // no connection was made
        TlsFailed,   // the peer's certificate was not trusted, or the handshake failed
        Closed,      // the connection ended before the answer was complete
        Malformed,   // what came is not an HTTP answer
        TooLarge,    // the body passed the limit
        Idle,        // nothing moved either way for the idle time
        TimedOut,    // the request's whole time ran out
        Aborted,     // abort() ended it
    };
    Failure failure = Failure::None;
    int status = 0;
    HttpHeaders headers; // names in lower case, values without surrounding blanks
    QByteArray body;
    QString certificatePem; // of the server, after a probe

    QByteArray header(const QByteArray& lowerCaseName) const;
    QList<QByteArray> headerValues(const QByteArray& lowerCaseName) const;
};

struct TransportSettings {
    QString user;
    QString password;
    QUrl proxy;             // empty: as the environment says
    QString certificatePin; // "sha256//..." of the server's public key; empty: the authorities
    qint64 maxBodyBytes = 32 * 1024 * 1024;
    int idleMs = 30000; // nothing sent or received for this long ends a request
};

// Requests over libcurl's multi interface, run from Qt's event loop. Its
// connections are kept for its whole life, so later requests reuse them.
class HttpTransport {
public:
    using Done = std::function<void(HttpAnswer&&)>;

    explicit HttpTransport(TransportSettings settings);
    ~HttpTransport();
    HttpTransport(const HttpTransport&) = delete;
    HttpTransport& operator=(const HttpTransport&) = delete;

    // Starts `request`, with at most `totalMs` for all of it; `done` is called
    // once, from the event loop or from abort(). Returns the transfer's number.
    int start(const HttpRequest& request, int totalMs, Done done);
    // Ends the transfer at once; its `done` gets Aborted.
    void abort(int transfer);
    // Ends every transfer on its way, as abort() does.
    void abortAll();
    // Gives every transfer on its way its full idle time again.
    void restartIdleTimes();
    // From now on the password answers Digest challenges instead of going as Basic.
    void useDigest() { digest = true; }
    bool usesDigest() const { return digest; }
    int running() const { return static_cast<int>(transfers.size()); }

private:
    struct Transfer;

    static int onSocket(void* easy, int fd, int what, void* self, void* watch);
    static int onTimer(void* multi, long ms, void* self);
    static size_t onBody(char* data, size_t size, size_t count, void* transfer);
    static size_t onHeader(char* data, size_t size, size_t count, void* transfer);
    static int onProgress(void* transfer, qint64 dlTotal, qint64 dlNow, qint64 ulTotal,
                          qint64 ulNow);

    void configure(Transfer& t, int totalMs);
    void act(int fd, int events);
    // Hands curl one socket's events, then runs the timeouts it asks for
    // without a wait, in the same turn of the event loop.
    void drive(int fd, int events);
    void* takeEasy();
    void collect();
    void finish(Transfer& t, int code);
    void repeat(Transfer& t);
    void stop(int id, HttpAnswer::Failure why);
    void idleTimeUp(int id);
    void end(int id, HttpAnswer answer); // by value: it may be the transfer's own
    int idleMs() const { return qMax(1, settings.idleMs); }

    TransportSettings settings;
    bool digest = false;
    void* multi = nullptr;
    std::unique_ptr<QTimer> timer;
    std::map<int, std::unique_ptr<Transfer>> transfers;
    std::vector<void*> spare; // handles of ended requests, for the next ones
    bool driving = false;     // curl is being handed events (see drive())
    bool timeoutDue = false;  // curl asked, while driven, for a timeout without a wait
    // The sockets curl asks to have watched lie in one epoll set, and the
    // event loop watches that set alone, its notifier always on: turning a
    // notifier on or off wakes the loop each time, and curl turns a socket's
    // wishes over several times in every request.
    int pollSet = -1;
    std::unique_ptr<QSocketNotifier> pollSetNotifier;
    std::map<int, unsigned> watched; // socket: the epoll events it is in the set for
    void watch(int fd, int what);
    void onPollSet();
    int nextId = 1;
};

// The pin ("sha256//" and the base64 of the SHA-256 of the public key) and a
// readable fingerprint (SHA-256 of the certificate, hex pairs) of a PEM certificate.
QString certificatePinOf(const QString& pem);
QString certificateFingerprintOf(const QString& pem);

} // namespace tavrel
