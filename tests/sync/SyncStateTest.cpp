// The sync state beside the N&A file and the journal a killed sync leaves.
#include "sync/SyncState.h"
#include "platform/Errors.h"
#include "support/TestEnv.h"
#include "upkeep/Backups.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    SyncState st;
    st.token = QStringLiteral("tok-1");
    saveSyncState(files, st);
    const BackupCopy with = backups.take(BackupTrigger::Sync);
    clock.sleepMs(2000);

    st.token = QStringLiteral("tok-2");
    saveSyncState(files, st);
    SyncJournal(files).drop(QStringLiteral("x.vcf"));
    backups.restore(with.name);
    EXPECT_EQ(loadSyncState(files, nullptr)->token, QStringLiteral("tok-1"));
    EXPECT_FALSE(files.exists(kSyncJournalName)); // it spoke of the files before the restore
    backups.restore(without.name);
    EXPECT_FALSE(files.exists(kSyncStateName)); // so the next sync starts afresh, deleting nothing
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
