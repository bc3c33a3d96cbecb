#include "ExchangeFixture.h"
#include "maillists/MailListFile.h"

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, CommandLine)
{
    env.openFile(people(1, 2));
    const QString vcf = env.dir() + "/people.vcf", csv = vcf + ".csv";
    struct Row {
        QStringList args;
        int status;
        const char* says; // the last line of the report
    };
    const Row rows[] = {
        {{"--export", "vcard", vcf}, 0, "2 records exported to "},
        {{"--export", "csv", csv, "--list", "abc"},
         1,
         "There is no mailing list with identifier 'abc'."},
        {{"--export", "paper", "x"}, 2, "4 the N&A file is full"},
        {{"--export", "csv", csv, "--encoding", "windows-1252", "--separator", "semicolon"},
         0,
         "2 records exported to "},
        {{"--export", "vcard", "x", "--separator", "semicolon"}, 2, "4 the N&A file is full"},
        {{"--export", "csv", "x", "--encoding", "latin1"}, 2, "4 the N&A file is full"},
        {{"--export", "csv", "x", "--separator"}, 2, "4 the N&A file is full"},
        {{"--export", "csv", "x", "--separator", "tab"}, 2, "4 the N&A file is full"},
        {{"--export", "vcard"}, 2, "4 the N&A file is full"},
        {{"--import", vcf, "--overflow", "drop"}, 2, "4 the N&A file is full"},
        {{"--import", vcf, "--overflow", "cut", "--dry-run"}, 3, "Dry run: nothing"},
    };
    const QByteArray before = fileBytes(env.naPath());
    for (const Row& r : rows) {
        const auto [status, text] = command(r.args);
        EXPECT_EQ(status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(text.trimmed().split('\n').last().contains(QString::fromUtf8(r.says)))
            << text.toStdString();
    }
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_TRUE(fileBytes(csv).startsWith("Name;Address 1;")); // no byte-order mark
    // The dry run's preview named both as lookalikes; a real import skips them.
    EXPECT_TRUE(command({"--import", vcf})
                    .second.contains("Looks like a record in the file (same Name as ID 1, and no "
                                     "address, e-mail or telephone to tell them apart): skip"));
    EXPECT_EQ(fileBytes(env.naPath()), before);
}

TEST_F(ExchangeTest, CommandLineSkipsOnlyTrueLookalikesAndSaysSo)
{
    env.openFile({{1, withFields(makeRecord(1, "Ann Lee"),
                                 "Addr1=1 Elm St|EMail=ann@example.com|Tel2=: +1 555 0101")},
                  {2, makeRecord(2, "Bo Ma")}});
    const QString csv = env.dir() + "/in.csv";
    writeBytes(
        csv, crlf({"Name,Address 1,E-mail,Phone 1", "Ann Lee,9 Oak Ave,,", "ann lee,1 Elm St,,",
                   "Ann Lee,,ann@example.com,", "Ann Lee,,,1 (555) 0101", "Bo Ma,,,", "Cy Ng,,,"}));
    const auto [status, text] = command({"--import", csv});
    EXPECT_EQ(status, 3);
    const QString skipped = "Skipped: %1 (looks like a record in the file: same Name %2)\n";
    EXPECT_TRUE(text.contains(skipped.arg("ann lee", "and first address line as ID 1") +
                              skipped.arg("Ann Lee", "and e-mail as ID 1") +
                              skipped.arg("Ann Lee", "and first telephone number as ID 1") +
                              skipped.arg("Bo Ma", "as ID 2, and no address, e-mail or telephone "
                                                   "to tell them apart") +
                              "2 Records Imported, 4 Not Imported.\n"))
        << text.toStdString();
    EXPECT_EQ(trimRight(stored(3).AddrLine1), "9 Oak Ave");
    EXPECT_EQ(trimRight(stored(4).Name), "Cy Ng");
}

TEST_F(ExchangeTest, CommandLineWritesEachEncodingAndListAndNamesWhatItCouldNotDo)
{
    env.openFile(people(1, 3));
    clearMailListFlags(p());
    setMember(p(), 2, true);
    writeMailList(p(), "tvlmail.ab", "Team");
    const QByteArray before = fileBytes(env.naPath());
    const QString csv = env.dir() + "/out.csv";

    EXPECT_EQ(command({"--export", "csv", csv}),
              std::pair(0, "3 records exported to " + csv + ".\n"));
    EXPECT_TRUE(fileBytes(csv).startsWith("\xEF\xBB\xBFName,Address 1,"));
    // The words of the options are taken in any case.
    EXPECT_EQ(command({"--export", "CSV", csv, "--encoding", "UTF8", "--separator", "Comma"}).first,
              0);
    EXPECT_TRUE(fileBytes(csv).startsWith("Name,Address 1,"));
    EXPECT_EQ(command({"--export", "csv", csv, "--list", "ab"}),
              std::pair(0, "1 records exported to " + csv + ".\n"));
    EXPECT_TRUE(fileBytes(csv).contains("\r\nPerson 2,"));
    EXPECT_FALSE(fileBytes(csv).contains("Person 1"));
    // CSV's choices are refused for cards.
    EXPECT_EQ(command({"--export", "vcard", csv, "--spreadsheet"}).first, 2);
    EXPECT_EQ(command({"--export", "vcard", csv, "--encoding", "utf8"}).first, 2);

    const QString nowhere = env.dir() + "/no such folder/x.vcf";
    auto [status, text] = command({"--export", "vcard", nowhere});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(text.startsWith(nowhere + " could not be written: ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(") Nothing was exported.\n")) << text.toStdString();

    std::tie(status, text) = command({"--import", env.dir() + "/missing.vcf"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(text.startsWith("missing.vcf: ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(" Nothing was imported.\n")) << text.toStdString();
    writeBytes(env.dir() + "/odd.csv", crlf({"Foo,Bar", "x,y"}));
    EXPECT_EQ(command({"--import", env.dir() + "/odd.csv"}),
              std::pair(1, QString("odd.csv: the columns of this file are not known. Import it "
                                   "once from the File menu to map and save its columns. Nothing "
                                   "was imported.\n")));

    // A dry run with nothing to skip ends well; a record that does not fit is
    // skipped when asked, and named.
    const QString vcf = env.dir() + "/in.vcf";
    const QString longName = "Bartholomew Featherstonehaugh-Cholmondeley";
    writeBytes(vcf, card({"FN:New Person"}) + card({"FN:" + longName}));
    std::tie(status, text) = command({"--import", vcf, "--dry-run"});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(text.endsWith("Dry run: nothing was written.\n"));
    EXPECT_EQ(fileBytes(env.naPath()), before);
    std::tie(status, text) = command({"--import", vcf, "--overflow", "SKIP"});
    EXPECT_EQ(status, 3);
    EXPECT_TRUE(text.contains("\nSkipped: " + longName.left(35) + " (does not fit the record)\n"))
        << text.toStdString();
    EXPECT_EQ(trimRight(stored(4).Name), "New Person");
    EXPECT_FALSE(isActive(stored(5), 5));
}

} // namespace
} // namespace tavrel::test
