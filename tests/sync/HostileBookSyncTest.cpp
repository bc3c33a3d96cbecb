// Whole syncs against a scripted book that lists what a real server will not:
// cards outside the book, cards too large to fetch, more cards than the file holds.
#include "ScriptedServer.h"
#include "SyncPeople.h"
#include "support/TestEnv.h"
#include "sync/SyncLog.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QByteArray vcard(const QString& uid, const QString& name, qsizetype noteLength = 0)
{
    QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid.toUtf8() +
                      "\r\nFN:" + name.toUtf8() + "\r\nN:" + name.toUtf8() + ";;;;\r\n";
    if (noteLength)
        card += "NOTE:" + QByteArray(noteLength, 'x') + "\r\n";
    return card + "END:VCARD\r\n";
}

QByteArray xmlEscaped(const QByteArray& text)
{
    return QByteArray(text).replace('&', "&amp;").replace('<', "&lt;").replace('\r', "&#13;");
}

// A CardDAV book at /book/ that answers sync-collection (a token it does not
// know is refused, so the client starts again from a full listing),
// addressbook-multiget, PUT and DELETE. Its cards are `stored` plus `generated`
// ones made from their number as they are listed or asked for.
class ScriptedBook {
public:
    ScriptedBook() : server([this](const Request& r) { return answer(r); }) {}

    std::map<QString, std::pair<QString, QByteArray>> stored; // href -> ETag, card
    int generated = 0;                                        // /book/g<N>.vcf, N = 1..generated
    QByteArray extraListed;                                   // further responses in every listing
    QByteArray extraAnswered;  // further responses in every multiget answer
    QStringList asked;         // every href a multiget asked for
    QList<qsizetype> answered; // the size of every multiget answer
    int puts = 0;
    ScriptedServer server;

    QUrl book() const { return server.url(QStringLiteral("/book/")); }
    void bump() { ++version; }
    QString token() const { return QStringLiteral("http://t.example/%1").arg(version); }
    static QString generatedHref(int n) { return QStringLiteral("/book/g%1.vcf").arg(n); }

    // A program directory over `records`, set up to sync with this book.
    std::unique_ptr<TestEnv> program(const std::map<int, NARecord>& records) const
    {
        auto env = std::make_unique<TestEnv>();
        env->openFile(records);
        saveSyncState(*env->files, {server.url().toString(), {}, book(), {}, false, {}});
        env->p().BeforeBulkChange = [](const QString&) { return true; };
        return env;
    }
    SyncReport sync(TestEnv& env, qint64 maxBodyBytes = 32 * 1024 * 1024) const
    {
        DavSettings settings = server.settings(20000);
        settings.maxBodyBytes = maxBodyBytes;
        CardDavClient client(settings);
        return runSync(env.p(), client, {});
    }

private:
    QByteArray answer(const Request& r)
    {
        if (r.method == "PROPFIND")
            return multi(
                "<d:response><d:href>/book/</d:href><d:propstat><d:prop>"
                "<d:supported-report-set><d:supported-report><d:report><d:sync-collection/>"
                "</d:report></d:supported-report></d:supported-report-set></d:prop>"
                "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>");
        if (r.method == "PUT") {
            ++puts;
            stored[QString::fromUtf8(r.path)] = {QStringLiteral("\"p%1\"").arg(version), r.body};
            bump();
            return http("201 Created", {},
                        "ETag: \"p" + QByteArray::number(version - 1) + "\"\r\n");
        }
        if (r.method == "DELETE") {
            stored.erase(QString::fromUtf8(r.path));
            bump();
            return http("204 No Content", {});
        }
        if (r.body.contains("sync-collection"))
            return listing(r.body);
        return multiget(r.body);
    }

    QByteArray listing(const QByteArray& body)
    {
        static const QRegularExpression tokenTag(QStringLiteral("<[^>]*sync-token>([^<]+)<"));
        const QRegularExpressionMatch m = tokenTag.match(QString::fromUtf8(body));
        if (m.hasMatch() && m.captured(1) != token())
            return http("403 Forbidden",
                        "<d:error xmlns:d=\"DAV:\"><d:valid-sync-token/></d:error>");
        QByteArray responses = extraListed;
        if (!m.hasMatch())
            forEachCard([&](const QString& href, const QString& etag, const QByteArray& card) {
                responses += "<d:response><d:href>" + href.toUtf8() +
                             "</d:href><d:propstat><d:prop><d:getetag>" + etag.toUtf8() +
                             "</d:getetag><d:getcontentlength>" + QByteArray::number(card.size()) +
                             "</d:getcontentlength></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                             "</d:propstat></d:response>";
            });
        return multi(responses + "<d:sync-token>" + token().toUtf8() + "</d:sync-token>");
    }

