// Names in other alphabets travel through a real server in the person's own
// spelling: stored here as a transliteration with the original kept beside
// the N&A file, never sent back reduced, and seen by every installation.
#include "BookSyncFixture.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/OriginalSpellings.h"

#include <QFile>

using namespace tavrel;
using namespace tavrel::test;

namespace {

class SpellingSync : public BookSyncFixture<RadicaleServer> {
protected:
    SpellingSync() : BookSyncFixture(QStringLiteral("Spellings")) {}

    // A card as another client writes it.
    static QByteArray foreignCard(const QString& uid, const QString& fn, const QString& n,
                                  const QString& adr = QString())
    {
        QString card = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Other Book//EN\r\n"
                                      "UID:%1\r\nFN:%2\r\nN:%3\r\n")
                           .arg(uid, fn, n);
        if (!adr.isEmpty())
            card += QStringLiteral("ADR;TYPE=HOME:%1\r\n").arg(adr);
        card += QStringLiteral("TEL;TYPE=CELL:+1 555 0100\r\nEND:VCARD\r\n");
        return card.toUtf8();
    }

    // Every card of the book by address: its ETag and its bytes.
    std::map<QString, std::pair<QString, QByteArray>> served()
    {
        CardDavClient other(settings());
        QList<DavCardRef> refs;
        EXPECT_TRUE(other.listEtags(book, refs).ok());
        QStringList hrefs;
        for (const DavCardRef& r : refs)
            hrefs << r.href;
        QList<DavCard> cards;
        QStringList missing;
        EXPECT_TRUE(other.fetchCards(book, hrefs, cards, missing).ok());
        std::map<QString, std::pair<QString, QByteArray>> out;
        for (const DavCard& c : cards)
            out[c.href] = {c.etag, c.data};
        return out;
    }

    // The record whose contact has this name, 0 when none.
    static int idNamed(TestEnv& env, const QString& name)
    {
        for (int id = 1; id < env.p().LastRecNo; ++id)
            if (readActive(env.p(), id) &&
                contactOf(env.p(), id, env.p().CurRec).text(ContactField::Name) == name)
                return id;
        return 0;
    }

    static Contact contactNamed(TestEnv& env, const QString& name)
    {
        const int id = idNamed(env, name);
        EXPECT_NE(id, 0) << name.toStdString();
        readActive(env.p(), id);
        return contactOf(env.p(), id, env.p().CurRec);
    }

    static QByteArray cardWith(const std::map<QString, std::pair<QString, QByteArray>>& cards,
                               const QString& uid)
    {
        for (const auto& [href, card] : cards)
            if (card.second.contains(("UID:" + uid).toUtf8()))
                return card.second;
        return {};
    }
};

const QString kIvan = QStringLiteral("Иван Петров");
const QString kGiorgos = QStringLiteral("Γιώργος Παπαδόπουλος");
const QString kDavid = QStringLiteral("דוד כהן");
const QString kXiaoming = QStringLiteral("王小明");
const QString kTverskaya = QStringLiteral("ул. Тверская 7");

