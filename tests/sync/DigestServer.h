#pragma once

#include "LoopbackProcess.h"
#include "RadicaleServer.h"

#include <QUrl>

namespace tavrel::test {

// Apache httpd on 127.0.0.1 asking for the password by Digest only, and
// passing the requests it lets through on to a private Radicale that takes the
// user Apache names. Stopped when destroyed. With `tls`, it speaks https with
// the test certificate and offers HTTP/2, and logs each request's protocol.
class DigestServer {
public:
    static constexpr char user[] = "dora";
    static constexpr char password[] = "quill-42-ferry";
    static constexpr char realm[] = "Tavrel test";

    explicit DigestServer(bool tls = false);

    bool running() const { return process.running(); }
    QString whyNotRunning() const { return process.whyNotRunning(); }
    QUrl base() const;
    QUrl home() const { return base().resolved(QUrl(QLatin1String("/") + user + '/')); }

    // "HTTP/1.1 PROPFIND /dora/" and the like, a line a request, so far.
    QByteArray requestLog() const;

private:
    QString configure(quint16 radicalePort);
    QString tlsConfiguration();

    bool tls;

    RadicaleServer radicale{true};
    LoopbackProcess process{QStringLiteral("/usr/sbin/apache2")};
};

} // namespace tavrel::test
