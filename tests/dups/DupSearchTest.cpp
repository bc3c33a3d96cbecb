#include "DupsFixture.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QString kUndoQuestion = QStringLiteral("Do You Want To Undelete The Records Just Deleted?");
const QString kNoneFound = QStringLiteral("Operation Complete.  No Duplicates Were Found Or You "
                                          "Chose Not To Delete Duplicates That Were Found.");

// Names and addresses that tell the four match modes apart. 6 is deleted and
// 7 free; 10 and 11 lie at and beyond LastRecNo (10), past the last record, so
// the search never sees them though they look active on disk.
std::map<int, NARecord> modeFile()
{
    auto r = people({{1, "Ann Lee|1 High St|Town"},
                     {2, "ANN LEE|9 Low Rd"},
                     {3, " Ann Lee|1 HIGH ST|town"},
                     {4, "Bob Hart"},
                     {5, "Cy Mott"},
                     {8, "Ann Lee.|1 High St.|Town"},
                     {9, "ann lee|1 high st|TOWN"},
                     {10, "Ann Lee|1 High St|Town"},
                     {11, "Ann Lee|1 High St|Town"}});
    r[6] = deletedRecord(6, QStringLiteral("Ann Lee"));
    return r;
}

// Three with one name, and two more: the pairs a displayed search shows.
std::map<int, NARecord> pairFile()
{
    return people({{1, "Ann"}, {2, "ANN"}, {3, "Bob"}, {4, "ann"}, {5, "BOB"}, {6, "Ann"}});
}

} // namespace

TEST_F(DupsTest, MatchModesCompareWholeUpperCasedFieldsAndKeepTheLowestId)
{
    // Each match and the IDs it deletes. Name: case does not count, a leading
    // blank or a full stop does (1, 2, 9 are one group; 1 stays). Address: 3 and
    // 9 repeat 1's address in other case, 4 and 5 have four empty lines.
    const std::pair<DupMatch, std::vector<int>> cases[] = {
        {DupMatch::Name, {2, 9}},
        {DupMatch::Address, {3, 9, 5}},
        {DupMatch::NameAndAddress, {9}},
        {DupMatch::NameOrAddress, {2, 3, 9, 5}},
    };
    for (const auto& [match, deleted] : cases) {
        SCOPED_TRACE(int(match));
        writeFile(modeFile(), 10);
        int copies = 0; // the backup copy: once, however many go
        p.BeforeBulkChange = [&](const QString&) { return ++copies > 0; };
        onReport([](DupCompleteDialog&) {});
        search(match, /*display*/ false);

        // Only the deleted records change: the header (LastRecNo 10, though
        // 9, the highest ID, may go) stays byte for byte.
        EXPECT_EQ(file(), withDeleted(before, deleted));
        EXPECT_EQ(copies, 1);
        TearDown();
    }
}

TEST_F(DupsTest, DisplayedPairsAreAnsweredOneByOne)
{
    writeFile(pairFile());
    answerPair(&DupPairDialog::yesButton); // (1,2): delete 2
    onPair([](DupPairDialog&) {});         // (1,4): close box, after a Yes: keeps 4
    answerPair(&DupPairDialog::noButton);  // (1,6)
    answerPair(&DupPairDialog::yesButton); // (3,5): delete 5
    answerPair(&DupPairDialog::noButton);  // (4,6): 4 was kept, so it pairs on
    onReport([](DupCompleteDialog&) {});
    search(DupMatch::Name, /*display*/ true);

    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{1, 2}, {1, 4}, {1, 6}, {3, 5}, {4, 6}}));
    EXPECT_EQ(shownNames.at(0), std::pair(QStringLiteral("Ann").leftJustified(35),
                                          QStringLiteral("ANN").leftJustified(35)));
    EXPECT_EQ(file(), withDeleted(before, {2, 5}));
}