TEST_F(SpellingSync, ForeignNamesComeDownKeptStayUntouchedAndGoUpInTheirOwnLetters)
{
    CardDavClient other(settings());
    const std::pair<QString, QByteArray> foreign[] = {
        {QStringLiteral("ivan"),
         foreignCard(QStringLiteral("ivan"), kIvan, QStringLiteral("Петров;Иван;;;"),
                     QStringLiteral(";;ул. Тверская 7;Москва;;125009;Россия"))},
        {QStringLiteral("giorgos"), foreignCard(QStringLiteral("giorgos"), kGiorgos,
                                                QStringLiteral("Παπαδόπουλος;Γιώργος;;;"))},
        {QStringLiteral("david"),
         foreignCard(QStringLiteral("david"), kDavid, QStringLiteral("כהן;דוד;;;"))},
        {QStringLiteral("xiaoming"),
         foreignCard(QStringLiteral("xiaoming"), kXiaoming, QStringLiteral("王;小明;;;"))},
    };
    for (const auto& [uid, card] : foreign) {
        QString etag;
        ASSERT_TRUE(
            other.putNew(CardDavClient::memberUrl(book, uid + QStringLiteral(".vcf")), card, etag)
                .ok());
    }
    const auto first = served();

    // Down: the file holds the transliteration, the spellings file the original.
    auto here = program({});
    EXPECT_EQ(sync(*here).addedHere, 4);
    for (const QString& name : {kIvan, kGiorgos, kDavid, kXiaoming}) {
        const Contact c = contactNamed(*here, name);
        EXPECT_NE(trimRight(here->p().CurRec.Name), name) << name.toStdString();
        EXPECT_FALSE(trimRight(here->p().CurRec.Name).isEmpty());
    }
    EXPECT_EQ(contactNamed(*here, kIvan).text(ContactField::AddrLine1), kTverskaya);
    EXPECT_EQ(here->p().Spellings.size(), 4);

    // Again with nothing changed here: every card stays as it was, ETag and bytes.
    const SyncReport again = sync(*here);
    EXPECT_EQ(counts(again), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(served(), first);

    // Edited here in Cyrillic, and a new one typed here: both go up so.
    Contact ivan = contactNamed(*here, kIvan);
    ivan.text(ContactField::Name) = QStringLiteral("Иван Петрович");
    putContact(here->p(), ivan.id + 1, ivan);
    Contact anna;
    anna.id = 9;
    anna.text(ContactField::Name) = QStringLiteral("Анна Каренина");
    putContact(here->p(), 10, anna);
    noteStoredId(here->p(), 9);
    const SyncReport up = sync(*here);
    EXPECT_EQ(up.changedThere, 1);
    EXPECT_EQ(up.addedThere, 1);
    const auto now = served();
    const QString ivanCard = QString::fromUtf8(cardWith(now, QStringLiteral("ivan")));
    EXPECT_TRUE(ivanCard.contains(QStringLiteral("FN:Иван Петрович\r\n")))
        << ivanCard.toStdString();
    EXPECT_TRUE(ivanCard.contains(QStringLiteral("N:Петрович;Иван;;;\r\n")))
        << ivanCard.toStdString();
    EXPECT_TRUE(ivanCard.contains(kTverskaya)) << ivanCard.toStdString();
    EXPECT_FALSE(ivanCard.contains(QStringLiteral("Ivan"))) << ivanCard.toStdString();
    bool annaThere = false;
    for (const auto& [href, card] : now)
        annaThere = annaThere || QString::fromUtf8(card.second).contains("FN:Анна Каренина\r\n");
    EXPECT_TRUE(annaThere);
    for (const auto& [href, card] : first) {
        if (!card.second.contains("UID:ivan")) {
            EXPECT_EQ(now.at(href), card) << href.toStdString();
        }
    }

    // A second installation sees every name as it was written.
    auto second = program({});
    EXPECT_EQ(sync(*second).addedHere, 5);
    for (const QString& name : {QStringLiteral("Иван Петрович"), kGiorgos, kDavid, kXiaoming,
                                QStringLiteral("Анна Каренина")})
        EXPECT_NE(idNamed(*second, name), 0) << name.toStdString();
    EXPECT_EQ(contactNamed(*second, QStringLiteral("Иван Петрович")).text(ContactField::AddrLine1),
              kTverskaya);
    EXPECT_EQ(counts(sync(*second)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(counts(sync(*here)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(served(), now);
}

// A change of spelling alone (the file's letters stay the same) is still a
// change: it goes up, and the state that follows holds it.
TEST_F(SpellingSync, AChangeOfSpellingAloneGoesUpAndSettles)
{
    auto here = program({});
    Contact giorgos;
    giorgos.id = 1;
    // Typed with a middle sigma at the ends of the words.
    giorgos.text(ContactField::Name) = QStringLiteral("Γιώργοσ Παπαδόπουλοσ");
    giorgos.text(ContactField::PhoneType1) = QStringLiteral("Work");
    giorgos.text(ContactField::PhoneNum1) = QStringLiteral("+30 210 555 0100");
    giorgos.text(ContactField::EMail) = QStringLiteral("giorgos@example.gr");
    putContact(here->p(), 2, giorgos);
    noteStoredId(here->p(), 1);
    EXPECT_EQ(sync(*here).addedThere, 1);
    ASSERT_TRUE(readActive(here->p(), 1));
    const QByteArray bytes = here->p().CurRec.toBytes();

    giorgos.text(ContactField::Name) = kGiorgos; // the final sigmas put right
    const QString& fixed = kGiorgos;
    putContact(here->p(), 2, giorgos);
    ASSERT_TRUE(readActive(here->p(), 1));
    ASSERT_EQ(here->p().CurRec.toBytes(), bytes) << "the file's letters are the same";
    EXPECT_EQ(sync(*here).changedThere, 1);
    const auto cards = served();
    ASSERT_EQ(cards.size(), 1u);
    const QString card = QString::fromUtf8(cards.begin()->second.second);
    EXPECT_TRUE(card.contains(QStringLiteral("FN:") + fixed + QStringLiteral("\r\n")))
        << card.toStdString();
    EXPECT_EQ(counts(sync(*here)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(served(), cards);

    auto second = program({});
    sync(*second);
    EXPECT_NE(idNamed(*second, fixed), 0);
}

// A download cut short after the record was written but before its spelling
// and its entry were kept: the next sync pairs the record with its card and
// takes the card's spelling, with nothing stored twice or sent back.
TEST_F(SpellingSync, ADownloadCutShortTakesTheCardsSpellingWhenPaired)
{
    CardDavClient other(settings());
    QString etag;
    ASSERT_TRUE(
        other
            .putNew(CardDavClient::memberUrl(book, QStringLiteral("david.vcf")),
                    foreignCard(QStringLiteral("david"), kDavid, QStringLiteral("כהן;דוד;;;")),
                    etag)
            .ok());
    auto here = program({});
    sync(*here);
    const auto cards = served();
    ASSERT_NE(idNamed(*here, kDavid), 0);

    // What a kill leaves: the record, no spelling, no entry.
    here->p().Spellings = OriginalSpellings();
    QFile::remove(here->dir() + QStringLiteral("/tvlspell.dat"));
    SyncState state = *loadSyncState(*here->files, nullptr);
    state.entries.clear();
    state.token.clear();
    saveSyncState(*here->files, state);
    ASSERT_EQ(idNamed(*here, kDavid), 0);

    EXPECT_EQ(counts(sync(*here)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_NE(idNamed(*here, kDavid), 0);
    EXPECT_EQ(here->p().LastRecNo, 2) << "one record, not a second copy";
    EXPECT_EQ(served(), cards);
    OriginalSpellings onDisk;
    onDisk.load(*here->files);
    EXPECT_EQ(onDisk.size(), 1);
}

} // namespace
