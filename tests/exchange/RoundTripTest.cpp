#include "ExchangeFixture.h"
#include "maillists/MailListFile.h"

namespace tavrel::test {
namespace {

// Records with everything a format can stumble on: blank fields and gaps,
// separators and escapes of every format, line breaks, full-width fields,
// the upper half of the code page, QuickLinks and a back link.
std::map<int, NARecord> awkwardRecords()
{
    std::map<int, NARecord> m;
    m[1] = withFields(makeRecord(1, "Smith, John", "SMITH", "JOHN"),
                      "Addr1=12 Main St|Addr2=Springfield, IL 62704|Tel1=Home: 555-1234|"
                      "Tel3=Skype: j.smith|Tel5=CELL: 555-9999|EMail=john@example.com|"
                      "Comments=He said \"hi\", then; left\\ C:\\temp\\n\r\nsecond line: ok|"
                      "Link1=Sister; older");
    m[1].LinkId1 = 2;
    m[1].BackLinkId = 3;
    m[2] = withFields(makeRecord(2, " Leading blank"),
                      "Addr2=  second line only|Addr4=fourth, with comma|Tel2=: no label|"
                      "Tel4=Work: ");
    m[3] = withFields(makeRecord(3, "Renée Ærø €uro ÿ 12345678901234567", "RENEE,AERO", "x^y\"z"),
                      "Addr1=Hauptstraße 5|Addr2=10115 Berlin|Addr3=Germany|"
                      "Tel1=Assist: +49 (30) 1234-5678 x|Link4=\\,;:\"");
    m[3].Comments = QString(99, 'x') + ';';
    m[3].LinkId4 = 1;
    m[4] = withFields(makeRecord(4, QString()), "Comments=\\|Addr3=\"quoted\"");
    m[4].AddrLine1 = QString(35, 'A');
    return m;
}

class RoundTrip : public ExchangeTest {
protected:
    void SetUp() override
    {
        env.openFile(awkwardRecords());
        clearMailListFlags(p());
        setMember(p(), 1, true);
        setMember(p(), 3, true);
        writeMailList(p(), "tvlmail.fam", "Friends, family; \\");
    }
    // Exports in `format`, imports into an empty file, and compares every record.
    void check(ExportFormat format)
    {
        ExportOptions options;
        options.format = format;
        const QByteArray bytes = exportBytes(p(), options);

        TestEnv empty;
        empty.openFile({});
        clearMailListFlags(empty.p());
        writeMailList(empty.p(), "tvlmail.fam", "Friends, family; \\");
        const ImportSource source = readImportBytes(bytes, "out");
        ASSERT_TRUE(source.error.isEmpty()) << source.error.toStdString();
        const ImportPlan plan = planImport(empty.p(), source, OverflowChoice::CutAndLog);
        for (const PlannedRecord& r : plan.records)
            EXPECT_TRUE(r.changes.isEmpty() && !r.overflows && !r.replaced)
                << r.changes.join('|').toStdString();
        runImport(empty.p(), plan);
        for (int id = 1; id <= 4; ++id)
            EXPECT_EQ(recordBytes(empty.naPath(), id + 1), recordBytes(env.naPath(), id + 1))
                << "ID " << id;
        EXPECT_EQ(readRecord(empty.naPath(), 1).RecId, 5); // the header follows
        // The list membership came along by title.
        loadMailList(empty.p(), "tvlmail.fam");
        EXPECT_EQ(memberText(empty.p()), "1, 3");
    }
};

TEST_F(RoundTrip, NativeCsvAndBothVCardsAndTheCardTextFollowsTheRules)
{
    for (ExportFormat format :
         {ExportFormat::CsvNative, ExportFormat::VCard30, ExportFormat::VCard40}) {
        SCOPED_TRACE(int(format));
        check(format);
    }

    // The card text follows the rules.
    const QByteArray v3 = exportBytes(p(), {});
    const QString text = QString::fromUtf8(v3);
    // CR LF only, no line over 75 octets, no escaped colon.
    EXPECT_FALSE(v3.contains("\r\r") || QString(v3).remove("\r\n").contains('\n'));
    for (const QByteArray& line : v3.split('\n'))
        EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 + the CR
    EXPECT_FALSE(text.contains("\\:"));
    // A telephone with no label: no group.
    for (const QString& line :
         QStringList{"FN:Smith\\, John\r\n", "N:Smith;John;;;\r\n",
                     "ADR;TYPE=home:;;12 Main St;Springfield;IL;62704;\r\n",
                     "LABEL;TYPE=home:12 Main St\\nSpringfield\\, IL 62704\r\n",
                     "TEL;TYPE=home:555-1234\r\n", "\r\nTEL;X-TAVREL-SLOT=2:no label\r\n",
                     "SORT-STRING:SMITH\r\n", "CATEGORIES:Friends\\, family\\; \\\\\r\n",
                     recordUid(p(), 1)})
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
    EXPECT_EQ(exportBytes(p(), {}), v3); // the same UIDs every time

    ExportOptions four;
    four.format = ExportFormat::VCard40;
    const QString v4 = QString::fromUtf8(exportBytes(p(), four)).remove("\r\n "); // unfolded
    EXPECT_TRUE(v4.contains("N;SORT-AS=\"SMITH\":Smith;John;;;\r\n"));
    EXPECT_TRUE(v4.contains("ADR;TYPE=home;LABEL=\"Hauptstraße 5^n10115 Berlin^nGermany\":;;"
                            "Hauptstraße 5;Berlin;;10115;Germany\r\n"));
    EXPECT_TRUE(v4.contains("RELATED:" + recordUid(p(), 2)));
}

TEST_F(RoundTrip, OneMailingListOnly)
{
    ExportOptions options;
    options.format = ExportFormat::CsvOutlook;
    options.mailList = "tvlmail.fam";
    options.delimiter = QLatin1Char(';');
    options.encoding = CsvEncoding::Windows1252;
    int count = 0;
    const QByteArray bytes = exportBytes(p(), options, &count);
    EXPECT_EQ(count, 2);
    const QStringList lines = cp1252ToUnicode(bytes).split("\r\n");
    EXPECT_TRUE(lines.at(0).startsWith("Title;First Name;Middle Name;Last Name;"));
    EXPECT_TRUE(
        lines.at(1).startsWith(";John;;Smith;;;12 Main St;;;Springfield;IL;62704;;555-1234;"))
        << lines.at(1).toStdString();
    // No column for it: kept in Notes, after the comment.
    EXPECT_TRUE(cp1252ToUnicode(bytes).contains("second line: ok\r\nSkype: j.smith\""));

    // Links follow the records to their new IDs; a link to a record left behind
    // is cleared, and the log says so.
    TestEnv empty;
    empty.openFile({});
    options.format = ExportFormat::VCard30; // the same list, as cards
    const ImportSource source = readImportBytes(exportBytes(p(), options), "fam.vcf");
    const ImportResult result =
        runImport(empty.p(), planImport(empty.p(), source, OverflowChoice::CutAndLog));
    // ID 1 came along as ID 1, ID 3 as ID 2.
    const NARecord smith = readRecord(empty.naPath(), 2), renee = readRecord(empty.naPath(), 3);
    EXPECT_EQ(QList<int>({smith.LinkId1, smith.BackLinkId, renee.LinkId4}), QList<int>({0, 2, 1}));
    EXPECT_TRUE(result.log.contains("ID 1: Smith, John\n    QuickLink 1 to ID 2 cleared: that "
                                    "record was not imported\nID 2"))
        << result.log.toStdString();
}

} // namespace
} // namespace tavrel::test
