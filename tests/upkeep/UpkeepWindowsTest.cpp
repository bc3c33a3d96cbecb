#include "UpkeepFixture.h"

#include "platform/gui/Windows.h"
#include "upkeep/Backups.h"
#include "upkeep/gui/UpkeepCommands.h"

#include <QLabel>
#include <QPushButton>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// Caption and tool tip of a button of `window`, as "caption | tip".
QString button(QWidget* window, const char* name)
{
    auto* b = control<QPushButton>(window, QLatin1String(name));
    return b ? b->text() + " | " + b->toolTip() : QString();
}

QString label(QWidget* window, const char* name)
{
    auto* l = control<QLabel>(window, QLatin1String(name));
    return l ? l->text() : QString();
}

class CompactWindowsTest : public UpkeepTest {
protected:
    void SetUp() override
    {
        std::map<int, NARecord> r = people(1, 6);
        r[2] = deletedRecord(2, "Gone");
        writeAndOpen(r);
    }
    // Opens the command and goes through both confirmations to CompactionWarningDialog.
    QWidget* toWarning()
    {
        startCompact(p);
        QWidget* form = findWindow("CompactForm");
        click(control<QPushButton>(form, "CompactCmd1"));
        settle();
        EXPECT_EQ(findWindow("CompactForm"), nullptr);
        return findWindow("WarningForm");
    }
    void pressYes(QWidget* warning)
    {
        click(control<QPushButton>(warning, "WarningCmd1"));
        settle();
    }
};

} // namespace

TEST_F(CompactWindowsTest, BothConfirmationsShowTheirTextsCancelChangesNothingAndAFailureIsReported)
{
    startCompact(p);
    QWidget* form = findWindow("CompactForm");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Compact N&A File");
    EXPECT_EQ(label(form, "CompactLbl1"), "Do You Have A Current Backup Of The N&A File?");
    EXPECT_EQ(label(form, "CompactLbl2"),
              QStringLiteral("If Not, Exit Corvane MARK32, Use Windows 95 Explorer To Copy  The  "
                             "File  To  A  Floppy, Then Start TVL Again And Perform The "
                             "Compaction."));
    EXPECT_EQ(label(form, "Label1") + QLatin1Char('/') + label(form, "Label2"),
              QStringLiteral("Have You Checked The File Statistics To/Determine Whether You Need "
                             "To Compact?"));
    EXPECT_EQ(button(form, "CompactCmd1"),
              "&Continue Compaction | Continue Preparing For Compaction");
    EXPECT_EQ(button(form, "CompactCmd2"), "Cance&l | Don't Perform A Compaction");
    // Esc does nothing; Cancel closes.
    pressKey(form, Qt::Key_Escape);
    EXPECT_TRUE(isLoaded(form));
    click(control<QPushButton>(form, "CompactCmd2"));
    settle();
    EXPECT_TRUE(loadedWindows().isEmpty());

    QWidget* warning = toWarning();
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->windowTitle(), "Compaction Warning!");
    const std::pair<const char*, const char*> texts[] = {
        {"Label1", "Compacting The N&A File May Result In The Reassignment"},
        {"Label7", "Some N&A Entries"},
        {"Label2", "This could have two effects:"},
        {"Label3", "- Existing Reports May Reflect The Wrong ID Number For "},
        {"Label8", "In ID Numbers"},
        {"Label4", "- Existing Mailing Lists May Be Invalidated Due To The Shift"},
        {"Label9", "Of Some ID Numbers."},
        {"Label5", "After Compaction You May Need To Reprint Reports And"},
        {"Label10", "Regenerate Mailing Lists."},
        {"Label6", "Do You Still Want To Compact The N&A File?"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(label(warning, name), QLatin1String(text)) << name;
    EXPECT_EQ(button(warning, "WarningCmd1"), "&Yes | Start Compacting The N&A File");
    EXPECT_EQ(button(warning, "WarningCmd2"), "&No | Don't Compact The N&A File");
    click(control<QPushButton>(warning, "WarningCmd2"));
    settle();
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_EQ(file(), before);
    EXPECT_TRUE(env.ui.messages.empty());

    // A failure is reported with its number and r; the windows that confirm stay,
    // the please-wait window goes, and the N&A file is as it was.
    warning = toWarning();
    // A folder where the temporary file should go cannot be removed.
    ASSERT_TRUE(QDir(env.dir()).mkpath(kCompactTempName + "/x"));
    env.ui.answer(Ui::Answer::Ok);
    pressYes(warning);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Error =  75 In CompactForm. r =  0.  Notify Programmer.\n\nA File "
                             "Or Folder Could Not Be Reached.  The N&A File Is Unchanged."));
    EXPECT_EQ(env.ui.last().title, kDefaultTitle);
    EXPECT_EQ(file(), before);
    expectProgramUses(p, before);
    EXPECT_FALSE(env.ui.waitCursor);
    EXPECT_EQ(findWindow("CompactingMsg"), nullptr);
    EXPECT_TRUE(isLoaded(warning));

    // A program directory that names no disk.
    Files relative("tavrel-data");
    Program q(env.services(env.printer, &relative));
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_FALSE(runCompaction(q));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Free Space Of The Program Directory tavrel-data Cannot Be "
                             "Determined.  Cannot Perform Compaction."));
    env.ui.answer(Ui::Answer::Ok);
    showFileStatistics(q);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("App.Path = tavrel-data.  Cannot Determine Drive "
                                                 "Letter. Exiting The Statistics Feature."));
    EXPECT_EQ(env.ui.last().title, kDefaultTitle);
    settle();
    EXPECT_EQ(findWindow("AnalyzingForm"), nullptr);
}

