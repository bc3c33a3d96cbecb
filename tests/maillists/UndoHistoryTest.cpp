#include "MailListFixture.h"

#include "store/Undo.h"
#include "store/UndoFiles.h"
#include "store/UndoStore.h"

#include <QFileInfo>

namespace tavrel::test {
namespace {

// The history kept beside the N&A file, and a program started again over it.
class UndoHistory : public MailListTest {
protected:
    void SetUp() override
    {
        MailListTest::SetUp();
        loadUndoHistory(p);
    }

    // Deletes `id` as the record commands do: one step.
    void deleteRecord(Program& on, int id)
    {
        UndoScope step(on, UndoKind::Delete, id);
        Get_NA_Rec(on, id + 1);
        on.CurRec.RecStatus = kDeleted;
        Put_NA_Rec(on, id + 1);
        step.commit();
    }

    void writeList(const QString& name, const QString& title, int member, UndoKind kind)
    {
        ListUndoScope step(p, kind, name);
        clearMailListFlags(p);
        setMember(p, member, true);
        writeMailList(p, name, title);
        step.commit();
    }

    // A second program over the same directory, as the next start makes it.
    std::unique_ptr<Program> restart()
    {
        p.naFile.close();
        auto again = std::make_unique<Program>(env.services(env.printer));
        openNAFile(*again);
        loadUndoHistory(*again);
        return again;
    }

    QString historyPath() const { return path(kUndoHistoryName); }
};

TEST_F(UndoHistory, StepsSurviveARestartAndTakeTheFilesBack)
{
    QFile::setPermissions(env.naPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QByteArray na = fileBytes(env.naPath());
    writeRaw(QStringLiteral("tvlmail.b"), "old b");
    deleteRecord(p, 5);
    writeList(QStringLiteral("tvlmail.a"), QStringLiteral("A"), 3, UndoKind::CreateList);
    writeList(QStringLiteral("tvlmail.b"), QStringLiteral("B"), 8, UndoKind::ChangeList);
    ASSERT_EQ(undoLastStep(p), UndoOutcome::Undone); // waits for Redo
    ASSERT_TRUE(QFileInfo::exists(historyPath()));
    EXPECT_EQ(QFile::permissions(historyPath()), QFile::permissions(env.naPath()))
        << "the history says what the N&A file says, to whoever may read that";
    const QByteArray listA = bytesOf(QStringLiteral("tvlmail.a"));

    std::unique_ptr<Program> again = restart();
    EXPECT_EQ(undoMenuText(*again), "&Undo Create Of Mailing List \"a\"");
    EXPECT_EQ(redoMenuText(*again), "&Redo Change Of Mailing List \"b\"");
    ASSERT_EQ(redoLastStep(*again), UndoOutcome::Undone);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.b")), listBytes(QStringLiteral("B"), {8}));
    EXPECT_EQ(undoLastStep(*again), UndoOutcome::Undone);
    EXPECT_EQ(undoLastStep(*again), UndoOutcome::Undone);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tvlmail.a"))));
    EXPECT_EQ(undoMenuText(*again), "&Undo Delete Of Eve Bond (ID 5)");
    EXPECT_EQ(undoLastStep(*again), UndoOutcome::Undone);
    EXPECT_EQ(fileBytes(env.naPath()), na);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.b")), "old b");
    EXPECT_FALSE(canUndo(*again));

    // Every step taken back still waits for Redo after yet another start.
    again->naFile.close();
    Program third(env.services(env.printer));
    openNAFile(third);
    loadUndoHistory(third);
    EXPECT_EQ(redoMenuText(third), "&Redo Delete Of Eve Bond (ID 5)");
    redoLastStep(third);
    redoLastStep(third);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), listA);

    // A bulk change ends the history, and the file with it.
    endUndoHistory(third, BulkChange::Compaction);
    EXPECT_FALSE(QFileInfo::exists(historyPath()));
}

TEST_F(UndoHistory, FilesChangedByAnotherProgramDropTheHistory)
{
    deleteRecord(p, 5);
    // One byte of a record no step touched, as another program might write it.
    QByteArray na = fileBytes(env.naPath());
    na[3 * NARecord::Size + 40] = 'Z';
    writeBytes(env.naPath(), na);
    std::unique_ptr<Program> again = restart();
    EXPECT_FALSE(canUndo(*again));
    EXPECT_FALSE(canRedo(*again));
    EXPECT_FALSE(QFileInfo::exists(historyPath()));

    // A list file that a step touched, changed since: dropped too.
    writeList(QStringLiteral("tvlmail.a"), QStringLiteral("A"), 3, UndoKind::CreateList);
    p.naFile.close();
    {
        Program second(env.services(env.printer));
        openNAFile(second);
        loadUndoHistory(second);
        ASSERT_TRUE(canUndo(second)) << "nothing changed yet";
        deleteRecord(second, 3);
        second.naFile.close();
    }
    writeRaw(QStringLiteral("tvlmail.a"), "edited elsewhere");
    again = restart();
    EXPECT_FALSE(canUndo(*again));
    EXPECT_FALSE(QFileInfo::exists(historyPath()));
}

TEST_F(UndoHistory, ADamagedHistoryIsDroppedWithoutHarm)
{
    writeList(QStringLiteral("tvlmail.a"), QStringLiteral("A"), 3, UndoKind::CreateList);
    deleteRecord(p, 8);
    const QByteArray good = fileBytes(historyPath());
    const std::optional<StoredUndoHistory> decoded = decodeUndoHistory(good);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->steps.size(), 2);

    // A record outside the file, and a step that would write the N&A file as a
    // list, each under a correct digest of the whole.
    StoredUndoHistory outside = *decoded;
    outside.steps[1].records[0].recNo = 1702;
    StoredUndoHistory naAsList = *decoded;
    naAsList.steps[0].files[0].name = QStringLiteral("n&a.mrk");
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = char(flipped.at(flipped.size() / 2) ^ 1);
    QByteArray nextVersion = good;
    nextVersion[7] = char(good.at(7) + 1);
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"cut short", good.left(good.size() - 5)},
        {"one bit flipped", flipped},
        {"unknown version", nextVersion},
        {"garbage", QByteArray(5000, '\xff')},
        {"record outside", encodeUndoHistory(outside)},
        {"N&A file as a list", encodeUndoHistory(naAsList)},
    };
    const QByteArray na = fileBytes(env.naPath());
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(decodeUndoHistory(bytes));
        writeBytes(historyPath(), bytes);
        p.naFile.close();
        Program again(env.services(env.printer));
        openNAFile(again);
        loadUndoHistory(again);
        EXPECT_FALSE(canUndo(again));
        EXPECT_FALSE(QFileInfo::exists(historyPath()));
        again.naFile.close();
        openNAFile(p);
    }
    EXPECT_EQ(fileBytes(env.naPath()), na);

    // Only the newest steps are kept.
    StoredUndoHistory many = *decoded;
    many.steps.clear();
    for (int i = 0; i < kMaxStoredSteps + 20; ++i) {
        many.steps.append(decoded->steps[1]);
        many.steps.last().id = i % 1700 + 1;
    }
    const std::optional<StoredUndoHistory> trimmed = decodeUndoHistory(encodeUndoHistory(many));
    ASSERT_TRUE(trimmed);
    ASSERT_EQ(trimmed->steps.size(), kMaxStoredSteps);
    EXPECT_EQ(trimmed->steps.last().id, many.steps.last().id);
}

} // namespace
} // namespace tavrel::test
