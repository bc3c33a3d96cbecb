#include "ShellFixture.h"

#include "dups/DupSearch.h"
#include "records/RecordCommands.h"
#include "store/Undo.h"

namespace tavrel::test {
namespace {

// Record steps made as the person makes them, on the record screens.
class Undo : public ShellTest {
protected:
    // IDs 1 to 5 active; the header already carries the clock's time, so a
    // rewritten header is byte for byte what it was.
    void SetUp() override
    {
        openFile(5);
        writeHeaderRecord(env.p());
        env.ui.setAutoOk(true);
    }

public:
    QWidget* screen() { return findWindow(QStringLiteral("BrsForma")); }
    void add(const QString& name)
    {
        startAddCommand(env.p(), false);
        settle();
        control<QLineEdit>(screen(), "BrsTxt2")->setText(name);
        press(screen(), "BrsCmd7");
    }
    void open(const QString& mode, int id)
    {
        env.ui.answerInput(QString::number(id));
        startIdCommand(env.p(), mode);
        settle();
    }
    void change(int id, int newId, const QString& name)
    {
        open(QStringLiteral("Change"), id);
        control<QLineEdit>(screen(), "BrsTxt1")->setText(QString::number(newId));
        control<QLineEdit>(screen(), "BrsTxt2")->setText(name);
        press(screen(), "BrsCmd5");
        press(screen(), "BrsCmd2");
    }
    void remove(int id)
    {
        open(QStringLiteral("Delete"), id);
        env.ui.answer(Ui::Answer::Yes);
        press(screen(), "BrsCmd3");
        if (screen())
            press(screen(), "BrsCmd2");
    }
    // Edits ID 2, deletes ID 3 as a duplicate search does, which ends the history
    // with a word, and brings it back.
    void undeleteThree()
    {
        change(2, 2, QStringLiteral("Edited"));
        DupSearchState s;
        s.DeletedNames = QVector<QString>(2);
        s.DeletedIds = QVector<qint16>(2);
        deleteDuplicate(env.p(), s, 3);
        EXPECT_EQ(undoMenuText(env.p()), "Can't &Undo After Duplicate Deletion");
        EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::NothingToUndo);
        findLowestFreeId(env.p());
        lowestFree = env.p().LowestFreeId;
        before = fileBytes(env.naPath());
        undeleteDuplicates(env.p(), s, QStringLiteral("DUP2"));
    }

    QByteArray before;
    int lowestFree = 0;
};

TEST_F(Undo, EachStepIsTakenBackByteForByte)
{
    struct Case {
        const char* menu;
        std::function<void(Undo&)> step;
    } cases[] = {
        // Lengthens the file and raises LastRecNo.
        {"&Undo Add Of ID 6", [](Undo& t) { t.add(QStringLiteral("New Person")); }},
        {"&Undo Change Of ID 3", [](Undo& t) { t.change(3, 3, QStringLiteral("Renamed")); }},
        // Two records and the header; the file grows.
        {"&Undo Change Of ID 5 To ID 9", [](Undo& t) { t.change(5, 9, QStringLiteral("Moved")); }},
        // The highest: LastRecNo drops.
        {"&Undo Delete Of ID 5", [](Undo& t) { t.remove(5); }},
        {"&Undo Delete Of ID 2", [](Undo& t) { t.remove(2); }},
        {"&Undo Undelete Of ID 3", [](Undo& t) { t.undeleteThree(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        env.openFile(people(1, 5));
        writeHeaderRecord(env.p());
        endUndoHistory(env.p(), BulkChange::None);
        before = fileBytes(env.naPath());
        const int lastRecNo = env.p().LastRecNo;
        lowestFree = env.p().LowestFreeId;
        c.step(*this);
        EXPECT_EQ(undoMenuText(env.p()), c.menu);

        EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::Undone);
        EXPECT_EQ(fileBytes(env.naPath()), before);
        EXPECT_EQ(env.p().LastRecNo, lastRecNo);
        EXPECT_EQ(env.p().LowestFreeId, lowestFree);
        EXPECT_EQ(env.ui.last().text,
                  "The " + QString::fromLatin1(c.menu).mid(6) + " Has Been Undone.");
    }
}

TEST_F(Undo, StepsGoBackToTheStartAndARecordChangedSinceIsRefused)
{
    const QByteArray start = fileBytes(env.naPath());
    const auto steps = [this] {
        change(2, 2, QStringLiteral("First Edit"));
        remove(4);
        change(2, 2, QStringLiteral("Second Edit"));
    };
    steps();
    undoLastStep(env.p());
    undoLastStep(env.p());
    EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::Undone);
    EXPECT_EQ(fileBytes(env.naPath()), start) << "back to the session's start";
    EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::NothingToUndo);

    // A write that is no step (as following a QuickLink writes a back link)
    // changes record 2 behind the log's back.
    steps();
    Get_NA_Rec(env.p(), 3);
    env.p().CurRec.BackLinkId = 1;
    Put_NA_Rec(env.p(), 3);
    const QByteArray two = recordBytes(env.naPath(), 3);
    const int beeps = env.ui.beeps;
    EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::Refused);
    EXPECT_EQ(env.ui.last().text, "The Change Of ID 2 Cannot Be Undone: Record ID 2 Has Been "
                                  "Changed Since.\nThe N&A File Is Left As It Is.");
    EXPECT_EQ(env.ui.beeps, beeps + 1);
    EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::Undone) << "the delete of 4 is independent";
    EXPECT_TRUE(isActive(readRecord(env.naPath(), 5), 4));
    // The first edit was overwritten by the second, which was not undone.
    EXPECT_EQ(undoLastStep(env.p()), UndoOutcome::Refused);
    EXPECT_EQ(recordBytes(env.naPath(), 3), two);
    EXPECT_FALSE(canUndo(env.p()));
}

TEST_F(Undo, CtrlZInTheMainWindowUndoesOnlyWhenNoCommandRuns)
{
    QAction* undo = action(QStringLiteral("UndoMenu"));
    const QByteArray start = fileBytes(env.naPath());
    env.ui.answerInput(QStringLiteral("5"));
    choose(QStringLiteral("DeleteMenu"));
    settle();
    env.ui.answer(Ui::Answer::Yes);
    press(screen(), "BrsCmd3");
    pressKey(mainWindow(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_FALSE(isActive(readRecord(env.naPath(), 6), 5)) << "the record screens are open";
    press(screen(), "BrsCmd2");
    EXPECT_EQ(undo->text(), "&Undo Delete Of ID 5");
    pressKey(mainWindow(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");
}

} // namespace
} // namespace tavrel::test
