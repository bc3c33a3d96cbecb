// Every column of a CSV file is placed in the record or named as left out.
#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST(CsvColumns, EachIsPlacedOrListedWithHowManyRowsHeldIt)
{
    struct Row {
        const char* family;
        QByteArray csv;
        const char* fields;   // of the first entry, as fieldList reads them
        QStringList problems; // about the whole file
        const char* notes;    // of the first entry
    };
    const Row rows[] = {
        {"Outlook",
         "First Name,Last Name,Job Title,Home Street,Home City,Home State,Home Postal Code,"
         "Home Country/Region,Business Street,Business City,Business Country/Region,"
         "Business Phone,Mobile Phone,Other Phone,Radio Phone,E-mail Address,E-mail 2 Address,"
         "Gender,Hobby,User 1,\r\n"
         "Ann,Lee,Engineer,1 Elm St,Springfield,IL,62701,United States,5 Main St,Lyon,France,"
         "555-1,555-2,555-3,555-4,ann@example.com,lee@example.org,Unspecified,Chess,,\r\n"
         "Bo,Ma,,,,,,,,,,,,,,,,Unspecified,Go,,\r\n",
         "Addr1=1 Elm St|Tel3=Other: 555-3|Tel4=Radio: 555-4|"
         "Comments=Job Title: Engineer; Business address: 5 Main St, Lyon, France\r\n"
         "E-mail: lee@example.org",
         {"Column Hobby not imported: 2 rows had a value in it.",
          "Columns not imported, empty in every row: Gender, User 1, (column 21, no name)."},
         "Business address put in Comments|Not imported: Hobby “Chess”"},
        {"Google",
         "Name,Given Name,Family Name,Nickname,Birthday,Group Membership,E-mail 1 - Type,"
         "E-mail 1 - Value,E-mail 2 - Type,E-mail 2 - Value,Phone 1 - Type,Phone 1 - Value,"
         "Phone 2 - Type,Phone 2 - Value,Address 1 - Type,Address 1 - Formatted,"
         "Address 1 - Country,Organization 1 - Name,Organization 1 - Title\r\n"
         "Raj Patel,Raj,Patel,Rajji,1980-04-02,* myContacts ::: Team,* Home,raj@example.in,Work,"
         "raj@work.example,Mobile,+91 98 7654 3210,Work,+91 22 1234 5678 ::: +91 22 1234 0000,"
         "Home,\"12 MG Road\nBengaluru 560001\nIndia\",India,Tata Ltd,Analyst\r\n",
         "Addr1=Tata Ltd|Addr4=India|Tel3=Work: +91 22 1234 0000|"
         "Comments=Job Title: Analyst; Nickname: Rajji; Birthday: 1980-04-02\r\n"
         "E-mail: raj@work.example",
         {"Column E-mail 1 - Type not imported: 1 row had a value in it.",
          "Column E-mail 2 - Type not imported: 1 row had a value in it.",
          "Column Address 1 - Type not imported: 1 row had a value in it."},
         "Not imported: E-mail 1 - Type “* Home”, E-mail 2 - Type “Work”, Address 1 - Type "
         "“Home”"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.family);
        const ImportSource s = readImportBytes(r.csv, "contacts.csv");
        ASSERT_FALSE(s.entries.isEmpty()) << r.family << s.error.toStdString();
        EXPECT_EQ(s.kind, QString("CSV (%1)").arg(r.family));
        EXPECT_EQ(s.problems, r.problems) << r.family << s.problems.join('|').toStdString();
        const PlannedRecord pr = planRecord(s.entries.at(0), OverflowChoice::MoveToComments);
        expectFields(pr.record, r.fields);
        EXPECT_EQ(s.entries.at(0).notes.join('|').toStdString(), r.notes) << r.family;
        EXPECT_EQ(s.entries.at(0).lists,
                  r.family == QString("Google") ? QStringList{"Team"} : QStringList{});
    }
}

TEST_F(ExchangeTest, ThePreviewNamesTheColumnsAndCellsLeftOut)
{
    env.openFile({});
    auto* form = openImport("First Name,Last Name,Hobby\r\nAnn,Lee,Chess\r\nBo,Ma,\r\n", "in.csv");
    EXPECT_EQ(form->summaryLabel->text(), "in.csv (CSV): 2 Entries, 0 Need A Look, 2 To Import.\n"
                                          "Column Hobby not imported: 1 row had a value in it.");
    EXPECT_EQ(form->entryList->topLevelItem(0)->text(1), "Notes: see below");
    EXPECT_EQ(form->entryList->topLevelItem(1)->text(1), "");
    EXPECT_EQ(form->detailsEdit->toPlainText(), "Not imported: Hobby “Chess”");
    // A long summary wraps rather than widening the window; the entries are a flat list.
    EXPECT_TRUE(form->summaryLabel->wordWrap());
    EXPECT_FALSE(form->entryList->rootIsDecorated());
    closeAllWindows();
}

} // namespace
} // namespace tavrel::test
