// The one way the sync tests start a server: a free port and a folder of its
// own, ready once it accepts connections, gone when destroyed, and a reason in
// one line when it cannot run.
#include "LoopbackProcess.h"
#include "DavServerFixture.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QTcpSocket>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <memory>

using namespace tavrel::test;

namespace {

bool accepts(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(1000);
}

// A small web server over the process's own folder, on its own port.
void serveFolder(LoopbackProcess& process)
{
    process.start({QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                   QStringLiteral("127.0.0.1"), QStringLiteral("--directory"), process.folder(),
                   QString::number(process.port())});
}

TEST(LoopbackProcessTest, AServerThatCannotRunSaysWhyInOneLine)
{
    LoopbackProcess missing(QStringLiteral("tavrel-no-such-server"));
    missing.start({});
    EXPECT_FALSE(missing.prepared());
    EXPECT_FALSE(missing.running());
    EXPECT_EQ(
        missing.whyNotRunning(),
        QStringLiteral("tavrel-no-such-server is not installed (scripts/setup.sh installs it)"));

    LoopbackProcess quits(QStringLiteral("sh"));
    ASSERT_TRUE(quits.prepared()) << quits.whyNotRunning().toStdString();
    EXPECT_FALSE(quits.running());
    EXPECT_EQ(quits.whyNotRunning(), QStringLiteral("sh was not started"));
    quits.start({QStringLiteral("-c"), QStringLiteral("echo bad setting; echo in line 2; exit 3")});
    EXPECT_FALSE(quits.running());
    EXPECT_EQ(quits.whyNotRunning(), QStringLiteral("sh stopped at start: bad setting in line 2"));

    // The first reason stays: it is the one that explains the rest. And a
    // server that cannot run is not started at all.
    LoopbackProcess refused(QStringLiteral("python3"));
    refused.fail(QStringLiteral("the backend\ndid not start"));
    refused.fail(QStringLiteral("a later reason"));
    serveFolder(refused);
    EXPECT_FALSE(refused.running());
    EXPECT_EQ(refused.whyNotRunning(), QStringLiteral("the backend did not start"));
    EXPECT_FALSE(accepts(refused.port()));
}

TEST(LoopbackProcessTest, EachServerHasItsOwnPortAndFolderUntilItIsDestroyed)
{
    auto first = std::make_unique<LoopbackProcess>(QStringLiteral("python3"));
    LoopbackProcess second(QStringLiteral("python3"));
    if (!first->prepared())
        GTEST_SKIP() << "LoopbackProcess tests skipped: " << first->whyNotRunning().toStdString();
    serveFolder(*first);
    serveFolder(second);
    ASSERT_TRUE(first->running()) << first->whyNotRunning().toStdString();
    ASSERT_TRUE(second.running()) << second.whyNotRunning().toStdString();
    EXPECT_NE(first->port(), second.port());
    EXPECT_NE(first->folder(), second.folder());
    EXPECT_EQ(first->url(), QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(first->port())));
    EXPECT_EQ(first->filePath(QStringLiteral("a.conf")), QDir(first->folder()).filePath("a.conf"));
    EXPECT_TRUE(QDir(first->folder()).exists());
    EXPECT_TRUE(accepts(first->port()));

    const quint16 port = first->port();
    const QString folder = first->folder();
    first.reset();
    EXPECT_FALSE(accepts(port));
    EXPECT_FALSE(QDir(folder).exists());
    EXPECT_TRUE(accepts(second.port()));
}

// Under CI a server that did not start fails the test, with its reason; one
// that runs lets the test go on.
TEST(LoopbackProcessTest, UnderCiAServerThatDidNotStartFailsTheTest)
{
    ScopedEnv ci("CI", "1");
    EXPECT_FATAL_FAILURE(
        requireRunning(false, QStringLiteral("Apache"), QStringLiteral("apache2 is not installed")),
        "Apache did not start: apache2 is not installed");
    EXPECT_NO_FATAL_FAILURE(
        requireRunning(true, QStringLiteral("Apache"), QStringLiteral("not shown")));
    EXPECT_FALSE(IsSkipped());
}

} // namespace
