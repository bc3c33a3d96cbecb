// The client against a real CardDAV server.
#include "ForeignCard.h"
#include "RadicaleServer.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"
#include "sync/CardDavClient.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::RadicaleFixture;
using tavrel::test::RadicaleServer;
using tavrel::test::TestEnv;

namespace {

QByteArray card(const QString& uid, const QString& name)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nFN:%2\r\nN:%2;;;;\r\n"
                          "END:VCARD\r\n")
        .arg(uid, name)
        .toUtf8();
}

using RadicaleTest = RadicaleFixture;

TEST_F(RadicaleTest, WritesGuardedByEtagsAndSyncTokensShowExactlyTheChanges)
{
    CardDavClient client(settings());
    const QUrl book = newBook(QStringLiteral("lifecycle"), QStringLiteral("Lifecycle"));
    auto at = [&](const char* name) { return book.resolved(QUrl(QLatin1String(name))); };

    QHash<QString, QString> etags;
    QString etag;
    for (const char* name : {"keep.vcf", "change.vcf", "gone.vcf"}) {
        const DavResult put = client.putNew(at(name), card(QLatin1String(name), "First"), etag);
        ASSERT_TRUE(put.ok()) << put.message.toStdString();
        etags.insert(QLatin1String(name), etag);
    }
    EXPECT_EQ(client.putNew(at("keep.vcf"), card("keep.vcf", "Again"), etag).outcome,
              DavOutcome::PreconditionFailed);

    DavChanges first;
    ASSERT_TRUE(client.listChanges(book, {}, first).ok());

    // A change, a removal and a new card. (Writes with a stale ETag: SyncPassTest.)
    ASSERT_TRUE(
        client.putChanged(at("change.vcf"), card("change.vcf", "Second"), etags["change.vcf"], etag)
            .ok());
    ASSERT_TRUE(client.remove(at("gone.vcf"), etags["gone.vcf"]).ok());
    ASSERT_TRUE(client.putNew(at("new.vcf"), card("new.vcf", "New"), etag).ok());

    DavChanges next;
    ASSERT_TRUE(client.listChanges(book, first.syncToken, next).ok());
    EXPECT_FALSE(next.complete);
    QSet<QString> changed;
    for (const DavCardRef& ref : next.changed)
        changed.insert(CardDavClient::memberUrl(book, ref.href).fileName());
    EXPECT_EQ(changed, (QSet<QString>{"change.vcf", "new.vcf"}));
    ASSERT_EQ(next.removed.size(), 1);
    EXPECT_EQ(CardDavClient::memberUrl(book, next.removed.first()).fileName(), "gone.vcf");
    EXPECT_NE(next.syncToken, first.syncToken);

    // A token the server does not know starts over with every member.
    DavChanges over;
    ASSERT_TRUE(client.listChanges(book, first.syncToken + QLatin1String("x"), over).ok());
    EXPECT_TRUE(over.complete);
    EXPECT_EQ(over.changed.size(), 3);
    EXPECT_TRUE(over.removed.isEmpty());
}

TEST_F(RadicaleTest, MultigetFetchesTwoHundredCardsInBatchesAndNamesTheMissing)
{
    DavSettings s = settings();
    s.multigetBatch = 64;
    CardDavClient client(s);
    const QUrl book = newBook(QStringLiteral("many"), QStringLiteral("Many"));
    QStringList hrefs;
    for (int i = 0; i < 200; ++i) {
        const QUrl url = book.resolved(QUrl(QStringLiteral("c%1.vcf").arg(i)));
        QString etag;
        ASSERT_TRUE(
            client.putNew(url, card(QString::number(i), QStringLiteral("Person %1").arg(i)), etag)
                .ok());
        hrefs << url.path();
    }
    hrefs << book.resolved(QUrl(QStringLiteral("never.vcf"))).path();

    const int before = client.requestCount();
    QList<DavCard> cards;
    QStringList missing;
    const DavResult fetched = client.fetchCards(book, hrefs, cards, missing);
    ASSERT_TRUE(fetched.ok()) << fetched.message.toStdString();
    EXPECT_EQ(client.requestCount() - before, 4);
    ASSERT_EQ(cards.size(), 200);
    EXPECT_EQ(missing, QStringList{hrefs.last()});
}

