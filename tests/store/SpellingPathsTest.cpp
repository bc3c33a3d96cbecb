// The person's own spellings follow their record through every write the
// program makes, and fall back to the record's bytes when anything else
// changed it.
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/OriginalSpellings.h"
#include "store/Undo.h"
#include "store/UndoStore.h"
#include "support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QString kRussian = QStringLiteral("Иван Петров");
const QString kGreek = QStringLiteral("Οδός Αθηνάς 12");

Contact russianWithGreekAddress(int id)
{
    Contact c;
    c.id = id;
    c.text(ContactField::Name) = kRussian;
    c.text(ContactField::AddrLine1) = kGreek;
    c.text(ContactField::PhoneNum1) = QStringLiteral("555-0100");
    return c;
}

// What the sidecar on disk holds, as a fresh program would read it.
OriginalSpellings onDisk(TestEnv& env)
{
    OriginalSpellings s;
    s.load(*env.files);
    return s;
}

Contact shown(TestEnv& env, int id)
{
    Get_NA_Rec(env.p(), id + 1);
    return contactOf(env.p(), id, env.p().CurRec);
}

// A program over a file of people 1..3 with record 2 written as the Russian
// contact through putContact.
void openWithSpelledRecord(TestEnv& env)
{
    env.openFile(people(1, 3));
    putContact(env.p(), 3, russianWithGreekAddress(2));
}

} // namespace

TEST(SpellingPaths, TheSidecarIsReadAtOpenAndADamagedOneIsSaidOnceAndReadsAsEmpty)
{
    TestEnv env;
    openWithSpelledRecord(env);
    ASSERT_TRUE(QFile::exists(env.dir() + "/tvlspell.dat"));
    EXPECT_TRUE(env.ui.messages.empty());

    // Read back by the next start.
    Program fresh(env.services(env.printer));
    openNAFile(fresh);
    Get_NA_Rec(fresh, 3);
    EXPECT_EQ(contactOf(fresh, 2, fresh.CurRec).text(ContactField::Name), kRussian);

    // A read-only open (a print nobody watches) reads it too.
    Program reader(env.services(env.printer));
    EXPECT_TRUE(openNAFileReadOnly(reader).isEmpty());
    Get_NA_Rec(reader, 3);
    EXPECT_EQ(contactOf(reader, 2, reader.CurRec).text(ContactField::AddrLine1), kGreek);

    // Damaged: empty, the bytes show, one notice; a missing one says nothing.
    writeBytes(env.dir() + "/tvlspell.dat", QByteArray("TVLSPELL 1\n2 xyz Name=\n"));
    Program damaged(env.services(env.printer));
    env.ui.answer(Ui::Answer::Ok);
    openNAFile(damaged);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.messages[0].text, QStringLiteral("The original spellings file could not be "
                                                      "read; names show as the N&A file holds "
                                                      "them."));
    Get_NA_Rec(damaged, 3);
    EXPECT_EQ(contactOf(damaged, 2, damaged.CurRec).text(ContactField::Name),
              QStringLiteral("Ivan Petrov"));
    QFile::remove(env.dir() + "/tvlspell.dat");
    Program missing(env.services(env.printer));
    openNAFile(missing);
    EXPECT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(missing.Spellings.size(), 0);
}

// A phone edit, a delete and an undelete leave the transliterated fields as
// they were, so the entry follows the new bytes; an edit of the name in
// Latin letters ends it. Each write leaves the file saved.
TEST(SpellingPaths, RecordWritesKeepTheSpellingUntilTheFieldIsEditedInLatinLetters)
{
    TestEnv env;
    openWithSpelledRecord(env);
    Program& p = env.p();
    EXPECT_EQ(trimRight(NARecord::fromBytes(recordBytes(env.naPath(), 3)).Name),
              QStringLiteral("Ivan Petrov"));

    const auto step = [&](const char* what, const std::function<void(NARecord&)>& edit) {
        Get_NA_Rec(p, 3);
        edit(p.CurRec);
        Put_NA_Rec(p, 3);
        const Contact c = shown(env, 2);
        EXPECT_EQ(c.text(ContactField::Name), kRussian) << what;
        EXPECT_EQ(c.text(ContactField::AddrLine1), kGreek) << what;
        EXPECT_EQ(onDisk(env).originalsFor(2, recordBytes(env.naPath(), 3)).size(), 2u) << what;
    };
    step("phone", [](NARecord& r) { r.PhoneNum1 = QStringLiteral("555-0199"); });
    step("delete", [](NARecord& r) {
        r.RecStatus = kDeleted;
        r.RecId = 0;
    });
    step("undelete", [](NARecord& r) {
        r.RecStatus = kActive;
        r.RecId = 2;
    });
    step("link", [](NARecord& r) {
        r.LinkId1 = 1;
        r.LinkText1 = QStringLiteral("Person 1");
    });

    Get_NA_Rec(p, 3);
    p.CurRec.Name = QStringLiteral("Ivan Petrow");
    Put_NA_Rec(p, 3);
    EXPECT_EQ(shown(env, 2).text(ContactField::Name), QStringLiteral("Ivan Petrow"));
    EXPECT_EQ(shown(env, 2).text(ContactField::AddrLine1),
              trimRight(NARecord::fromBytes(recordBytes(env.naPath(), 3)).AddrLine1))
        << "the entry goes whole: the address was kept with it";
    EXPECT_NE(shown(env, 2).text(ContactField::AddrLine1), kGreek);
    EXPECT_FALSE(p.Spellings.contains(2));
    EXPECT_FALSE(QFile::exists(env.dir() + "/tvlspell.dat")) << "no entries: no file";
}

