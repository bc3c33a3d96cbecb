#pragma once

#include "sync/CardDavClient.h"

#include <QString>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace tavrel::test {

// What every test that needs a real server or tool does when it is missing:
// CI must run the test, so there it fails; elsewhere the test is skipped,
// saying why in one line. Call it from SetUp.
inline void requireRunning(bool running, const QString& what, const QString& why)
{
    if (!running && qEnvironmentVariableIsSet("CI"))
        FAIL() << what.toStdString() << " did not start: " << why.toStdString();
    if (!running)
        GTEST_SKIP() << what.toStdString() << " tests skipped: " << why.toStdString();
}

// Tests against one private server of the kind `Server` per suite, started
// before the suite's first test and stopped after its last.
template <class Server> class DavServerFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<Server>(); }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        requireRunning(server->running(), QStringLiteral("CardDAV server"),
                       server->whyNotRunning());
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