// A card another program wrote, synced here; one address line edited, synced
// back: the card on the server differs only in the ADR's street component;
// then the comment's start: only those words of the long NOTE change.
TEST_F(RadicaleTest, AnEditHereChangesOnlyTheEditedComponentOfAForeignCard)
{
    const QUrl book = newBook(QStringLiteral("foreign"), QStringLiteral("Foreign"));
    const QUrl at = CardDavClient::memberUrl(book, QStringLiteral("work-1.vcf"));
    CardDavClient other(settings());
    QString etag;
    ASSERT_TRUE(other.putNew(at, test::workCard(), etag).ok());
    const auto served = [&] {
        QList<DavCard> cards;
        QStringList missing;
        EXPECT_TRUE(other.fetchCards(book, {at.path()}, cards, missing).ok());
        return cards.value(0).data;
    };
    const QByteArray before = served();

    TestEnv env;
    env.openFile({});
    saveSyncState(*env.files,
                  {server->base().toString(), RadicaleServer::user, book, {}, false, {}});
    env.p().BeforeBulkChange = [](const QString&) { return true; };
    const auto sync = [&] {
        CardDavClient client(settings());
        const SyncReport r = runSync(env.p(), client, {});
        EXPECT_TRUE(r.ok()) << r.summary().toStdString();
    };
    // Each sync after one field edited here: compared unfolded, as the server
    // folds long lines its own way.
    const auto unfold = [](QByteArray card) { return card.replace("\r\n ", ""); };
    const auto editAndSync = [&](const std::function<void(NARecord&)>& edit) {
        EXPECT_TRUE(readActive(env.p(), 1));
        edit(env.p().CurRec);
        Put_NA_Rec(env.p(), 2);
        sync();
        return unfold(served());
    };
    sync();
    QByteArray expected = unfold(before).replace(";;12 Mill Lane;", ";;14 Mill Lane;");
    EXPECT_EQ(editAndSync([](NARecord& r) {
                  r.AddrLine1.replace(QLatin1String("12 Mill"), QLatin1String("14 Mill"));
              }).toStdString(),
              expected.toStdString());
    expected.replace(expected.indexOf("trade"), 5, "craft");
    EXPECT_EQ(editAndSync([](NARecord& r) {
                  r.Comments.replace(r.Comments.indexOf(QLatin1String("trade")), 5,
                                     QStringLiteral("craft"));
              }).toStdString(),
              expected.toStdString());
}

TEST_F(RadicaleTest, ABookOfLargeCardsIsFetchedInBatchesUnderTheSizeLimit)
{
    // 40 cards with 1 MB photos pass the 32 MB an answer may hold; the same
    // proportions here, shrunk 16 times, since the server takes seconds over
    // each megabyte card: 64 kB photos against a limit of 2 MB.
    DavSettings s = settings();
    s.maxBodyBytes = 2 * 1024 * 1024;
    s.timeoutMs = 30000;
    CardDavClient client(s);
    const QUrl book = newBook(QStringLiteral("photos"), QStringLiteral("Photos"));
    const QByteArray photo = "PHOTO;ENCODING=b;TYPE=JPEG:" + QByteArray(64 * 1024, 'Q') + "\r\n";
    QList<DavPut> puts;
    QHash<QString, QByteArray> sent;
    for (int i = 0; i < 40; ++i) {
        QByteArray vcard = card(QStringLiteral("p%1").arg(i), QStringLiteral("Photo %1").arg(i));
        vcard.insert(vcard.indexOf("END:VCARD"), photo);
        const QUrl url = book.resolved(QUrl(QStringLiteral("p%1.vcf").arg(i)));
        puts << DavPut{url, vcard, {}};
        sent.insert(url.path(), vcard);
    }
    for (const DavPutAnswer& answer : client.putCards(puts))
        ASSERT_TRUE(answer.result.ok()) << answer.result.message.toStdString();

    // With the lengths a listing of ETags gives (this server's sync-collection
    // gives none), and without them, asking again in halves.
    QList<DavCardRef> listed;
    ASSERT_TRUE(client.listEtags(book, listed).ok());
    ASSERT_EQ(listed.size(), 40);
    QStringList hrefs;
    for (const DavCardRef& ref : listed) {
        EXPECT_GT(ref.size, 64 * 1024) << ref.href.toStdString();
        hrefs << ref.href;
    }
    CardDavClient unsized(s);
    for (CardDavClient* fetcher : {&client, &unsized}) {
        QList<DavCard> cards;
        QStringList notFetched;
        DavFetchNotes notes;
        const DavResult fetched = fetcher->fetchCards(book, hrefs, cards, notFetched, &notes);
        ASSERT_TRUE(fetched.ok()) << fetched.message.toStdString();
        EXPECT_TRUE(notFetched.isEmpty());
        EXPECT_TRUE(notes.tooLarge.isEmpty());
        ASSERT_EQ(cards.size(), 40);
        for (const DavCard& c : cards)
            EXPECT_EQ(c.data.size(),
                      sent.value(CardDavClient::memberUrl(book, c.href).path()).size())
                << c.href.toStdString();
    }
}

} // namespace
