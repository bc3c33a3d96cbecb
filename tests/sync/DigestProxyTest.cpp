// The client through real components users put in front of their servers:
// Apache asking for Digest, and a forwarding proxy.
#include "DavServerFixture.h"
#include "DigestServer.h"
#include "ProxyServer.h"
#include "RadicaleServer.h"
#include "TestCertificate.h"
#include "support/ScopedEnv.h"
#include "sync/CardDavClient.h"
#include "sync/HttpTransport.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-1\r\nFN:Ada Lovelace\r\n"
                        "N:Lovelace;Ada;;;\r\nEND:VCARD\r\n";

// Makes a book, stores a card, finds the book by discovery and reads the card
// back: every kind of request a sync sends.
void syncRound(CardDavClient& client, const QUrl& home)
{
    const QUrl book = home.resolved(QUrl(QStringLiteral("round/")));
    const DavResult made = client.createAddressBook(book, QStringLiteral("Round"));
    ASSERT_TRUE(made.ok()) << made.message.toStdString();
    QString etag;
    const DavResult put = client.putNew(book.resolved(QUrl(QStringLiteral("u-1.vcf"))), card, etag);
    ASSERT_TRUE(put.ok()) << put.message.toStdString();
    QList<DavAddressBook> books;
    const DavResult found = client.discover(books);
    ASSERT_TRUE(found.ok()) << found.message.toStdString();
    ASSERT_EQ(books.size(), 1);
    EXPECT_EQ(books[0].url.path(), book.path());
    DavChanges changes;
    ASSERT_TRUE(client.listChanges(book, {}, changes).ok());
    ASSERT_EQ(changes.changed.size(), 1);
    QList<DavCard> cards;
    QStringList missing;
    ASSERT_TRUE(client.fetchCards(book, {changes.changed[0].href}, cards, missing).ok());
    ASSERT_EQ(cards.size(), 1);
    EXPECT_TRUE(cards[0].data.contains("FN:Ada Lovelace\r\n"));
    EXPECT_TRUE(
        client.remove(book.resolved(QUrl(changes.changed[0].href)), changes.changed[0].etag).ok());
}

using DigestTest = DavServerFixture<DigestServer>;

// The first request offers Basic; a server that asks for Digest only gets it
// from then on, and the wrong password is still refused.
TEST_F(DigestTest, AServerThatTakesDigestOnlyIsAnsweredWithDigest)
{
    CardDavClient client(settings());
    syncRound(client, server->home());

    QList<DavAddressBook> books;
    const DavResult wrong =
        CardDavClient({server->base(), DigestServer::user, QStringLiteral("not-it"), false, 10000})
            .discover(books);
    EXPECT_EQ(wrong.outcome, DavOutcome::Unauthorized);
}

class Http2DigestServer : public DigestServer {
public:
    Http2DigestServer() : DigestServer(true) {}
};

using Http2Test = DavServerFixture<Http2DigestServer>;

// A server that offers HTTP/2 over TLS is spoken to in HTTP/2, every request
// of a sync, with the certificate the user trusted and Digest.
TEST_F(Http2Test, AServerOfferingHttp2IsSpokenToInHttp2)
{
    DavSettings s = settings();
    s.certificatePin = certificatePinOf(QString::fromLatin1(testCertificate));
    CardDavClient client(s);
    syncRound(client, server->home());

    const QList<QByteArray> requests = server->requestLog().trimmed().split('\n');
    EXPECT_GE(requests.size(), 7);
    for (const QByteArray& request : requests)
        EXPECT_TRUE(request.startsWith("HTTP/2.0 ")) << request.toStdString();
}

// Radicale with a forwarding proxy beside it: the proxy tests need both.
class ProxiedRadicale : public RadicaleServer {
public:
    bool running() const { return RadicaleServer::running() && proxy.running(); }
    QString whyNotRunning() const
    {
        return RadicaleServer::running() ? proxy.whyNotRunning() : RadicaleServer::whyNotRunning();
    }

    ProxyServer proxy;
};

using ProxyTest = DavServerFixture<ProxiedRadicale>;

// Plain http goes through the proxy as forwarded requests (the proxy tunnels to
// port 443 only, so a CONNECT would fail), named by the account or the environment.
TEST_F(ProxyTest, PlainHttpGoesThroughTheProxyAsForwardedRequests)
{
    ScopedEnv noProxy("no_proxy", QByteArray());
    ScopedEnv httpProxy("http_proxy", QByteArray());
    DavSettings named = settings();
    named.proxy = server->proxy.url();
    CardDavClient client(named);
    syncRound(client, server->home());
    const QByteArray log = server->proxy.log();
    EXPECT_TRUE(log.contains("PUT http://127.0.0.1:")) << log.right(2000).toStdString();
    EXPECT_TRUE(log.contains("REPORT http://127.0.0.1:")) << log.right(2000).toStdString();
    EXPECT_FALSE(log.contains("): CONNECT ")) << log.right(2000).toStdString();

    httpProxy.set(server->proxy.url().toEncoded());
    const qsizetype before = server->proxy.log().count("PROPFIND http://");
    QList<DavAddressBook> books;
    const DavResult found = CardDavClient(settings()).discover(books);
    EXPECT_TRUE(found.ok()) << found.message.toStdString();
    EXPECT_GT(server->proxy.log().count("PROPFIND http://"), before);
}

} // namespace
