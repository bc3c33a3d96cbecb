// The transport's rules against hostile or unusual servers: where the password
// goes, what a header may carry, slow answers, storage limits and certificates.
#include "ScriptedServer.h"
#include "TestCertificate.h"
#include "support/TestEnv.h"
#include "sync/CardDavClient.h"
#include "sync/HttpHeaders.h"
#include "sync/HttpTransport.h"
#include "sync/SyncCommandLine.h"
#include "sync/SyncState.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTextStream>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

bool carriesPassword(const QByteArray& head)
{
    return head.toLower().contains("\nauthorization:");
}

TEST(TransportTest, ThePasswordGoesOnlyToTheAccountsOwnServer)
{
    ScriptedServer elsewhere(bookWithoutSyncReport);
    ScriptedServer own([&](const Request& r) {
        if (r.path == "/moved/")
            return http("307 Temporary", {},
                        "Location: " + elsewhere.url("/book/").toEncoded() + "\r\n");
        if (r.path == "/book")
            return http("301 Moved", {}, "Location: /book/\r\n");
        return bookWithoutSyncReport(r);
    });
    CardDavClient client(own.settings());
    DavChanges changes;
    // Sent on within the same server: the password goes along.
    ASSERT_TRUE(client.listChanges(own.url(QStringLiteral("/book")), {}, changes).ok());
    ASSERT_EQ(own.heads.size(), 4);
    for (const QByteArray& head : std::as_const(own.heads))
        EXPECT_TRUE(carriesPassword(head)) << head.toStdString();
    // Sent on to another server: followed, without the password (and the
    // listing is refused there, as its members are not the book's).
    const DavResult moved = client.listChanges(own.url(QStringLiteral("/moved/")), {}, changes);
    EXPECT_EQ(moved.outcome, DavOutcome::BadAnswer) << moved.message.toStdString();
    const qsizetype listedThere = elsewhere.heads.size();
    EXPECT_GE(listedThere, 1);
    // A card named by an absolute address on another server.
    QString etag;
    client.putChanged(elsewhere.url(QStringLiteral("/x.vcf")), "BEGIN:VCARD\r\n", "\"1\"", etag);
    client.remove(elsewhere.url(QStringLiteral("/y.vcf")), QStringLiteral("\"2\""));
    ASSERT_EQ(elsewhere.heads.size(), listedThere + 2);
    for (const QByteArray& head : std::as_const(elsewhere.heads))
        EXPECT_FALSE(carriesPassword(head)) << head.toStdString();
    EXPECT_TRUE(carriesPassword(own.heads.last()));
}

TEST(TransportTest, DiscoverySentToAnotherServerAsksFirstAndSendsNothingThere)
{
    ScriptedServer elsewhere(bookWithoutSyncReport);
    ScriptedServer own([&](const Request&) {
        return http("301 Moved", {}, "Location: " + elsewhere.url("/dav/").toEncoded() + "\r\n");
    });
    QList<DavAddressBook> books;
    const DavResult found = CardDavClient(own.settings()).discover(books);
    EXPECT_EQ(found.outcome, DavOutcome::OtherOrigin);
    EXPECT_EQ(found.movedTo, elsewhere.url(QStringLiteral("/dav/")));
    EXPECT_TRUE(found.message.contains(elsewhere.url(QStringLiteral("/dav/")).toDisplayString()))
        << found.message.toStdString();
    EXPECT_EQ(elsewhere.requests, 0);
    EXPECT_TRUE(books.isEmpty());
}