    QByteArray multiget(const QByteArray& body)
    {
        static const QRegularExpression hrefTag(QStringLiteral("<[^>]*href>([^<]+)<"));
        QByteArray responses = extraAnswered;
        for (const QRegularExpressionMatch& m : hrefTag.globalMatch(QString::fromUtf8(body))) {
            const QString href = m.captured(1);
            asked << href;
            const std::optional<std::pair<QString, QByteArray>> card = cardAt(href);
            responses += "<d:response><d:href>" + href.toUtf8() + "</d:href>";
            responses += card ? "<d:propstat><d:prop><d:getetag>" + card->first.toUtf8() +
                                    "</d:getetag><c:address-data>" + xmlEscaped(card->second) +
                                    "</c:address-data></d:prop><d:status>HTTP/1.1 200 OK"
                                    "</d:status></d:propstat>"
                              : QByteArray("<d:status>HTTP/1.1 404 Not Found</d:status>");
            responses += "</d:response>";
        }
        answered << responses.size();
        return http("207 Multi-Status", "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
                                        "xmlns:c=\"urn:ietf:params:xml:ns:carddav\">" +
                                            responses + "</d:multistatus>");
    }

    std::optional<std::pair<QString, QByteArray>> cardAt(const QString& href) const
    {
        if (const auto it = stored.find(href); it != stored.end())
            return it->second;
        static const QRegularExpression generatedName(QStringLiteral("^/book/g(\\d+)\\.vcf$"));
        const QRegularExpressionMatch m = generatedName.match(href);
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n < 1 || n > generated)
            return std::nullopt;
        return std::pair{QStringLiteral("\"g%1\"").arg(n),
                         vcard(QStringLiteral("g-%1").arg(n), QStringLiteral("Listed %1").arg(n))};
    }

    void
    forEachCard(const std::function<void(const QString&, const QString&, const QByteArray&)>& f)
    {
        for (const auto& [href, card] : stored)
            f(href, card.first, card.second);
        for (int n = 1; n <= generated; ++n) {
            const QString href = generatedHref(n);
            const auto card = cardAt(href);
            f(href, card->first, card->second);
        }
    }

    int version = 1;
};

QByteArray logOf(TestEnv& env)
{
    return env.files->readAll(kSyncLogName);
}

QStringList activeNames(TestEnv& env)
{
    QStringList names;
    for (int id = 1; id < env.p().LastRecNo; ++id)
        if (readActive(env.p(), id))
            names << env.p().CurRec.Name.trimmed();
    return names;
}

} // namespace

// A listing and a multiget answer that name cards on another server and
// outside the book: nothing is asked of either, nothing here is deleted, and
// the log names each one as passed over.
TEST(HostileBookSyncTest, CardsNamedOutsideTheBookAreNeitherFetchedNorDeletedAndAreLogged)
{
    int otherRequests = 0;
    ScriptedServer other([&](const Request&) {
        ++otherRequests;
        return http("200 OK", vcard(QStringLiteral("o-1"), QStringLiteral("Outsider")));
    });
    ScriptedBook book;
    book.stored[QStringLiteral("/book/a.vcf")] = {
        QStringLiteral("\"a1\""), vcard(QStringLiteral("a"), QStringLiteral("Ann"))};
    const QString elsewhere = other.url(QStringLiteral("/book/x.vcf")).toString();
    const QString answeredElsewhere = other.url(QStringLiteral("/book/y.vcf")).toString();
    for (const QString& href : {elsewhere, QStringLiteral("../other/x.vcf")})
        book.extraListed += "<d:response><d:href>" + href.toUtf8() +
                            "</d:href><d:propstat><d:prop><d:getetag>\"z\"</d:getetag></d:prop>"
                            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
    book.extraAnswered = "<d:response><d:href>" + answeredElsewhere.toUtf8() +
                         "</d:href><d:propstat><d:prop><d:getetag>\"y\"</d:getetag>"
                         "<c:address-data>" +
                         xmlEscaped(vcard(QStringLiteral("y"), QStringLiteral("Yves"))) +
                         "</c:address-data></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                         "</d:propstat></d:response>";
    auto env = book.program(people(1, 3));

    for (int round = 0; round < 2; ++round) {
        const SyncReport report = book.sync(*env);
        EXPECT_TRUE(report.ok()) << report.summary().toStdString();
        EXPECT_EQ(report.deletedHere, 0);
        EXPECT_EQ(report.addedHere, round == 0 ? 1 : 0); // Ann, and only her
    }
    EXPECT_EQ(otherRequests, 0);
    for (const QString& href : std::as_const(book.asked))
        EXPECT_TRUE(href.startsWith(QStringLiteral("/book/"))) << href.toStdString();
    for (const QByteArray& head : std::as_const(book.server.heads))
        EXPECT_FALSE(head.contains("other")) << head.toStdString();
    QStringList names = activeNames(*env);
    names.sort();
    EXPECT_EQ(names, QStringList({"Ann", "Person 1", "Person 2", "Person 3"}));
    const QByteArray log = logOf(*env);
    for (const QString& href : {elsewhere, QStringLiteral("../other/x.vcf"), answeredElsewhere})
        EXPECT_TRUE(log.contains("Passed over, outside the address book: " + href.toUtf8()))
            << href.toStdString() << "\n"
            << log.toStdString();
}

