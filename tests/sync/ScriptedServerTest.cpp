// The client against a small loopback server that answers what each case scripts:
// what a real server will not do on demand.
#include "ScriptedServer.h"
#include "support/TestEnv.h"
#include "sync/CardDavClient.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// The same answer with its body in chunks (one with an extension) and a trailer.
QByteArray chunked(const QByteArray& answer)
{
    const QByteArray body = bodyOf(answer);
    QByteArray out = answer.left(answer.indexOf("\r\n")) + "\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (qsizetype at = 0; at < body.size(); at += 0xab)
        out += QByteArray::number(qMin<qsizetype>(0xab, body.size() - at), 16) +
               (at == 0 ? ";part=1" : "") + "\r\n" + body.mid(at, 0xab) + "\r\n";
    return out + "0\r\nX-Checked: yes\r\n\r\n";
}

struct Case {
    const char* name;
    ScriptedServer::Script script;
    DavOutcome outcome;
    const char* message; // the start of the message the user reads
    int requests;        // how many reached the server (0: the network layer may retry)
    int connections = 0; // how many it accepted (0: not counted)
};

TEST(ScriptedServerTest, EachFaultOfTheServerEndsInItsOwnResultAndPlainWords)
{
    const QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE d:multistatus [<!ENTITY a "
                              "\"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
                              "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>&b;</d:href>"
                              "</d:response></d:multistatus>";
    const char* unreadable = "The server's answer could not be read.";
    const char* tooLarge = "The server's answer was larger than 1 MB";
    const Case cases[] = {
        {"malformed XML",
         always(http("207 Multi-Status", "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:hr")),
         DavOutcome::BadAnswer, unreadable, 1},
        {"entities are not expanded", always(http("207 Multi-Status", laughs)),
         DavOutcome::BadAnswer, unreadable, 1},
        {"not a multi-status", always(http("200 OK", "<html/>")), DavOutcome::BadAnswer, unreadable,
         1},
        {"announced huge",
         always("HTTP/1.1 207 Multi-Status\r\nContent-Length: 900000000\r\n\r\n"
                "<d:multistatus xmlns:d=\"DAV:\">"),
         DavOutcome::TooLarge, tooLarge, 1},
        // No length and no end: only the running count stops it.
        {"streamed huge",
         always("HTTP/1.1 207 Multi-Status\r\n\r\n" + QByteArray(3 * 1024 * 1024, ' ')),
         DavOutcome::TooLarge, tooLarge, 1},
        {"multiple choices", always(http("300 Multiple Choices", {})), DavOutcome::HttpError,
         "The server answered with status 300.", 1},
        // Every kind of redirect counts.
        {"redirect loop",
         [n = 0](const Request& r) mutable {
             const char* kinds[] = {"301 Moved", "307 Temporary", "308 Permanent", "303 See Other"};
             return http(kinds[n++ % 4], {}, "Location: " + r.path + "\r\n");
         },
         DavOutcome::TooManyRedirects, "The server sent the request on through too many", 4},
        {"redirect to another machine in plain http",
         always(http("302 Found", {}, "Location: http://192.0.2.7/b/\r\n")),
         DavOutcome::InsecureRefused, "Plain http to 192.0.2.7 would send the password", 1},
        {"no answer", always(QByteArray()), DavOutcome::Timeout,
         "The server at 127.0.0.1 did not answer within 1 seconds.", 1},
        {"server error", always(http("503 Unavailable", {})), DavOutcome::ServerError,
         "The server reported an error of its own (503).", 1},
        {"forbidden", always(http("403 Forbidden", {})), DavOutcome::Forbidden,
         "The server refused access to http://127.0.0.1:", 1},
        {"not found", always(http("404 Not Found", {})), DavOutcome::NotFound,
         "Nothing was found at http://127.0.0.1:", 1},
        {"conflict", always(http("409 Conflict", {})), DavOutcome::Conflict,
         "The server refused the change because it conflicts", 1},
        {"closed without a whole answer",
         always("HTTP/1.1 207 Multi-Status\r\nContent-Length: 500\r\nConnection: close\r\n\r\n<d:"),
         DavOutcome::BadAnswer, "The server at 127.0.0.1 closed the connection", 0},
        // Both requests over one connection the server keeps open.
        {"an interim answer first, then a chunked one",
         [](const Request& r) {
             return "HTTP/1.1 100 Continue\r\n\r\n" + chunked(bookWithoutSyncReport(r));
         },
         DavOutcome::Ok, nullptr, 2, 1},
        {"answers without length end at close",
         [](const Request& r) {
             return "HTTP/1.0 207 Multi-Status\r\nConnection: close\r\n\r\n" +
                    bodyOf(bookWithoutSyncReport(r));
         },
         DavOutcome::Ok, nullptr, 2, 2},
        {"a kept connection closed meanwhile: sent again on a new one",
         [used = QList<QTcpSocket*>()](const Request& r) mutable {
             if (used.contains(r.socket)) {
                 r.socket->abort();
                 return QByteArray();
             }
             used << r.socket;
             return bookWithoutSyncReport(r);
         },
         DavOutcome::Ok, nullptr, 3, 2},
        {"status line out of shape",
         [](const Request& r) {
             return bookWithoutSyncReport(r).replace("HTTP/1.1 207", "HTTP/1.1-207");
         },
         DavOutcome::BadAnswer, unreadable, 1},
        {"a stray propstat inside a propstat is passed over",
         [](const Request& r) {
             return http("207 Multi-Status",
                         bodyOf(bookWithoutSyncReport(r))
                             .replace("<d:propstat><d:prop><d:getetag>",
                                      "<d:propstat><d:propstat/><d:prop><d:getetag>"));
         },
         DavOutcome::Ok, nullptr, 2},
        // An HTTP/1.0 server that reads one request a connection and is slow to close it.
        {"HTTP/1.0 answers: a new connection for each",
         [used = QList<QTcpSocket*>()](const Request& r) mutable {
             if (used.contains(r.socket))
                 return QByteArray();
             used << r.socket;
             return bookWithoutSyncReport(r).replace("HTTP/1.1 207", "HTTP/1.0 207");
         },
         DavOutcome::Ok, nullptr, 2, 2},
        {"chunked huge",
         always(chunked(http("207 Multi-Status", QByteArray(1024 * 1024 + 1, ' ')))),
         DavOutcome::TooLarge, tooLarge, 1},
        {"answers exactly as large as allowed",
         [](const Request& r) {
             return http("207 Multi-Status",
                         bodyOf(bookWithoutSyncReport(r)).leftJustified(1 << 20));
         },
         DavOutcome::Ok, nullptr, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server(c.script);
        DavSettings settings = server.settings(600);
        settings.maxBodyBytes = 1024 * 1024;
        settings.maxRedirects = 3;
        CardDavClient client(settings);
        DavChanges changes;
        const DavResult result =
            client.listChanges(server.url(QStringLiteral("/book/")), QStringLiteral("t1"), changes);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_TRUE(result.message.startsWith(QLatin1String(c.message)))
            << result.message.toStdString();
        EXPECT_FALSE(result.message.contains(settings.password));
        EXPECT_TRUE(c.requests == 0 || server.requests == c.requests) << server.requests;
        EXPECT_TRUE(c.connections == 0 || server.connections == c.connections)
            << server.connections;
        if (result.ok()) {
            EXPECT_TRUE(changes.complete);
            ASSERT_EQ(changes.changed.size(), 2);
            EXPECT_EQ(changes.changed[1].href, "/book/b%20c.vcf");
            EXPECT_EQ(changes.changed[1].etag, "\"2\"");
        }
    }
}

// Plain http to another machine is refused (the table's redirect) unless the user
// allows it; a removal the server sends on to something that is no address did
// not happen.
TEST(ScriptedServerTest, OnlyHttpAddressesGoOutAndPlainHttpElsewhereOnlyWhenAllowed)
{
    ScriptedServer server(always(http("302 Found", {}, "Location: http://[::1\r\n")));
    const DavResult removed =
        CardDavClient(server.settings(600))
            .remove(server.url(QStringLiteral("/book/a.vcf")), QStringLiteral("\"1\""));
    EXPECT_EQ(removed.outcome, DavOutcome::BadAnswer);
    EXPECT_EQ(server.requests, 1);
    DavSettings settings{QUrl(QStringLiteral("ftp://example.org/")), {}, {}, false, 300};
    QList<DavAddressBook> books;
    EXPECT_EQ(CardDavClient(settings).discover(books).outcome, DavOutcome::BadAddress);
    // Allowed, it goes out (and finds nobody in the documentation range).
    settings.server = QUrl(QStringLiteral("http://192.0.2.7/dav/"));
    settings.allowPlainHttp = true;
    CardDavClient allowed(settings);
    EXPECT_NE(allowed.discover(books).outcome, DavOutcome::InsecureRefused);
    EXPECT_EQ(allowed.requestCount(), 1);
}

} // namespace

TEST(ScriptedServerTest, DiscoveryWithoutTheWellKnownAddressAsksAtTheAddressGiven)
{
    ScriptedServer server([&](const Request& r) {
        if (r.path == "/.well-known/carddav")
            return http("404 Not Found", {});
        if (r.path == "/")
            return multi(member("/", "<d:current-user-principal><d:href>/p/</d:href>"
                                     "</d:current-user-principal>"));
        if (r.path == "/p/")
            return multi(member("/p/", "<c:addressbook-home-set xmlns:c=\"urn:ietf:params:xml:ns:"
                                       "carddav\"><d:href>/h/</d:href></c:addressbook-home-set>"));
        return multi(member("/h/", "<d:resourcetype><d:collection/></d:resourcetype>") +
                     member("/h/work/", "<d:resourcetype><d:collection/><c:addressbook xmlns:c="
                                        "\"urn:ietf:params:xml:ns:carddav\"/></d:resourcetype>"
                                        "<d:displayname>Work &amp; home</d:displayname>") +
                     member("/h/cal/", "<d:resourcetype><d:collection/></d:resourcetype>"));
    });
    QList<DavAddressBook> books;
    const DavResult found = CardDavClient(server.settings()).discover(books);
    ASSERT_TRUE(found.ok()) << found.message.toStdString();
    ASSERT_EQ(books.size(), 1);
    EXPECT_EQ(books[0].url, server.url(QStringLiteral("/h/work/")));
    EXPECT_EQ(books[0].displayName, "Work & home");
    EXPECT_EQ(server.requests, 4);
}

TEST(ScriptedServerTest, CancelEndsTheWaitingRequestAndEveryLaterOne)
{
    ScriptedServer server([](const Request&) { return QByteArray(); });
    CardDavClient client(server.settings(20000));
    QTimer::singleShot(50, &server, [&] { client.cancel(); });
    const QDeadlineTimer limit(5000);
    DavChanges changes;
    EXPECT_EQ(client.listChanges(server.url(QStringLiteral("/b/")), {}, changes).outcome,
              DavOutcome::Cancelled);
    EXPECT_FALSE(limit.hasExpired());
    QString etag;
    EXPECT_EQ(client.putNew(server.url(QStringLiteral("/b/x.vcf")), "x", etag).outcome,
              DavOutcome::Cancelled);
    EXPECT_EQ(client.requestCount(), 1);
}

// Several new cards on their way at once: the server answers none until three
// wait. One fails: nothing more is sent, and what the others stored is noted.
TEST(ScriptedServerTest, NewCardsGoUpSeveralAtOnceAndOneFailureKeepsTheOthersResults)
{
    QList<Request> waiting;
    int puts = 0;
    const auto answer = [](const Request& r) {
        const bool fails = r.body.contains("FN:Person 2\r\n");
        return fails ? http("503 Unavailable", {})
                     : http("201 Created", {}, "ETag: \"e-" + r.path.split('/').last() + "\"\r\n");
    };
    ScriptedServer server([&](const Request& r) {
        if (r.method == "PROPFIND") // no sync-collection report, and an empty book
            return r.asksReports() ? bookWithoutSyncReport(r) : multi({});
        ++puts;
        if (waiting.size() < 2 && puts <= 3) {
            waiting << r;
            return QByteArray();
        }
        for (const Request& w : std::as_const(waiting))
            w.socket->write(answer(w));
        waiting.clear();
        return answer(r);
    });
    test::TestEnv env;
    env.openFile(test::people(1, 40));
    saveSyncState(
        *env.files,
        {server.url().toString(), {}, server.url(QStringLiteral("/book/")), {}, false, {}});
    env.p().BeforeBulkChange = [](const QString&) { return true; };
    CardDavClient client(server.settings(3000));
    const SyncReport report = runSync(env.p(), client, {});

    EXPECT_EQ(report.result.outcome, DavOutcome::ServerError) << report.summary().toStdString();
    EXPECT_LT(puts, 40); // nothing was sent once the failure came
    const SyncState after = *loadSyncState(*env.files, nullptr);
    int confirmed = 0;
    for (const SyncEntry& e : after.entries) {
        if (!e.etag.isEmpty()) { // each with its own card's ETag, none the failed one's
            ++confirmed;
            EXPECT_EQ(e.etag, "\"e-" + e.href.split('/').last() + '"');
        }
    }
    EXPECT_GE(confirmed, 2);
    EXPECT_EQ(confirmed, report.addedThere);
}

// A card's lines come back ending in CR LF whether the server sends the CR
// (as a character reference) or, as XML reading leaves it, LF alone.
TEST(ScriptedServerTest, CardsAreReadWithCrLfLineEndsHoweverTheServerSendsThem)
{
    ScriptedServer server([](const Request&) {
        return multi(member("/b/a.vcf", "<c:address-data>BEGIN:VCARD&#13;\nFN:A&#13;\n"
                                        "END:VCARD\n</c:address-data>"));
    });
    QList<DavCard> cards;
    QStringList missing;
    ASSERT_TRUE(CardDavClient(server.settings())
                    .fetchCards(server.url(QStringLiteral("/b/")), {"/b/a.vcf"}, cards, missing)
                    .ok());
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards[0].data, "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n");
}

