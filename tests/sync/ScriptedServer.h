#pragma once

// A small loopback server in the test's own thread that answers what each case
// scripts: what a real server will not do on demand.
#include "sync/CardDavClient.h"

#include <QHash>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <optional>

namespace tavrel::test {

// The value of a header line of a request's or answer's head, or null when it
// has none.
inline QByteArray headerValue(const QByteArray& head, const QByteArray& name)
{
    for (const QByteArray& line : head.split('\n'))
        if (line.toLower().startsWith(name.toLower() + ':'))
            return line.mid(name.size() + 1).trimmed();
    return {};
}

// Takes the first whole request off what a connection has sent so far: its
// head (without the blank line) and the body its Content-Length promises.
// False, leaving `received` as it is, while the request is not all there.
inline bool takeRequest(QByteArray& received, QByteArray& head, QByteArray& body)
{
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    const qsizetype length = headerValue(received.left(headEnd), "Content-Length").toLongLong();
    if (received.size() < headEnd + 4 + length)
        return false;
    head = received.left(headEnd);
    body = received.mid(headEnd + 4, length);
    received.remove(0, headEnd + 4 + length);
    return true;
}

struct Request {
    QByteArray method, path, body;
    QTcpSocket* socket; // for an answer given later
    QByteArray head;    // the request line and header lines

    // The value of a header line, or null when the request has none.
    QByteArray header(const QByteArray& name) const { return headerValue(head, name); }

    // The hrefs a multiget asks for, as written.
    QStringList askedHrefs() const
    {
        static const QRegularExpression href(QStringLiteral("<d:href>([^<]*)</d:href>"));
        QStringList out;
        for (auto it = href.globalMatch(QString::fromUtf8(body)); it.hasNext();)
            out << it.next().captured(1).replace(QLatin1String("&amp;"), QLatin1String("&"));
        return out;
    }
    bool isMultiget() const { return body.contains("addressbook-multiget"); }
    bool isSyncReport() const { return body.contains("sync-collection"); }
    bool asksReports() const { return body.contains("supported-report-set"); }
    // The token of a sync-collection report.
    QByteArray token() const
    {
        const qsizetype from = body.indexOf("<d:sync-token>") + 14;
        return body.mid(from, body.indexOf("</d:sync-token>") - from);
    }
};

// Answers each complete request with the bytes the script gives; a null answer
// means the server never answers. With a TLS configuration it serves https.
class ScriptedServer : public QObject {
public:
    using Script = std::function<QByteArray(const Request&)>;

    explicit ScriptedServer(Script s, const std::optional<QSslConfiguration>& tls = {})
        : script(std::move(s))
    {
        server.reset(tls ? new QSslServer : new QTcpServer);
        if (tls)
            static_cast<QSslServer*>(server.get())->setSslConfiguration(*tls);
        server->listen(QHostAddress::LocalHost, 0);
        QObject::connect(server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = server->nextPendingConnection()) {
                ++connections;
                QObject::connect(socket, &QTcpSocket::readyRead, this,
                                 [this, socket] { read(socket); });
            }
        });
        scheme = tls ? QStringLiteral("https") : QStringLiteral("http");
    }
    QUrl url(const QString& path = QStringLiteral("/")) const
    {
        return QUrl(
            QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(server->serverPort()).arg(path));
    }
    // The address book most scripts serve.
    QUrl book() const { return url(QStringLiteral("/book/")); }
    // A client's settings for this server, with a password no message may show.
    DavSettings settings(int timeoutMs = 5000) const
    {
        return {url(), QStringLiteral("ann"), QStringLiteral("s3cret-pw"), false, timeoutMs};
    }
    int requests = 0;
    int connections = 0;       // accepted (for https: with the handshake done)
    QList<QByteArray> heads;   // of every request, in the order they came
    Request last{};            // the latest request
    QList<qint64> answerSizes; // body bytes of each answer given at once

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = pending[socket];
        buffer += socket->readAll();
        QByteArray head, body;
        if (!takeRequest(buffer, head, body))
            return;
        const QList<QByteArray> first = head.left(head.indexOf('\r')).split(' ');
        const Request request{first.value(0), first.value(1), body, socket, head};
        heads << head;
        last = request;
        ++requests;
        const QByteArray answer = script(request);
        if (!answer.isNull()) {
            answerSizes << answer.size() - answer.indexOf("\r\n\r\n") - 4;
            socket->write(answer);
        }
        if (answer.contains("Connection: close"))
            socket->disconnectFromHost();
    }

    std::unique_ptr<QTcpServer> server;
    QString scheme;
    Script script;
    QHash<QTcpSocket*, QByteArray> pending;
};

inline QByteArray http(const QByteArray& status, const QByteArray& body,
                       const QByteArray& extra = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: application/xml\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n" + extra + "\r\n" + body;
}

// A multi-status answer of the responses, with a sync token when one is given.
inline QByteArray multi(const QByteArray& responses, const QByteArray& token = {})
{
    return http("207 Multi-Status",
                "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
                "xmlns:c=\"urn:ietf:params:xml:ns:carddav\">" +
                    responses +
                    (token.isNull() ? QByteArray() : "<d:sync-token>" + token + "</d:sync-token>") +
                    "</d:multistatus>");
}

// A member with its properties, all found.
inline QByteArray member(const QByteArray& href, const QByteArray& props)
{
    return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop>" + props +
           "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
}

inline QByteArray etagged(const QByteArray& href, const QByteArray& etag)
{
    return member(href, "<d:getetag>\"" + etag + "\"</d:getetag>");
}

// A member the server names as gone, or (for the book itself) 507 when cut short.
inline QByteArray withStatus(const QByteArray& href, int status)
{
    return "<d:response><d:href>" + href + "</d:href><d:status>HTTP/1.1 " +
           QByteArray::number(status) + " Status</d:status></d:response>";
}

// The answer to PROPFIND of the supported reports: sync-collection or not.
inline QByteArray reports(bool syncCollection)
{
    return multi(member("/book/", syncCollection ? "<d:supported-report-set><d:supported-"
                                                   "report><d:report><d:sync-collection/>"
                                                   "</d:report></d:supported-report>"
                                                   "</d:supported-report-set>"
                                                 : "<d:supported-report-set/>"));
}

// A script that gives every request the same answer.
inline ScriptedServer::Script always(const QByteArray& answer)
{
    return [answer](const Request&) { return answer; };
}

inline QByteArray bodyOf(const QByteArray& answer)
{
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

// A book that offers no sync-collection report, with two cards.
inline QByteArray bookWithoutSyncReport(const Request& r)
{
    if (r.asksReports())
        return multi(member("/book/", "<d:supported-report-set><d:supported-report><d:report>"
                                      "<d:expand-property/></d:report></d:supported-report>"
                                      "</d:supported-report-set>"));
    return multi(member("/book/", "<d:resourcetype><d:collection/></d:resourcetype>"
                                  "<d:getetag>\"c\"</d:getetag>") +
                 member("/book/a.vcf", "<d:resourcetype/><d:getetag>\"1\"</d:getetag>") +
                 "<d:response><d:href>/book/b%20c.vcf</d:href><d:propstat><d:prop>"
                 "<d:getetag>\"2\"</d:getetag></d:prop><d:status>HTTP/1.1 299 Fine</d:status>"
                 "</d:propstat></d:response>"
                 "<d:response><d:href>/book/gone.vcf</d:href><d:propstat><d:prop><d:getetag/>"
                 "</d:prop><d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>");
}

} // namespace tavrel::test
