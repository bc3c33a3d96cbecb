// Backup copies: what each trigger takes, rotation, restore and its undo, and
// failures at every step.
#include "BackupFixture.h"
#include "dups/DupSearch.h"
#include "platform/PrinterCalibration.h"
#include "platform/RestoreJournal.h"
#include "shell/BackupPreferencesDialog.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "support/FileFaults.h"
#include "upkeep/BackupCommandLine.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Backups.h"
#include "upkeep/gui/BackupsDialog.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace tavrel::test {

namespace {

class NoView : public DupSearchView {
public:
    void showPair(int, const NARecord&, int, const NARecord&) override {}
    void letEventsRun() override {}
    void showDeletedReport() override {}
};

} // namespace

TEST_F(BackupTest, EachTriggerTakesItsCopyOfTheFileAndListsOnceAndNotWhenSwitchedOff)
{
    const State s = state();
    takeAutomaticCopy(p, BackupTrigger::Daily, io);
    takeAutomaticCopy(p, BackupTrigger::Daily, io); // same day: nothing more
    env.clock.t = env.clock.t.addSecs(60);
    armAutomaticCopies(p);
    p.BeforeBulkChange("import");
    env.clock.t = env.clock.t.addDays(1);
    takeAutomaticCopy(p, BackupTrigger::Daily, io);
    EXPECT_EQ(names(), QStringList({"tvl-20260315-090607-daily", "tvl-20260314-090607-import",
                                    "tvl-20260314-090507-daily"}));
    for (const auto& [name, bytes] : s)
        EXPECT_EQ(fileBytes(in("tvl-20260314-090507-daily/" + name)), bytes);

    // A compaction copies the file as it was before it.
    p.CurRec = deletedRecord(2, "Person 2");
    Put_NA_Rec(p, 3);
    const QByteArray withDeletion = fileBytes(env.naPath());
    ASSERT_TRUE(runCompaction(p));
    EXPECT_EQ(names().first(), "tvl-20260315-090607-1-compact");
    EXPECT_EQ(fileBytes(in("tvl-20260315-090607-1-compact/n&a.mrk")), withDeletion);

    // The duplicate search copies before its first deletion only.
    env.openFile(
        {{1, makeRecord(1, "Twin")}, {2, makeRecord(2, "Twin")}, {3, makeRecord(3, "Twin")}});
    const QByteArray twins = fileBytes(env.naPath());
    env.clock.t = env.clock.t.addSecs(1);
    DupSearchState st;
    NoView view;
    runDupSearch(p, DupMatch::Name, st, view);
    EXPECT_EQ(names().first(), "tvl-20260315-090608-dups");
    EXPECT_EQ(fileBytes(in("tvl-20260315-090608-dups/n&a.mrk")), twins);

    // Switched off, no trigger takes a copy.
    saveBackupSettings(*env.files, BackupSettings{QString(), false});
    env.clock.t = env.clock.t.addDays(1);
    takeAutomaticCopy(p, BackupTrigger::Daily, io);
    p.BeforeBulkChange("dups");
    EXPECT_EQ(names().size(), 5); // one copy of each trigger, and the dups copy taken once
    EXPECT_TRUE(env.ui.messages.size() == 1); // the compaction report only
}

TEST_F(BackupTest, StartUpTakesTheDailyCopyAfterOpeningTheFileAndArmsTheOtherTriggers)
{
    p.naFile.close();
    const std::unique_ptr<MainWindow> main = startUp(p, {1024 * 15, 768 * 15, {}, {}});
    EXPECT_EQ(names(), QStringList{"tvl-20260314-090512-daily"});
    p.BeforeBulkChange("dups");
    EXPECT_EQ(names().size(), 2);
}

