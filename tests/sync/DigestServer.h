#pragma once

#include "LoopbackProcess.h"
#include "RadicaleServer.h"

#include <QUrl>

namespace tavrel::test {

// Apache httpd on 127.0.0.1 asking for the password by Digest only, and
// passing the requests it lets through on to a private Radicale that takes the
// user Apache names. Stopped when destroyed.
class DigestServer {
public:
    static constexpr char user[] = "dora";
    static constexpr char password[] = "quill-42-ferry";
    static constexpr char realm[] = "Tavrel test";

    DigestServer();

    bool running() const { return process.running(); }
    QString whyNotRunning() const { return process.whyNotRunning(); }
    QUrl base() const { return process.url(); }
    QUrl home() const { return base().resolved(QUrl(QLatin1String("/") + user + '/')); }

private:
    QString configure(quint16 radicalePort);

    RadicaleServer radicale{true};
    LoopbackProcess process{QStringLiteral("/usr/sbin/apache2")};
};

} // namespace tavrel::test
