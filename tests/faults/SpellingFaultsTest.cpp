// The original spellings file beside the N&A file through kills and a full
// disk: the N&A file stays whole, the spellings file is its old or its new
// self, and no record ever shows a spelling that is not its own.
#include "FileStates.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "support/FileFaults.h"
#include "upkeep/Compaction.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tavrel::test {

namespace {

const QStringList kNames{QStringLiteral("Иван Петров"), QStringLiteral("Ольга Смирнова"),
                         QStringLiteral("Σοφία Παππά"), QStringLiteral("Νίκος Λάμπρου")};

// People 1..8 with 2 and 5 deleted, IDs 3, 4, 6 and 8 spelled in other alphabets.
void writeSpelledBook(TestEnv& env)
{
    auto records = people(1, 8);
    records[2] = deletedRecord(2, "Person 2");
    records[5] = deletedRecord(5, "Person 5");
    env.openFile(records);
    int k = 0;
    for (int id : {3, 4, 6, 8}) {
        Contact c;
        c.id = id;
        c.text(ContactField::Name) = kNames[k++];
        putContact(env.p(), id + 1, c);
    }
}

// Every record shows its bytes or its own spelling: what it shows, brought
// within the code page, is what it holds. Returns how many show a spelling.
int expectOwnSpellings(TestEnv& env)
{
    Program p(env.services(env.printer));
    openNAFile(p);
    int spelled = 0;
    for (int id = 1; id < p.LastRecNo; ++id) {
        Get_NA_Rec(p, id + 1);
        const Contact c = contactOf(p, id, p.CurRec);
        const QString name = c.text(ContactField::Name);
        EXPECT_EQ(reduceToCp1252(name).left(35), trimRight(p.CurRec.Name)) << "ID " << id;
        spelled += name != trimRight(p.CurRec.Name);
    }
    return spelled;
}

void expectOneOf(const DirFiles& now, const QString& name, const DirFiles& was,
                 const DirFiles& next)
{
    const auto at = [&](const DirFiles& f) {
        const auto it = f.find(name);
        return it == f.end() ? QByteArray("(none)") : it->second;
    };
    EXPECT_TRUE(at(now) == at(was) || at(now) == at(next)) << qPrintable(name);
}

} // namespace

TEST(SpellingFaults, AKillAtAnyMomentOfARecordWriteOrACompactionLeavesEachFileBeforeOrAfter)
{
    TestEnv env;
    writeSpelledBook(env);
    Program& p = env.p();
    const DirFiles initial = filesIn(env.dir());
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"phone edit",
         [&] {
             Get_NA_Rec(p, 5);
             p.CurRec.PhoneNum1 = QStringLiteral("555-0177");
             Put_NA_Rec(p, 5);
         }},
        {"compaction",
         [&] {
             FileReplacement out(*env.files, kNAFileName, kCompactTempName);
             compactNAFile(p, out);
         }},
    };
    for (const auto& [what, step] : steps) {
        SCOPED_TRACE(what);
        reopenWith(env, initial);
        step();
        const DirFiles done = filesIn(env.dir());
        EXPECT_EQ(expectOwnSpellings(env), 4);
        killAtEachOperation(env, initial, step, [&, what = what] {
            const DirFiles now =
                filesIn(env.dir(), {QStringLiteral("n&a.mrk"), QStringLiteral("tvlspell.dat")});
            expectOneOf(now, QStringLiteral("tvlspell.dat"), initial, done);
            if (std::string(what) == "compaction")
                expectOneOf(now, QStringLiteral("n&a.mrk"), initial, done);
            expectOwnSpellings(env);
        });
    }
}

// A full disk while the spellings file is saved: the record is written, the
// old spellings file stays whole, the person is told, and the record shows
// its bytes rather than a spelling kept for other bytes.
TEST(SpellingFaults, AFullDiskWhileSavingTheSpellingsKeepsTheOldFileAndSaysSo)
{
    TestEnv env;
    writeSpelledBook(env);
    Program& p = env.p();
    env.ui.setAutoOk(true); // each failure is told; the test reads what
    const DirFiles initial = filesIn(env.dir());
    bool toldOnce = false;
    for (int failAt = 1; failAt < 200; ++failAt) {
        SCOPED_TRACE("failing at operation " + std::to_string(failAt));
        reopenWith(env, initial);
        env.ui.messages.clear();
        bool ended = false;
        Get_NA_Rec(p, 5);
        p.CurRec.PhoneNum1 = QStringLiteral("555-0177");
        {
            FileFaults disk(env.dir());
            disk.failAt(failAt, ENOSPC);
            try {
                Put_NA_Rec(p, 5);
            } catch (const ProgramEnded&) {
                ended = true;
            }
        }
        const DirFiles now = filesIn(env.dir());
        const bool recordWritten =
            trimRight(NARecord::fromBytes(slot(now.at("n&a.mrk"), 4)).PhoneNum1) ==
            QStringLiteral("555-0177");
        const bool sidecarOld = now.at("tvlspell.dat") == initial.at("tvlspell.dat");
        EXPECT_EQ(now.size(), initial.size()) << "no temporary file is left";
        if (recordWritten && sidecarOld) {
            ASSERT_FALSE(ended);
            ASSERT_FALSE(env.ui.messages.empty());
            EXPECT_TRUE(env.ui.last().text.startsWith(
                QStringLiteral("The original spellings file could not be written: Error  61.")))
                << qPrintable(env.ui.last().text);
            toldOnce = true;
        }
        EXPECT_TRUE(sidecarOld || recordWritten);
        expectOwnSpellings(env);
        if (!ended && !sidecarOld)
            break; // the whole write went through
    }
    EXPECT_TRUE(toldOnce) << "no failure landed on the spellings file";
}

} // namespace tavrel::test
