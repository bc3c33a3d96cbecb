#pragma once

#include "sync/CardDavClient.h"

#include <QString>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace tavrel::test {

// Tests against one private server of the kind `Server` per suite, as
// RadicaleFixture does: CI must run them; elsewhere a server that does not
// start skips them, saying why.
template <class Server> class DavServerFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<Server>(); }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        if (!server->running() && qEnvironmentVariableIsSet("CI"))
            FAIL() << "CardDAV server did not start: " << server->whyNotRunning().toStdString();
        if (!server->running())
            GTEST_SKIP() << "CardDAV server tests skipped: "
                         << server->whyNotRunning().toStdString();
    }

    static DavSettings settings()
    {
        return {server->base(), Server::user, Server::password, false, 10000};
    }
    // A new, empty address book of the test's own.
    static QUrl newBook(const QString& name, const QString& title)
    {
        const QUrl url = server->home().resolved(QUrl(name + QLatin1Char('/')));
        const DavResult made = CardDavClient(settings()).createAddressBook(url, title);
        EXPECT_TRUE(made.ok()) << made.message.toStdString();
        return url;
    }

    static inline std::unique_ptr<Server> server;
};

} // namespace tavrel::test
