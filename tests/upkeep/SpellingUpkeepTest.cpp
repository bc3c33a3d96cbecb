// The person's own spellings through compaction, backups and restores.
#include "UpkeepFixture.h"
#include "exchange/Import.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Backups.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tavrel::test {

namespace {

const QString kRussian = QStringLiteral("Мария Соколова");
const QString kGreek = QStringLiteral("Οδός Ερμού 5");

Contact spelled(int id, const QString& name)
{
    Contact c;
    c.id = id;
    c.text(ContactField::Name) = name;
    c.text(ContactField::AddrLine1) = kGreek;
    return c;
}

QString nameOf(Program& p, int id)
{
    Get_NA_Rec(p, id + 1);
    return contactOf(p, id, p.CurRec).text(ContactField::Name);
}

class SpellingUpkeepTest : public UpkeepTest {
protected:
    QString spellPath() const { return env.dir() + "/tvlspell.dat"; }
    // People 1..6 with 2 and 4 deleted; 5 in Russian with a link to 6, and 6
    // in Russian too.
    void writeSpelledFile()
    {
        auto records = people(1, 6);
        records[2] = deletedRecord(2, "Person 2");
        records[4] = deletedRecord(4, "Person 4");
        writeAndOpen(records);
        Contact five = spelled(5, kRussian);
        five.linkIds[0] = 6;
        five.text(ContactField::LinkText1) = QStringLiteral("Пётр");
        putContact(p, 6, five);
        putContact(p, 7, spelled(6, QStringLiteral("Пётр Соколов")));
        // A deleted record with an entry: it is not kept by a compaction.
        Contact gone = spelled(4, QStringLiteral("Олег"));
        gone.active = false;
        putContact(p, 5, gone);
    }
};

} // namespace

// Compaction renumbers 5 to 3 and 6 to 4 and their links with them; each
// entry follows its record to the new ID and bytes, saved once the new file
// is in place, and the deleted record's entry is gone.
TEST_F(SpellingUpkeepTest, CompactionMovesEachEntryWithItsRecord)
{
    writeSpelledFile();
    const CompactionResult result = compact();
    ASSERT_EQ(result.active, 4);
    Get_NA_Rec(p, 4);
    ASSERT_EQ(p.CurRec.LinkId1, 4) << "the link was renumbered too";
    Get_NA_Rec(p, 4);
    const Contact three = contactOf(p, 3, p.CurRec);
    EXPECT_EQ(three.text(ContactField::Name), kRussian);
    EXPECT_EQ(three.text(ContactField::LinkText1), QStringLiteral("Пётр"));
    EXPECT_EQ(three.text(ContactField::AddrLine1), kGreek);
    EXPECT_EQ(nameOf(p, 4), QStringLiteral("Пётр Соколов"));
    EXPECT_EQ(nameOf(p, 1), QStringLiteral("Person 1"));

    // The file on disk says the same to the next start.
    Program next(env.services(env.printer));
    openNAFile(next);
    EXPECT_EQ(next.Spellings.size(), 2);
    EXPECT_EQ(nameOf(next, 3), kRussian);
    EXPECT_EQ(nameOf(next, 4), QStringLiteral("Пётр Соколов"));
}

// A copy holds the sidecar; restoring it brings the sidecar back with the
// N&A file, and a copy taken without one removes the one there now.
TEST_F(SpellingUpkeepTest, BackupsCarryTheSidecarAndARestoreBringsItBackOrRemovesIt)
{
    writeAndOpen(people(1, 3));
    env.ui.setAutoOk(true); // the restores say they are done
    BackupIo io;
    Backups backups(*env.files, env.clock, io, env.dir() + "/backups");
    const BackupCopy plain = backups.take(BackupTrigger::Manual);
    EXPECT_FALSE(plain.files.contains("tvlspell.dat"));

    env.clock.t = env.clock.t.addSecs(3);
    putContact(p, 3, spelled(2, kRussian));
    const QByteArray spellings = fileBytes(spellPath());
    const BackupCopy withSpellings = backups.take(BackupTrigger::Manual);
    EXPECT_TRUE(withSpellings.files.contains("tvlspell.dat"));
    EXPECT_TRUE(backups.verify(withSpellings.name).isEmpty());

    // Changed since: the name is edited in Latin letters and the sidecar goes.
    Contact latin = spelled(2, QStringLiteral("Maria Sokolova"));
    latin.text(ContactField::AddrLine1) = QStringLiteral("5 Ermou Street");
    putContact(p, 3, latin);
    ASSERT_FALSE(QFile::exists(spellPath()));

    env.clock.t = env.clock.t.addSecs(3);
    ASSERT_TRUE(restoreIntoProgram(p, backups, withSpellings.name));
    EXPECT_EQ(fileBytes(spellPath()), spellings);
    EXPECT_EQ(nameOf(p, 2), kRussian) << "the program reads the restored sidecar";

    env.clock.t = env.clock.t.addSecs(3);
    ASSERT_TRUE(restoreIntoProgram(p, backups, plain.name));
    EXPECT_FALSE(QFile::exists(spellPath()));
    EXPECT_EQ(nameOf(p, 2), QStringLiteral("Person 2"));
    EXPECT_EQ(p.Spellings.size(), 0);
}

// An imported card keeps the person's own spelling beside the record it
// becomes; the copy taken before the import holds the spellings file as it
// was, so restoring it gives back the spellings with the records.
TEST_F(SpellingUpkeepTest, AnImportKeepsTheOriginalAndItsSafetyCopyHasTheSidecar)
{
    writeAndOpen(people(1, 3));
    putContact(p, 3, spelled(2, kRussian));
    const QByteArray before = fileBytes(spellPath());
    armAutomaticCopies(p);

    const QByteArray card = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Анна Орлова\r\n"
                                           "TEL:555-0101\r\nEND:VCARD\r\n")
                                .toUtf8();
    const ImportResult result = runImport(
        p, planImport(p, readImportBytes(card, "in.vcf"), OverflowChoice::MoveToComments));
    ASSERT_EQ(result.ids, QList<int>{4});
    Get_NA_Rec(p, 5);
    EXPECT_EQ(trimRight(p.CurRec.Name), reduceToCp1252(QStringLiteral("Анна Орлова")))
        << "the N&A file holds the transliteration";
    EXPECT_EQ(nameOf(p, 4), QStringLiteral("Анна Орлова"));
    EXPECT_EQ(nameOf(p, 2), kRussian);

    Program next(env.services(env.printer));
    openNAFile(next);
    EXPECT_EQ(nameOf(next, 4), QStringLiteral("Анна Орлова")) << "the import saved the sidecar";

    const QStringList copies =
        QDir(env.dir() + "/backups").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(copies.size(), 1);
    ASSERT_TRUE(copies.first().endsWith("-import"));
    EXPECT_EQ(fileBytes(env.dir() + "/backups/" + copies.first() + "/tvlspell.dat"), before);
}

} // namespace tavrel::test