TEST_F(BackupTest, RotationOver400DaysKeepsTenNewestADayForTwoWeeksAMonthForAYear)
{
    // Things the program did not make, some looking like its own.
    QDir().mkpath(in("holiday photos"));
    QDir().mkpath(in("tvl-20250101-000000-daily")); // a manifest not ours
    writeBytes(in("tvl-20250101-000000-daily/manifest.txt"), "my list\n");
    writeBytes(in("notes.txt"), "mine");
    const State foreign = tree();
    io.quick = true;

    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    for (int day = 0; day < 400; ++day) {
        // Some days see no start at all, some a compaction and a duplicate search too.
        if (day % 7 == 3)
            continue;
        env.clock.t = start.addDays(day);
        Backups b = backups();
        const BackupCopy daily = b.take(BackupTrigger::Daily);
        if (day == 0) // something of the user's inside a copy that goes
            writeBytes(in(daily.name + "/mine.txt"), "mine too");
        b.rotate();
        if (day % 5 == 0) {
            env.clock.t = env.clock.t.addSecs(3600);
            b.take(BackupTrigger::Compaction);
            b.rotate();
            b.take(BackupTrigger::DupSearch); // the same second: a sequence number keeps them apart
            b.rotate();
        }
        if (day % 3 == 0)
            b.tidy();
        const QList<BackupCopy> copies = b.list();
        ASSERT_LE(copies.size(), 10 + 14 + 12) << day;
        // Every day with a copy among the latest 14 such days keeps one.
        QSet<QDate> days;
        QSet<int> months;
        for (const BackupCopy& c : copies) {
            days.insert(c.when.date());
            months.insert(c.when.date().year() * 12 + c.when.date().month());
        }
        int daysSeen = 0;
        for (int back = 0; back <= day && daysSeen < 14; ++back) {
            if ((day - back) % 7 == 3)
                continue;
            ++daysSeen;
            ASSERT_TRUE(days.contains(start.date().addDays(day - back))) << day << " " << back;
        }
        const QDate today = start.date().addDays(day);
        for (int m = 0; m < 12; ++m) {
            const QDate d = today.addMonths(-m);
            if (d >= start.date()) {
                ASSERT_TRUE(months.contains(d.year() * 12 + d.month())) << day << " " << m;
            }
        }
    }
    const QList<BackupCopy> copies = backups().list();
    // The ten newest span nine days (two of day 390's three copies); five more
    // days make fourteen; ten more months (March to December 2026) make twelve
    // with January and February 2027, whose newest copies are kept already.
    EXPECT_EQ(copies[0].when.date(), start.date().addDays(399));
    EXPECT_EQ(copies.size(), 10 + 5 + 10);
    EXPECT_EQ(copies.last().when.date(), QDate(2026, 3, 31));
    for (const auto& [name, bytes] : foreign)
        EXPECT_EQ(tree().at(name), bytes) << name.toStdString();
    // Nothing else: every copy rotated out is gone, files and folder, but for
    // the one that holds a file of the user's, which stays as it was.
    backups().tidy();
    const QStringList left =
        QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_TRUE(left.contains(QStringLiteral("tvlbackups.lock"))); // copies being made share it
    EXPECT_EQ(left.size(), copies.size() + 5);
    QStringList mine;
    for (const QString& d : left)
        if (QFile::exists(in(d + "/mine.txt")))
            mine << fileBytes(in(d + "/mine.txt")) + ' ' +
                        QString::number(QDir(in(d)).entryList(QDir::Files | QDir::Hidden).size());
    EXPECT_EQ(mine, QStringList{"mine too 1"});
}

