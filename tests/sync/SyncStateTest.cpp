// The sync state beside the N&A file and the journal a killed sync leaves.
#include "sync/SyncState.h"
#include "platform/Errors.h"
#include "support/TestEnv.h"
#include "sync/CardMapping.h"
#include "sync/SyncCards.h"
#include "upkeep/Backups.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavrel;

namespace {

SyncEntry entry(int id, const QString& href)
{
    return {id,
            href,
            "uid-" + href,
            QStringLiteral("\"e1\""),
            "BEGIN:VCARD\r\nEND:VCARD\r\n",
            QByteArray(574, char(id))};
}

// A card of `size` bytes or more, different for each `tag`.
QByteArray bigCard(const QByteArray& tag, qsizetype size)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + tag +
           "\r\nPHOTO;ENCODING=b:" + QByteArray(size, 'A') + "\r\nEND:VCARD\r\n";
}

ino_t inodeOf(const Files& files, const QString& name)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(files.path(name)).constData(), &st) == 0 ? st.st_ino : 0;
}

// The card files lying beside the state, sorted.
QStringList cardFiles(const Files& files)
{
    return files.list(kSyncCardPrefix + '*');
}

// The files of the cards of `st` too large to lie inline.
QStringList cardFilesOf(const SyncState& st)
{
    QStringList names;
    for (const SyncEntry& e : st.entries)
        if (e.card.size() > kInlineCardBytes)
            names << cardFileName(cardDigest(e.card));
    names.removeDuplicates();
    names.sort();
    return names;
}

QByteArray fromBase64Field(const QJsonObject& o, const char* name)
{
    return QByteArray::fromBase64(o.value(QLatin1String(name)).toString().toLatin1());
}

SyncState threeEntries()
{
    SyncState st{QStringLiteral("https://dav.example/"),
                 QStringLiteral("ann"),
                 QUrl(QStringLiteral("https://dav.example/ann/book/")),
                 QStringLiteral("tok-1"),
                 false,
                 {entry(1, "a.vcf"), entry(2, "b.vcf"), entry(3, "c.vcf")}};
    for (SyncEntry& e : st.entries)
        e.card = bigCard(e.href.toUtf8(), kInlineCardBytes);
    return st;
}

} // namespace

// Saved whole, read back with the journal of a killed sync replayed; a damaged
// file is refused in words, and links planted at either name are never followed.
TEST(SyncState, SavedWholeReadBackWithTheJournalOfAKilledSyncReplayedAndNoLinkFollowed)
{
    QTemporaryDir dir, elsewhere;
    Files files(dir.path());
    const QString outside = elsewhere.filePath(QStringLiteral("victim"));
    test::writeBytes(outside, "keep");

    // A journal planted as a link is refused, the file it points to untouched.
    ASSERT_TRUE(QFile::link(outside, files.path(kSyncJournalName)));
    EXPECT_THROW(SyncJournal(files).set(entry(1, "a.vcf")), PlatformError);
    QFile::remove(files.path(kSyncJournalName));
    // So is a second name for a file elsewhere.
    ASSERT_EQ(::link(QFile::encodeName(outside).constData(),
                     QFile::encodeName(files.path(kSyncJournalName)).constData()),
              0);
    EXPECT_THROW(SyncJournal(files).set(entry(1, "a.vcf")), PlatformError);
    EXPECT_EQ(test::fileBytes(outside), QByteArray("keep"));
    QFile::remove(files.path(kSyncJournalName));
    // A state file planted as a link is replaced, not written through.
    ASSERT_TRUE(QFile::link(outside, files.path(kSyncStateName)));
    saveSyncState(files, SyncState());
    EXPECT_FALSE(QFileInfo(files.path(kSyncStateName)).isSymLink());
    EXPECT_EQ(test::fileBytes(outside), QByteArray("keep"));

    saveSyncState(files, {QStringLiteral("https://dav.example/"),
                          QStringLiteral("ann"),
                          QUrl(QStringLiteral("https://dav.example/ann/book/")),
                          QStringLiteral("tok-1"),
                          false,
                          {entry(1, "a.vcf"), entry(2, "b.vcf"), entry(3, "c.vcf")}});

    {
        SyncJournal journal(files);
        journal.set(entry(7, "b.vcf")); // b moved to ID 7
        journal.drop(QStringLiteral("c.vcf"));
        journal.set(entry(9, "d.vcf"));
    }
    // A kill in the middle of a line, then a later run adding one more.
    const QString journal = files.path(kSyncJournalName);
    test::writeBytes(journal, test::fileBytes(journal) + R"({"op":"drop","href":"a.v)");
    SyncJournal(files).set(entry(4, "e.vcf"));

    QString error;
    const std::optional<SyncState> back = loadSyncState(files, &error);
    ASSERT_TRUE(back) << error.toStdString();
    QStringList got;
    for (const SyncEntry& e : back->entries)
        got << QStringLiteral("%1:%2").arg(e.href).arg(e.id);
    EXPECT_EQ(got.join(' '), QStringLiteral("a.vcf:1 b.vcf:7 d.vcf:9 e.vcf:4"));
    // Saving folds the journal in.
    saveSyncState(files, *back);
    EXPECT_FALSE(QFile::exists(files.path(kSyncJournalName)));

    files.replaceFile(kSyncStateName, "{\"version\":1,\"entries\":[");
    EXPECT_FALSE(loadSyncState(files, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("cannot be read"))) << error.toStdString();
}

