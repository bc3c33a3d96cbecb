#include "RecordsFixture.h"

#include "platform/Text.h"
#include "platform/gui/Windows.h"

namespace tavrel::test {
namespace {

using RecordCommands = RecordsFixture;

TEST_F(RecordCommands, IdPromptExplainsEachRefusalAndAsksAgain)
{
    auto records = people(1, 5);
    records[3] = deletedRecord(3, QStringLiteral("Person 3"));
    start(records);
    for (const char* answer : {"2000", "12345", "1701", "1700", "6", "3", "0", "abc"})
        env.ui.answerInput(QString::fromLatin1(answer));
    env.ui.answerInput(std::nullopt);
    startIdCommand(env.p(), ScreenMode::Change);
    settle();
    const QString invalid = "Invalid ID Number.\n\n";
    const QString highest = "The Highest ID Number In File Is  5\n\n";
    const QStringList asked({"", invalid, invalid, invalid, highest, highest,
                             "There Is No Record With ID  3.\n\n", invalid, invalid});
    ASSERT_EQ(env.ui.prompts.size(), 9u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(env.ui.prompts[i].prompt,
                  asked[i] + "Please Specify ID Number Of Record To Change.");
    EXPECT_EQ(env.ui.prompts[0].title, "Tavrel");
    EXPECT_EQ(env.ui.prompts[0].defaultText, "1");
    EXPECT_EQ(env.ui.beeps, 8);
    EXPECT_EQ(one(), nullptr) << "cancel opens no screen";
    EXPECT_EQ(loadedWindow("DummyForm"), nullptr);

    // A good answer (leading number, rounded) opens the record; the helper window goes.
    env.ui.answerInput(QStringLiteral("4.4"));
    startIdCommand(env.p(), ScreenMode::Delete);
    settle();
    EXPECT_EQ(env.ui.prompts.back().prompt, "Please Specify ID Number Of Record To Delete.");
    ASSERT_NE(one(), nullptr);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 4");
    EXPECT_EQ(loadedWindow("DummyForm"), nullptr);
}

// Screen 2, hidden all the while, shows and stores the record reached.
TEST_F(RecordCommands, NextAndPreviousWrapAroundSkipFreeRecordsAndScreenTwoFollows)
{
    auto records = people(1, 5);
    records.erase(3); // never written: free
    for (auto& [id, r] : records) {
        r.SortKey1 = QStringLiteral("K%1").arg(id);
        r.LinkId1 = qint16(6 - id);
    }
    start(records);
    openById(ScreenMode::Browse, 5);
    EXPECT_EQ(press(one(), "BrsCmd1"), 1);
    EXPECT_EQ(press(one(), "BrsCmd4"), 5);
    press(one(), "BrsCmd4");
    EXPECT_EQ(press(one(), "BrsCmd4"), 2) << "3 is skipped";
    // Change reads screen 2 without it ever having been shown.
    press(one(), "BrsCmd5");
    EXPECT_EQ(onDisk(2).SortKey1.trimmed(), "K2");
    EXPECT_EQ(onDisk(2).LinkId1, 4);
    // From screen 2 the new record comes up on screen 1.
    press(one(), "Screen2Button");
    EXPECT_EQ(press(two(), "BrsCmd1"), 4);
    EXPECT_TRUE(one()->isVisible());
    EXPECT_FALSE(two()->isVisible());
    // Unsaved edits are dropped by a move.
    type(box(one(), "BrsTxt2"), "Scribble");
    press(one(), "BrsCmd1");
    press(one(), "BrsCmd4");
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 4");
    showRecordScreen(env.p(), 2);
    EXPECT_EQ(texts(two(), {"BrsTxt1", "BrsTxt20_0", "BrsTxt30_0"}), QStringList({"4", "K4", "2"}));

    // With one record, both come back to it.
    press(two(), "BrsCmd2");
    start(people(2, 2));
    openById(ScreenMode::Browse, 2);
    EXPECT_EQ(press(one(), "BrsCmd1"), 2);
    EXPECT_EQ(press(one(), "BrsCmd4"), 2);
}

TEST_F(RecordCommands, DeletingTheHighestRecordLowersLastRecNo)
{
    auto records = people(1, 5);
    records[5].AddrLine1 = QStringLiteral("Kept on disk");
    const QByteArray before = start(records);
    openById(ScreenMode::Delete, 5);
    // Refused on either screen, the delete changes nothing.
    env.ui.answer(Ui::Answer::No);
    press(one(), "BrsCmd3");
    EXPECT_EQ(focused(one()), "BrsCmd1");
    press(one(), "Screen2Button");
    env.ui.answer(Ui::Answer::No);
    press(two(), "BrsCmd3");
    EXPECT_EQ(focused(two()), "BrsCmd2");
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(env.p().CurId, 5);
    press(two(), "Screen1Button");
    env.ui.answer(Ui::Answer::Yes);
    press(one(), "BrsCmd3");
    const auto& question = env.ui.messages.at(env.ui.messages.size() - 2);
    EXPECT_EQ(question.text, "Do You Really Want To Delete This Record?");
    EXPECT_EQ(question.buttons, Ui::Buttons::YesNo);
    EXPECT_EQ(question.icon, Ui::Icon::Question);
    EXPECT_EQ(lastMessage(), "Record Deleted.  Next Active Record Displayed.");
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 1");
    EXPECT_EQ(counts(), (QList<int>{5, 5, 5}));
    const QByteArray rec = recordBytes(env.naPath(), 6);
    EXPECT_EQ(rec.left(6), QByteArray("DELR\0\0", 6));
    EXPECT_EQ(rec.mid(41, 35), QByteArray("Kept on disk").leftJustified(35, ' '));
    EXPECT_EQ(focused(one()), "BrsCmd1");
    // The copy is the record on display, though the walk left the header in the buffer.
    press(one(), "CopyButton");
    EXPECT_TRUE(env.clipboard.content.startsWith(padRight("Person 1", 35) + "\n"));

    // A lower record: LastRecNo stays, LowestFreeId drops to it.
    press(one(), "BrsCmd1");
    press(one(), "BrsCmd1");
    env.ui.answer(Ui::Answer::Yes);
    EXPECT_EQ(press(one(), "BrsCmd3"), 4);
    EXPECT_EQ(counts(), (QList<int>{5, 5, 3}));
    EXPECT_EQ(onDisk(3).RecStatus, "DELR");

    // Record 1 with others after it: the next one comes up; the file is not empty.
    EXPECT_EQ(press(one(), "BrsCmd1"), 1);
    env.ui.answer(Ui::Answer::Yes);
    EXPECT_EQ(press(one(), "BrsCmd3"), 2);
    EXPECT_EQ(lastMessage(), "Record Deleted.  Next Active Record Displayed.");
    EXPECT_EQ(counts(), (QList<int>{5, 5, 1}));
}

// The only record, and the last active one below slots the duplicate search
// deleted (which leaves LastRecNo at 4).
TEST_F(RecordCommands, DeletingTheLastActiveRecordEmptiesTheFile)
{
    auto belowFree = people(1, 3);
    for (int id : {2, 3})
        belowFree[id] = deletedRecord(id, QStringLiteral("Person %1").arg(id));
    for (const auto& [records, lastRecNo] : {std::pair{people(1, 1), -1}, {belowFree, 4}}) {
        SCOPED_TRACE(lastRecNo);
        start(records, lastRecNo);
        env.ui.prompts.clear();
        openById(ScreenMode::Browse, 1);
        env.ui.answer(Ui::Answer::Yes);
        press(one(), "BrsCmd3");
        EXPECT_EQ(lastMessage(), "Record Deleted.  The N&A File Is Now Empty.");
        EXPECT_EQ(one(), nullptr);
        EXPECT_EQ(counts(), (QList<int>{1, 1, 1}));
        EXPECT_EQ(onDisk(1).RecStatus, "DELR");
        // Get on an empty file says so and asks nothing.
        startIdCommand(env.p(), ScreenMode::Browse);
        settle();
        EXPECT_EQ(lastMessage(), "The N&A File Is Empty.");
        EXPECT_EQ(env.ui.prompts.size(), 1u) << "no second prompt";
    }
}

// A used or invalid ID is refused and nothing is written; then a change in
// place rewrites that record alone.
TEST_F(RecordCommands, ChangeRefusesAUsedOrInvalidIdAndInPlaceRewritesOnlyThatRecord)
{
    const QByteArray before = start(people(1, 3));
    openById(ScreenMode::Change, 2);
    type(box(one(), "BrsTxt2"), "Not stored");
    type(box(one(), "BrsTxt1"), "3");
    press(one(), "BrsCmd5");
    EXPECT_EQ(lastMessage(), "That Record ID Is Already In Use.");
    EXPECT_EQ(box(one(), "BrsTxt1")->text(), "2");
    // Only digits, nine at most: no sign, no zeros in front of a tenth.
    for (const char* bad : {"", "abc", "0", "1701", "2.5", "+9", "0000000009"}) {
        type(box(one(), "BrsTxt1"), QString::fromLatin1(bad));
        press(one(), "BrsCmd5");
        EXPECT_EQ(lastMessage(), "The ID Number Is Not Valid.") << bad;
        EXPECT_EQ(box(one(), "BrsTxt1")->text(), "2") << bad;
    }
    EXPECT_EQ(env.ui.beeps, 8);
    EXPECT_EQ(fileBytes(env.naPath()), before);
    // Nine characters, blanks around them aside, are still an ID.
    type(box(one(), "BrsTxt1"), " 000000002 ");
    press(one(), "BrsCmd5");
    EXPECT_EQ(lastMessage(), "Record Changed.");
    EXPECT_EQ(onDisk(2).Name.trimmed(), "Not stored");

    type(box(one(), "BrsTxt2"), "New Name");
    press(one(), "Screen2Button");
    type(box(two(), "BrsTxt20_1"), "key two");
    type(box(two(), "BrsTxt30_4"), "3x");
    press(two(), "BrsCmd5");
    EXPECT_EQ(lastMessage(), "Record Changed.");
    EXPECT_EQ(focused(two()), "BrsCmd1");
    const QByteArray after = fileBytes(env.naPath());
    const int at = 2 * NARecord::Size; // record 3, ID 2
    EXPECT_EQ(after.left(at), before.left(at));
    EXPECT_EQ(after.mid(at + NARecord::Size), before.mid(at + NARecord::Size));
    const QByteArray rec = after.mid(at, NARecord::Size);
    EXPECT_EQ(rec.left(6), QByteArray("CRVN\x02\x00", 6));
    EXPECT_EQ(rec.mid(6, 35), QByteArray("New Name").leftJustified(35, ' '));
    EXPECT_EQ(rec.mid(462, 16), QByteArray("key two").leftJustified(16, ' '));
    EXPECT_EQ(rec.mid(566, 2), QByteArray("\x03\x00", 2)) << "back link from its leading digits";
    EXPECT_EQ(rec.mid(568, 6), QByteArray(6, '\0'));
}

// Change to another ID moves the record there and frees its slot; LastRecNo
// follows the highest record down or up, typed on either screen.
TEST_F(RecordCommands, ChangeToAnotherIdMovesTheRecordAndLastRecNoFollows)
{
    // The highest down one, up beyond the highest, the highest to the lowest free ID.
    for (auto [gap, from, to, lastRecNo, lowestFree, onTwo] :
         {std::tuple{4, 5, 4, 5, 5, false}, {0, 2, 19, 20, 2, true}, {2, 5, 2, 5, 5, false}}) {
        SCOPED_TRACE(to);
        auto records = people(1, 5);
        records.erase(gap);
        start(records);
        openById(ScreenMode::Change, from);
        if (onTwo)
            press(one(), "Screen2Button");
        QWidget* w = onTwo ? two() : one();
        type(box(w, "BrsTxt1"), QString::number(to));
        press(w, "BrsCmd5");
        const NARecord moved = onDisk(to), vacated = onDisk(from);
        EXPECT_TRUE(isActive(moved, to));
        EXPECT_EQ(moved.Name.trimmed(), QStringLiteral("Person %1").arg(from));
        EXPECT_EQ(vacated.RecStatus, "CRVN");
        EXPECT_EQ(vacated.RecId, 0);
        EXPECT_EQ(counts(), (QList<int>{lastRecNo, lastRecNo, lowestFree}));
        EXPECT_EQ(fileBytes(env.naPath()).size(), qMax(6, to + 1) * NARecord::Size);
        showRecordScreen(env.p(), onTwo ? 1 : 2);
        EXPECT_EQ(box(onTwo ? one() : two(), "BrsTxt1")->text(), QString::number(to));
        showRecordScreen(env.p(), 1);
    }
    // Next from the moved record goes on from its new ID.
    EXPECT_EQ(press(one(), "BrsCmd1"), 3);
}

// An empty ID box takes the lowest free ID: a single add says so and closes
// the screens; add-many adds quietly and goes on from screen 1, emptied. An ID
// out of range or in use is refused and nothing is written.
TEST_F(RecordCommands, AddTakesTheLowestFreeIdsWhenTheBoxIsEmptyAndRefusesOthers)
{
    auto records = people(1, 6);
    records[2] = deletedRecord(2, QStringLiteral("Person 2"));
    records.erase(4);
    start(records);
    openById(ScreenMode::Add);
    type(box(one(), "BrsTxt2"), "Newcomer");
    press(one(), "BrsCmd7");
    EXPECT_EQ(messages(), QStringList({"Record Added."}));
    EXPECT_EQ(one(), nullptr) << "a single add closes the screens";
    EXPECT_TRUE(isActive(onDisk(2), 2));
    EXPECT_EQ(onDisk(2).Name.trimmed(), "Newcomer");

    openById(ScreenMode::AddMult);
    for (const char* name : {"Second new", "Third new"}) {
        type(box(one(), "BrsTxt2"), QString::fromLatin1(name));
        press(one(), "BrsCmd7");
        EXPECT_EQ(focused(one()), "BrsTxt1");
        EXPECT_EQ(box(one(), "BrsTxt2")->text(), "");
    }
    // From screen 2, whose ID box copies the one offered to screen 1, it goes
    // back to screen 1.
    type(box(one(), "BrsTxt2"), "From screen two");
    press(one(), "Screen2Button");
    press(two(), "BrsCmd7");
    EXPECT_TRUE(one()->isVisible());
    EXPECT_EQ(focused(one()), "BrsTxt2");
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "");
    EXPECT_EQ(onDisk(4).Name.trimmed(), "Second new");
    EXPECT_EQ(onDisk(7).Name.trimmed(), "Third new");
    EXPECT_TRUE(isActive(onDisk(8), 8));
    EXPECT_EQ(counts(), (QList<int>{9, 9, 9}));
    EXPECT_EQ(messages().size(), 1) << "add-many adds quietly";

    const QByteArray before = fileBytes(env.naPath());
    type(box(one(), "BrsTxt2"), "Typed data");
    for (auto [bad, message] : {std::pair{"1701", "The ID Number Cannot Exceed 1700."},
                                {"0", "The ID Number Is Not Valid."},
                                {"x1", "The ID Number Is Not Valid."}}) {
        type(box(one(), "BrsTxt1"), QString::fromLatin1(bad));
        press(one(), "BrsCmd7");
        EXPECT_EQ(lastMessage(), message) << bad;
        EXPECT_EQ(box(one(), "BrsTxt1")->text(), "") << bad;
        EXPECT_EQ(focused(one()), "BrsTxt1") << bad;
    }
    type(box(one(), "BrsTxt1"), "2");
    press(one(), "BrsCmd7");
    EXPECT_EQ(lastMessage(), "That ID Is Already In Use.  Cannot Add Record.");
    ASSERT_NE(one(), nullptr) << "add-many keeps the screens";
    EXPECT_EQ(texts(one(), {"BrsTxt2", "BrsTxt1"}), QStringList({"Typed data", "2"}));
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(env.ui.beeps, 4);

    // A single add closes the screens even when refused.
    press(one(), "BrsCmd6");
    openById(ScreenMode::Add);
    type(box(one(), "BrsTxt1"), "1");
    press(one(), "BrsCmd7");
    EXPECT_EQ(one(), nullptr);

    // The ID chosen for an empty box shows in it before the add is refused.
    openById(ScreenMode::AddMult);
    writeNAFile(env.naPath(), people(1, 9));
    press(one(), "BrsCmd7");
    EXPECT_EQ(lastMessage(), "That ID Is Already In Use.  Cannot Add Record.");
    EXPECT_EQ(box(one(), "BrsTxt1")->text(), " 9");
}

} // namespace
} // namespace tavrel::test
