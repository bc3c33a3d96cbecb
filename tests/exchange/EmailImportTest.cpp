// E-mail addresses and birthdays on their way in: the columns that hold them,
// files of nothing but addresses, which address the record keeps, and where
// the others and the birthday go.
#include "ExchangeFixture.h"

#include "exchange/CsvColumns.h"

namespace tavrel::test {
namespace {

TEST(EmailColumns, EveryCommonSpellingIsFoundAndNoOtherColumnIsTaken)
{
    const std::pair<const char*, const char*> headers[] = {
        {"Email Home", "E-mail 2 Address"},
        {"Email Work", "E-mail 2 Address"},
        {"Home Email", "E-mail 2 Address"},
        {"work e-mail address", "E-mail 2 Address"},
        {"Other E-Mail", "E-mail 2 Address"},
        {"Primary Email", "Primary E-mail"},
        {"Preferred E-mail Address", "Primary E-mail"},
        {"E-mail 2 Address", "E-mail 2 Address"},
        {"Email2", "E-mail 2 Address"},
        {"E-mail 1", "E-mail Address"},
        {"Email 4 Address", "E-mail 3 Address"},
        {"Mail", "E-mail Address"},
        {"EMAIL ADDRESS", "E-mail Address"},
        {"E-mail", "E-mail"}, // this program's own column
        // Columns about an address that are no address, and postal columns.
        {"E-mail Type", ""},
        {"E-mail Display Name", ""},
        {"E-mail 2 Display Name", ""},
        {"E-mail 1 - Type", ""},
        {"Email Opt Out", ""},
        {"Mailing Address", ""},
        {"Email Email", ""},
        {"Email 0", ""},
        {"Email 2 3", ""},
        {"Emailed", ""},
        {"Home", ""},
        {"Mailing Lists", "Mailing Lists"},
        {"Home Street", "Home Street"},
    };
    for (const auto& [header, target] : headers)
        EXPECT_EQ(mappingByName({header}).value(0).toStdString(), target) << header;
}

TEST_F(ExchangeTest, FilesOfNothingButAddressesBecomeRecordsNamedAfterThem)
{
    struct Row {
        const char* what;
        QByteArray csv;
        const char* names; // of the entries, '|' between
    };
    const Row rows[] = {
        {"no header", "ann.lee@example.com\r\n\"bo@example.org\"\r\n",
         "ann.lee@example.com|bo@example.org"},
        {"a header", "Email\nann.lee@example.com\nbo@example.org\n",
         "ann.lee@example.com|bo@example.org"},
        {"a primary column", "Primary Email\r\nann.lee@example.com\r\n", "ann.lee@example.com"},
        {"two columns, one row with only the second filled",
         "Home Email;Work Email\r\nann@home.example;ann@work.example\r\n;bo@work.example\r\n",
         "ann@home.example|bo@work.example"},
        {"an empty other column", "E-mail Address,Notes\r\ncy@example.net,\r\n", "cy@example.net"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const ImportSource s = readImportBytes(r.csv, "list.csv");
        ASSERT_TRUE(s.error.isEmpty()) << s.error.toStdString();
        EXPECT_FALSE(s.needsMapping);
        QStringList names;
        for (const Entry& e : s.entries)
            names << e.name;
        EXPECT_EQ(names.join('|').toStdString(), r.names);
    }
    // Written as records: the address whole in Name and E-mail.
    env.openFile({});
    const ImportResult result = importBytes("ann.lee@example.com\r\nbo@example.org\r\n",
                                            OverflowChoice::MoveToComments, "list.csv");
    EXPECT_EQ(result.imported, 2);
    expectFields(stored(1), "Name=ann.lee@example.com|EMail=ann.lee@example.com|Comments=");
    expectFields(stored(2), "Name=bo@example.org|EMail=bo@example.org");

    // A column that holds something else still asks the user, so nothing is taken blindly;
    // a single column of words is no contact file at all.
    EXPECT_TRUE(readImportBytes("Email,Hobby\r\nann@example.com,Chess\r\n", "x.csv").needsMapping);
    EXPECT_FALSE(readImportBytes("hello world\r\nsecond line\r\n", "x.csv").error.isEmpty());
    EXPECT_FALSE(readImportBytes("ann@example\r\nbo@example\r\n", "x.csv").error.isEmpty());
}

TEST_F(ExchangeTest, ThePreferredAddressIsKeptAndTheOthersGoToComments)
{
    struct Row {
        const char* what;
        QByteArray file;
        const char* fields;
    };
    const Row rows[] = {
        {"3.0 TYPE=pref",
         card({"FN:Ann Lee", "NOTE:Met in Lyon", "EMAIL;TYPE=INTERNET:ann@home.example",
               "EMAIL;TYPE=INTERNET,PREF:ann@work.example"}),
         "EMail=ann@work.example|Comments=Met in Lyon\r\nE-mail: ann@home.example"},
        {"2.1 bare PREF",
         card({"FN:Ann Lee", "EMAIL;INTERNET:a@x.example", "EMAIL;PREF;INTERNET:b@x.example",
               "EMAIL;INTERNET:c@x.example"},
              "2.1"),
         "EMail=b@x.example|Comments=E-mail: a@x.example\r\nE-mail: c@x.example"},
        {"4.0 PREF numbers",
         card({"FN:Ann Lee", "EMAIL;PREF=50:a@x.example", "EMAIL:c@x.example",
               "EMAIL;PREF=1:b@x.example"},
              "4.0"),
         "EMail=b@x.example|Comments=E-mail: a@x.example\r\nE-mail: c@x.example"},
        {"CSV Primary Email after a plain one",
         "Name,Email,Primary Email,Email Work,Birthday\r\n"
         "Ann Lee,a@x.example,b@x.example,c@x.example,0/0/00\r\n",
         "EMail=b@x.example|Comments=E-mail: a@x.example\r\nE-mail: c@x.example"},
        {"CSV columns of a kind, the first kept",
         "Name,Email Work,Email Home,Job Title\r\nAnn Lee,w@x.example,h@x.example,Vet\r\n",
         "EMail=w@x.example|Comments=Job Title: Vet\r\nE-mail: h@x.example"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const ImportSource s = readImportBytes(r.file, "in");
        ASSERT_EQ(s.entries.size(), 1) << s.error.toStdString();
        const PlannedRecord pr = planRecord(s.entries.at(0), OverflowChoice::MoveToComments);
        expectFields(pr.record, r.fields);
    }

    // What does not fit into Comments is named, as every other loss is.
    const QString long1 = QString(40, 'a') + "@example.com", long2 = QString(40, 'b') + "@x.org";
    const Entry e =
        onlyEntry(card({"FN:Ann Lee", "NOTE:" + QString(30, 'n'), "EMAIL;TYPE=pref:ann@x.example",
                        "EMAIL:" + long1, "EMAIL:" + long2}));
    const PlannedRecord pr = planRecord(e, OverflowChoice::MoveToComments);
    EXPECT_EQ(trimRight(pr.record.Comments), QString(30, 'n') + "\r\nE-mail: " + long1);
    EXPECT_TRUE(pr.changes.contains("E-mail 2 moved to Comments: “" + long1 + "”"))
        << pr.changes.join('\n').toStdString();
    EXPECT_TRUE(pr.changes.contains("E-mail 3 left out: “" + long2 + "” (no room in Comments)"))
        << pr.changes.join('\n').toStdString();
    // Cutting instead: the field keeps the preferred one, the others are named as left out.
    const PlannedRecord cut = planRecord(e, OverflowChoice::CutAndLog);
    EXPECT_EQ(trimRight(cut.record.EMail), "ann@x.example");
    EXPECT_EQ(trimRight(cut.record.Comments), QString(30, 'n'));
    EXPECT_TRUE(cut.changes.contains("E-mail 2 left out: “" + long1 + "”"));
}

TEST(Birthdays, GoToCommentsWrittenYearMonthDay)
{
    struct Row {
        const char* what;
        QByteArray file;
        const char* comments;
    };
    const Row rows[] = {
        {"vCard date", card({"FN:Ann", "BDAY:1970-05-12"}), "Birthday: 1970-05-12"},
        {"vCard basic form after a note", card({"FN:Ann", "BDAY:19700512", "NOTE:Vet"}, "4.0"),
         "Vet\r\nBirthday: 1970-05-12"},
        {"vCard with a time", card({"FN:Ann", "BDAY;VALUE=date-time:1970-05-12T00:00:00Z"}),
         "Birthday: 1970-05-12"},
        {"vCard without a year", card({"FN:Ann", "BDAY:--0512"}, "4.0"), "Birthday: --05-12"},
        {"vCard text", card({"FN:Ann", "BDAY;VALUE=text:circa 1800"}, "4.0"),
         "Birthday: circa 1800"},
        {"CSV Date of Birth", "Name,Date of Birth\r\nAnn,1970-05-12\r\n", "Birthday: 1970-05-12"},
        {"CSV DOB basic form", "Name,DOB\r\nAnn,19700512\r\n", "Birthday: 1970-05-12"},
        {"CSV Birthday as a spreadsheet writes it", "Name,Birthday\r\nAnn,5/12/1970\r\n",
         "Birthday: 5/12/1970"},
        {"CSV month out of range", "Name,Birth Date\r\nAnn,1970-13-12\r\n", "Birthday: 1970-13-12"},
        {"CSV the year's last day", "Name,DOB\r\nAnn,19701231\r\n", "Birthday: 1970-12-31"},
        {"CSV day 0", "Name,DOB\r\nAnn,19701200\r\n", "Birthday: 19701200"},
        {"vCard without a year, month 0", card({"FN:Ann", "BDAY:--0012"}, "4.0"),
         "Birthday: --0012"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const ImportSource s = readImportBytes(r.file, "in");
        ASSERT_EQ(s.entries.size(), 1) << s.error.toStdString();
        EXPECT_EQ(trimRight(planRecord(s.entries.at(0), OverflowChoice::CutAndLog).record.Comments)
                      .toStdString(),
                  r.comments);
        EXPECT_FALSE(s.entries.at(0).notes.join(' ').contains("BDAY"));
        EXPECT_TRUE(s.problems.isEmpty()) << s.problems.join('|').toStdString();
    }
}

} // namespace
} // namespace tavrel::test
