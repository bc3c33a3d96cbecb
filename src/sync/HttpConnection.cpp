#include "sync/HttpConnection.h"

#include <QMetaObject>
#include <QSslSocket>
#include <QTcpSocket>
#include <utility>

namespace tavrel {

namespace {

constexpr qsizetype kMaxHeadBytes = 64 * 1024; // an answer's head, or a chunk's size line

bool isHttps(const QString& scheme)
{
    return scheme == QLatin1String("https");
}

int portOf(const QUrl& url)
{
    return url.port(isHttps(url.scheme().toLower()) ? 443 : 80);
}

// Where the head ends: just past its empty line (lines end in CR LF, or LF alone).
qsizetype headEnd(const QByteArray& bytes)
{
    for (qsizetype at = bytes.indexOf('\n'); at >= 0; at = bytes.indexOf('\n', at + 1)) {
        if (at + 1 < bytes.size() && bytes[at + 1] == '\n')
            return at + 2;
        if (at + 2 < bytes.size() && bytes[at + 1] == '\r' && bytes[at + 2] == '\n')
            return at + 3;
    }
    return -1;
}

QByteArray requestBytes(const HttpRequest& request)
{
    const QUrl& url = request.url;
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray out;
    out.reserve(256 + request.body.size());
    out += request.verb + ' ' + target + " HTTP/1.1\r\nHost: " +
           url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() + "\r\n";
    for (const auto& [name, value] : request.headers)
        out += name + ": " + value + "\r\n";
    out += "Content-Length: " + QByteArray::number(request.body.size()) + "\r\n\r\n";
    out += request.body;
    return out;
}

} // namespace

QByteArray HttpAnswer::header(const QByteArray& lowerCaseName) const
{
    for (const auto& [name, value] : headers)
        if (name == lowerCaseName)
            return value;
    return {};
}

HttpConnection::HttpConnection(const QUrl& url)
    : scheme(url.scheme().toLower()), host(url.host()), port(portOf(url))
{
    if (isHttps(scheme)) {
        auto* tls = new QSslSocket;
        socket.reset(tls);
        tls->setPeerVerifyMode(QSslSocket::VerifyPeer);
        // Nothing is sent before the peer has proved who it is.
        QObject::connect(tls, &QSslSocket::encrypted, tls, [this] { onConnected(); });
    } else {
        socket = std::make_unique<QTcpSocket>();
        QObject::connect(socket.get(), &QTcpSocket::connected, socket.get(),
                         [this] { onConnected(); });
    }
    QTcpSocket* s = socket.get();
    QObject::connect(s, &QTcpSocket::connected, s, [this] { everConnected = true; });
    QObject::connect(s, &QTcpSocket::readyRead, s, [this] { onReadyRead(); });
    QObject::connect(s, &QTcpSocket::disconnected, s, [this] { onEnded(false); });
    QObject::connect(s, &QTcpSocket::errorOccurred, s, [this](QAbstractSocket::SocketError e) {
        onEnded(e == QAbstractSocket::SslHandshakeFailedError ||
                e == QAbstractSocket::SslInternalError ||
                e == QAbstractSocket::SslInvalidUserDataError);
    });
}

HttpConnection::~HttpConnection()
{
    // No handler may run for a connection on its way out.
    QObject::disconnect(socket.get(), nullptr, socket.get(), nullptr);
    socket->abort();
}

bool HttpConnection::serves(const QUrl& url) const
{
    return url.scheme().toLower() == scheme && url.host().compare(host, Qt::CaseInsensitive) == 0 &&
           portOf(url) == port;
}

void HttpConnection::send(const HttpRequest& request, qint64 maxBodyBytes, Done done)
{
    answer = {};
    buffer.clear();
    maxBody = maxBodyBytes;
    keepOpen = false;
    whenDone = std::move(done);
    sending = true;
    if (stage == Stage::Idle && socket->state() == QAbstractSocket::ConnectedState) {
        stage = Stage::Head;
        socket->write(requestBytes(request));
    } else {
        socket->abort(); // a connection the server ended may still be closing
        pending = requestBytes(request);
        stage = Stage::Connecting;
        everConnected = false;
        if (isHttps(scheme))
            static_cast<QSslSocket*>(socket.get())->connectToHostEncrypted(host, quint16(port));
        else
            socket->connectToHost(host, quint16(port));
    }
    sending = false;
}

void HttpConnection::abort()
{
    if (owed) // its end is on its way already
        return;
    if (isBusy()) {
        answer.failure = HttpAnswer::Failure::Aborted;
        finish(Stage::Closed);
    } else {
        stage = Stage::Closed;
        socket->abort();
    }
}

void HttpConnection::onConnected()
{
    if (stage != Stage::Connecting)
        return;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    stage = Stage::Head;
    socket->write(std::exchange(pending, {}));
}

void HttpConnection::onReadyRead()
{
    if (stage == Stage::Idle) {
        // Nothing was asked: the connection is out of step with the server.
        stage = Stage::Closed;
        socket->abort();
        return;
    }
    if (!isBusy() || stage == Stage::Connecting)
        return;
    const QByteArray data = socket->readAll();
    if (data.isEmpty())
        return;
    answer.anyByte = true;
    buffer += data;
    parse();
}

void HttpConnection::onEnded(bool tlsFailure)
{
    if (stage == Stage::Idle) {
        stage = Stage::Closed;
        return;
    }
    if (!isBusy())
        return;
    ending = true;
    if (tlsFailure) {
        fail(HttpAnswer::Failure::TlsFailed);
    } else if (stage == Stage::ToClose) {
        // The end of the connection is the end of the body.
        buffer += socket->readAll();
        parse();
        if (stage == Stage::ToClose)
            complete();
    } else {
        fail(stage == Stage::Connecting && !everConnected ? HttpAnswer::Failure::Unreachable
                                                          : HttpAnswer::Failure::Closed);
    }
    ending = false;
}

void HttpConnection::parse()
{
    using Failure = HttpAnswer::Failure;
    QByteArray line;
    for (;;) {
        switch (stage) {
        case Stage::Head: {
            const qsizetype end = headEnd(buffer);
            if (end < 0) {
                if (buffer.size() > kMaxHeadBytes)
                    fail(Failure::Malformed);
                return;
            }
            const bool read = readHead(buffer.left(end));
            buffer.remove(0, end);
            if (!read)
                return fail(Failure::Malformed);
            if (answer.status < 200) // 100 Continue, 102 Processing: the answer follows
                continue;
            const QByteArray coding = answer.header("transfer-encoding").toLower();
            const QByteArray length = answer.header("content-length");
            if (answer.status == 204 || answer.status == 304)
                return complete();
            if (coding.endsWith("chunked")) {
                stage = Stage::ChunkSize;
            } else if (coding.isEmpty() && !length.isEmpty()) {
                bool ok = false;
                remaining = length.toLongLong(&ok);
                if (!ok || remaining < 0)
                    return fail(Failure::Malformed);
                if (remaining > maxBody)
                    return fail(Failure::TooLarge);
                stage = Stage::Fixed;
            } else {
                stage = Stage::ToClose;
                keepOpen = false;
            }
            continue;
        }
        case Stage::Fixed:
            takeBody(qMin<qint64>(remaining, buffer.size()));
            if (remaining == 0)
                complete();
            return;
        case Stage::ChunkSize: {
            if (!takeLine(line))
                return buffer.size() > kMaxHeadBytes ? fail(Failure::Malformed) : void();
            const qsizetype extension = line.indexOf(';');
            const QByteArray digits = (extension < 0 ? line : line.left(extension)).trimmed();
            bool ok = false;
            remaining = digits.toLongLong(&ok, 16);
            if (!ok || remaining < 0)
                return fail(Failure::Malformed);
            if (answer.body.size() + remaining > maxBody)
                return fail(Failure::TooLarge);
            stage = remaining == 0 ? Stage::Trailers : Stage::ChunkData;
            continue;
        }
        case Stage::ChunkData:
            takeBody(qMin<qint64>(remaining, buffer.size()));
            if (remaining > 0)
                return;
            stage = Stage::ChunkEnd;
            continue;
        case Stage::ChunkEnd:
            if (!takeLine(line))
                return buffer.size() >= 2 ? fail(Failure::Malformed) : void();
            if (!line.isEmpty())
                return fail(Failure::Malformed);
            stage = Stage::ChunkSize;
            continue;
        case Stage::Trailers:
            if (!takeLine(line))
                return buffer.size() > kMaxHeadBytes ? fail(Failure::Malformed) : void();
            if (line.isEmpty())
                return complete();
            continue;
        case Stage::ToClose:
            answer.body += std::exchange(buffer, {});
            if (answer.body.size() > maxBody)
                fail(Failure::TooLarge);
            return;
        default:
            return;
        }
    }
}

// The status line and header fields; false when they are not HTTP/1.x.
bool HttpConnection::readHead(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QByteArray status = lines.first().trimmed();
    if (!status.startsWith("HTTP/1.") || status.size() < 12 || status[8] != ' ' ||
        (status.size() > 12 && status[12] != ' '))
        return false;
    bool ok = false;
    answer.status = status.mid(9, 3).toInt(&ok);
    if (!ok || answer.status < 100 || answer.status > 999)
        return false;
    const bool http10 = status.startsWith("HTTP/1.0");
    answer.headers.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& text = lines.at(i);
        if (text.trimmed().isEmpty())
            continue;
        if (text.startsWith(' ') || text.startsWith('\t')) { // a folded line goes on the last
            if (answer.headers.isEmpty())
                return false;
            answer.headers.last().second += ' ' + text.trimmed();
            continue;
        }
        const qsizetype colon = text.indexOf(':');
        if (colon <= 0)
            return false;
        answer.headers.append(
            {text.left(colon).trimmed().toLower(), text.mid(colon + 1).trimmed()});
    }
    keepOpen = !http10;
    for (const QByteArray& option : answer.header("connection").toLower().split(',')) {
        if (option.trimmed() == "close")
            keepOpen = false;
        else if (option.trimmed() == "keep-alive")
            keepOpen = keepOpen || http10;
    }
    return true;
}

