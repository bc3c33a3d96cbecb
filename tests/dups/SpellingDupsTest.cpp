// A duplicate search's deletions, and their undelete, keep the person's own spelling.
#include "DupsFixture.h"
#include "dups/DupSearch.h"
#include "store/ContactAccess.h"
#include "support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tavrel::test {

namespace {

// Answers nothing: every match is deleted without being shown.
class SilentView : public DupSearchView {
public:
    void showPair(int, const NARecord&, int, const NARecord&) override {}
    void letEventsRun() override {}
    void showDeletedReport() override { ++reports; }
    int reports = 0;
};

Contact russian(int id)
{
    Contact c;
    c.id = id;
    c.text(ContactField::Name) = QStringLiteral("Анна Орлова");
    c.text(ContactField::AddrLine1) = QStringLiteral("Οδός Πατησίων 3");
    return c;
}

} // namespace

TEST(SpellingDups, DeletedDuplicatesAndTheirUndeleteKeepTheSpelling)
{
    TestEnv env;
    env.openFile(people(1, 4));
    Program& p = env.p();
    putContact(p, 3, russian(2));
    putContact(p, 5, russian(4));
    const QString sidecar = env.dir() + "/tvlspell.dat";

    DupSearchState s;
    SilentView view;
    ASSERT_TRUE(QFile::exists(sidecar));
    ASSERT_EQ(runDupSearch(p, DupMatch::NameAndAddress, s, view), DupSearchEnd::Finished);
    ASSERT_EQ(s.DeletedCount, 1);
    EXPECT_EQ(s.DeletedIds[1], 4);
    EXPECT_EQ(view.reports, 1);

    Get_NA_Rec(p, 5);
    ASSERT_EQ(p.CurRec.RecStatus, kDeleted);
    EXPECT_EQ(contactOf(p, 4, p.CurRec).text(ContactField::Name), QStringLiteral("Анна Орлова"));
    OriginalSpellings disk;
    disk.load(*env.files);
    EXPECT_EQ(disk.originalsFor(4, recordBytes(env.naPath(), 5)).size(), 2u)
        << "the run's end saved the entry for the deleted record's bytes";

    ASSERT_TRUE(undeleteDuplicates(p, s, QStringLiteral("DUP2")));
    Get_NA_Rec(p, 5);
    ASSERT_EQ(p.CurRec.RecStatus, kActive);
    const Contact back = contactOf(p, 4, p.CurRec);
    EXPECT_EQ(back.text(ContactField::Name), QStringLiteral("Анна Орлова"));
    EXPECT_EQ(back.text(ContactField::AddrLine1), QStringLiteral("Οδός Πατησίων 3"));
    disk.load(*env.files);
    EXPECT_EQ(disk.originalsFor(4, recordBytes(env.naPath(), 5)).size(), 2u);
    EXPECT_EQ(disk.originalsFor(2, recordBytes(env.naPath(), 3)).size(), 2u);
}

// The search compares the records' bytes as ever, so a name typed in Latin
// letters and the same name in its own alphabet are duplicates; the pair
// window and the list of deleted records show each as the person spelled it.
TEST_F(DupsTest, PairsAndTheDeletedListShowTheSpellingWhileTheBytesDecide)
{
    writeFile(test::people(1, 4));
    Contact latin = russian(3);
    latin.text(ContactField::Name) = QStringLiteral("Anna Orlova");
    latin.text(ContactField::AddrLine1) = QStringLiteral("Odos Patision 3");
    putContact(p, 3, russian(2));
    putContact(p, 4, latin);
    putContact(p, 5, russian(4));
    before = file();
    ASSERT_EQ(readRecord(env.naPath(), 3).Name, readRecord(env.naPath(), 4).Name);

    std::vector<std::array<QString, 2>> addresses;
    for (int pair = 0; pair < 2; ++pair) {
        onPair([&](DupPairDialog& w) {
            addresses.push_back({w.earlierLineEdits[1]->text(), w.laterLineEdits[1]->text()});
            click(w.yesButton);
        });
    }
    QStringList lines;
    onReport([&](DupCompleteDialog& w) {
        env.ui.onModal([&lines](QDialog& d) {
            lines << shownLines(control<QListView>(&d, QStringLiteral("List1")));
        });
        perform(w, 0);
        click(w.cancelButton);
    });
    search(DupMatch::Name, true);

    const QString anna = QStringLiteral("Анна Орлова").leftJustified(35);
    const QString greek = QStringLiteral("Οδός Πατησίων 3").leftJustified(35);
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{2, 3}, {2, 4}}));
    EXPECT_EQ(shownNames,
              (std::vector<std::pair<QString, QString>>{
                  {anna, QStringLiteral("Anna Orlova").leftJustified(35)}, {anna, anna}}));
    EXPECT_EQ(addresses,
              (std::vector<std::array<QString, 2>>{
                  {greek, QStringLiteral("Odos Patision 3").leftJustified(35)}, {greek, greek}}));
    EXPECT_EQ(lines,
              (QStringList{"3  " + QStringLiteral("Anna Orlova").leftJustified(35), "4  " + anna}));
    EXPECT_EQ(file(), withDeleted(before, {3, 4})) << "only the deletion marks changed";
}

} // namespace tavrel::test
