// Start-up: screen check, single copy, splash, the N&A file, main window, welcome box.
#include "ShellFixture.h"

#include "platform/RestoreJournal.h"
#include "shell/Startup.h"
#include "sync/SyncState.h"

#include <cerrno>
#include <QDir>
#include <QFile>

namespace tavrel::test {
namespace {

// A clock that notes what the screen looks like each time start-up waits.
class WatchingClock : public FixedClock {
public:
    std::function<void()> onSleep;
    void sleepMs(int ms) override
    {
        if (onSleep)
            onSleep();
        FixedClock::sleepMs(ms);
    }
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : program(env.services(env.printer, nullptr, &clock)) {}
    void TearDown() override
    {
        main.reset();
        settle();
    }
    StartupEnvironment screen(int widthPx, int heightPx)
    {
        StartupEnvironment e;
        e.screenWidthTwips = widthPx * 15;
        e.screenHeightTwips = heightPx * 15;
        e.checkSingleCopy = [this] { return ++instanceChecks, InstanceCheck{}; };
        e.programFile = env.dir() + QStringLiteral("/tavrel");
        return e;
    }
    void run(const StartupEnvironment& e) { main = startUp(program, e); }

    TestEnv env;
    WatchingClock clock;
    Program program;
    std::unique_ptr<MainWindow> main;
    int instanceChecks = 0;
};

// A screen below 640 x 480, another copy running, or a lock that cannot be
// made: one message, and nothing else happens (no splash, no N&A file).
TEST_F(StartupTest, EachRefusalEndsTheRunBeforeTheSplash)
{
    struct Row {
        int width;
        InstanceCheck check;
        QString text;
    };
    InstanceCheck another, noLock;
    another.anotherCopy = true;
    noLock.lockProblem = QStringLiteral("Permission denied");
    noLock.systemError = EACCES;
    const Row rows[] = {
        {630,
         {},
         "Your Current Screen Resolution Is Too Low To Properly Display the "
         "Corvane Windows.  Click OK To Exit Corvane."},
        {1024, another, "Corvane Mark32 Is Already Running."},
        {1024,
         noLock,
         "TVL Cannot Make Its Lock File In The Folder\n" + env.dir() +
             "\n(Permission denied).\n\nClick OK To Terminate TVL."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        env.ui.messages.clear();
        instanceChecks = 0;
        StartupEnvironment e = screen(row.width, 480);
        e.checkSingleCopy = [&] { return ++instanceChecks, row.check; };
        env.ui.answer(Ui::Answer::Ok);
        EXPECT_THROW(run(e), ProgramEnded);
        ASSERT_EQ(env.ui.messages.size(), 1u);
        EXPECT_EQ(env.ui.last().text, row.text);
        EXPECT_EQ(env.ui.last().title, QStringLiteral("Corvane Mark32"));
        EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::Ok);
        EXPECT_EQ(instanceChecks, row.width < 640 ? 0 : 1);
        EXPECT_EQ(clock.sleptMs, 0);
    }
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// 640 x 480 is enough. The splash is painted whenever the window system
// exposes it again during the wait (it was covered, or shown late).
TEST_F(StartupTest, StepsRunInOrderWithAFiveSecondSplash)
{
    writeNAFile(env.naPath(), {{1, makeRecord(1, QStringLiteral("Ann"))}}, -1, QLatin1Char('1'));
    PaintCounter counter;
    clock.onSleep = [&] {
        // During the splash: the About box stands alone, without its OK button
        // and date line; the file is not open yet and there is no main window.
        QWidget* splash = findWindow(QStringLiteral("AbtForm"));
        ASSERT_NE(splash, nullptr);
        ASSERT_NE(splash->windowHandle(), nullptr);
        EXPECT_TRUE(splash->windowHandle()->isExposed()) << "waiting on a box not yet shown";
        EXPECT_TRUE(control(splash, QStringLiteral("AbtCmd1"))->isHidden());
        EXPECT_TRUE(control(splash, QStringLiteral("Text1"))->isHidden());
        EXPECT_EQ(instanceChecks, 1);
        EXPECT_FALSE(program.naFile.isOpen());
        EXPECT_EQ(findWindow(QStringLiteral("MarkMain")), nullptr);
        splash->installEventFilter(&counter);
        splash->update();
    };
    const QDateTime before = clock.now();
    run(screen(640, 480));
    // The twip area in millions, rounded to the nearest: 69.12 here.
    EXPECT_EQ(program.ScreenSizeFigure, 69);
    EXPECT_EQ(screenSizeFigure(9525, 7200), 69); // 68.58 rounds up
    EXPECT_EQ(screenSizeFigure(9450, 7200), 68); // 68.04
    EXPECT_GE(counter.paints, 1) << "the splash was not painted again during its five seconds";
    EXPECT_GT(before.msecsTo(clock.now()), 5000);
    EXPECT_LT(before.msecsTo(clock.now()), 5100);
    EXPECT_EQ(findWindow(QStringLiteral("AbtForm")), nullptr) << "splash left open";
    EXPECT_TRUE(program.naFile.isOpen());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible()); // with no message and no welcome box: none is scripted
}

TEST_F(StartupTest, ARestoreCutShortIsFinishedAndStaleTemporariesGoBeforeTheFileOpens)
{
    auto at = [this](const QString& name) { return env.dir() + QLatin1Char('/') + name; };
    writeNAFile(env.naPath(), {{1, makeRecord(1, QStringLiteral("Old"))}});
    const QString staged = at(QStringLiteral(".tvlrestore.n&a.mrk"));
    writeNAFile(staged, {{1, makeRecord(1, QStringLiteral("From Copy"))},
                         {5, makeRecord(5, QStringLiteral("Eve"))}});
    const QByteArray restored = fileBytes(staged);
    RestoreJournal journal;
    journal.copyName = QStringLiteral("tvl-20260301-080000-manual");
    journal.renames.append({QStringLiteral(".tvlrestore.n&a.mrk"), QStringLiteral("n&a.mrk")});
    writeBytes(at(kRestoreJournalName), journal.toBytes());
    // What a killed run leaves under the program's own names goes; links and
    // the user's own files stay.
    const QStringList stale = {QStringLiteral("Q$Q$Q$Q$.COM"), QStringLiteral("Q$Q$Q$Q$.TMP"),
                               QStringLiteral("tvlimport.tmp"),
                               QStringLiteral(".tvlrestore.tvlmail.x"),
                               QStringLiteral(".tvlsave.tavrel.cfg")};
    for (const QString& n : stale)
        writeBytes(at(n), "stale");
    writeBytes(at(QStringLiteral("notes.tmp")), "mine");
    ASSERT_TRUE(QFile::link(at(QStringLiteral("notes.tmp")), at(QStringLiteral(".tvlsave.x"))));

    env.ui.answer(Ui::Answer::Ok);
    run(screen(1024, 768));
    ASSERT_FALSE(env.ui.messages.empty());
    EXPECT_EQ(env.ui.messages[0].text,
              QStringLiteral("The Restore Of The Copy Of 03-01-2026 At 08:00:00 Was "
                             "Interrupted.\n\nIt Has Now Been Completed: The N&A File And The "
                             "Mailing Lists Are Those Of The Copy."));
    EXPECT_EQ(fileBytes(env.naPath()), restored);
    EXPECT_EQ(program.LastRecNo, 6);
    const QStringList left = QDir(env.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n :
         stale + QStringList{kRestoreJournalName, QStringLiteral(".tvlrestore.n&a.mrk")})
        EXPECT_FALSE(left.contains(n)) << n.toStdString();
    EXPECT_TRUE(QFileInfo(at(QStringLiteral(".tvlsave.x"))).isSymLink());
    EXPECT_EQ(fileBytes(at(QStringLiteral("notes.tmp"))), QByteArray("mine"));
}

// The welcome box follows WelcomeOff and can switch itself off. Where the
// person asked for a sync at start-up, it starts once the main window is up
// and stands alone; a window still open leaves it out.
TEST_F(StartupTest, WelcomeBoxAndSyncAtStartComeAfterTheMainWindow)
{
    writeNAFile(env.naPath(), {{1, makeRecord(1, QStringLiteral("Ann"))}}, -1, QLatin1Char('0'));
    SyncState st;
    st.server = QStringLiteral("http://127.0.0.1:9/");
    st.book = QUrl(QStringLiteral("http://127.0.0.1:9/book/"));
    st.syncAtStartAndExit = true;
    saveSyncState(*env.files, st);
    env.ui.onModal([](QDialog& d) {
        QWidget* m = findWindow(QStringLiteral("MarkMain"));
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(m->isVisible());
        auto* check = control<QAbstractButton>(&d, QStringLiteral("Check1"));
        EXPECT_FALSE(check->isChecked());
        click(check);
        click(control<QAbstractButton>(&d, QStringLiteral("OKButton")));
    });
    run(screen(1024, 768));
    EXPECT_EQ(env.ui.modalWindows, QStringList{QStringLiteral("FileOpenDlg")});
    EXPECT_EQ(program.WelcomeOff, QLatin1Char('1'));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("1"));

    auto* other = new QWidget(nullptr, Qt::Window);
    loadWindow(other);
    other->show();
    settle();
    EXPECT_EQ(loadedWindow(QStringLiteral("SyncForm")), nullptr) << "sync beside another window";
    unloadWindow(other);
    settle();
    main->syncAtStart();
    QWidget* sync = loadedWindow(QStringLiteral("SyncForm"));
    ASSERT_NE(sync, nullptr);
    EXPECT_TRUE(main->commandRunning());
    unloadWindow(sync);
    settle();
}

} // namespace
} // namespace tavrel::test