// The copies' dates in the backup window and its messages are in the user's
// locale; without one (the C locale the tests run in) in the program's own form.
TEST_F(BackupTest, CopyDatesFollowTheLocale)
{
    const BackupCopy c = backups().take(BackupTrigger::Manual);
    struct Case {
        QLocale locale;
        const char* row;
        const char* label;
    };
    for (const Case& k : {Case{QLocale(QLocale::German, QLocale::Germany), "14.03.26|09:05:07",
                               "14.03.26 At 09:05:07"},
                          Case{QLocale(QLocale::English, QLocale::UnitedStates),
                               "3/14/26|9:05:07 AM", "3/14/26 At 9:05:07 AM"},
                          Case{QLocale::c(), "03-14-2026|09:05:07", "03-14-2026 At 09:05:07"}}) {
        SCOPED_TRACE(k.locale.name().toStdString());
        QLocale::setDefault(k.locale);
        startBackups(p);
        auto* form = windowOf<BackupsDialog>("BackupForm");
        ASSERT_EQ(form->copyList->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = form->copyList->topLevelItem(0);
        EXPECT_EQ(row->text(0) + '|' + row->text(1), k.row);
        EXPECT_EQ(copyLabel(c), k.label);
        delete form;
    }
}

TEST_F(BackupTest, RestoreAndItsUndoGiveBackFileAndListsByteForByte)
{
    const State first = state();
    const BackupCopy c = backups().take(BackupTrigger::Manual);
    changeEverything();
    const State second = state();
    env.clock.t = env.clock.t.addSecs(5);

    startBackups(p);
    auto* form = windowOf<BackupsDialog>("BackupForm");
    ASSERT_EQ(form->copyList->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = form->copyList->topLevelItem(0);
    EXPECT_EQ(row->text(0) + row->text(1) + row->text(2) + row->text(3) + row->text(4),
              "03-14-202609:05:076On RequestWhole");
    form->copyList->setCurrentItem(form->copyList->topLevelItem(0));
    env.ui.answer(Ui::Answer::Yes);
    click(form->restoreButton);
    // The question names what the copy holds and opens with No as its default.
    EXPECT_EQ(env.ui.messages[0].text,
              QStringLiteral("Restore The Copy Of 03-14-2026 At 09:05:07 (On Request)?\n\nIt "
                             "Holds 6 Active Records And 2 Mailing Lists.\n\nIt Replaces The N&A "
                             "File And All Mailing Lists.  A Copy Of Them As They Are Now Is Taken "
                             "First, So The Restore Can Be Undone."));
    EXPECT_EQ(env.ui.messages[0].buttons, Ui::Buttons::YesNoDefaultNo);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Copy Of 03-14-2026 At 09:05:07 Has Been Restored.\n\nThe N&A "
                             "File And The Mailing Lists As They Were Are Kept In The Copy Of "
                             "03-14-2026 At 09:05:12 (Before Restore)."));
    EXPECT_EQ(state(), first);
    expectProgramUses(p, first.at("n&a.mrk"));
    EXPECT_EQ(p.LowestFreeId, 7);
    ASSERT_EQ(form->copyList->topLevelItemCount(), 2);

    // Undo: the copy taken before the restore brings the changes back.
    Backups b = backups();
    ASSERT_TRUE(restoreIntoProgram(p, b, names().first()));
    EXPECT_EQ(state(), second);
    expectProgramUses(p, second.at("n&a.mrk"));
    EXPECT_EQ(c.name, names().last());
}

TEST_F(BackupTest, AFailureAtAnyStepOfTakingACopyLeavesEarlierCopiesAndTheFileAsTheyWere)
{
    backups().take(BackupTrigger::Manual);
    changeEverything();
    const State live = state();
    const State before = tree();
    int n = 1;
    for (;; ++n) {
        env.clock.t = env.clock.t.addSecs(1);
        io.calls = 0;
        io.failAt = n;
        io.errorNumber = n % 2 ? ErrNo::DiskFull : ErrNo::DeviceIo;
        const int error = errorOf([&] { backups().take(BackupTrigger::Manual); });
        if (error == 0)
            break;
        EXPECT_EQ(error, io.errorNumber);
        EXPECT_EQ(tree(), before) << "step " << n;
        EXPECT_EQ(state(), live);
    }
    EXPECT_GT(n, 12); // 3 reads, 2 folders, 4 writes, a flush, a rename, a sync
    expectProgramUses(p, live.at("n&a.mrk"));
    EXPECT_FALSE(backups().list().first().damaged());

    // Reported, and the work goes on.
    io.failAt = 0;
    io.free = 1000;
    env.clock.t = env.clock.t.addDays(1);
    takeAutomaticCopy(p, BackupTrigger::Daily, io);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Backup Copy (First Start Of The Day) Could Not Be Made: Error 61 "
                             "In The Folder\n") +
                  folder() +
                  QStringLiteral("\n\nThe Disk Is Full.  The Copy Needs 74 KBytes Of Free Space; 0 "
                                 "KBytes Are Free.\n\nThe Earlier Copies Are Unchanged."));
    EXPECT_EQ(names().size(), 2);
}