// Another program rewrote the record: its bytes show, and the entry goes at
// the next save the program makes for any record.
TEST(SpellingPaths, ARecordRewrittenElsewhereShowsItsBytesAndItsEntryGoesAfterTheNextOpen)
{
    TestEnv env;
    openWithSpelledRecord(env);
    Program& p = env.p();
    putContact(p, 4, russianWithGreekAddress(3));

    NARecord other = NARecord::fromBytes(recordBytes(env.naPath(), 3));
    other.PhoneNum2 = QStringLiteral("555-0142");
    p.naFile.write(3, other.toBytes());
    EXPECT_EQ(shown(env, 2).text(ContactField::Name), QStringLiteral("Ivan Petrov"));
    EXPECT_EQ(shown(env, 3).text(ContactField::Name), kRussian);
    EXPECT_TRUE(onDisk(env).originalsFor(2, recordBytes(env.naPath(), 3)).empty());

    // A save checks only the entry it wrote; the stale one is harmless meanwhile.
    Contact c = russianWithGreekAddress(3);
    c.text(ContactField::PhoneNum1) = QStringLiteral("555-0111");
    putContact(p, 4, c);
    EXPECT_EQ(onDisk(env).originalsFor(3, recordBytes(env.naPath(), 4)).size(), 2u);
    EXPECT_EQ(shown(env, 2).text(ContactField::Name), QStringLiteral("Ivan Petrov"));

    // The next open checks every entry, and the next save leaves the stale one out.
    p.naFile.close();
    env.open();
    EXPECT_FALSE(p.Spellings.contains(2));
    EXPECT_EQ(shown(env, 3).text(ContactField::Name), kRussian);
    c.text(ContactField::PhoneNum1) = QStringLiteral("555-0122");
    putContact(p, 4, c);
    EXPECT_EQ(onDisk(env).size(), 1) << "the stale entry of ID 2 is dropped by the save";
    EXPECT_EQ(onDisk(env).originalsFor(3, recordBytes(env.naPath(), 4)).size(), 2u);
}

// Undo gives back the entry the step found, redo the one it left, also after
// the history has gone through its file.
TEST(SpellingPaths, UndoAndRedoBringBackTheSpellingOfEachSide)
{
    TestEnv env;
    openWithSpelledRecord(env);
    Program& p = env.p();
    {
        UndoScope undo(p, UndoKind::Change, 2);
        Contact latin = russianWithGreekAddress(2);
        latin.text(ContactField::Name) = QStringLiteral("John Peters");
        latin.text(ContactField::AddrLine1) = QStringLiteral("12 Athens Street");
        putContact(p, 3, latin);
        undo.commit(2);
    }
    EXPECT_FALSE(p.Spellings.contains(2));

    EXPECT_EQ(p.Undo.last().records.at(0).spellingsBefore.at(ContactField::Name), kRussian);

    env.ui.answer(Ui::Answer::Ok);
    ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone);
    EXPECT_EQ(shown(env, 2).text(ContactField::Name), kRussian);
    EXPECT_EQ(shown(env, 2).text(ContactField::AddrLine1), kGreek);
    EXPECT_EQ(onDisk(env).originalsFor(2, recordBytes(env.naPath(), 3)).size(), 2u);

    env.ui.answer(Ui::Answer::Ok);
    ASSERT_EQ(redoLastStep(p), UndoOutcome::Undone);
    EXPECT_EQ(shown(env, 2).text(ContactField::Name), QStringLiteral("John Peters"));
    EXPECT_FALSE(QFile::exists(env.dir() + "/tvlspell.dat"));
}

// A bulk run writes the sidecar once, at its end; until then the file on
// disk is the one from before the run.
TEST(SpellingPaths, ABulkRunSavesOnceAtItsEnd)
{
    TestEnv env;
    openWithSpelledRecord(env);
    Program& p = env.p();
    const QByteArray before = fileBytes(env.dir() + "/tvlspell.dat");
    {
        SpellingsBatch batch(p);
        putContact(p, 4, russianWithGreekAddress(3));
        putContact(p, 2, russianWithGreekAddress(1));
        EXPECT_EQ(fileBytes(env.dir() + "/tvlspell.dat"), before);
    }
    EXPECT_EQ(onDisk(env).size(), 3);
}
