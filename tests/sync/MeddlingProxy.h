#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <functional>

class QTcpSocket;

namespace tavrel::test {

// Stands between a client and a server on 127.0.0.1, passing each request on
// and letting the test change the body of each answer before it goes back:
// a real server that misbehaves exactly where a case needs it.
class MeddlingProxy : public QObject {
public:
    // The request's method and body, and the answer's body to change in place.
    using Meddle = std::function<void(const QByteArray& method, const QByteArray& request,
                                      QByteArray& answer)>;

    MeddlingProxy(const QUrl& server, Meddle meddle);

    // The server's address `url` as reached through this proxy.
    QUrl through(const QUrl& url) const;

private:
    void read(QTcpSocket* socket);
    QByteArray forward(const QByteArray& head, const QByteArray& body);

    QTcpServer listener;
    QUrl server;
    Meddle meddle;
    QHash<QTcpSocket*, QByteArray> pending;
};

// The answer without each <response> element that names `href`.
QByteArray withoutResponseFor(const QByteArray& multistatus, const QString& href);

} // namespace tavrel::test
