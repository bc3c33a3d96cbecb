// What the client takes from a server's listings and multiget answers:
// members inside the book only, listings cut short followed to their end,
// cards not fetched told apart, and large books fetched within the size limit.
#include "ScriptedServer.h"
#include "sync/CardDavClient.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QByteArray vcard(const QByteArray& uid, qsizetype photoBytes = 0)
{
    QByteArray photo;
    if (photoBytes > 0)
        photo = "PHOTO;ENCODING=b;TYPE=JPEG:" + QByteArray(photoBytes, 'Q') + "\r\n";
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\nFN:" + uid + "\r\n" + photo +
           "END:VCARD\r\n";
}

QByteArray withData(const QByteArray& href, const QByteArray& card)
{
    return member(href, "<d:getetag>\"e-" + href.mid(href.lastIndexOf('/') + 1) +
                            "\"</d:getetag><c:address-data>" + card + "</c:address-data>");
}

QStringList hrefsOf(const QList<DavCardRef>& refs)
{
    QStringList out;
    for (const DavCardRef& ref : refs)
        out << ref.href;
    return out;
}

TEST(DavListingTest, OnlyHrefsDirectlyInsideTheBookNameAMember)
{
    const QUrl book(QStringLiteral("http://127.0.0.1:8080/u/book/"));
    const QString inside = QStringLiteral("http://127.0.0.1:8080/u/book/");
    const QList<QPair<QString, QString>> taken = {
        {"a.vcf", inside + "a.vcf"},
        {"/u/book/a.vcf", inside + "a.vcf"},
        {"/u/book/./a.vcf", inside + "a.vcf"},
        {"/u/other/../book/a.vcf", inside + "a.vcf"},
        {"http://127.0.0.1:8080/u/book/a.vcf", inside + "a.vcf"},
        {"HTTP://127.0.0.1:8080/u/book/a.vcf", inside + "a.vcf"},
        {"/u/%62ook/%61.vcf", inside + "a.vcf"},
        {"/u/book/%7e%2D.vcf", inside + "~-.vcf"},
        {"/u/book/b c.vcf", inside + "b%20c.vcf"},
        {"/u/book/b%20c.vcf", inside + "b%20c.vcf"},
    };
    for (const auto& [href, address] : taken) {
        const QUrl url = CardDavClient::memberUrl(book, href);
        EXPECT_EQ(url.toString(QUrl::FullyEncoded), address) << href.toStdString();
        // The address itself names the same member.
        EXPECT_EQ(CardDavClient::memberUrl(book, url.toString()), url) << href.toStdString();
    }
    // A book given without its last slash holds the same members.
    EXPECT_EQ(CardDavClient::memberUrl(QUrl(QStringLiteral("http://127.0.0.1:8080/u/book")),
                                       QStringLiteral("a.vcf"))
                  .toString(),
              inside + "a.vcf");

    const QStringList refused = {
        "http://evil.example/u/book/a.vcf", // another host
        "//evil.example/u/book/a.vcf",
        "https://127.0.0.1:8080/u/book/a.vcf", // another scheme
        "http://127.0.0.1:8081/u/book/a.vcf",  // another port
        "http://127.0.0.2:8080/u/book/a.vcf",
        "../other/a.vcf", // above the book
        "/u/book/../other/a.vcf",
        "/u/book/%2e%2e/other/a.vcf",
        "/u/book/%2E%2e/a.vcf",
        "/u/book/.%2E/.%2e/a.vcf",
        "/u/bookkeeping/a.vcf", // beside it
        "/a.vcf",
        "/u/book/sub/a.vcf", // deeper down
        "/u/book/sub/",
        "/u/book/..%2Fa.vcf", // a slash a server may decode
        "/u/book/..%5ca.vcf",
        "/u/book/", // the book itself
        "/u/book",
        "/u/book/.",
        "",
        "/u/book/a.vcf?x=1", // not a plain reference
        "/u/book/a.vcf#x",
        "http://ann@127.0.0.1:8080/u/book/a.vcf",
    };
    for (const QString& href : refused)
        EXPECT_FALSE(CardDavClient::memberUrl(book, href).isValid())
            << href.toStdString() << " -> "
            << CardDavClient::memberUrl(book, href).toString().toStdString();
}