// The scripted server and the meddling proxy read requests the same way: a
// request is taken only when its head and the body its length promises are all
// there, and what follows it waits for the next.
TEST(ScriptedServerTest, ARequestIsTakenOnlyWhenItIsAllThere)
{
    QByteArray head, body;
    QByteArray received = "PUT /book/a.vcf HTTP/1.1\r\ncontent-length: 5\r\n";
    EXPECT_FALSE(takeRequest(received, head, body));
    received += "\r\nabc";
    const QByteArray partial = received;
    EXPECT_FALSE(takeRequest(received, head, body));
    EXPECT_EQ(received, partial);
    received += "de" + QByteArray("GET / HTTP/1.1\r\nHost: x\r\n\r\nREPORT");
    ASSERT_TRUE(takeRequest(received, head, body));
    EXPECT_EQ(head, "PUT /book/a.vcf HTTP/1.1\r\ncontent-length: 5");
    EXPECT_EQ(body, "abcde");
    EXPECT_EQ(headerValue(head, "Content-Length"), "5");
    ASSERT_TRUE(takeRequest(received, head, body));
    EXPECT_EQ(head, "GET / HTTP/1.1\r\nHost: x");
    EXPECT_EQ(body, "");
    EXPECT_TRUE(headerValue(head, "Content-Length").isNull());
    EXPECT_EQ(received, "REPORT");
    EXPECT_FALSE(takeRequest(received, head, body));
}
