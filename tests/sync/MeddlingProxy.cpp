#include "MeddlingProxy.h"
#include "ScriptedServer.h"

#include <QRegularExpression>
#include <QTcpSocket>

namespace tavrel::test {

namespace {

QByteArray unchunked(const QByteArray& body)
{
    QByteArray out;
    for (qsizetype at = 0; at < body.size();) {
        const qsizetype lineEnd = body.indexOf("\r\n", at);
        if (lineEnd < 0)
            break;
        bool ok = false;
        const qsizetype size = body.mid(at, lineEnd - at).split(';').first().toLongLong(&ok, 16);
        if (!ok || size == 0)
            break;
        out += body.mid(lineEnd + 2, size);
        at = lineEnd + 2 + size + 2;
    }
    return out;
}

} // namespace

MeddlingProxy::MeddlingProxy(const QUrl& server, Meddle meddle)
    : server(server), meddle(std::move(meddle))
{
    listener.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&listener, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = listener.nextPendingConnection())
            QObject::connect(socket, &QTcpSocket::readyRead, this,
                             [this, socket] { read(socket); });
    });
}

QUrl MeddlingProxy::through(const QUrl& url) const
{
    QUrl moved = url;
    moved.setPort(listener.serverPort());
    return moved;
}

void MeddlingProxy::read(QTcpSocket* socket)
{
    QByteArray& buffer = pending[socket];
    buffer += socket->readAll();
    QByteArray head, body;
    if (takeRequest(buffer, head, body))
        socket->write(forward(head, body));
}

// Sends the request on over a connection of its own and gives back the
// server's answer, changed as the test says, with its length set anew.
QByteArray MeddlingProxy::forward(const QByteArray& head, const QByteArray& body)
{
    QByteArray request;
    for (const QByteArray& line : head.split('\n')) {
        const QByteArray name = line.left(line.indexOf(':')).trimmed().toLower();
        if (name != "connection" && name != "expect")
            request += line.trimmed() + "\r\n";
    }
    request += "Connection: close\r\n\r\n" + body;
    QTcpSocket upstream;
    upstream.connectToHost(server.host(), quint16(server.port()));
    if (!upstream.waitForConnected(5000))
        return "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n";
    upstream.write(request);
    QByteArray answer;
    while (upstream.waitForReadyRead(10000) || upstream.bytesAvailable())
        answer += upstream.readAll();
    const qsizetype headEnd = answer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n";
    const QByteArray answerHead = answer.left(headEnd);
    QByteArray answerBody = answer.mid(headEnd + 4);
    if (headerValue(answerHead, "Transfer-Encoding").toLower().contains("chunked"))
        answerBody = unchunked(answerBody);
    meddle(head.left(head.indexOf(' ')), body, answerBody);
    QByteArray out;
    for (const QByteArray& line : answerHead.split('\n')) {
        const QByteArray name = line.left(line.indexOf(':')).trimmed().toLower();
        if (name != "content-length" && name != "transfer-encoding" && name != "connection")
            out += line.trimmed() + "\r\n";
    }
    return out + "Content-Length: " + QByteArray::number(answerBody.size()) + "\r\n\r\n" +
           answerBody;
}

QByteArray withoutResponseFor(const QByteArray& multistatus, const QString& href)
{
    static const QRegularExpression response(
        QStringLiteral("<(\\w+:|)response\\b.*?</\\1response>"),
        QRegularExpression::DotMatchesEverythingOption);
    QString text = QString::fromUtf8(multistatus);
    QString kept;
    qsizetype at = 0;
    for (auto it = response.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        kept += text.mid(at, m.capturedStart() - at);
        if (!m.captured().contains(href))
            kept += m.captured();
        at = m.capturedEnd();
    }
    kept += text.mid(at);
    return kept.toUtf8();
}

} // namespace tavrel::test