TEST_F(BackupTest, AFailureAtAnyStepOfRestoringLeavesFileAndListsAsTheyWereAndInUse)
{
    const State first = state();
    const QString name = backups().take(BackupTrigger::Manual).name;
    changeEverything();
    const State live = state();
    int n = 1;
    for (; n < 100; ++n) {
        env.clock.t = env.clock.t.addSecs(1);
        io.calls = 0;
        io.failAt = n;
        Backups b = backups();
        if (restoreIntoProgram(p, b, name))
            break;
        ASSERT_EQ(state(), live) << "step " << n;
        expectProgramUses(p, live.at("n&a.mrk"));
        ASSERT_TRUE(env.ui.last().text.contains(" Could Not Be Restored: Error")) << n;
        // Only the copy to restore stays, so rotation never takes it away.
        for (const QString& other : names()) {
            if (other != name)
                QDir(in(other)).removeRecursively();
        }
    }
    // Reads, the copy before the restore, writes under temporary names, renames.
    EXPECT_GE(n, 25);
    EXPECT_EQ(state(), first);
    expectProgramUses(p, first.at("n&a.mrk"));
}

// A second failure while the first is cleaned up. Either the files are as they
// were, or the restore is reported unfinished: then a whole journal takes the
// next start to the copy or back to the files as they were, or, where only a
// last flush failed, one of the two is already in place. What else stays
// behind is a temporary file that the next start removes.
TEST_F(BackupTest, ASecondFailureWhileRestoringLeavesOneWholeStateForTheNextStart)
{
    const State first = state();
    const QString name = backups().take(BackupTrigger::Manual).name;
    changeEverything();
    const State live = state();
    const QString journal = env.dir() + QLatin1Char('/') + kRestoreJournalName;
    const auto startAgain = [&] {
        for (const auto& [file, bytes] : live)
            writeBytes(env.dir() + QLatin1Char('/') + file, bytes);
        QFile::remove(env.dir() + "/tvlmail.abc");
        for (const QString& other : names()) {
            if (other != name)
                QDir(in(other)).removeRecursively();
        }
    };
    int journals = 0, undos = 0;
    for (int later : {1, 2, 5, 15}) {
        for (int n = 1; n < 100; ++n) {
            SCOPED_TRACE(testing::Message() << n << " and " << n + later);
            env.clock.t = env.clock.t.addSecs(1);
            io.calls = 0;
            io.failAt = n;
            io.alsoFailAt = n + later;
            State expected = live;
            try {
                backups().restore(name);
                break;
            } catch (const RestoreUnfinished&) {
                expected = state() == first ? first : live;
                if (QFile::exists(journal)) {
                    ++journals;
                    const std::optional<InterruptedRestore> done =
                        finishInterruptedRestore(*env.files);
                    ASSERT_TRUE(done);
                    const bool back = done->undone || !done->completed;
                    undos += back;
                    expected = back ? live : first;
                }
            } catch (const PlatformError& e) {
                ASSERT_FALSE(QFile::exists(journal))
                    << e.what() << "; "
                    << QDir(env.dir())
                           .entryList(QDir::AllEntries | QDir::Hidden)
                           .join(' ')
                           .toStdString();
            }
            io.failAt = io.alsoFailAt = 0;
            removeStaleTemporaries(*env.files);
            ASSERT_EQ(state(), expected);
            QStringList leftOver = QDir(env.dir()).entryList(QDir::Files | QDir::Hidden);
            for (const auto& [file, bytes] : expected)
                leftOver.removeOne(file);
            ASSERT_EQ(leftOver, QStringList());
            startAgain();
        }
        EXPECT_EQ(state(), first);
        startAgain();
    }
    EXPECT_GT(journals, 0) << "some second failures must leave the journal";
    EXPECT_GT(undos, 0) << "and some of those journals are undos";
}