TEST(TransportTest, AValueWithALineBreakOrNulNeverGoesIntoAHeader)
{
    ScriptedServer server(always(http("201 Created", {}, "ETag: \"new\"\r\n")));
    CardDavClient client(server.settings());
    const QUrl card = server.url(QStringLiteral("/book/a.vcf"));
    QString etag;
    const DavResult put =
        client.putChanged(card, "BEGIN:VCARD\r\n", "\"1\"\r\nX-Injected: yes", etag);
    EXPECT_EQ(put.outcome, DavOutcome::BadAnswer);
    EXPECT_TRUE(put.message.contains(QLatin1String("line break"))) << put.message.toStdString();
    EXPECT_EQ(client.remove(card, QString::fromLatin1("\"a\0b\"", 5)).outcome,
              DavOutcome::BadAnswer);
    EXPECT_EQ(client.remove(card, QStringLiteral("\"a\nb\"")).outcome, DavOutcome::BadAnswer);
    EXPECT_EQ(server.requests, 0);
    // Among several cards, only the one with the bad value stays back.
    const QList<DavPutAnswer> answers =
        client.putCards({{card, "A", {}},
                         {card, "B", QStringLiteral("\"2\"\r\nX-Injected: 1")},
                         {card, "C", QStringLiteral("\"3\"")}});
    ASSERT_EQ(answers.size(), 3);
    EXPECT_TRUE(answers[0].result.ok());
    EXPECT_EQ(answers[1].result.outcome, DavOutcome::BadAnswer);
    EXPECT_TRUE(answers[2].result.ok());
    EXPECT_EQ(server.requests, 2);
    for (const QByteArray& head : std::as_const(server.heads))
        EXPECT_FALSE(head.contains("X-Injected")) << head.toStdString();
}