// A card grown past what the server's answers may be: named in the log, not
// fetched, its record and entry kept; with room for it, it comes down.
TEST(HostileBookSyncTest, ACardTooLargeToFetchIsLoggedAndKeptNotDeleted)
{
    ScriptedBook book;
    const QString big = QStringLiteral("/book/big.vcf");
    book.stored[big] = {QStringLiteral("\"b1\""),
                        vcard(QStringLiteral("big"), QStringLiteral("Bea Large"))};
    book.stored[QStringLiteral("/book/s.vcf")] = {
        QStringLiteral("\"s1\""), vcard(QStringLiteral("s"), QStringLiteral("Sam Small"))};
    auto env = book.program({});
    ASSERT_TRUE(book.sync(*env).ok());
    ASSERT_EQ(activeNames(*env).size(), 2);

    book.stored[big] = {QStringLiteral("\"b2\""),
                        vcard(QStringLiteral("big"), QStringLiteral("Bea Larger"), 6000)};
    book.stored[QStringLiteral("/book/s.vcf")] = {
        QStringLiteral("\"s2\""), vcard(QStringLiteral("s"), QStringLiteral("Sam Smaller"))};
    book.bump();
    const SyncReport report = book.sync(*env, 4000);
    EXPECT_TRUE(report.ok()) << report.summary().toStdString();
    EXPECT_EQ(report.deletedHere, 0);
    EXPECT_EQ(report.deletedThere, 0);
    QStringList names = activeNames(*env);
    names.sort();
    EXPECT_EQ(names, QStringList({"Bea Large", "Sam Smaller"}));
    const QByteArray log = logOf(*env);
    const qsizetype line =
        log.indexOf("Not fetched, larger than the server's answers may be: " + big.toUtf8());
    ASSERT_GE(line, 0) << log.toStdString();
    const QByteArray said = log.mid(line, log.indexOf('\n', line) - line);
    EXPECT_TRUE(said.contains("stays on the server")) << said.toStdString();
    EXPECT_TRUE(said.contains("not deleted")) << said.toStdString();
    EXPECT_FALSE(log.contains("Deleted"));
    std::optional<SyncState> st = loadSyncState(*env->files, nullptr);
    ASSERT_TRUE(st);
    EXPECT_TRUE(st->toFetch.contains(big));
    ASSERT_NE(st->byHref(big), nullptr);

    // Allowed larger answers, the next sync takes it.
    EXPECT_TRUE(book.sync(*env).ok());
    names = activeNames(*env);
    names.sort();
    EXPECT_EQ(names, QStringList({"Bea Larger", "Sam Smaller"}));
}