TEST(DavListingTest, HrefsOutsideTheBookAreNeitherListedNorFetchedButNamed)
{
    bool offered = false;
    QByteArray foreign; // an href on another origin
    ScriptedServer server([&](const Request& r) {
        if (r.path == "/moved/")
            return http("301 Moved", {}, "Location: /book/\r\n");
        if (r.asksReports())
            return reports(offered);
        if (r.isSyncReport())
            return multi(withStatus("/book/", 200) + etagged("/book/a.vcf", "1") +
                             etagged(foreign, "2") + withStatus("/book/b.vcf", 404) +
                             withStatus("/book/%2e%2e/book2/c.vcf", 404) +
                             etagged("/book/sub/d.vcf", "3"),
                         "t2");
        if (r.isMultiget())
            return multi(withData(foreign, vcard("a")) + withData("/book/b.vcf", vcard("b")));
        return multi(member("/book/", "<d:resourcetype><d:collection/></d:resourcetype>") +
                     etagged("/book/a.vcf", "1") + etagged(foreign, "2") +
                     etagged("/book/../book2/x.vcf", "4") + etagged("/other/y.vcf", "5"));
    });
    foreign = server.url("/book/a.vcf").toString().replace("127.0.0.1", "127.0.0.2").toUtf8();
    CardDavClient client(server.settings());

    // A full listing without sync-collection.
    DavChanges changes;
    ASSERT_TRUE(client.listChanges(server.book(), {}, changes).ok());
    EXPECT_EQ(hrefsOf(changes.changed), QStringList{"/book/a.vcf"});
    EXPECT_EQ(changes.ignored, (QStringList{foreign, "/book/../book2/x.vcf", "/other/y.vcf"}));

    // A listing a redirect took to another collection lists none of the book's members.
    const DavResult moved = client.listChanges(server.url("/moved/"), {}, changes);
    EXPECT_EQ(moved.outcome, DavOutcome::BadAnswer);
    EXPECT_TRUE(changes.changed.isEmpty());

    // Changes by sync-collection: removals outside the book are passed over too.
    offered = true;
    ASSERT_TRUE(client.listChanges(server.book(), QStringLiteral("t1"), changes).ok());
    EXPECT_EQ(hrefsOf(changes.changed), QStringList{"/book/a.vcf"});
    EXPECT_EQ(changes.removed, QStringList{"/book/b.vcf"});
    EXPECT_EQ(changes.ignored,
              (QStringList{foreign, "/book/%2e%2e/book2/c.vcf", "/book/sub/d.vcf"}));

    // A multiget answer naming a card on another host gives nothing for it;
    // an href outside the book is never asked for.
    QList<DavCard> cards;
    QStringList notFetched;
    DavFetchNotes notes;
    const QStringList asked = {"/book/a.vcf", "/book/b.vcf", "/elsewhere/e.vcf"};
    ASSERT_TRUE(client.fetchCards(server.book(), asked, cards, notFetched, &notes).ok());
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards.first().href, "/book/b.vcf");
    EXPECT_EQ(cards.first().data, vcard("b"));
    EXPECT_EQ(QSet<QString>(notFetched.begin(), notFetched.end()),
              (QSet<QString>{"/book/a.vcf", "/elsewhere/e.vcf"}));
    EXPECT_EQ(notes.ignored, (QStringList{"/elsewhere/e.vcf", foreign}));
    EXPECT_EQ(server.last.askedHrefs(), asked.first(2));
}

TEST(DavListingTest, ACardTheAnswerDoesNotGiveIsNotFetchedWhateverTheReason)
{
    ScriptedServer server([](const Request&) {
        return multi(
            withData("/book/ok.vcf", vcard("ok")) + withStatus("/book/gone.vcf", 404) +
            "<d:response><d:href>/book/refused.vcf</d:href><d:propstat><d:prop><c:address-data/>"
            "</d:prop><d:status>HTTP/1.1 403 Forbidden</d:status></d:propstat></d:response>" +
            withData("/book/empty.vcf", "") +
            // Another spelling of a card asked for is that card.
            withData("/book/%73ame.vcf", vcard("same")) + withData("/book/ok.vcf", vcard("twice")));
    });
    CardDavClient client(server.settings());
    const QStringList asked = {"/book/ok.vcf",    "/book/gone.vcf", "/book/refused.vcf",
                               "/book/empty.vcf", "/book/same.vcf", "/book/left-out.vcf"};
    QList<DavCard> cards;
    QStringList notFetched = {"/book/stale.vcf"};
    ASSERT_TRUE(client.fetchCards(server.book(), asked, cards, notFetched).ok());
    ASSERT_EQ(cards.size(), 2);
    EXPECT_EQ(cards.at(0).href, "/book/ok.vcf");
    EXPECT_EQ(cards.at(0).data, vcard("ok"));
    EXPECT_EQ(cards.at(1).href, "/book/same.vcf");
    EXPECT_EQ(QSet<QString>(notFetched.begin(), notFetched.end()),
              (QSet<QString>{"/book/gone.vcf", "/book/refused.vcf", "/book/empty.vcf",
                             "/book/left-out.vcf"}));
}