TEST_F(BackupTest, ADamagedCopyIsMarkedAndRefusedAndOnlyTheProgramsOwnFoldersCount)
{
    const QString odd = backups().take(BackupTrigger::Manual).name;
    env.clock.t = env.clock.t.addSecs(1);
    const QString range = backups().take(BackupTrigger::Manual).name;
    env.clock.t = env.clock.t.addSecs(1);
    const QString changed = backups().take(BackupTrigger::Manual).name;
    QByteArray bytes = fileBytes(env.naPath());
    writeBytes(in(odd + "/n&a.mrk"), bytes + "x");
    writeBytes(in(range + "/n&a.mrk"), bytes.left(4) + "\xA5\x06" + bytes.mid(6)); // LastRecNo 1701
    QByteArray flipped = bytes;
    flipped[700] = 'Z';
    writeBytes(in(changed + "/n&a.mrk"), flipped);
    writeBytes(in("tvl-20260314-090510-manual"), "a file, not a copy");

    const QList<BackupCopy> copies = backups().list();
    ASSERT_EQ(copies.size(), 3);
    EXPECT_EQ(copies[2].damage, "Its File n&a.mrk Has Changed Length.");
    EXPECT_EQ(copies[1].damage, QStringLiteral("Its N&A File's Header Gives 1701 As The Last "
                                               "Record In Use, But The File Holds 7 Records."));
    EXPECT_FALSE(copies[0].damaged()); // same length: found out by restore
    const State live = state();
    Backups b = backups();
    for (const QString& n : {odd, range, changed})
        EXPECT_FALSE(restoreIntoProgram(p, b, n));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Copy Of 03-14-2026 At 09:05:09 Cannot Be Restored:\nIts File "
                             "n&a.mrk Has Changed Since The Copy Was Taken."));
    EXPECT_EQ(names().size(), 3); // refused before any copy was taken
    const std::pair<QByteArray, const char*> judged[] = {
        {bytes.left(573), "Its N&A File Holds No Header Record."},
        {bytes.left(600),
         "Its N&A File's Length, 600 Bytes, Is Not A Whole Number Of 574-Byte Records."},
        {"X" + bytes.mid(1), "Its N&A File's First Record Is Not A Header Record."},
        {bytes.left(4) + QByteArray(2, 0) + bytes.mid(6),
         "Its N&A File's Header Gives 0 As The Last Record In Use, Outside 1 To 1701."},
        {bytes.left(4) + "\xA6\x06" + bytes.mid(6), // 1702
         "Its N&A File's Header Gives 1702 As The Last Record In Use, Outside 1 To 1701."},
        {bytes, ""},
    };
    for (const auto& [b, damage] : judged)
        EXPECT_EQ(naFileDamage(b), QLatin1String(damage));

    // The window marks it, Restore refuses it, Open Folder shows the folder.
    startBackups(p);
    auto* form = windowOf<BackupsDialog>("BackupForm");
    QString opened;
    form->openFolder = [&opened](const QString& f) { opened = f; };
    EXPECT_EQ(form->copyList->topLevelItem(2)->text(4), "Damaged");
    form->copyList->setCurrentItem(form->copyList->topLevelItem(2));
    EXPECT_EQ(form->damageLabel->text(), "Damaged: Its File n&a.mrk Has Changed Length.");
    click(form->restoreButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Copy Of 03-14-2026 At 09:05:07 Is Damaged And "
                             "Cannot Be Restored:\nIts File n&a.mrk Has "
                             "Changed Length."));
    click(form->openFolderButton);
    EXPECT_EQ(opened, folder());
    // Only the damaged copy is marked; Restore with no copy chosen asks for one.
    EXPECT_TRUE(form->copyList->allColumnsShowFocus());
    EXPECT_TRUE(form->copyList->topLevelItem(2)->font(4).bold());
    EXPECT_FALSE(form->copyList->topLevelItem(0)->font(4).bold());
    form->copyList->setCurrentItem(form->copyList->topLevelItem(0));
    EXPECT_EQ(form->damageLabel->text(), QString());
    form->copyList->setCurrentItem(nullptr);
    click(form->restoreButton);
    EXPECT_EQ(env.ui.last().text, "Select The Copy To Restore.");
    // Esc closes the window, whatever button has the focus.
    opened.clear();
    form->openFolderButton->setFocus();
    pressKey(form, Qt::Key_Escape);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state(), live);
}