TEST_F(DupsTest, StopDisplayingAsksAndThenDeletesTheRestSilently)
{
    writeFile(pairFile());
    const QString stop =
        QStringLiteral("For The Remainder Of The N&A File, Corvane MARK Will Delete Duplicate "
                       "Records Without Displaying Them.\n\nIs This What You Want?\n\nNote:  You "
                       "Can Later Display/Print A List Of Deleted Records And/Or Undelete Them.");
    onPair([&](DupPairDialog& w) {
        // What a screen reader calls the boxes of each record.
        EXPECT_EQ(w.earlierLineEdits[0]->accessibleName(), QStringLiteral("Name"));
        EXPECT_EQ(w.laterLineEdits[2]->accessibleName(), QStringLiteral("Address Line 2"));
        env.ui.answer(Ui::Answer::No);
        click(w.stopShowingCheck); // No: the box unchecks itself, the pair still waits
        EXPECT_FALSE(w.stopShowingCheck->isChecked());
        EXPECT_TRUE(w.isVisible());
        env.ui.answer(Ui::Answer::Yes);
        click(w.stopShowingCheck);
        EXPECT_TRUE(w.stopShowingCheck->isChecked());
        EXPECT_TRUE(w.yesButton->hasFocus());
        click(w.noButton); // this pair is kept all the same
    });
    onReport([](DupCompleteDialog&) {});
    search(DupMatch::Name, true);

    EXPECT_EQ(boxes(), (std::vector<Box>{question(stop), question(stop)}));
    EXPECT_EQ(file(), withDeleted(before, {4, 6, 5}));
}

// Cancel on a pair asks whether to undelete: Yes restores the file (and says
// so when nothing was deleted), No keeps the deletions; neither shows the report.
TEST_F(DupsTest, CancelOnAPairOffersToUndelete)
{
    // Whether a pair was deleted first, and the answer to the undelete question.
    const std::pair<bool, Ui::Answer> cases[] = {
        {true, Ui::Answer::Yes}, {false, Ui::Answer::Yes}, {true, Ui::Answer::No}};
    for (const auto& [deleteFirst, undelete] : cases) {
        SCOPED_TRACE(testing::Message() << deleteFirst << " " << int(undelete));
        writeFile(pairFile());
        env.ui.messages.clear();
        if (deleteFirst)
            answerPair(&DupPairDialog::yesButton);
        onPair([&](DupPairDialog& w) {
            env.ui.answer(undelete);
            if (!deleteFirst)
                env.ui.answer(Ui::Answer::Ok); // "No Records Were Deleted."
            click(w.cancelButton);
        });
        search(DupMatch::Name, true);

        EXPECT_EQ(file(), undelete == Ui::Answer::Yes ? before : withDeleted(before, {2}));
        std::vector<Box> said{question(kUndoQuestion)};
        if (!deleteFirst)
            said.push_back(note(QStringLiteral("No Records Were Deleted."), kDefaultTitle));
        EXPECT_EQ(boxes(), said);
        TearDown();
    }
}

TEST_F(DupsTest, CancelOnTheProgressWindowIsSeenAtTheYieldAndOffersToUndelete)
{
    // 60 records; 2 and 3 repeat 1, and 36 and 37 repeat 24. With 2 and 3 gone,
    // the pairs of 24 are the compared pairs 990 to 1025, so 36 is compared
    // 1001st and deleted, and 37 comes 1002nd: the yield, where Cancel lands.
    auto sixty = people(1, 60);
    sixty[2].Name = QStringLiteral("PERSON 1");
    sixty[3].Name = QStringLiteral("person 1");
    sixty[36].Name = sixty[37].Name = QStringLiteral("Person 24");
    // The answer to the undelete question, and the closing message.
    const std::pair<Ui::Answer, QString> cases[] = {
        {Ui::Answer::No, QStringLiteral("Duplicate Search Terminated At Your Request.")},
        {Ui::Answer::Yes,
         QStringLiteral("Records Undeleted.  Duplicate Search Terminated At Your Request.")},
    };
    env.ui.onProcessEvents = [] {
        if (QWidget* w = findWindow(QStringLiteral("DupSearchMsg")))
            click(control<QPushButton>(w, QStringLiteral("CancelButton")));
    };
    for (const auto& [undelete, closing] : cases) {
        SCOPED_TRACE(closing.toStdString());
        writeFile(sixty);
        env.ui.messages.clear();
        env.ui.answer(undelete);
        env.ui.answer(Ui::Answer::Ok);
        search(DupMatch::Name, false);

        EXPECT_EQ(boxes(),
                  (std::vector<Box>{question(QStringLiteral(
                                        "Do You Want To Undelete The  3 Records Already Deleted?")),
                                    note(closing)}));
        EXPECT_EQ(file(), undelete == Ui::Answer::Yes ? before : withDeleted(before, {2, 3, 36}));
        TearDown();
    }
}

