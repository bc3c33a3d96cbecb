#include "FileStates.h"
#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "store/RecordAccess.h"
#include "support/FileFaults.h"
#include "upkeep/Compaction.h"

#include <QElapsedTimer>
#include <chrono>
#include <csignal>
#include <random>
#include <thread>
#include <unistd.h>

namespace tavrel::test {
namespace {

// The writes of the record commands, in the order the commands make them.
void addRecord(Program& p, int id, const QString& name)
{
    p.CurRec = makeRecord(id, name);
    Put_NA_Rec(p, id + 1);
    noteStoredId(p, id);
    findLowestFreeId(p);
}

void renameRecord(Program& p, int id, const QString& name)
{
    Get_NA_Rec(p, id + 1);
    p.CurRec.Name = name;
    Put_NA_Rec(p, id + 1);
}

void moveRecord(Program& p, int from, int to)
{
    Get_NA_Rec(p, from + 1);
    NARecord r = p.CurRec;
    r.RecId = qint16(to);
    p.CurRec = r;
    Put_NA_Rec(p, to + 1);
    if (from + 1 == p.LastRecNo && to + 1 < p.LastRecNo)
        lowerLastRecNo(p, from);
    noteStoredId(p, to);
    p.CurRec = r;
    p.CurRec.RecId = 0;
    Put_NA_Rec(p, from + 1);
}

void deleteRecord(Program& p, int id)
{
    Get_NA_Rec(p, id + 1);
    p.CurRec.RecStatus = QStringLiteral("DELR");
    p.CurRec.RecId = 0;
    Put_NA_Rec(p, id + 1);
    if (id + 1 == p.LastRecNo)
        lowerLastRecNo(p, id + 1);
}

void writeList(Program& p, const QString& name, const QString& title,
               std::initializer_list<int> ids)
{
    clearMailListFlags(p);
    for (int id : ids)
        setMember(p, id, true);
    writeMailList(p, name, title);
}

// Three cards into the free IDs, lowest first; one joins the list titled Club.
void importCards(Program& p)
{
    QByteArray cards;
    for (const char* name : {"Ann Imported", "Bob Imported", "Cy Imported"})
        cards += QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:") + name + "\r\nEND:VCARD\r\n";
    cards.replace("FN:Bob Imported\r\n", "FN:Bob Imported\r\nCATEGORIES:Club\r\n");
    const ImportSource source = readImportBytes(cards, QStringLiteral("in.vcf"));
    runImport(p, planImport(p, source, OverflowChoice::MoveToComments));
}

// The scripted run of work, one step at a time. A step that replaces the
// N&A file whole leaves the old file or the new one, never a mixture.
struct Step {
    std::function<void(Program&)> run;
    bool replacesFile = false;
};

const std::vector<Step>& script()
{
    static const std::vector<Step> steps = {
        {[](Program& p) { addRecord(p, 24, QStringLiteral("Added Beyond")); }},
        {[](Program& p) { addRecord(p, 4, QStringLiteral("Added In A Gap")); }},
        {[](Program& p) { renameRecord(p, 5, QStringLiteral("Renamed In Place")); }},
        {[](Program& p) { moveRecord(p, 10, 30); }},
        {[](Program& p) {
            writeList(p, QStringLiteral("tvlmail.a"), QStringLiteral("Club"), {1, 2, 30});
        }},
        {[](Program& p) { deleteRecord(p, 30); }},
        {[](Program& p) { moveRecord(p, 24, 12); }},
        {[](Program& p) {
            writeList(p, QStringLiteral("tvlmail.c"), QString(), {5, 6, 7});
        }},
        {[](Program& p) {
            replaceMailListFile(p, QStringLiteral("tvlmail.b"),
                                mailListBytes(p, mailListTitleField(QStringLiteral("Retitled"))));
        }},
        {[](Program& p) { deleteRecord(p, 2); }},
        {[](Program& p) { importCards(p); }},
        {[](Program& p) {
             FileReplacement out(p.files, kNAFileName, kCompactTempName);
             compactNAFile(p, out);
         },
         true},
        {[](Program& p) { addRecord(p, 40, QStringLiteral("After Compaction")); }},
        {[](Program& p) { removeMailList(p, QStringLiteral("tvlmail.c")); }},
        {[](Program& p) { renameRecord(p, 1, QStringLiteral("Renamed Last")); }},
    };
    return steps;
}

// Runs the script in a child, which writes one byte to the pipe it returns
// in `report` after each step.
pid_t startChild(Program& p, int& report)
{
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Plain file work only in the child, and no exit handlers after it.
        try {
            for (const Step& step : script()) {
                step.run(p);
                const char done = 1;
                if (::write(fds[1], &done, 1) != 1)
                    ::_exit(3);
            }
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    report = fds[0];
    return pid;
}

} // namespace

// A child process runs a scripted run of work and is killed with SIGKILL at
// random moments. Afterwards the N&A file opens without the damaged-file
// message, every step the child reported done is on disk, the step under way
// is either not there or whole, and each list file is its old or new self.
TEST(CrashTest, KilledAtRandomMomentsLosesNoCompletedWrite)
{
    TestEnv env;
    Program& p = env.p();
    auto r = people(1, 20);
    r[4] = deletedRecord(4, QStringLiteral("Person 4"));
    r[12] = deletedRecord(12, QStringLiteral("Person 12"));
    for (int id = 1; id <= 20; ++id)
        r[id].LinkId1 = qint16(21 - id);
    env.openFile(r);
    env.ui.setAutoOk(true);
    clearMailListFlags(p);
    setMember(p, 3, true);
    writeMailList(p, QStringLiteral("tvlmail.a"), QStringLiteral("Club"));
    writeMailList(p, QStringLiteral("tvlmail.b"), QStringLiteral("Choir"));
    const DirFiles initial = filesIn(env.dir());

    // The directory after each step, run here to the end, and how long each
    // step took, to spread the kills evenly over the steps: the record steps
    // take microseconds, a flush milliseconds.
    std::vector<DirFiles> states{initial};
    std::vector<qint64> stepUs;
    for (const Step& step : script()) {
        QElapsedTimer t;
        t.start();
        step.run(p);
        stepUs.push_back(qMax<qint64>(1, t.nsecsElapsed() / 1000));
        states.push_back(filesIn(env.dir()));
    }
    const int steps = int(script().size());

    const int kills = envNumber("TAVREL_CRASH_KILLS", 60);
    const unsigned seed = unsigned(envNumber("TAVREL_CRASH_SEED", 20261206));
    std::mt19937 rng(seed);
    // A step at random; once the child reports the step before it done, a
    // moment within about twice that step's time. Waiting for the report
    // lets the kills reach the steps of a few microseconds as well.
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + " of seed " + std::to_string(seed));
        reopenWith(env, initial); // the directory as it was before the run
        int report = -1;
        const pid_t pid = startChild(p, report);
        ASSERT_GT(pid, 0);
        const int target = std::uniform_int_distribution<int>(0, steps - 1)(rng);
        int done = 0;
        char byte = 0;
        while (done < target && ::read(report, &byte, 1) == 1)
            ++done;
        const qint64 wait =
            std::uniform_int_distribution<qint64>(0, 2 * stepUs[size_t(target)])(rng);
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
        ::kill(pid, SIGKILL);
        const int status = reap(pid);
        while (::read(report, &byte, 1) == 1) // the steps it reported done before it died
            ++done;
        ::close(report);
        ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        ASSERT_LE(done, steps);