// Only a well-formed entity tag counts as the card's new ETag.
TEST(TransportTest, ETagsAreReadByTheirGrammar)
{
    const struct {
        QByteArray sent;
        QString kept;
    } cases[] = {
        {"\"v1\"", QStringLiteral("\"v1\"")},
        {"W/\"v-2\"", QStringLiteral("W/\"v-2\"")},
        {"  \"\"  ", QStringLiteral("\"\"")},
        {"v3", {}},
        {"\"a\" \"b\"", {}},
        {"\"a\"b\"", {}},
        {"\"open", {}},
        {"w/\"x\"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent.toStdString());
        ScriptedServer server(always(http("201 Created", {}, "ETag: " + c.sent + "\r\n")));
        QString etag = QStringLiteral("before");
        ASSERT_TRUE(CardDavClient(server.settings())
                        .putNew(server.url(QStringLiteral("/b/a.vcf")), "A", etag)
                        .ok());
        EXPECT_EQ(etag, c.kept);
    }
}

TEST(TransportTest, ChallengesAreReadByTheirGrammar)
{
    const struct {
        QByteArray field;
        bool basic, digest, other;
    } cases[] = {
        {"Basic realm=\"x\"", true, false, false},
        {"Digest realm=\"Basic, here\", nonce=\"abc\", qop=\"auth\"", false, true, false},
        {"Basic realm=\"a\", Digest realm=\"b\", nonce=\"c\"", true, true, false},
        {"Newauth realm=\"apps\", type=1, title=\"Login to \\\"Basic\\\"\", Digest nonce=\"d\"",
         false, true, true},
        {"digest REALM = \"x\"", false, true, false},
        {"Bearer", false, false, true},
        {"", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        const AuthChallenges found = readChallenges({c.field});
        EXPECT_EQ(found.basic, c.basic);
        EXPECT_EQ(found.digest, c.digest);
        EXPECT_EQ(found.other, c.other);
    }
}

TEST(TransportTest, AFullStorageIsToldAsSuch)
{
    ScriptedServer server(always(http("507 Insufficient Storage", {})));
    QString etag;
    const DavResult put =
        CardDavClient(server.settings()).putNew(server.url(QStringLiteral("/b/a.vcf")), "A", etag);
    EXPECT_EQ(put.outcome, DavOutcome::StorageFull);
    EXPECT_TRUE(put.message.contains(QLatin1String("storage"))) << put.message.toStdString();
    EXPECT_FALSE(put.message.contains(QLatin1String("later"))) << put.message.toStdString();
}

// A connection that drops before any answer (a reused one that died, say): a
// request safe to send twice goes once more, on a connection of its own, and
// only once; a write that may not be repeated reports the drop.
TEST(TransportTest, ADroppedRequestSafeToRepeatIsSentOnceMoreOnAFreshConnection)
{
    int drops = 0;
    ScriptedServer server([&drops](const Request& r) {
        if (drops-- > 0) {
            r.socket->disconnectFromHost();
            return QByteArray();
        }
        return http("201 Created", {}, "ETag: \"e1\"\r\n");
    });
    const auto send = [&](const QByteArray& verb, const HttpHeaders& headers, int dropping) {
        HttpTransport transport({}); // no connection of an earlier case to reuse
        drops = dropping;
        server.requests = server.connections = 0;
        const HttpRequest request{verb, server.url(QStringLiteral("/book/a.vcf")), headers,
                                  verb == "PUT" ? QByteArray("BEGIN:VCARD") : QByteArray()};
        HttpAnswer answer;
        QEventLoop loop;
        transport.start(request, 5000, [&](HttpAnswer&& a) {
            answer = std::move(a);
            loop.quit();
        });
        if (transport.running())
            loop.exec();
        return answer;
    };
    const HttpHeaders none;
    struct Case {
        QByteArray verb;
        HttpHeaders headers;
        int drops;
        int status;
        int requests;
    };
    const QList<Case> cases{
        {"GET", none, 1, 201, 2},
        {"PROPFIND", {{"Depth", "0"}}, 1, 201, 2},
        {"REPORT", none, 1, 201, 2},
        {"PUT", {{"If-None-Match", "*"}}, 1, 201, 2},
        {"PUT", {{"If-Match", "\"e0\""}}, 1, 201, 2},
        {"DELETE", {{"If-Match", "\"e0\""}}, 1, 201, 2},
        {"GET", none, 5, 0, 2}, // never more than once again
        {"PUT", none, 1, 0, 1},
        {"DELETE", none, 1, 0, 1},
        {"MKCOL", none, 1, 0, 1},
        {"GET", none, 0, 201, 1},
    };
    for (const Case& c : cases) {
        const HttpAnswer a = send(c.verb, c.headers, c.drops);
        const std::string what = c.verb.toStdString() + " dropped " + std::to_string(c.drops);
        EXPECT_EQ(a.status, c.status) << what;
        EXPECT_EQ(server.requests, c.requests) << what;
        EXPECT_EQ(server.connections, c.requests) << what;
        EXPECT_EQ(a.failure, c.status ? HttpAnswer::Failure::None : HttpAnswer::Failure::Closed)
            << what;
    }
}

// An answer that comes a little at a time takes as long as it needs, as long as
// each piece comes within the idle time.
TEST(TransportTest, ATrickleLongerThanTheIdleTimeCompletes)
{
    ScriptedServer server([](const Request& r) {
        const QByteArray whole = bookWithoutSyncReport(r);
        auto* timer = new QTimer(r.socket);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [timer, whole, at = qsizetype(0), socket = r.socket]() mutable {
                             socket->write(whole.mid(at, 40));
                             at += 40;
                             if (at >= whole.size())
                                 timer->deleteLater();
                         });
        timer->start();
        return QByteArray();
    });
    CardDavClient client(server.settings(400));
    QElapsedTimer clock;
    clock.start();
    bool offered = true;
    const DavResult asked =
        client.offersSyncCollection(server.url(QStringLiteral("/book/")), offered);
    EXPECT_TRUE(asked.ok()) << asked.message.toStdString();
    EXPECT_FALSE(offered);
    EXPECT_GT(clock.elapsed(), 800);
}

// Each answer just within the idle time: the client's whole budget still ends the work.
TEST(TransportTest, AServerSlowAtEveryAnswerIsStoppedAtTheBudget)
{
    ScriptedServer server([](const Request& r) {
        QTimer::singleShot(300, r.socket, [socket = r.socket] {
            socket->write(http("201 Created", {}, "ETag: \"e\"\r\n"));
        });
        return QByteArray();
    });
    DavSettings settings = server.settings(500);
    settings.totalMs = 1400;
    settings.parallelRequests = 1;
    CardDavClient client(settings);
    QList<DavPut> puts;
    for (int i = 0; i < 12; ++i)
        puts << DavPut{server.url(QStringLiteral("/b/%1.vcf").arg(i)), "A", {}};
    QElapsedTimer clock;
    clock.start();
    const QList<DavPutAnswer> answers = client.putCards(puts);
    EXPECT_LT(clock.elapsed(), 2500);
    ASSERT_EQ(answers.size(), 12);
    EXPECT_TRUE(answers.first().result.ok());
    EXPECT_EQ(answers.last().result.outcome, DavOutcome::Timeout);
    EXPECT_TRUE(answers.last().result.message.contains(QLatin1String("stopped")))
        << answers.last().result.message.toStdString();
    EXPECT_LT(server.requests, 12);
}

// A server's TLS set-up with the self-signed certificate.
QSslConfiguration selfSigned()
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(testCertificate));
    tls.setPrivateKey(QSslKey(testKey, QSsl::Ec));
    return tls;
}