bool HttpConnection::takeLine(QByteArray& line)
{
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0)
        return false;
    line = buffer.left(end > 0 && buffer[end - 1] == '\r' ? end - 1 : end);
    buffer.remove(0, end + 1);
    return true;
}

void HttpConnection::takeBody(qint64 count)
{
    if (count == buffer.size() && answer.body.isEmpty()) {
        answer.body = std::exchange(buffer, {});
    } else {
        answer.body.append(buffer.constData(), count);
        buffer.remove(0, count);
    }
    remaining -= count;
}

void HttpConnection::complete()
{
    // Bytes past the answer would put the connection out of step with the server.
    const bool reusable = keepOpen && buffer.isEmpty() && !ending &&
                          socket->state() == QAbstractSocket::ConnectedState;
    finish(reusable ? Stage::Idle : Stage::Closed);
}

void HttpConnection::fail(HttpAnswer::Failure failure)
{
    answer.failure = failure;
    finish(Stage::Closed);
}

void HttpConnection::finish(Stage next)
{
    stage = next;
    if (next == Stage::Closed) {
        buffer.clear();
        pending.clear();
        if (!ending) // in the socket's own end the socket closes itself
            socket->abort();
    }
    Done done = std::exchange(whenDone, {});
    HttpAnswer result = std::exchange(answer, {});
    if (!done)
        return;
    if (sending) {
        // A connection that failed at once: its end comes as every other does,
        // from the event loop, not before send() has returned.
        owed = true;
        QMetaObject::invokeMethod(
            socket.get(),
            [this, done = std::move(done), result = std::move(result)]() mutable {
                owed = false;
                done(std::move(result));
            },
            Qt::QueuedConnection);
        return;
    }
    done(std::move(result));
}

} // namespace tavrel