// No duplicates: the message and no report (where the search yields: the
// progress window's Cancel). The same empty address does not make a pair on both.
TEST_F(DupsTest, NoDuplicatesEndsWithTheMessageAndNoReport)
{
    writeFile(people(1, 100)); // 4950 pairs
    env.ui.answer(Ui::Answer::Ok);
    search(DupMatch::NameAndAddress, false);
    EXPECT_EQ(boxes(), std::vector<Box>{note(kNoneFound)});
    EXPECT_EQ(file(), before);
}

TEST_F(DupsTest, UndoAfterCancelStopsAtARecordChangedSinceItsDeletion)
{
    writeFile(pairFile());
    answerPair(&DupPairDialog::yesButton); // (1,2)
    answerPair(&DupPairDialog::yesButton); // (1,4)
    onPair([&](DupPairDialog& w) {         // (1,6)
        // While the search runs its window is off and stays open.
        EXPECT_FALSE(params()->isEnabled());
        EXPECT_FALSE(params()->close());
        // ID 4 is taken for someone new, and deleted again, before the undo:
        // deleted as the search left it, but another record.
        p.CurRec = deletedRecord(4, QStringLiteral("Dora New"));
        Put_NA_Rec(p, 5);
        env.ui.answer(Ui::Answer::Yes);
        env.ui.answer(Ui::Answer::Ok);
        click(w.cancelButton);
    });
    search(DupMatch::Name, true);

    EXPECT_EQ(boxes(),
              (std::vector<Box>{
                  question(kUndoQuestion),
                  note(QStringLiteral("Internal Error 'DUP2'.  ID =  0 Ptr = DELR Name = ") +
                       QStringLiteral("Dora New").leftJustified(35) +
                       QStringLiteral(". Record This Info And Notify The Software Author."))}));
    // 2 came back before the undo reached 4; 4 stays the deleted new record.
    EXPECT_EQ(readRecord(env.naPath(), 3).toBytes(), makeRecord(2, "ANN").toBytes());
    EXPECT_EQ(readRecord(env.naPath(), 5).Name.trimmed(), QStringLiteral("Dora New"));
    // The search is over; DupSearchDialog stays for the person to leave.
    settle();
    ASSERT_TRUE(loadedWindow("DupParams"));
    EXPECT_TRUE(params()->isEnabled());
    EXPECT_EQ(params()->focusWidget(), params()->okButton);
    EXPECT_TRUE(params()->close()); // and its close box works again
}

// The loop on its own, with a view that answers what no button gives.
TEST_F(DupsTest, AnAnswerNoButtonGivesEndsTheProgram)
{
    writeFile(pairFile());
    struct Strange : DupSearchView {
        DupSearchState s;
        void showPair(int, const NARecord&, int, const NARecord&) override { s.pairAnswer = 5; }
        void letEventsRun() override {}
        void showDeletedReport() override {}
    } view;
    view.s.deleteWithoutShowing = 0;
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(runDupSearch(p, DupMatch::Name, view.s, view), ProgramEnded);
    EXPECT_EQ(boxes(),
              std::vector<Box>{note(QStringLiteral("Error: DelDupRecSw =  5"), kDefaultTitle)});
}
