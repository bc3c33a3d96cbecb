#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QTcpSocket;

namespace tavrel {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

struct HttpRequest {
    QByteArray verb;
    QUrl url;
    HttpHeaders headers; // besides Host and Content-Length, which are added
    QByteArray body;
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
        Aborted,     // abort() ended it
    };
    Failure failure = Failure::None;
    bool anyByte = false; // whether any byte of an answer came
    int status = 0;
    HttpHeaders headers; // names in lower case, values without surrounding blanks
    QByteArray body;

    QByteArray header(const QByteArray& lowerCaseName) const;
};

// One HTTP/1.1 connection to one server (http, or https with the peer's
// certificate checked against the system's authorities), carrying one request
// at a time and kept open for the next as long as the server keeps it open.
// It reads what the socket holds at once and finds the answer's head in it;
// bodies come with a Content-Length, chunked, or up to the end of the connection.
class HttpConnection {
public:
    using Done = std::function<void(HttpAnswer&&)>;

    // A connection for the scheme, host and port of `url`; it connects when
    // the first request is sent.
    explicit HttpConnection(const QUrl& url);
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    // Whether a request to `url` may go over this connection.
    bool serves(const QUrl& url) const;
    // Open, with no request on its way, and used before.
    bool isIdle() const { return stage == Stage::Idle && !owed; }
    bool isClosed() const { return stage == Stage::Closed && !owed; }
    // A request on its way, or its end not yet reported.
    bool isBusy() const { return !isIdle() && !isClosed(); }

    // Sends `request` (the connection must not be busy); `done` is called once,
    // when the answer is complete or has failed, as the last thing the
    // connection does in that turn, so it may send the next request at once.
    void send(const HttpRequest& request, qint64 maxBodyBytes, Done done);
    // Ends the request on its way (its `done` gets Aborted) and the connection.
    void abort();

private:
    enum class Stage {
        Closed,     // not connected (a new connection, or one the server ended)
        Connecting, // connecting, or the TLS handshake
        Head,       // the request went out; reading the answer's head
        Fixed,      // a body of a known length
        ChunkSize,  // a chunked body: the next chunk's size line
        ChunkData,
        ChunkEnd, // the line end after a chunk's data
        Trailers, // the lines after the last chunk
        ToClose,  // a body that ends when the server closes the connection
        Idle,     // kept open between requests
    };

    void onConnected();
    void onReadyRead();
    void onEnded(bool tlsFailure);
    void parse();
    bool readHead(const QByteArray& head);
    bool takeLine(QByteArray& line);
    void takeBody(qint64 count);
    void complete();
    void fail(HttpAnswer::Failure failure);
    void finish(Stage next);

    QString scheme;
    QString host;
    int port = 0;
    std::unique_ptr<QTcpSocket> socket;
    Stage stage = Stage::Closed;
    bool everConnected = false; // this request's connection was made
    bool keepOpen = false;      // the server lets the connection carry another request
    bool sending = false;       // inside send()
    bool ending = false;        // inside the socket's report of its end
    bool owed = false;          // an end that waits in the event loop to be reported
    QByteArray pending;         // the request, until the connection is ready
    QByteArray buffer;          // bytes read and not yet taken
    qint64 remaining = 0;       // of a fixed body or a chunk
    qint64 maxBody = 0;
    HttpAnswer answer;
    Done whenDone;
};

} // namespace tavrel
