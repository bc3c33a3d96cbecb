// Keys on the record screens: Esc, which asks before typing is lost, and
// Ctrl+Z and Ctrl+Y, which take back a box's own typing first, then the steps
// of the file.
#include "RecordsFixture.h"

#include "platform/gui/Windows.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "store/Undo.h"

namespace tavrel::test {
namespace {

class RecordKeys : public RecordsFixture {
protected:
    // IDs 1 to 5 active; the header already carries the clock's time, so a
    // rewritten header is byte for byte what it was.
    void SetUp() override
    {
        start(people(1, 5));
        writeHeaderRecord(env.p());
    }
    QWidget* openScreen(ScreenMode mode, int id = 0)
    {
        openById(mode, id);
        EXPECT_TRUE(one() && one()->isVisible());
        return one();
    }
    void escape(QWidget* w)
    {
        pressKey(w, Qt::Key_Escape);
        settle();
    }
    bool screensOpen() { return loadedWindow(QStringLiteral("BrsForma")) != nullptr; }
};

TEST_F(RecordKeys, CtrlZTakesBackTheBoxsTypingFirstThenTheStepAndTheKeysReachTheScreenFromAnyBox)
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

TEST_F(RecordKeys, EscAsksBeforeDroppingWhatWasTyped)
{
    const QByteArray before = fileBytes(env.naPath());

    // Add, nothing typed: Esc closes both screens without a word.
    QWidget* screen = openScreen(ScreenMode::Add);
    ASSERT_TRUE(screen);
    escape(screen);
    EXPECT_FALSE(screensOpen());
    EXPECT_TRUE(env.ui.messages.empty());

    // Add with a name typed: asked, with No the default; No keeps the screen and the text.
    screen = openScreen(ScreenMode::Add);
    type(control<QLineEdit>(screen, "BrsTxt2"), QStringLiteral("Half Typed"));
    env.ui.answer(Ui::Answer::No);
    escape(screen);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("This Record Has Not Been Added To The N&A "
                                                 "File.\nDiscard What You Typed?"));
    EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::YesNoDefaultNo);
    EXPECT_EQ(env.ui.last().icon, Ui::Icon::Question);
    ASSERT_TRUE(screensOpen());
    EXPECT_EQ(control<QLineEdit>(screen, "BrsTxt2")->text(), QStringLiteral("Half Typed"));
    // Typed on screen 2 only, Esc there asks as well; Yes drops it all.
    auto* two = qobject_cast<DetailScreen*>(loadedWindow(QStringLiteral("BrsFormb")));
    ASSERT_TRUE(two);
    control<QLineEdit>(screen, "BrsTxt2")->setModified(false);
    env.ui.answer(Ui::Answer::Yes);
    showRecordScreen(env.p(), 2);
    settle();
    two->emailEdit->setFocus();
    QTest::keyClicks(two->emailEdit, QStringLiteral("x@y"));
    escape(two);
    EXPECT_EQ(env.ui.messages.size(), 2u);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(fileBytes(env.naPath()), before) << "nothing was added";

    // Change: a phone type chosen from the list counts as typing too.
    screen = openScreen(ScreenMode::Change, 2);
    ASSERT_TRUE(screen);
    QComboBox* type1 = qobject_cast<AddressScreen*>(screen)->phoneTypeCombos[0];
    ASSERT_GT(type1->count(), 2);
    type1->setCurrentIndex(type1->currentIndex() == 1 ? 2 : 1);
    env.ui.answer(Ui::Answer::No);
    escape(screen);
    ASSERT_EQ(env.ui.messages.size(), 3u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Your Changes To This Record Have Not Been "
                                                 "Stored In The N&A File.\nDiscard Them?"));
    EXPECT_TRUE(screensOpen());
    // Once Change has stored it, nothing is lost: Esc closes without asking.
    click(control<QPushButton>(screen, "BrsCmd5"));
    settle();
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Record Changed."));
    const size_t asked = env.ui.messages.size();
    const QByteArray changed = fileBytes(env.naPath());
    EXPECT_NE(changed, before);
    escape(screen);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(env.ui.messages.size(), asked);
    EXPECT_EQ(fileBytes(env.naPath()), changed);

    // Outside Add the ID box only names the record to show: typing there alone
    // loses nothing, while typing in any other box asks.
    screen = openScreen(ScreenMode::Browse, 2);
    type(control<QLineEdit>(screen, "BrsTxt1"), QStringLiteral("3"));
    escape(screen);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(env.ui.messages.size(), asked);
    screen = openScreen(ScreenMode::Browse, 2);
    type(control<QLineEdit>(screen, "BrsTxt3_1"), QStringLiteral("Upstairs"));
    env.ui.answer(Ui::Answer::Yes);
    escape(screen);
    EXPECT_EQ(env.ui.messages.size(), asked + 1);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(fileBytes(env.naPath()), changed);
}

} // namespace
} // namespace tavrel::test
