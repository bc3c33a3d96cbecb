// Whole syncs through each kind of real CardDAV server: those that tell changes
// against the state a token stands for, and the cases a server's answer leaves
// something out.
#include "BookSyncFixture.h"

#include <gtest/gtest.h>
#include <utility>

using namespace tavrel;
using namespace tavrel::test;

namespace {

template <class Server> class EveryServerSyncTest : public BookSyncFixture<Server> {
protected:
    EveryServerSyncTest() : BookSyncFixture<Server>(QStringLiteral("Office")) {}

    // Deletes the card of that name as another client would; false when none is there.
    bool deleteThere(const QString& name)
    {
        CardDavClient phone(this->settings());
        QList<DavCardRef> refs;
        EXPECT_TRUE(phone.listEtags(this->book, refs).ok());
        for (const DavCardRef& ref : refs) {
            QList<DavCard> cards;
            QStringList missing;
            EXPECT_TRUE(phone.fetchCards(this->book, {ref.href}, cards, missing).ok());
            if (!cards.isEmpty() &&
                fieldText(recordFromCard(cards.first().data), SyncField::Name) == name) {
                EXPECT_TRUE(
                    phone.remove(CardDavClient::memberUrl(this->book, ref.href), ref.etag).ok());
                return true;
            }
        }
        return false;
    }
};

TYPED_TEST_SUITE(EveryServerSyncTest, EveryServer);

// A card written here and deleted elsewhere before the next sync: whether it
// went up in a first sync, a later one, or was deleted while the sync that
// wrote it still ran, the next sync deletes it here.
TYPED_TEST(EveryServerSyncTest, ACardWrittenHereAndDeletedElsewhereIsDeletedHereToo)
{
    auto a = this->program(phoneList(3));
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -0 | +3 ~0 -0 | 0"));
    ASSERT_TRUE(this->deleteThere(QStringLiteral("Person 1")));
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -1 | +0 ~0 -0 | 0"));

    add(*a, makeRecord(4, QStringLiteral("Later")));
    edit(*a, QStringLiteral("Person 2"), [](NARecord& r) { r.PhoneNum1 = "555 0222"; });
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -0 | +1 ~1 -0 | 0"));
    ASSERT_TRUE(this->deleteThere(QStringLiteral("Later")));
    ASSERT_TRUE(this->deleteThere(QStringLiteral("Person 2")));
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -2 | +0 ~0 -0 | 0"));

    add(*a, makeRecord(5, QStringLiteral("Fleeting")));
    SyncOptions meanwhile;
    bool deleted = false;
    meanwhile.progress = [&](int, int) {
        deleted = deleted || this->deleteThere(QStringLiteral("Fleeting"));
    };
    EXPECT_EQ(counts(this->sync(*a, meanwhile)), QStringLiteral("+0 ~0 -0 | +1 ~0 -0 | 0"));
    ASSERT_TRUE(deleted);
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -1 | +0 ~0 -0 | 0"));
    EXPECT_EQ(namesAndPhones(*a), QStringList{"Person 3|555 0103"});
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
}

// The token kept after writes comes from a listing of what changed since the
// listing before them, not from a listing of the whole book again: after a
// first upload of three cards the book is listed whole once. A later sync
// that stored cards learnt from its first listing keeps its token too, and
// the sync after it lists only what changed.
TYPED_TEST(EveryServerSyncTest, TheTokenAfterWritesComesFromAListingOfWhatChangedSinceTheFirst)
{
    int wholeListings = 0;
    int listings = 0;
    MeddlingProxy proxy(this->server->base(),
                        [&](const QByteArray& method, const QByteArray& request, QByteArray&) {
                            if (method != "REPORT" || !request.contains("sync-collection"))
                                return;
                            ++listings;
                            if (request.contains("<d:sync-token></d:sync-token>"))
                                ++wholeListings;
                        });
    auto a = this->program(phoneList(3), &proxy);
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -0 | +3 ~0 -0 | 0"));
    EXPECT_EQ(listings, 2);
    EXPECT_EQ(wholeListings, 1);
    EXPECT_FALSE(loadSyncState(*a->files, nullptr)->token.isEmpty());

    // B learns A's cards and sends one of its own.
    auto b = this->program({{1, makeRecord(1, QStringLiteral("Bee"))}}, &proxy);
    listings = wholeListings = 0;
    EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+3 ~0 -0 | +1 ~0 -0 | 0"));
    EXPECT_EQ(wholeListings, 1);
    EXPECT_FALSE(loadSyncState(*b->files, nullptr)->token.isEmpty());
    listings = wholeListings = 0;
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+1 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(wholeListings, 0);

    // A change learnt and a change sent in one sync: the token stays good,
    // and a card deleted elsewhere afterwards is still named.
    edit(*a, QStringLiteral("Person 1"), [](NARecord& r) { r.PhoneNum1 = "555 0999"; });
    this->sync(*a);
    edit(*b, QStringLiteral("Person 2"), [](NARecord& r) { r.PhoneNum1 = "555 0888"; });
    EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+0 ~1 -0 | +0 ~1 -0 | 0"));
    ASSERT_TRUE(this->deleteThere(QStringLiteral("Person 2")));
    listings = wholeListings = 0;
    EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+0 ~0 -1 | +0 ~0 -0 | 0"));
    EXPECT_EQ(wholeListings, 0);
}

// Only a listing says a card is gone: a card the server leaves out of its
// answer is left as it is, and fetched by a later sync, its record keeping
// its ID (and so its QuickLinks); also when a write found it changed.
TYPED_TEST(EveryServerSyncTest, ACardLeftOutOfAnAnswerIsFetchedLaterAndNeverTakenAsDeleted)
{
    QStringList hidden; // left out of every multiget answer
    MeddlingProxy proxy(
        this->server->base(),
        [&hidden](const QByteArray& method, const QByteArray& request, QByteArray& answer) {
            if (method == "REPORT" && request.contains("addressbook-multiget"))
                for (const QString& href : std::as_const(hidden))
                    answer = withoutResponseFor(answer, href);
        });
    auto a = this->program(phoneList(3), &proxy);
    auto b = this->program({});
    this->sync(*a);
    this->sync(*b);
    const int two = idOf(*a, QStringLiteral("Person 2"));
    edit(*b, QStringLiteral("Person 2"), [](NARecord& r) { r.EMail = "two@b.example"; });
    add(*b, makeRecord(4, QStringLiteral("Newcomer")));
    EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+0 ~0 -0 | +1 ~1 -0 | 0"));

    hidden = {hrefOf(*b, QStringLiteral("Person 2")), hrefOf(*b, QStringLiteral("Newcomer"))};
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(idOf(*a, QStringLiteral("Person 2")), two);
    hidden.clear();
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+1 ~1 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(idOf(*a, QStringLiteral("Person 2")), two);
    EXPECT_EQ(recordOf(*a, QStringLiteral("Person 2")).EMail.trimmed(), "two@b.example");

    // Changed on both sides, B's change written while A syncs: A's write meets
    // a changed card, and the fetch after it leaves the card out.
    edit(*a, QStringLiteral("Person 3"), [](NARecord& r) { r.Comments = "Seen here"; });
    edit(*b, QStringLiteral("Person 3"), [](NARecord& r) { r.PhoneNum1 = "555 0333"; });
    hidden = {hrefOf(*a, QStringLiteral("Person 3"))};
    SyncOptions meanwhile;
    bool written = false;
    meanwhile.progress = [&](int, int) {
        if (!std::exchange(written, true)) {
            EXPECT_EQ(counts(this->sync(*b)), QStringLiteral("+0 ~0 -0 | +0 ~1 -0 | 0"));
        }
    };
    EXPECT_EQ(counts(this->sync(*a, meanwhile)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    hidden.clear();
    EXPECT_EQ(counts(this->sync(*a)), QStringLiteral("+0 ~1 -0 | +0 ~1 -0 | 0"));
    this->sync(*b);
    EXPECT_EQ(namesAndPhones(*a), namesAndPhones(*b));
    EXPECT_EQ(namesAndPhones(*a).size(), 4);
    const NARecord three = recordOf(*b, QStringLiteral("Person 3"));
    EXPECT_EQ(three.Comments.trimmed() + '|' + three.PhoneNum1.trimmed(),
              QStringLiteral("Seen here|555 0333"));
}

} // namespace