TEST(SyncState, TravelsWithTheNAFileInBackupCopiesAndRestores)
{
    QTemporaryDir dir;
    Files files(dir.path());
    test::writeNAFile(files.path(QStringLiteral("n&a.mrk")), test::people(1, 2));
    test::FixedClock clock;
    BackupIo io;
    Backups backups(files, clock, io, dir.filePath(QStringLiteral("backups")));
    const BackupCopy without = backups.take(BackupTrigger::Manual);
    clock.sleepMs(2000);
    SyncState st = threeEntries();
    saveSyncState(files, st);
    const BackupCopy with = backups.take(BackupTrigger::Sync);
    clock.sleepMs(2000);

    const SyncState before = st;
    st.token = QStringLiteral("tok-2");
    st.entries[0].card = bigCard("changed", kInlineCardBytes);
    st.entries.removeLast();
    saveSyncState(files, st);
    SyncJournal(files).drop(QStringLiteral("x.vcf"));
    backups.restore(with.name);
    const std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->token, before.token);
    // Exactly the cards the restored state names are back, each whole.
    ASSERT_EQ(back->entries.size(), before.entries.size());
    for (int i = 0; i < before.entries.size(); ++i) {
        EXPECT_EQ(back->entries[i].card, before.entries[i].card) << i;
        EXPECT_EQ(back->entries[i].etag, before.entries[i].etag) << i;
    }
    EXPECT_EQ(cardFiles(files), cardFilesOf(before));
    EXPECT_FALSE(files.exists(kSyncJournalName)); // it spoke of the files before the restore
    backups.restore(without.name);
    EXPECT_FALSE(files.exists(kSyncStateName)); // so the next sync starts afresh, deleting nothing
    EXPECT_TRUE(cardFiles(files).isEmpty());
}

