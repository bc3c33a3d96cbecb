#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

namespace tavrel::test {

// A private Xandikos CardDAV server on 127.0.0.1 with a free port and its own
// folder, stopped when destroyed. It asks for no password: what the client
// sends is passed over.
class XandikosServer {
public:
    static constexpr char user[] = "user";
    static constexpr char password[] = "unused-by-xandikos";

    XandikosServer();
    ~XandikosServer();

    bool running() const { return failure.isEmpty(); }
    QString whyNotRunning() const { return failure; }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)); }
    // Where the user's address books are made.
    QUrl home() const { return base().resolved(QUrl(QStringLiteral("/user/contacts/"))); }

private:
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString failure;
};

} // namespace tavrel::test
