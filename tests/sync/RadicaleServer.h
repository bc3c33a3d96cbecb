#pragma once

#include "DavServerFixture.h"
#include "LoopbackProcess.h"

#include <QString>
#include <QUrl>

namespace tavrel::test {

// A private Radicale CardDAV server on 127.0.0.1 with a free port, its own
// storage folder and one user, stopped when destroyed.
class RadicaleServer {
public:
    static constexpr char user[] = "alice";
    static constexpr char password[] = "kettle-17-drum";

    // `behindProxy`: it takes the user a reverse proxy in front of it names in
    // X-Remote-User (the proxy checks the password).
    explicit RadicaleServer(bool behindProxy = false);

    bool running() const { return process.running(); }
    QString whyNotRunning() const { return process.whyNotRunning(); }
    QUrl base() const { return process.url(); }
    // The user's own collection.
    QUrl home() const { return base().resolved(QUrl(QLatin1String("/") + user + '/')); }

private:
    LoopbackProcess process{QStringLiteral("radicale")};
};

// Tests against one Radicale per suite.
using RadicaleFixture = DavServerFixture<RadicaleServer>;

} // namespace tavrel::test
