#include "ShellFixture.h"

#include "dups/DupSearch.h"
#include "records/gui/RecordCommands.h"
#include "store/Undo.h"

#include <QMenu>

namespace tavrel::test {
namespace {

// The menu item as the person sees it: its menu refreshes it as it opens.
QAction* shown(QAction* item)
{
    for (QObject* o : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o))
            Q_EMIT menu->aboutToShow();
    return item;
}

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
    void open(ScreenMode mode, int id)
    {
        env.ui.answerInput(QString::number(id));
        startIdCommand(env.p(), mode);
        settle();
    }
    void change(int id, int newId, const QString& name)
    {
        open(ScreenMode::Change, id);
        control<QLineEdit>(screen(), "BrsTxt1")->setText(QString::number(newId));
        control<QLineEdit>(screen(), "BrsTxt2")->setText(name);
        press(screen(), "BrsCmd5");
        press(screen(), "BrsCmd2");
    }
    void remove(int id)
    {
        open(ScreenMode::Delete, id);
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
        {"&Undo Add Of New Person (ID 6)", [](Undo& t) { t.add(QStringLiteral("New Person")); }},
        {"&Undo Change Of Person 3 (ID 3)",
         [](Undo& t) { t.change(3, 3, QStringLiteral("Renamed")); }},
        // Two records and the header; the file grows.
        {"&Undo Change Of Person 5 (ID 5 To ID 9)",
         [](Undo& t) { t.change(5, 9, QStringLiteral("Moved")); }},
        // The highest: LastRecNo drops.
        {"&Undo Delete Of Person 5 (ID 5)", [](Undo& t) { t.remove(5); }},
        {"&Undo Delete Of Person 2 (ID 2)", [](Undo& t) { t.remove(2); }},
        {"&Undo Undelete Of Person 3 (ID 3)", [](Undo& t) { t.undeleteThree(); }},
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
    EXPECT_EQ(env.ui.last().text, "The Change Of First Edit (ID 2) Cannot Be Undone: Record ID 2 "
                                  "Has Been Changed Since.\nThe N&A File Is Left As It Is.");
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
    EXPECT_EQ(undo->text(), "&Undo Delete Of Person 5 (ID 5)");
    pressKey(mainWindow(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");
}

TEST_F(Undo, RedoInTheMainWindowMakesAStepAgainUntilSomethingElseChangesIt)
{
    QAction* undo = action(QStringLiteral("UndoMenu"));
    QAction* redo = action(QStringLiteral("RedoMenu"));
    const QByteArray start = fileBytes(env.naPath());
    add(QStringLiteral("Smith & Sons"));
    settle();
    const QByteArray added = fileBytes(env.naPath());
    // The name's "&" is shown, not taken for an access key.
    EXPECT_EQ(shown(undo)->text(), "&Undo Add Of Smith && Sons (ID 6)");
    EXPECT_FALSE(shown(redo)->isEnabled());
    EXPECT_EQ(shown(redo)->text(), "&Redo");

    pressKey(mainWindow(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);
    EXPECT_TRUE(shown(redo)->isEnabled());
    EXPECT_EQ(shown(redo)->text(), "&Redo Add Of Smith && Sons (ID 6)");
    pressKey(mainWindow(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), added);
    EXPECT_EQ(env.p().LastRecNo, 7);
    EXPECT_EQ(env.ui.last().text, "The Add Of Smith & Sons (ID 6) Has Been Redone.");
    EXPECT_EQ(shown(undo)->text(), "&Undo Add Of Smith && Sons (ID 6)");
    EXPECT_FALSE(shown(redo)->isEnabled());

    // A new step forgets what could be redone.
    undoLastStep(env.p());
    change(2, 2, QStringLiteral("Edited"));
    EXPECT_FALSE(canRedo(env.p()));
    // So does a bulk change.
    undoLastStep(env.p());
    ASSERT_TRUE(canRedo(env.p()));
    endUndoHistory(env.p(), BulkChange::Import);
    EXPECT_FALSE(canRedo(env.p()));
    change(2, 2, QStringLiteral("Edited"));

    // A record changed behind the log's back refuses the redo, touching nothing.
    undoLastStep(env.p());
    Get_NA_Rec(env.p(), 3);
    env.p().CurRec.BackLinkId = 1;
    Put_NA_Rec(env.p(), 3);
    const QByteArray linked = fileBytes(env.naPath());
    EXPECT_EQ(redoLastStep(env.p()), UndoOutcome::Refused);
    EXPECT_EQ(env.ui.last().text, "The Change Of Person 2 (ID 2) Cannot Be Redone: Record ID 2 "
                                  "Has Been Changed Since.\nThe N&A File Is Left As It Is.");
    EXPECT_EQ(fileBytes(env.naPath()), linked);
    EXPECT_FALSE(canRedo(env.p()));
}

} // namespace
} // namespace tavrel::test