// One card changed: its own file is written and the small state file, and no
// other card is; the file of the card it replaced goes. A card a journal line
// names is on the disk before the line.
TEST(SyncState, EachCardLiesInAFileOfItsOwnAndOnlyAChangedCardIsWritten)
{
    QTemporaryDir dir;
    Files files(dir.path());
    SyncState st = threeEntries();
    st.entries[0].card = bigCard("photo", 3 * 1024 * 1024);
    st.entries[2].card = bigCard("c", kInlineCardBytes);
    saveSyncState(files, st);
    ASSERT_EQ(cardFiles(files), cardFilesOf(st));
    const QString bigFile = cardFileName(cardDigest(st.entries[0].card));
    const QString oldC = cardFileName(cardDigest(st.entries[2].card));
    const ino_t bigInode = inodeOf(files, bigFile);
    const ino_t bInode = inodeOf(files, cardFileName(cardDigest(st.entries[1].card)));
    EXPECT_EQ(test::fileBytes(files.path(bigFile)), st.entries[0].card);
    EXPECT_EQ(QFileInfo(files.path(bigFile)).permissions() & 0x0077, 0); // for the owner alone
    // The state names cards, it does not hold them.
    EXPECT_LT(files.length(kSyncStateName), 8 * 1024);

    st.entries[2].card = bigCard("c changed", kInlineCardBytes);
    saveSyncState(files, st);
    EXPECT_EQ(inodeOf(files, bigFile), bigInode); // the big card was not written again
    EXPECT_EQ(inodeOf(files, cardFileName(cardDigest(st.entries[1].card))), bInode);
    EXPECT_FALSE(files.exists(oldC));
    EXPECT_EQ(cardFiles(files), cardFilesOf(st));
    EXPECT_LT(files.length(kSyncStateName), 8 * 1024);

    SyncEntry d = entry(9, "d.vcf");
    d.card = bigCard("d", kInlineCardBytes);
    SyncJournal(files).set(d);
    EXPECT_TRUE(files.exists(cardFileName(cardDigest(d.card))));
    const std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->entries.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back->entries[i].card, st.entries[i].card) << i;
    EXPECT_EQ(back->entries[3].card, d.card);

    // What a killed save left under a card's temporary name, a file or a
    // planted link, is removed, never written through.
    const QByteArray outside = dir.filePath(QStringLiteral("outside")).toUtf8();
    test::writeBytes(QString::fromUtf8(outside), "keep");
    const QByteArray e = bigCard("e", kInlineCardBytes), f = bigCard("f", kInlineCardBytes);
    const QString eTemp = files.path(kSaveTempPrefix + cardFileName(cardDigest(e)));
    ASSERT_EQ(::symlink(outside.constData(), QFile::encodeName(eTemp).constData()), 0);
    test::writeBytes(files.path(kSaveTempPrefix + cardFileName(cardDigest(f))), "stale");
    SyncEntry ef = entry(10, "e.vcf");
    ef.card = e;
    SyncJournal(files).set(ef);
    ef = entry(11, "f.vcf");
    ef.card = f;
    SyncJournal(files).set(ef);
    EXPECT_EQ(test::fileBytes(QString::fromUtf8(outside)), "keep");
    EXPECT_EQ(test::fileBytes(files.path(cardFileName(cardDigest(e)))), e);
    EXPECT_EQ(test::fileBytes(files.path(cardFileName(cardDigest(f)))), f);
    EXPECT_FALSE(QFileInfo(eTemp).isSymLink());
}

// A state written before the cards had files of their own holds them inline:
// read as it is, and given card files at the next save.
TEST(SyncState, AStateWithItsCardsInlineIsReadAndConvertedAtTheNextSave)
{
    QTemporaryDir dir;
    Files files(dir.path());
    const SyncState st = threeEntries();
    QJsonArray entries;
    for (const SyncEntry& e : st.entries)
        entries.append(QJsonObject{{"id", e.id},
                                   {"href", e.href},
                                   {"uid", e.uid},
                                   {"etag", e.etag},
                                   {"card", QString::fromLatin1(e.card.toBase64())},
                                   {"base", QString::fromLatin1(e.base.toBase64())}});
    files.replaceFile(kSyncStateName, QJsonDocument(QJsonObject{{"version", 1},
                                                                {"book", st.book.toString()},
                                                                {"token", st.token},
                                                                {"entries", entries}})
                                          .toJson());
    std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->entries.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back->entries[i].card, st.entries[i].card);
        EXPECT_EQ(back->entries[i].base, st.entries[i].base);
        EXPECT_EQ(back->entries[i].etag, st.entries[i].etag);
    }
    EXPECT_EQ(back->token, st.token);
    saveSyncState(files, *back);
    EXPECT_EQ(cardFiles(files), cardFilesOf(st));
    const QByteArray saved = files.readAll(kSyncStateName);
    EXPECT_EQ(QJsonDocument::fromJson(saved).object().value("version").toInt(), 2);
    EXPECT_FALSE(saved.contains(st.entries[0].card.toBase64()));
    back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->entries[1].card, st.entries[1].card);
}

