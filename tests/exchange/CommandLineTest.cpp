#include "exchange/CommandLine.h"
#include "ExchangeFixture.h"

#include <QTextStream>

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, CommandLine)
{
    env.openFile(people(1, 2));
    const QString vcf = env.dir() + "/people.vcf";
    struct Row {
        QStringList args;
        int status;
        const char* says; // the last line of the report
    };
    const Row rows[] = {
        {{"tavrel", "--export", "vcard", vcf}, 0, "2 records exported to "},
        {{"tavrel", "--export", "csv", vcf + ".csv", "--list", "abc"},
         1,
         "There is no mailing list with identifier 'abc'."},
        {{"tavrel", "--export", "paper", "x"}, 2, "(skip)"},
        {{"tavrel", "--export", "csv", vcf + ".csv", "--encoding", "windows-1252", "--separator",
          "semicolon"},
         0,
         "2 records exported to "},
        {{"tavrel", "--export", "vcard", "x", "--separator", "semicolon"}, 2, "(skip)"},
        {{"tavrel", "--export", "csv", "x", "--encoding", "latin1"}, 2, "(skip)"},
        {{"tavrel", "--export", "csv", "x", "--separator"}, 2, "(skip)"},
        {{"tavrel", "--import", vcf, "--overflow", "drop"}, 2, "(skip)"},
        {{"tavrel", "--import", vcf, "--dry-run"}, 0, "Dry run: nothing was written."},
        {{"tavrel", "--import", vcf, "--overflow", "cut", "--dry-run"}, 0, "Dry run: nothing"},
        {{"tavrel", "--import", vcf + ".none"}, 1, "The file cannot be read (error 53)"},
    };
    const QByteArray before = fileBytes(env.naPath());
    for (const Row& r : rows) {
        QString text;
        QTextStream out(&text);
        EXPECT_EQ(runExchangeCommand(p(), r.args, out), r.status) << r.args.join(' ').toStdString();
        out.flush();
        EXPECT_TRUE(text.trimmed().split('\n').last().contains(QString::fromUtf8(r.says)))
            << text.toStdString();
    }
    EXPECT_EQ(fileBytes(env.naPath()), before);
    const QByteArray csv = fileBytes(vcf + ".csv");
    EXPECT_TRUE(csv.startsWith("Name;Address 1;")) << csv.left(40).toStdString(); // no BOM
    // The dry run's preview named both as lookalikes; a real import skips them.
    QString text;
    QTextStream out(&text);
    EXPECT_EQ(runExchangeCommand(p(), {"tavrel", "--import", vcf}, out), 0);
    out.flush();
    EXPECT_TRUE(text.contains(
        "Looks like a record in the file (same Name and first address line as ID 1): skip"));
    EXPECT_TRUE(text.contains("0 Records Imported, 2 Not Imported."));
    EXPECT_EQ(fileBytes(env.naPath()), before);
}

} // namespace
} // namespace tavrel::test