// A copy before a bulk change that cannot be made refuses the change from the
// command line (in the windows it asks: DiskFull, ABulkChangeWhoseCopyFails...).
// An empty mailing list is copied like any other.
TEST_F(BackupTest, ACopyBeforeABulkChangeThatCannotBeMadeFromTheCommandLineRefuses)
{
    writeBytes(env.dir() + "/tvlmail.nil", QByteArray());
    armCommandLineCopies(p);
    ASSERT_TRUE(p.BeforeBulkChange("import"));
    EXPECT_EQ(backups().list().value(0).files,
              QStringList({"n&a.mrk", "tvlmail.abc", "tvlmail.nil", "tvlmail.Q7"}));
    // The free space of a folder not made yet is that of the nearest one that is.
    EXPECT_TRUE(BackupIo().freeBytes(in("not/made/yet")));

    writeBytes(env.dir() + "/blocker", "a file");
    saveBackupSettings(*env.files, {env.dir() + "/blocker/copies", true});
    EXPECT_FALSE(p.BeforeBulkChange("import"));
    EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::Ok);
    EXPECT_TRUE(env.ui.last().text.endsWith("Copies Are As They Were."));
}

// In the windows a copy that cannot be made asks whether to go on, No the
// default; only Yes lets the change start.
TEST_F(BackupTest, ACopyBeforeABulkChangeThatCannotBeMadeAsksWhetherToGoOn)
{
    for (const auto answer : {Ui::Answer::No, Ui::Answer::Yes}) {
        io.calls = 0;
        io.failAt = 1;
        env.ui.answer(answer);
        EXPECT_EQ(takeAutomaticCopy(p, BackupTrigger::Import, io), answer == Ui::Answer::Yes);
        EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::YesNoDefaultNo);
        EXPECT_TRUE(env.ui.last().text.endsWith("As They Were.\n\nGo On Without A Copy?"))
            << env.ui.last().text.toStdString();
    }
    EXPECT_TRUE(names().isEmpty());
}

