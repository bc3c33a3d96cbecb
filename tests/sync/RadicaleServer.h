#pragma once

#include "sync/CardDavClient.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

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
    ~RadicaleServer();

    bool running() const { return failure.isEmpty(); }
    QString whyNotRunning() const { return failure; }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)); }
    // The user's own collection.
    QUrl home() const { return base().resolved(QUrl(QLatin1String("/") + user + '/')); }

private:
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString failure;
};

// Tests against one server per suite. CI must run them: there a server that
// does not start is a failure; elsewhere the tests are skipped, saying why.
class RadicaleFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
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
        return {server->base(), RadicaleServer::user, RadicaleServer::password, false, 10000};
    }
    // A new, empty address book of the test's own.
    static QUrl newBook(const QString& name, const QString& title)
    {
        const QUrl url = server->home().resolved(QUrl(name + QLatin1Char('/')));
        const DavResult made = CardDavClient(settings()).createAddressBook(url, title);
        EXPECT_TRUE(made.ok()) << made.message.toStdString();
        return url;
    }

    static inline std::unique_ptr<RadicaleServer> server;
};

} // namespace tavrel::test