// A small card lies inline in the state and in the journal line that names it,
// with no file of its own; one a state from before named by its file is read
// from there and moved inline at the next save, its file removed.
TEST(SyncState, SmallCardsLieInlineWithNoFileOfTheirOwn)
{
    QTemporaryDir dir;
    Files files(dir.path());
    SyncState st = threeEntries();
    st.entries[0].card = bigCard("small", 100);
    st.entries[1].sending = SyncSending{bigCard("sent", 200), QByteArray(574, 'S'), "\"e1\""};
    // As a state from before wrote it: every card in its file.
    storeCard(files, st.entries[0].card);
    storeCard(files, st.entries[1].sending->card);
    QJsonObject saved = QJsonDocument::fromJson([&] {
                            saveSyncState(files, st);
                            return files.readAll(kSyncStateName);
                        }())
                            .object();
    EXPECT_EQ(cardFiles(files), cardFilesOf(st)); // the two large ones alone
    QJsonArray entries = saved.value("entries").toArray();
    EXPECT_EQ(fromBase64Field(entries[0].toObject(), "card"), st.entries[0].card);
    EXPECT_FALSE(entries[0].toObject().contains("cardFile"));
    EXPECT_EQ(fromBase64Field(entries[1].toObject().value("sending").toObject(), "card"),
              st.entries[1].sending->card);

    // A state naming a small card by its file is still read.
    QJsonObject first = entries[0].toObject();
    first.remove("card");
    first.insert("cardFile", storeCard(files, st.entries[0].card));
    entries[0] = first;
    saved.insert("entries", entries);
    files.replaceFile(kSyncStateName, QJsonDocument(saved).toJson());

    // A journal line holds its small card: no file is written for it.
    SyncEntry d = entry(9, "d.vcf");
    d.card = bigCard("d", kInlineCardBytes - 100);
    SyncJournal(files).set(d);
    EXPECT_FALSE(files.exists(cardFileName(cardDigest(d.card))));

    std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->entries.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back->entries[i].card, st.entries[i].card) << i;
        EXPECT_EQ(back->entries[i].etag, st.entries[i].etag) << i;
    }
    ASSERT_TRUE(back->entries[1].sending);
    EXPECT_EQ(back->entries[1].sending->card, st.entries[1].sending->card);
    EXPECT_EQ(back->entries[3].card, d.card);
    saveSyncState(files, *back);
    EXPECT_EQ(cardFiles(files), cardFilesOf(*back));
    EXPECT_FALSE(files.exists(cardFileName(cardDigest(st.entries[0].card))));
}

// A card file that is missing, damaged or a planted link leaves that entry's
// card unknown: its ETag is forgotten, so the next sync fetches the card, and
// the record as last synced stands for the card meanwhile.
TEST(SyncState, AMissingOrDamagedCardFileLeavesOnlyThatCardUnknown)
{
    QTemporaryDir dir, elsewhere;
    Files files(dir.path());
    SyncState st = threeEntries();
    for (int i = 0; i < 3; ++i)
        st.entries[i].card = bigCard(QByteArray::number(i), kInlineCardBytes);
    saveSyncState(files, st);
    files.remove(cardFileName(cardDigest(st.entries[0].card)));
    const QString damaged = files.path(cardFileName(cardDigest(st.entries[1].card)));
    test::writeBytes(damaged, test::fileBytes(damaged).replace("FN:1", "FN:X"));

    std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->entries.size(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(back->entries[i].etag.isEmpty()) << i;
        EXPECT_EQ(back->entries[i].card, cardFromRecord(st.entries[i].base, st.entries[i].uid))
            << i;
        EXPECT_EQ(back->entries[i].base, st.entries[i].base);
    }
    EXPECT_EQ(back->entries[2].card, st.entries[2].card);
    EXPECT_EQ(back->entries[2].etag, st.entries[2].etag);

    // A link under a card's name is not followed, even to the right bytes.
    const QString outside = elsewhere.filePath("card");
    test::writeBytes(outside, st.entries[2].card);
    const QString third = files.path(cardFileName(cardDigest(st.entries[2].card)));
    QFile::remove(third);
    ASSERT_TRUE(QFile::link(outside, third));
    back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->entries[2].etag.isEmpty());
}