TEST_F(BackupTest, PreferencesMoveTheFolderToAnotherDiskAndTheCommandLineUsesIt)
{
    QTemporaryDir other;
    env.ui.onModal([&other](QDialog& d) {
        auto& pref = static_cast<BackupPreferencesDialog&>(d);
        type(pref.folderEdit, other.path() + "/tvl");
        pref.automaticCheck->setChecked(false);
        click(pref.findChild<QPushButton*>("OKButton"));
    });
    const QByteArray naFile = fileBytes(env.naPath());
    // The settings file is shared with the printer calibrations, which stay.
    const PrinterCalibration office{1, 2, 100, 100};
    saveCalibration(*env.files, "Office", office);
    BackupPreferencesDialog pref(p);
    EXPECT_TRUE(pref.automaticCheck->isChecked());
    EXPECT_EQ(pref.folderEdit->text(), folder());
    env.ui.runModal(pref);
    EXPECT_FALSE(loadBackupSettings(*env.files).automatic);
    EXPECT_EQ(loadCalibration(*env.files, "Office"), office);
    EXPECT_EQ(fileBytes(env.naPath()), naFile); // the header keeps its format

    QString out;
    QTextStream o(&out);
    const auto run = [&](const QStringList& args, bool programRunning = false) {
        return runBackupCommandLine(args, *env.files, env.clock, io, programRunning, o, o);
    };
    EXPECT_EQ(run({"--backup"}), 0);
    const QString name = "tvl-20260314-090507-manual";
    EXPECT_TRUE(QFileInfo(other.path() + "/tvl/" + name).isDir());
    EXPECT_FALSE(QFileInfo(folder()).exists());
    changeEverything();
    const State changed = state();
    EXPECT_EQ(run({"--restore", name}, true), 1); // not while the program runs
    EXPECT_EQ(state(), changed);
    EXPECT_EQ(run({"--restore", "tvl-nothing"}), 1);
    EXPECT_EQ(run({"--backup", "x"}), 2);
    EXPECT_EQ(run({"--restore", name}), 0);
    EXPECT_NE(state(), changed);
    EXPECT_EQ(state().count("tvlmail.new"), 0u);
}

// The system's own refusals. A write it refuses part way (here past the file
// size limit) ends the copy with the system's error, and nothing of it is left;
// so does a read it refuses (the start of this process's memory, which is
// unmapped). The only test here in which a read or write fails for good at the
// system's call: a retry that does not stop there hangs. Where the file system
// has no rename that refuses to replace (some network file systems), copies are
// still made, and a rename onto an entry that exists is still refused.
TEST_F(BackupTest, TheSystemsRefusalsEndACopyWithItsErrorAndARenameNeverReplaces)
{
    const QString memory = QStringLiteral("/proc/%1/mem").arg(::getpid());
    EXPECT_NE(errorOf([&] { BackupIo().readFile(memory); }), 0);

    QDir().mkpath(folder());
    FileFaults disk(folder());
    disk.setNoReplaceRenames(true);
    backups().take(BackupTrigger::Manual);
    ASSERT_EQ(names().size(), 1);
    const State before = tree();
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    env.clock.t = env.clock.t.addSecs(1);
    int error = 0, systemError = 0;
    try {
        backups().take(BackupTrigger::Manual);
    } catch (const PlatformError& e) {
        error = e.number();
        systemError = e.systemError();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_EQ(error, ErrNo::DiskFull);
    EXPECT_EQ(systemError, EFBIG) << "the system's own reason, not a full disk";
    EXPECT_EQ(tree(), before);

    writeBytes(in("a"), "a");
    writeBytes(in("b"), "b");
    EXPECT_EQ(errorOf([&] { BackupIo().renameNew(in("a"), in("b")); }), ErrNo::FileAlreadyExists);
    EXPECT_EQ(fileBytes(in("b")), "b");
    BackupIo().renameNew(in("a"), in("c"));
    EXPECT_EQ(fileBytes(in("c")), "a");
    EXPECT_FALSE(QFile::exists(in("a")));
    // A folder goes only when it is empty; one with anything in it stays.
    QDir().mkpath(in("empty"));
    BackupIo().removeFolder(in("empty"));
    EXPECT_FALSE(QFileInfo::exists(in("empty")));
    EXPECT_NE(errorOf([&] { BackupIo().removeFolder(folder()); }), 0);
    EXPECT_TRUE(QFile::exists(in("c")));
}

} // namespace tavrel::test