TEST(DavListingTest, AListingCutShortIsFollowedFromItsTokensToTheEnd)
{
    QHash<QByteArray, QByteArray> rounds; // token asked -> answer
    ScriptedServer server([&](const Request& r) {
        return r.asksReports() ? reports(true) : rounds.value(r.token(), withStatus("/", 500));
    });
    const QByteArray book = server.book().toString().toUtf8();
    CardDavClient client(server.settings());

    // A full listing in two rounds; the book names itself without its slash.
    rounds[""] = multi(etagged("/book/a.vcf", "1") + etagged("/book/b.vcf", "1") +
                           withStatus(book.chopped(1), 507),
                       "t1");
    rounds["t1"] = multi(etagged("/book/b.vcf", "2") + etagged("/book/c.vcf", "1") +
                             withStatus("/book/a.vcf", 404) + withStatus("/book/", 200),
                         "t2");
    DavChanges out;
    DavResult result = client.listChanges(server.book(), {}, out);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_TRUE(out.complete);
    ASSERT_EQ(hrefsOf(out.changed), (QStringList{"/book/b.vcf", "/book/c.vcf"}));
    EXPECT_EQ(out.changed.first().etag, "\"2\"");
    EXPECT_TRUE(out.removed.isEmpty());
    EXPECT_EQ(out.syncToken, "t2");

    // Changes since a token in three rounds: the last word on each card counts.
    rounds["t5"] = multi(withStatus("/book/x.vcf", 404) + etagged("/book/y.vcf", "1") +
                             withStatus("/book/", 507),
                         "t6");
    rounds["t6"] = multi(withStatus("/book/y.vcf", 404) + withStatus("/book/", 507), "t7");
    rounds["t7"] = multi(etagged("/book/x.vcf", "3") + withStatus("/book/z.vcf", 404), "t8");
    result = client.listChanges(server.book(), QStringLiteral("t5"), out);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_FALSE(out.complete);
    EXPECT_EQ(hrefsOf(out.changed), QStringList{"/book/x.vcf"});
    EXPECT_EQ(out.removed, (QStringList{"/book/y.vcf", "/book/z.vcf"}));
    EXPECT_EQ(out.syncToken, "t8");

    // Cut short with no token to go on from, or for ever: not an answer.
    rounds["t9"] = multi(etagged("/book/x.vcf", "4") + withStatus("/book/", 507));
    EXPECT_EQ(client.listChanges(server.book(), QStringLiteral("t9"), out).outcome,
              DavOutcome::BadAnswer);
    for (int i = 10; i < 1100; ++i)
        rounds["t" + QByteArray::number(i)] =
            multi(withStatus("/book/", 507), "t" + QByteArray::number(i + 1));
    const int before = client.requestCount();
    EXPECT_EQ(client.listChanges(server.book(), QStringLiteral("t10"), out).outcome,
              DavOutcome::BadAnswer);
    EXPECT_EQ(client.requestCount() - before, 1 + 1000);
}

TEST(DavListingTest, LargeCardsComeInBatchesUnderTheSizeLimitAndOneTooLargeIsNamed)
{
    // 24 cards of 10 kB and one of 100 kB, against a limit of 64 kB.
    QHash<QString, QByteArray> cards;
    for (int i = 0; i < 24; ++i)
        cards.insert(QStringLiteral("/book/c%1.vcf").arg(i),
                     vcard("c" + QByteArray::number(i), 10000));
    cards.insert(QStringLiteral("/book/huge.vcf"), vcard("huge", 100000));
    bool giveLengths = false;
    ScriptedServer server([&](const Request& r) {
        QByteArray responses;
        if (r.asksReports())
            return reports(false);
        for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
            if (r.isMultiget() && r.askedHrefs().contains(it.key()))
                responses += withData(it.key().toUtf8(), it.value());
            else if (!r.isMultiget())
                responses += member(it.key().toUtf8(),
                                    "<d:getetag>\"1\"</d:getetag>" +
                                        (giveLengths ? "<d:getcontentlength>" +
                                                           QByteArray::number(it.value().size()) +
                                                           "</d:getcontentlength>"
                                                     : QByteArray()));
        }
        return multi(responses);
    });
    DavSettings settings = server.settings();
    settings.maxBodyBytes = 64 * 1024;
    const QStringList hrefs = cards.keys();

    // Without lengths known, answers too large are asked again in halves.
    CardDavClient client(settings);
    QList<DavCard> fetched;
    QStringList notFetched;
    DavFetchNotes notes;
    DavResult result = client.fetchCards(server.book(), hrefs, fetched, notFetched, &notes);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(fetched.size(), 24);
    for (const DavCard& card : fetched)
        EXPECT_EQ(card.data, cards.value(card.href)) << card.href.toStdString();
    EXPECT_EQ(notFetched, QStringList{"/book/huge.vcf"});
    EXPECT_EQ(notes.tooLarge, QStringList{"/book/huge.vcf"});

    // With the lengths a listing gives, only the card too large alone goes over.
    giveLengths = true;
    CardDavClient sized(settings);
    DavChanges listed;
    ASSERT_TRUE(sized.listChanges(server.book(), {}, listed).ok());
    ASSERT_EQ(listed.changed.size(), cards.size());
    for (const DavCardRef& ref : listed.changed)
        EXPECT_EQ(ref.size, cards.value(ref.href).size()) << ref.href.toStdString();
    server.answerSizes.clear();
    result = sized.fetchCards(server.book(), hrefs, fetched, notFetched, &notes);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(fetched.size(), 24);
    EXPECT_EQ(notes.tooLarge, QStringList{"/book/huge.vcf"});
    EXPECT_EQ(std::count_if(server.answerSizes.cbegin(), server.answerSizes.cend(),
                            [&](qint64 size) { return size > settings.maxBodyBytes; }),
              1);
    for (qint64 size : std::as_const(server.answerSizes))
        EXPECT_TRUE(size <= settings.maxBodyBytes / 4 + 1024 || size > 100000) << size;
}

} // namespace