// A change sent without its answer: kept through the journal and the state file,
// and settled by what the server has when the next sync looks.
TEST(SyncState, AChangeSentWithoutItsAnswerIsKeptAndSettledByWhatTheServerHas)
{
    QTemporaryDir dir;
    Files files(dir.path());
    SyncState st = threeEntries();
    saveSyncState(files, st);
    SyncEntry sent = st.entries[1];
    QByteArray newBase = sent.base;
    newBase[10] = 'Z';
    const SyncSending change{cardFromRecord(newBase, sent.uid), newBase, sent.etag};
    SyncJournal(files).sending(sent.href, change);
    std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back && back->entries[1].sending);
    saveSyncState(files, *back); // a sync that stopped at once keeps it too
    back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back && back->entries[1].sending);
    EXPECT_EQ(back->entries[1].sending->card, change.card);
    EXPECT_EQ(back->entries[1].sending->base, change.base);
    EXPECT_EQ(back->entries[1].sending->over, change.over);
    EXPECT_FALSE(back->entries[0].sending);

    const SyncEntry pending = back->entries[1];
    // The server folded the card its own way but it reads the same: it landed.
    QByteArray folded = change.card;
    folded.replace("VERSION:3.0\r\n", "VERSION:3.0\r\nPRODID:-//server//\r\n");
    const DavCard landed{sent.href, QStringLiteral("\"e2\""), folded};
    SyncEntry e = pending;
    settleSent(e, &landed);
    EXPECT_FALSE(e.sending);
    EXPECT_EQ(e.base, newBase);
    EXPECT_EQ(e.card, folded);
    EXPECT_EQ(e.etag, landed.etag);
    // Still the card it was sent over, another card, or none: the entry stays.
    const DavCard old{sent.href, sent.etag, sent.card};
    const DavCard other{sent.href, QStringLiteral("\"e3\""),
                        cardFromRecord(st.entries[2].base, "x")};
    for (const DavCard* there : {&old, &other, static_cast<const DavCard*>(nullptr)}) {
        e = pending;
        settleSent(e, there);
        EXPECT_FALSE(e.sending);
        EXPECT_EQ(e.base, sent.base);
        EXPECT_EQ(e.card, sent.card);
        EXPECT_EQ(e.etag, sent.etag);
    }
}

// Cards to fetch at a later sync are kept with the state, and a killed sync's
// journal says which were added and which were stored meanwhile.
TEST(SyncState, CardsToFetchLaterAreKeptWithTheStateAndFollowTheJournal)
{
    QTemporaryDir dir;
    Files files(dir.path());
    SyncState st;
    st.toFetch = QStringList{"x.vcf", "y.vcf"};
    saveSyncState(files, st);
    {
        SyncJournal journal(files);
        journal.fetchLater(QStringLiteral("z.vcf"), true);
        journal.fetchLater(QStringLiteral("x.vcf"), false);
    }
    const std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toFetch, (QStringList{"y.vcf", "z.vcf"}));
    saveSyncState(files, *back);
    EXPECT_EQ(loadSyncState(files, nullptr)->toFetch, (QStringList{"y.vcf", "z.vcf"}));
}

