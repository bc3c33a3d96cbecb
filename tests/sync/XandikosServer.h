#pragma once

#include "LoopbackProcess.h"

#include <QString>
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

    bool running() const { return process.running(); }
    QString whyNotRunning() const { return process.whyNotRunning(); }
    QUrl base() const { return process.url(); }
    // Where the user's address books are made.
    QUrl home() const { return base().resolved(QUrl(QStringLiteral("/user/contacts/"))); }

private:
    LoopbackProcess process{QStringLiteral("xandikos")};
};

} // namespace tavrel::test
