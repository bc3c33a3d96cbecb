#pragma once

#include "RadicaleServer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

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
    ~DigestServer();

    bool running() const { return failure.isEmpty(); }
    QString whyNotRunning() const { return failure; }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)); }
    QUrl home() const { return base().resolved(QUrl(QLatin1String("/") + user + '/')); }

private:
    QString configure(quint16 radicalePort);

    RadicaleServer radicale{true};
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString failure;
};

} // namespace tavrel::test