// Whatever text the server or the user gave (quotes, backslashes, control
// characters, any script) comes back from the journal and from the state as
// it went in, and each journal line is a JSON object of its own.
TEST(SyncState, AnyTextComesBackFromTheJournalAndTheStateAsWritten)
{
    QTemporaryDir dir;
    Files files(dir.path());
    const QString odd = QStringLiteral("a\"b\\c/d\te\x01\x1f\nf\u00e9\u4e2d\U0001F600 }{,:");
    SyncState st;
    st.server = QStringLiteral("https://dav.example/") + odd;
    st.user = odd;
    st.proxy = QStringLiteral("http://\"proxy\"");
    st.certificatePin = QStringLiteral("sha256//\\x");
    st.book = QUrl(QStringLiteral("https://dav.example/ann/b%22ook/"));
    st.token = QStringLiteral("http://radicale.org/ns/sync/\"") + odd;
    st.syncAtStartAndExit = true;
    st.toFetch = QStringList{odd, QStringLiteral("plain.vcf")};
    saveSyncState(files, st);

    SyncEntry e = entry(5, odd + QStringLiteral(".vcf"));
    e.uid = odd;
    e.etag = QStringLiteral("W/\"") + odd + '"';
    e.card = "BEGIN:VCARD\r\nFN:" + odd.toUtf8() + "\r\nEND:VCARD\r\n";
    SyncEntry big = entry(6, QStringLiteral("big \"one\".vcf"));
    big.card = bigCard("big", kInlineCardBytes);
    big.sending = SyncSending{bigCard("sent", kInlineCardBytes), QByteArray(574, 'S'), odd};
    {
        SyncJournal journal(files);
        journal.hold();
        journal.set(e);
        journal.set(big);
        journal.write();
        journal.confirm(e.href, odd + QStringLiteral("-2"));
        journal.sending(e.href, SyncSending{e.card, QByteArray(574, 'T'), odd});
        journal.fetchLater(odd, false);
        journal.fetchLater(QStringLiteral("later \"x\".vcf"), true);
        journal.drop(QStringLiteral("plain.vcf"));
    }
    const QList<QByteArray> lines = files.readAll(kSyncJournalName).split('\n');
    int objects = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        EXPECT_TRUE(QJsonDocument::fromJson(line, &error).isObject())
            << error.errorString().toStdString() << ": " << line.toStdString();
        ++objects;
    }
    EXPECT_EQ(objects, 7);

    const auto check = [&](const SyncState& back) {
        EXPECT_EQ(back.server, st.server);
        EXPECT_EQ(back.user, st.user);
        EXPECT_EQ(back.proxy, st.proxy);
        EXPECT_EQ(back.certificatePin, st.certificatePin);
        EXPECT_EQ(back.book, st.book);
        EXPECT_EQ(back.token, st.token);
        EXPECT_TRUE(back.syncAtStartAndExit);
        EXPECT_EQ(back.toFetch, (QStringList{"plain.vcf", "later \"x\".vcf"}));
        ASSERT_EQ(back.entries.size(), 2);
        const SyncEntry& first = back.entries[0];
        EXPECT_EQ(first.id, 5);
        EXPECT_EQ(first.href, e.href);
        EXPECT_EQ(first.uid, odd);
        EXPECT_EQ(first.etag, odd + QStringLiteral("-2"));
        EXPECT_EQ(first.card, e.card);
        EXPECT_EQ(first.base, e.base);
        ASSERT_TRUE(first.sending);
        EXPECT_EQ(first.sending->over, odd);
        EXPECT_EQ(first.sending->base, QByteArray(574, 'T'));
        EXPECT_EQ(first.sending->card, e.card);
        const SyncEntry& second = back.entries[1];
        EXPECT_EQ(second.href, big.href);
        EXPECT_EQ(second.card, big.card);
        ASSERT_TRUE(second.sending);
        EXPECT_EQ(second.sending->card, big.sending->card);
        EXPECT_EQ(second.sending->over, odd);
    };
    std::optional<SyncState> back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    check(*back);
    saveSyncState(files, *back);
    EXPECT_FALSE(files.exists(kSyncJournalName));
    EXPECT_TRUE(QJsonDocument::fromJson(files.readAll(kSyncStateName)).isObject());
    back = loadSyncState(files, nullptr);
    ASSERT_TRUE(back);
    check(*back);
    QStringList named{cardFileName(cardDigest(big.card)),
                      cardFileName(cardDigest(big.sending->card))};
    named.sort();
    EXPECT_EQ(cardFiles(files), named);
}
