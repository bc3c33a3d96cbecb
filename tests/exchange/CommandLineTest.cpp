#include "ExchangeFixture.h"

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

} // namespace
} // namespace tavrel::test
