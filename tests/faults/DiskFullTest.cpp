// A disk that fills up: the backup copy before a bulk change is part of the
// change, and every command that needs room either finishes or changes
// nothing, and says that the disk is full.
#include "FileStates.h"
#include "exchange/CommandLine.h"
#include "exchange/gui/ExchangeCommands.h"
#include "exchange/gui/ImportDialog.h"
#include "platform/gui/Windows.h"
#include "support/FileFaults.h"
#include "support/Gui.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace tavrel::test {
namespace {

// Five people with a gap at 3 and a sixth named as the first (a duplicate),
// a mailing list, and a card to import.
void prepare(TestEnv& env)
{
    auto r = people(1, 6);
    r[3] = deletedRecord(3, QStringLiteral("Person 3"));
    r[6] = makeRecord(6, QStringLiteral("Person 1"));
    env.openFile(r);
    writeBytes(env.dir() + QStringLiteral("/tvlmail.a"), listBytes(QStringLiteral("Club"), {1}));
    writeBytes(env.dir() + QStringLiteral("/in.vcf"),
               "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Imported\r\nCATEGORIES:Club\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Imported\r\nEND:VCARD\r\n");
    env.ui.setAutoOk(true);
}

// Runs `act` on a disk that takes `free` more bytes, and returns the room left.
// The program reads the disk's true figures, or (not `truthfully`) figures
// that claim plenty, as a file system whose count is out of date does.
qint64 onFullDisk(TestEnv& env, qint64 free, bool truthfully, const std::function<void()>& act)
{
    FileFaults disk(env.dir());
    disk.setFreeSpace(free);
    env.files->diskFiguresHook = [&disk, truthfully] {
        return DiskFigures{1, 1, truthfully ? disk.freeSpace() : qint64(1) << 32, qint64(1) << 33};
    };
    act();
    env.files->diskFiguresHook = nullptr; // the disk goes with this scope
    return disk.freeSpace();
}

// The address book alone: the N&A file and the mailing lists.
DirFiles book(const QString& dir)
{
    return filesIn(dir, {QStringLiteral("n&a.mrk"), QStringLiteral("tvlmail.*")});
}

QStringList copiesIn(const QString& dir)
{
    return QDir(dir + QStringLiteral("/backups"))
        .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString importFile(const TestEnv& env)
{
    return env.dir() + QStringLiteral("/in.vcf");
}

// Reads the file into the import window, presses Import and confirms; the
// window stays for another try when nothing was imported for want of a copy.
void importInWindows(TestEnv& env, Ui::Answer goOn)
{
    startImport(env.p());
    const QPointer<ImportDialog> w = windowOf<ImportDialog>(QStringLiteral("ImportForm"));
    w->fileEdit->setText(importFile(env));
    w->readButton->click();
    env.ui.answer(Ui::Answer::Yes); // "Import 2 Records Into The N&A File?"
    env.ui.answer(goOn);
    w->importButton->click();
    settle();
    EXPECT_EQ(w && isLoaded(w), goOn == Ui::Answer::No);
}

// Before compaction, a duplicate deletion and an import: with no room for the
// copy the person is told why, how much is needed and that nothing changed,
// and asked, No being the default, whether to go on without it.
TEST(DiskFull, ABulkChangeWhoseCopyFailsStartsOnlyWhenThePersonGoesOnWithoutIt)
{
    struct Row {
        const char* name;
        const char* trigger;
        // Runs the command; `goOn` answers whether to go on without a copy.
        std::function<void(TestEnv&, Ui::Answer goOn)> act;
    };
    const Row rows[] = {
        {"compaction", "Before Compaction",
         [](TestEnv& env, Ui::Answer goOn) {
             env.ui.answer(goOn);
             runCompaction(env.p());
         }},
        {"duplicates", "Before Duplicate Deletion",
         [](TestEnv& env, Ui::Answer goOn) {
             env.ui.answer(goOn);
             DupSearchState s;
             SilentDups view;
             runDupSearch(env.p(), DupMatch::Name, s, view);
         }},
        {"import", "Before Import", importInWindows},
    };
    for (const Row& row : rows) {
        for (const Ui::Answer answer : {Ui::Answer::No, Ui::Answer::Yes}) {
            SCOPED_TRACE(std::string(row.name) + (answer == Ui::Answer::Yes ? " yes" : " no"));
            TestEnv env;
            prepare(env);
            armAutomaticCopies(env.p());
            const DirFiles before = book(env.dir());
            // Room for the change, not for the copy of the file and the list.
            onFullDisk(env, fileBytes(env.naPath()).size() + 100, false,
                       [&] { row.act(env, answer); });
            const QRegularExpression question(
                QStringLiteral(
                    "^The Backup Copy \\(%1\\) Could Not Be Made: Error 61 In The Folder\n"
                    "[^\n]+\n\nThe Disk Is Full\\.  The Copy Needs 70 KBytes Of Free "
                    "Space; [\\d,]+ KBytes Are Free\\.\n\nNothing Has Been Changed: The "
                    "N&A File, The Mailing Lists And The Earlier Copies Are As They "
                    "Were\\.\n\nGo On Without A Copy\\?$")
                    .arg(QLatin1String(row.trigger)));
            const auto asked =
                std::find_if(env.ui.messages.begin(), env.ui.messages.end(),
                             [&](const auto& m) { return question.match(m.text).hasMatch(); });
            ASSERT_NE(asked, env.ui.messages.end()) << env.ui.texts().join(u'|').toStdString();
            EXPECT_EQ(asked->buttons, Ui::Buttons::YesNoDefaultNo);
            EXPECT_TRUE(copiesIn(env.dir()).isEmpty())
                << copiesIn(env.dir()).join(' ').toStdString();
            if (answer == Ui::Answer::No) {
                EXPECT_EQ(&*asked, &env.ui.messages.back()); // and nothing more is said
                EXPECT_EQ(book(env.dir()), before);
            } else {
                EXPECT_NE(book(env.dir()), before);
            }
            closeAllWindows();
        }
    }
}

// From the command line an import whose copy cannot be made is refused with a
// status of 1, unless --no-backup asks for an import without it.
TEST(DiskFull, ACommandLineImportWithoutItsCopyIsRefusedUnlessAskedForNoBackup)
{
    for (const bool noBackup : {false, true}) {
        SCOPED_TRACE(noBackup);
        TestEnv env;
        prepare(env);
        armCommandLineCopies(env.p());
        const DirFiles before = book(env.dir());
        QString text;
        QTextStream out(&text);
        QStringList args{QStringLiteral("tavrel"), QStringLiteral("--import"), importFile(env)};
        if (noBackup)
            args << QStringLiteral("--no-backup");
        int status = -1;
        onFullDisk(env, fileBytes(env.naPath()).size() + 100, false,
                   [&] { status = runExchangeCommand(env.p(), args, out); });
        out.flush();
        if (!noBackup) {
            EXPECT_EQ(status, 1);
            // The message box itself is the backup tests' (a copy the command line needs).
            EXPECT_TRUE(text.endsWith(QStringLiteral(
                "Nothing Was Imported.\nRun again with --no-backup to import without a backup "
                "copy.\n")))
                << text.toStdString();
            EXPECT_EQ(book(env.dir()), before);
        } else {
            EXPECT_EQ(status, 0) << text.toStdString();
            EXPECT_TRUE(env.ui.messages.empty());
            EXPECT_TRUE(text.contains(QStringLiteral("2 Records Imported, 0 Not Imported.")));
        }
    }
}

// One command on a disk with `free` bytes left, and what it left behind.
struct Outcome {
    DirFiles bookBefore, book, tree;
    QStringList messages;
};

// Import, compaction, backup and restore at every amount of free space from
// nothing to what they need: each either finishes as it does on an empty disk
// or leaves the address book as it was, leaves no half-written file, and says
// that the disk is full.
TEST(DiskFull, EachCommandFinishesOrChangesNothingAtEveryFreeSpace)
{
    struct Command {
        const char* name;
        std::function<void(TestEnv&)> setUp;
        std::function<void(TestEnv&, QStringList&)> act;
    };
    const Command commands[] = {
        {"backup", [](TestEnv&) {},
         [](TestEnv& env, QStringList& messages) {
             messages << backupCommandLine(env, {QStringLiteral("--backup")});
         }},
        {"restore",
         [](TestEnv& env) {
             // A copy of today's book, then a change to undo.
             backupCommandLine(env, {QStringLiteral("--backup")});
             env.clock.t = env.clock.t.addSecs(5);
             env.p().CurRec = makeRecord(9, QStringLiteral("Changed"));
             Put_NA_Rec(env.p(), 10);
             noteStoredId(env.p(), 9);
         },
         [](TestEnv& env, QStringList&) {
             BackupIo io;
             Backups backups(*env.files, env.clock, io, backupFolder(env.p()));
             restoreIntoProgram(env.p(), backups, copiesIn(env.dir()).first());
         }},
        {"compaction", [](TestEnv&) {}, [](TestEnv& env, QStringList&) { runCompaction(env.p()); }},
        {"import", [](TestEnv& env) { armCommandLineCopies(env.p()); },
         [](TestEnv& env, QStringList& messages) {
             QString text;
             QTextStream out(&text);
             runExchangeCommand(
                 env.p(), {QStringLiteral("tavrel"), QStringLiteral("--import"), importFile(env)},
                 out);
             out.flush();
             messages << text;
         }},
    };
    const QRegularExpression diskFull(QStringLiteral("disk is (too )?full"),
                                      QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression temporary(QStringLiteral("(^|/)(\\.tvl|Q\\$Q\\$|tvlimport\\.tmp)"));

    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        // On `free` bytes (-1: no limit); `used` tells what the run took.
        auto runWith = [&c](qint64 free, qint64* used = nullptr) {
            Outcome r;
            TestEnv env;
            prepare(env);
            c.setUp(env);
            r.bookBefore = book(env.dir());
            const auto shown = qsizetype(env.ui.messages.size());
            const qint64 plenty = std::numeric_limits<qint64>::max() / 2;
            const qint64 left =
                onFullDisk(env, free < 0 ? plenty : free, true, [&] { c.act(env, r.messages); });
            if (used)
                *used = plenty - left;
            r.messages << env.ui.texts().mid(shown);
            closeAllWindows();
            r.book = book(env.dir());
            r.tree = filesIn(env.dir(), {}, true); // backups included
            return r;
        };
        qint64 used = 0;
        const Outcome done = runWith(-1, &used);
        // Beyond what the run writes, the checks ask for room for a copy's
        // folder and manifest (64 KBytes): the sweep goes past that.
        const qint64 needed = used + 70 * 1024;
        // Every 97 bytes through what the run writes (TAVREL_DISKFULL_STEP=1 for
        // every byte in a long run), then every 4 KBytes.
        const qint64 step = envNumber("TAVREL_DISKFULL_STEP", 97);
        for (qint64 free = 0; free <= needed; free += free < used + 1024 ? step : 4096) {
            SCOPED_TRACE(free);
            const Outcome r = runWith(free);
            for (const auto& [name, bytes] : r.tree)
                EXPECT_FALSE(temporary.match(name).hasMatch())
                    << "left behind: " << name.toStdString();
            if (r.tree == done.tree)
                continue;
            EXPECT_EQ(r.book, r.bookBefore) << "neither finished nor unchanged";
            EXPECT_TRUE(r.messages.join('\n').contains(diskFull))
                << r.messages.join('\n').toStdString();
        }
        // Room enough.
        EXPECT_EQ(runWith(needed).tree, done.tree);
    }
}

} // namespace
} // namespace tavrel::test
