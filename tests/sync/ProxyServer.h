#pragma once

#include "LoopbackProcess.h"

#include <QUrl>

namespace tavrel::test {

// A private tinyproxy on 127.0.0.1 that serves this machine only and tunnels
// (CONNECT) to port 443 only, logging each request. Stopped when destroyed.
class ProxyServer {
public:
    ProxyServer();

    bool running() const { return process.running(); }
    QString whyNotRunning() const { return process.whyNotRunning(); }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(process.port())); }
    // What it logged so far.
    QByteArray log() const;

private:
    LoopbackProcess process{QStringLiteral("tinyproxy"),
                            {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")}};
};

} // namespace tavrel::test
