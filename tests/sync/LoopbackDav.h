#pragma once

// A loopback HTTP server for the client's listing and fetching tests: each
// request is answered with the bytes a test's script gives, and helpers
// build the multi-status answers an address book at /book/ would give.

#include "sync/CardDavClient.h"

#include <QHash>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace tavrel::test {

struct DavRequest {
    QByteArray method, path, body;

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

class LoopbackDav : public QObject {
public:
    using Script = std::function<QByteArray(const DavRequest&)>;

    explicit LoopbackDav(Script s) : script(std::move(s))
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, this,
                                 [this, socket] { read(socket); });
        });
    }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }
    QUrl book() const { return url(QStringLiteral("/book/")); }
    DavSettings settings() const
    {
        return {url(QStringLiteral("/")), QStringLiteral("ann"), QStringLiteral("pw"), false, 5000};
    }

    QList<DavRequest> requests;
    QList<qint64> answerSizes; // body bytes of each answer

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = pending[socket];
        buffer += socket->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QByteArray head = buffer.left(headEnd);
        qsizetype length = 0;
        for (const QByteArray& line : head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        if (buffer.size() < headEnd + 4 + length)
            return;
        const QList<QByteArray> first = head.left(head.indexOf('\r')).split(' ');
        const DavRequest request{first.value(0), first.value(1), buffer.mid(headEnd + 4, length)};
        buffer.remove(0, headEnd + 4 + length);
        requests << request;
        const QByteArray answer = script(request);
        answerSizes << answer.size() - answer.indexOf("\r\n\r\n") - 4;
        socket->write(answer);
    }

    QTcpServer server;
    Script script;
    QHash<QTcpSocket*, QByteArray> pending;
};

inline QByteArray multiStatus(const QByteArray& responses, const QByteArray& token = {})
{
    const QByteArray body =
        "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
        "xmlns:c=\"urn:ietf:params:xml:ns:carddav\">" +
        responses + (token.isNull() ? QByteArray() : "<d:sync-token>" + token + "</d:sync-token>") +
        "</d:multistatus>";
    return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
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
    return multiStatus(member("/book/", syncCollection ? "<d:supported-report-set><d:supported-"
                                                         "report><d:report><d:sync-collection/>"
                                                         "</d:report></d:supported-report>"
                                                         "</d:supported-report-set>"
                                                       : "<d:supported-report-set/>"));
}

} // namespace tavrel::test
