#pragma once

// A go-between on 127.0.0.1 that hands each request to a real server and its
// answer back, except that, while cutting, a PUT reaches the server and its
// answer never comes back: `cut` runs (kills the syncing process, say) and
// the connection drops. That is the moment between a card stored and the sync
// that sent it learning so. Or each PUT goes twice, the first answer lost.
#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <functional>

namespace tavrel::test {

class CutAfterPut : public QObject {
public:
    explicit CutAfterPut(quint16 upstreamPort) : upstream(upstreamPort)
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, this,
                                 [this, socket] { relay(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    pending.remove(socket);
                    socket->deleteLater();
                });
            }
        });
    }
    // `url` with this go-between's port in place of the server's.
    QUrl through(QUrl url) const
    {
        url.setPort(server.serverPort());
        return url;
    }
    // Stops listening, for a forked process that must not answer in its place.
    void closeInChild() { server.close(); }

    bool cutting = false;
    // While doubling, each PUT reaches the server twice and only the second
    // answer comes back: a killed sync's card landing late, just before the
    // next sync sends it again, or a request repeated after its connection dropped.
    bool doubling = false;
    int doubled = 0;
    std::function<void()> cut;
    int cuts = 0;

private:
    static qsizetype lengthOf(const QByteArray& head)
    {
        for (const QByteArray& line : head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                return line.mid(15).trimmed().toLongLong();
        return 0;
    }

    // Whole messages only: the head and as much body as it announces.
    static qsizetype messageEnd(const QByteArray& bytes)
    {
        const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return -1;
        const qsizetype end = headEnd + 4 + lengthOf(bytes.left(headEnd));
        return bytes.size() >= end ? end : -1;
    }

    QByteArray ask(const QByteArray& request) const
    {
        QTcpSocket up;
        up.connectToHost(QHostAddress::LocalHost, upstream);
        if (!up.waitForConnected(5000))
            return {};
        up.write(request);
        QByteArray answer;
        while (messageEnd(answer) < 0 && up.waitForReadyRead(10000))
            answer += up.readAll();
        return answer.left(messageEnd(answer));
    }

    void relay(QTcpSocket* socket)
    {
        QByteArray& buffer = pending[socket];
        buffer += socket->readAll();
        for (qsizetype end = messageEnd(buffer); end >= 0; end = messageEnd(buffer)) {
            const QByteArray request = buffer.left(end);
            buffer.remove(0, end);
            if (doubling && request.startsWith("PUT ")) {
                ++doubled;
                ask(request);
            }
            const QByteArray answer = ask(request);
            if (cutting && request.startsWith("PUT ")) {
                ++cuts;
                if (cut)
                    cut();
                pending.remove(socket);
                socket->abort();
                return;
            }
            socket->write(answer);
        }
    }

    quint16 upstream;
    QTcpServer server;
    QHash<QTcpSocket*, QByteArray> pending;
};

} // namespace tavrel::test
