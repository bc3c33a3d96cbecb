// Syncs killed, cut or answered twice on the way: the next sync finishes the
// job, and nothing is duplicated, lost or undone.
#include "SyncPassFixture.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

// A sync killed at random moments, again and again while both sides change:
// the next sync finishes the job, and nothing is duplicated or lost.
TEST_F(SyncPassTest, ASyncKilledAtAnyMomentIsFinishedByTheNextWithNothingDuplicatedOrLost)
{
    auto a = program(phoneList(40));
    auto b = program({});
    const int asked = qEnvironmentVariableIntValue("TAVREL_SYNC_KILL_TRIALS");
    const int trials = asked > 0 ? asked : 20;
    std::mt19937 random(27);
    // How long a whole first sync takes, to spread the kills over it.
    QElapsedTimer timer;
    timer.start();
    sync(*program(phoneList(40)));
    qint64 span = qMax<qint64>(timer.nsecsElapsed() / 1000, 1000);
    int added = 0, killed = 0;
    for (int trial = 0; trial < trials; ++trial) {
        // Something new on each side now and then, and a change here.
        if (trial % 3 == 0) {
            const int id = 41 + added++;
            add(*a, makeRecord(id, QStringLiteral("Added %1").arg(id)));
        }
        edit(*a, QStringLiteral("Person %1").arg(1 + random() % 40),
             [trial](NARecord& r) { r.Comments = QStringLiteral("Trial %1").arg(trial); });
        if (trial % 5 == 0)
            sync(*b);
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                a->p().naFile.close();
                a->open();
                CardDavClient client(settings());
                ::_exit(runSync(a->p(), client, {}).ok() ? 0 : 1);
            } catch (...) {
                ::_exit(2);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % span));
        ::kill(pid, SIGKILL);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        killed += WIFSIGNALED(status);
        // Later syncs have less to do: the kills follow how long they take.
        span = WIFSIGNALED(status) ? span * 9 / 8 : qMax<qint64>(span * 3 / 4, 1000);
        a->p().naFile.close();
        a->open();
    }
    EXPECT_GT(killed, trials / 5) << "syncs killed on the way, of " << trials;
    sync(*a);
    sync(*b);
    sync(*a);
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(peopleOf(*a).size(), 40 + added);
    EXPECT_EQ(cardsThere().size(), 40 + added);
}

// A changed card that reached the server while its answer did not (the
// connection dropped, or the syncing process was killed then), and the same
// field edited again before the next sync: the newest value wins, and what the
// server had added stays on both sides.
TEST_F(SyncPassTest, AChangeThatLandedWithoutItsAnswerIsNotUndoneByTheNextSync)
{
    CutAfterPut cutter(quint16(server->base().port()));
    auto [a, b] = synced(phoneList(4));
    // A talks to the server through the go-between from now on.
    SyncState st = *loadSyncState(*a->files, nullptr);
    st.book = cutter.through(book);
    saveSyncState(*a->files, st);
    DavSettings through = settings();
    through.server = cutter.through(through.server);
    const auto syncThrough = [&] {
        CardDavClient client(through);
        return runSync(a->p(), client, {});
    };
    const auto killedAtThePut = [&] {
        QCoreApplication::processEvents();
        const pid_t pid = ::fork();
        if (pid == 0) {
            cutter.closeInChild();
            a->p().naFile.close();
            a->open();
            syncThrough();
            ::_exit(0);
        }
        cutter.cut = [pid] { ::kill(pid, SIGKILL); };
        int status = 0;
        QDeadlineTimer deadline(60000);
        while (::waitpid(pid, &status, WNOHANG) == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (deadline.hasExpired()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        EXPECT_TRUE(WIFSIGNALED(status)) << "the sync was not killed at its PUT";
        a->p().naFile.close();
        a->open();
    };
    for (int trial : {1, 2}) {
        const QString who = QStringLiteral("Person %1").arg(trial);
        const QString phone = QStringLiteral("555 090%1").arg(trial);
        edit(*a, who, [](NARecord& r) { r.EMail = QStringLiteral("second@a.example"); });
        edit(*b, who, [&phone](NARecord& r) { r.PhoneNum1 = phone; });
        sync(*b);
        const int cutsBefore = cutter.cuts;
        cutter.cutting = true;
        if (trial == 1)
            EXPECT_FALSE(syncThrough().ok());
        else
            killedAtThePut();
        cutter.cutting = false;
        // A PUT guarded by its ETag that went unanswered goes once more, and is cut again.
        ASSERT_EQ(cutter.cuts - cutsBefore, trial == 1 ? 2 : 1);

        edit(*a, who, [](NARecord& r) { r.EMail = QStringLiteral("third@a.example"); });
        const SyncReport r = syncThrough();
        EXPECT_TRUE(r.ok()) << r.summary().toStdString();
        EXPECT_EQ(r.conflicts, 0) << trial;
        sync(*b);
        EXPECT_EQ(recordOf(*b, who).EMail.trimmed(), QStringLiteral("third@a.example")) << trial;
        EXPECT_EQ(recordOf(*a, who).EMail.trimmed(), QStringLiteral("third@a.example")) << trial;
        EXPECT_EQ(recordOf(*a, who).PhoneNum1.trimmed(), phone) << trial;
        EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    }
}

// New cards that reached the server before they were sent again: a killed
// sync's card landing late, just after the next sync looked for it, or a
// request repeated after its connection dropped. The address is taken by the
// very card: each is kept once, never sent again under a second name.
TEST_F(SyncPassTest, ANewCardThatLandedBeforeItWasSentAgainIsKeptOnceNeverUnderASecondName)
{
    CutAfterPut cutter(quint16(server->base().port()));
    auto a = program(phoneList(3));
    sync(*a);
    SyncState st = *loadSyncState(*a->files, nullptr);
    st.book = cutter.through(book);
    // Noted by a sync killed before its card arrived, and a record new since.
    add(*a, makeRecord(4, QStringLiteral("Sent Late")));
    const QByteArray late = recordOf(*a, "Sent Late").toBytes();
    st.entries << SyncEntry{4,
                            book.path() + QStringLiteral("sent-late.vcf"),
                            "sent-late",
                            "",
                            cardFromRecord(late, "sent-late"),
                            late};
    saveSyncState(*a->files, st);
    add(*a, makeRecord(5, QStringLiteral("New Here")));
    edit(*a, "Person 2", [](NARecord& r) { r.Comments = QStringLiteral("Changed here"); });
    DavSettings through = settings();
    through.server = cutter.through(through.server);
    const auto syncThrough = [&] {
        CardDavClient client(through);
        return runSync(a->p(), client, {});
    };
    cutter.doubling = true;
    SyncReport r = syncThrough();
    cutter.doubling = false;
    EXPECT_TRUE(r.ok()) << r.summary().toStdString();
    EXPECT_EQ(cutter.doubled, 3);
    EXPECT_EQ(counts(r), QStringLiteral("+0 ~0 -0 | +2 ~1 -0 | 0"));
    EXPECT_EQ(cardsThere().size(), 5);
    EXPECT_TRUE(cardsThere().contains(book.path() + QStringLiteral("sent-late.vcf")));
    r = syncThrough();
    EXPECT_EQ(counts(r), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    auto b = program({});
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+5 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(peopleOf(*a).size(), 5);
}

} // namespace