// Yes checks the space first: the compacted file beside the old one (its
// length + 1000 bytes) and, when automatic copies are on, the backup copy taken
// before it. One byte short it refuses and writes nothing; with exactly that
// much it compacts.
TEST_F(CompactWindowsTest, YesChecksTheSpaceForTheFileAndItsCopyThenCompactsAndReports)
{
    const qint64 length = before.size(); // 7 records: 4,018 bytes
    struct Row {
        bool automatic;
        qint64 free;
        const char* refusal; // empty: it compacts
    };
    const Row rows[] = {
        {true, 2 * length + 64 * 1024 + 999,
         "Space Available On Your Hard Drive:  72 KBytes. Compacting The N&A File Requires "
         "73,572 Bytes Of Free Disk Space.  Cannot Perform Compaction.\n\nThe Disk Is Too Full: "
         "Room Is Needed For The Compacted File And For The Backup Copy Taken Before It (69,554 "
         "Bytes).  Nothing Was Changed."},
        {false, length + 999,
         "Space Available On Your Hard Drive:  4 KBytes. Compacting The N&A File Requires 4,018 "
         "Bytes Of Free Disk Space.  Cannot Perform Compaction.\n\nThe Disk Is Too Full For The "
         "Compacted File.  Nothing Was Changed."},
        {false, length + 1000, ""},
        {true, 2 * length + 64 * 1024 + 1000, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.free);
        restore(before);
        saveBackupSettings(*env.files, {QString(), r.automatic});
        env.ui.messages.clear();
        QWidget* warning = toWarning();
        setFreeBytes(r.free);
        env.ui.answer(Ui::Answer::Ok);
        pressYes(warning);
        ASSERT_EQ(env.ui.messages.size(), 1u);
        EXPECT_FALSE(env.ui.waitCursor);
        if (*r.refusal) {
            EXPECT_EQ(env.ui.last().text, QLatin1String(r.refusal));
            EXPECT_EQ(env.ui.last().title, "Corvane MARK32");
            EXPECT_EQ(file(), before);
            EXPECT_TRUE(isLoaded(warning));
            closeAllWindows();
            continue;
        }
        EXPECT_EQ(env.ui.last().title, kTitle);
        EXPECT_TRUE(env.ui.last().text.startsWith(
            "Compaction Complete.  The N&A File Now Has  5 Active Records."));
        EXPECT_NE(file(), before); // its bytes: the compaction's own tests
        EXPECT_TRUE(loadedWindows().isEmpty());
    }
}