// A full file against a book listing many times more cards than it could
// hold: the sync ends, stores none and says so, the log stays within its
// limit, and later syncs do not fetch the cards that have no room again.
TEST(HostileBookSyncTest, AFullFileAgainstAHugeBookStoresNoneAndDoesNotFetchThemAgain)
{
    const int listed = qEnvironmentVariableIntValue("TAVREL_HUGE_BOOK_CARDS") > 0
                           ? qEnvironmentVariableIntValue("TAVREL_HUGE_BOOK_CARDS")
                           : 12000;
    ScriptedBook book;
    book.generated = listed;
    auto env = book.program(people(1, kMaxId));
    QElapsedTimer clock;
    clock.start();

    const SyncReport first = book.sync(*env);
    EXPECT_TRUE(first.ok()) << first.summary().toStdString();
    EXPECT_EQ(first.addedHere, 0);
    EXPECT_EQ(first.addedThere, kMaxId);
    EXPECT_EQ(first.notStored.size(), listed);
    EXPECT_TRUE(first.summary().contains(QStringLiteral("%1 cards not stored").arg(listed)))
        << first.summary().toStdString();
    EXPECT_EQ(book.asked.size(), listed); // each fetched once
    EXPECT_LE(env->files->length(kSyncLogName), kMaxLogBytes);

    // The book forgets its tokens, so each later sync lists every card again,
    // but fetches none of those still without room.
    for (int round = 0; round < 2; ++round) {
        book.asked.clear();
        book.bump();
        const SyncReport again = book.sync(*env);
        EXPECT_TRUE(again.ok()) << again.summary().toStdString();
        EXPECT_EQ(again.addedHere, 0);
        EXPECT_TRUE(book.asked.isEmpty()) << book.asked.size() << " cards fetched again";
        const QByteArray waiting =
            QStringLiteral("%1 cards wait on the server for room in the N&A file.")
                .arg(listed)
                .toUtf8();
        EXPECT_EQ(logOf(*env).count(waiting), round + 1);
        EXPECT_LE(env->files->length(kSyncLogName), kMaxLogBytes);
    }
    const QStringList names = activeNames(*env);
    EXPECT_EQ(names.size(), kMaxId);
    EXPECT_FALSE(names.join('|').contains(QStringLiteral("Listed")));
    EXPECT_EQ(loadSyncState(*env->files, nullptr)->toFetch.size(), listed);
    std::cout << "huge book syncs took " << clock.elapsed() << " ms\n";
}

// Forty cards with a photo of a megabyte each are more than one answer may
// hold: they come in batches under the limit, the state keeps each card in a
// file of its own, and an edit here sends its card back with the photo whole.
TEST(HostileBookSyncTest, FortyCardsWithMegabytePhotosComeInBatchesAndKeepThemWhenEdited)
{
    ScriptedBook book;
    QByteArray photo = "PHOTO;ENCODING=b;TYPE=JPEG:";
    QByteArray base64 = QByteArray(768 * 1024, '\x5a').toBase64(); // 1 MB of text
    for (qsizetype at = 0; at < base64.size(); at += 74)
        photo += (at ? "\r\n " : "") + base64.mid(at, 74);
    photo += "\r\n";
    for (int i = 0; i < 40; ++i) {
        QByteArray card = vcard(QStringLiteral("p%1").arg(i), QStringLiteral("Photo %1").arg(i));
        card.insert(card.indexOf("END:VCARD"), photo);
        book.stored[QStringLiteral("/book/p%1.vcf").arg(i)] = {QStringLiteral("\"p%1\"").arg(i),
                                                               card};
    }
    auto env = book.program({});
    const qint64 limit = 32 * 1024 * 1024;
    const SyncReport first = book.sync(*env, limit);
    ASSERT_TRUE(first.ok()) << first.summary().toStdString();
    EXPECT_EQ(first.addedHere, 40);
    EXPECT_GE(book.answered.size(), 2);
    for (const qsizetype size : book.answered)
        EXPECT_LT(size, limit);
    EXPECT_EQ(book.asked.size(), 40);
    EXPECT_LT(env->files->length(kSyncStateName), 64 * 1024);

    edit(*env, QStringLiteral("Photo 7"),
         [](NARecord& r) { r.PhoneNum1 = QStringLiteral("555-0107"); });
    const SyncReport second = book.sync(*env, limit);
    ASSERT_TRUE(second.ok()) << second.summary().toStdString();
    EXPECT_EQ(second.changedThere, 1);
    EXPECT_EQ(book.puts, 1);
    const QByteArray sent = book.stored[QStringLiteral("/book/p7.vcf")].second;
    EXPECT_TRUE(sent.contains(photo)) << sent.left(300).toStdString();
    EXPECT_TRUE(sent.contains("555-0107"));
    EXPECT_LT(env->files->length(kSyncStateName), 64 * 1024);
}