// A self-signed certificate: nothing goes until the user trusts its key; then
// requests go (redirects followed, one connection kept), and only to that key.
TEST(TransportTest, ASelfSignedCertificateIsTrustedOnlyByItsPin)
{
    ScriptedServer server(
        [](const Request& r) {
            return r.path == "/book" ? http("301 Moved", {}, "Location: /book/\r\n")
                                     : bookWithoutSyncReport(r);
        },
        selfSigned());
    DavChanges changes;
    const DavResult refused = CardDavClient(server.settings())
                                  .listChanges(server.url(QStringLiteral("/book/")), {}, changes);
    EXPECT_EQ(refused.outcome, DavOutcome::TlsFailed);
    EXPECT_TRUE(refused.message.startsWith(
        QLatin1String("The certificate of 127.0.0.1 is not signed by an authority")))
        << refused.message.toStdString();
    const QByteArray digest =
        QSslCertificate(testCertificate).digest(QCryptographicHash::Sha256).toHex().toUpper();
    EXPECT_EQ(refused.certificateFingerprint.toLatin1().replace(':', ""), digest);
    EXPECT_TRUE(refused.message.contains(refused.certificateFingerprint));
    EXPECT_TRUE(refused.certificatePin.startsWith(QLatin1String("sha256//")));
    EXPECT_EQ(server.requests, 0);

    DavSettings trusting = server.settings();
    trusting.certificatePin = refused.certificatePin;
    const int connectionsBefore = server.connections;
    const DavResult listed =
        CardDavClient(trusting).listChanges(server.url(QStringLiteral("/book")), {}, changes);
    EXPECT_TRUE(listed.ok()) << listed.message.toStdString();
    EXPECT_EQ(changes.changed.size(), 2);
    // The OPTIONS that asks how the password is taken, then both requests; each redirected.
    EXPECT_EQ(server.requests, 6);
    EXPECT_EQ(server.connections - connectionsBefore, 1);

    DavSettings wrong = server.settings();
    wrong.certificatePin =
        QStringLiteral("sha256//") +
        QString::fromLatin1(
            QCryptographicHash::hash("another key", QCryptographicHash::Sha256).toBase64());
    const DavResult mismatch =
        CardDavClient(wrong).listChanges(server.url(QStringLiteral("/book/")), {}, changes);
    EXPECT_EQ(mismatch.outcome, DavOutcome::TlsFailed);
    EXPECT_TRUE(mismatch.certificatePin.isEmpty());
    EXPECT_EQ(server.requests, 6);
}

// `tavrel --sync --setup` against a self-signed server: it says the pin and
// stops; given that pin it goes on and keeps the pin with the account.
TEST(TransportTest, TheCommandLineTrustsACertificateOnlyWhenTold)
{
    ScriptedServer server(
        [](const Request& r) {
            if (r.path != "/")
                return http("404 Not Found", {});
            return multi(
                member("/", "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"));
        },
        selfSigned());
    test::TestEnv env;
    env.openFile(test::people(1, 2));
    const auto run = [&env](const QStringList& args) {
        QString text;
        QTextStream out(&text);
        runSyncCommand(env.p(), args, QStringLiteral("s3cret-pw"), out);
        out.flush();
        return text;
    };
    const QString url = server.url().toString();
    const QString said = run({"--sync", "--setup", url, "ann"});
    const qsizetype at = said.indexOf(QLatin1String("--trust-certificate sha256//"));
    ASSERT_GE(at, 0) << said.toStdString();
    EXPECT_EQ(server.requests, 0);
    EXPECT_FALSE(loadSyncState(*env.files, nullptr)->configured());
    const QString pin = said.mid(at + 20).section(QLatin1Char('\n'), 0, 0).trimmed();
    run({"--sync", "--setup", url, "ann", "--trust-certificate", pin});
    EXPECT_GT(server.requests, 0);
    const std::optional<SyncState> kept = loadSyncState(*env.files, nullptr);
    ASSERT_TRUE(kept && kept->configured());
    EXPECT_EQ(kept->certificatePin, pin);
}

} // namespace
