// Ctrl+Z and Ctrl+Y on the record screens: a box's own typing first, then the
// steps of the file.
#include "RecordsFixture.h"

#include "store/Undo.h"

namespace tavrel::test {
namespace {

class RecordUndo : public RecordsFixture {
protected:
    // IDs 1 to 5 active; the header already carries the clock's time, so a
    // rewritten header is byte for byte what it was.
    void SetUp() override
    {
        start(people(1, 5));
        writeHeaderRecord(env.p());
    }
};

TEST_F(RecordUndo, CtrlZTakesBackTheBoxsTypingFirstThenTheStepAndTheKeysReachTheScreenFromAnyBox)
{
    const QByteArray start = fileBytes(env.naPath());
    openById(ScreenMode::Change, 1);
    QLineEdit* name = box(one(), "BrsTxt2");
    name->setFocus();
    type(name, QStringLiteral("Greta Becker"));
    press(one(), "BrsCmd5");
    const QByteArray changed = fileBytes(env.naPath());
    ASSERT_NE(changed, start);

    // Right after Change the typing is part of the step: Ctrl+Z in the box
    // that was typed into takes the step back, and the screen shows the file.
    name->setFocus();
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);
    EXPECT_EQ(name->text().trimmed(), "Person 1");
    EXPECT_EQ(lastMessage(), "The Change Of Person 1 (ID 1) Has Been Undone.");

    // Ctrl+Y makes it again, wherever the focus is (here: on a button).
    button(one(), "BrsCmd1")->setFocus();
    pressKey(one(), Qt::Key_Y, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), changed);
    EXPECT_EQ(name->text().trimmed(), "Greta Becker");

    // Typing since is the box's own: the first Ctrl+Z takes back only that.
    QLineEdit* line = box(one(), "BrsTxt3_0");
    const QString address = line->text();
    line->setFocus();
    type(line, QStringLiteral("Elsewhere 1"));
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line->text(), address);
    EXPECT_EQ(fileBytes(env.naPath()), changed);
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);
    EXPECT_EQ(name->text().trimmed(), "Person 1");

    // A box with nothing of its own to make again lets Ctrl+Shift+Z through
    // to the screen, which makes the step again.
    QLineEdit* other = box(one(), "BrsTxt3_1");
    other->setFocus();
    ASSERT_FALSE(other->isRedoAvailable());
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), changed);
    EXPECT_EQ(name->text().trimmed(), "Greta Becker");
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), start);

    // With nothing left, the key only beeps.
    const int beeps = env.ui.beeps;
    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(env.ui.beeps, beeps + 1);
    EXPECT_EQ(fileBytes(env.naPath()), start);
}

} // namespace
} // namespace tavrel::test
