#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace tavrel::test {

// A private tinyproxy on 127.0.0.1 that serves this machine only and tunnels
// (CONNECT) to port 443 only, logging each request. Stopped when destroyed.
class ProxyServer {
public:
    ProxyServer();
    ~ProxyServer();

    bool running() const { return failure.isEmpty(); }
    QString whyNotRunning() const { return failure; }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)); }
    // What it logged so far.
    QByteArray log() const;

private:
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString failure;
};

} // namespace tavrel::test