        const DirFiles now = filesIn(env.dir());
        const DirFiles& next = states[size_t(qMin(done + 1, steps))];
        const bool whole = done < steps && script()[size_t(done)].replacesFile;
        // After `done` whole steps, each file is as those steps left it or as
        // the step under way leaves it; a replacement cut short may leave its
        // temporary file, which the next one starts afresh.
        expectOldOrNew(now, states[size_t(done)], next, whole,
                       {kCompactTempName, kMailListTempName, kImportLogTempName});

        // The next start opens the file as it lies, without the damaged-file message.
        p.naFile.close();
        env.ui.messages.clear();
        env.open();
        for (const QString& text : env.ui.texts())
            EXPECT_FALSE(text.startsWith(kDamagedFileHeading)) << text.toStdString();
        if (::testing::Test::HasFailure())
            break;
    }
}

// A kill inside a write that crosses a page boundary lands the record's
// first page only. Killed at every file operation of such a write, a record
// written over in place and one that extends the file are old or new after the
// next start, never half of each.
TEST(CrashTest, ARecordCutAtAPageBoundaryIsWholeAfterTheNextStart)
{
    TestEnv env;
    Program& p = env.p();
    env.openFile(people(1, 20));
    const DirFiles initial = filesIn(env.dir());
    // Record 8 (ID 7) lies across bytes 4096, its name before them and its
    // links after; record 22 (ID 21), beyond the end of the file, across bytes 12288.
    const std::vector<std::pair<int, std::function<void()>>> steps = {
        {7,
         [&] {
             Get_NA_Rec(p, 8);
             p.CurRec.Name = QStringLiteral("Renamed Across A Page");
             p.CurRec.LinkText4 = QStringLiteral("Linked Across A Page");
             Put_NA_Rec(p, 8);
         }},
        {21, [&] { addRecord(p, 21, QStringLiteral("Added Across A Page")); }},
    };
    const QString file = env.dir() + QStringLiteral("/n&a.mrk");
    for (const auto& [id, step] : steps) {
        SCOPED_TRACE("ID " + std::to_string(id));
        const qint64 at = qint64(id) * NARecord::Size;
        ASSERT_NE(at / 4096, (at + NARecord::Size - 1) / 4096);
        const QByteArray old = recordBytes(file, id + 1);
        step();
        const QByteArray fresh = recordBytes(file, id + 1);
        bool torn = false;
        killAtEachOperation(env, initial, step, [&] {
            const QByteArray left = recordBytes(file, id + 1);
            torn = torn || (left != old && left != fresh);
            p.naFile.close();
            env.open();
            const QByteArray now = recordBytes(file, id + 1);
            EXPECT_TRUE(now == old || now == fresh)
                << "the record is neither its old nor its new self";
        });
        EXPECT_TRUE(torn) << "no kill landed inside the record's write";
    }
}

} // namespace tavrel::test
