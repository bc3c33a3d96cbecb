// A duplicate search's deletions, and their undelete, keep the person's own spelling.
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

} // namespace tavrel::test
