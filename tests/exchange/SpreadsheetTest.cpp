// CSV for spreadsheets: cells a spreadsheet would turn into numbers, dates or
// formulas stay text; the native CSV stays as the record holds it.
#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, SpreadsheetCellsStayTextAndTheExportReadsBackUnchanged)
{
    // Numbers, dates and formulas to a spreadsheet: a formula giving the text (past 15
    // digits a number would lose its last ones).
    for (const char* value :
         {"+1 512 555 1234", "0611 123456", "06111234567", "01234", "3/4", "12.50", "1E5",
          "1234567890123456", "=SUM(A1:A9)", "-the new office", "@home"})
        EXPECT_EQ(spreadsheetCell(value), "=\"" + QString(value) + '"') << value;
    EXPECT_EQ(spreadsheetCell("=say \"hi\""), "=\"=say \"\"hi\"\"\"");
    EXPECT_EQ(spreadsheetCell("- call back\r\n- send card"), "'- call back\r\n- send card");
    // A whole number stays the same number; plain text stays as it is.
    for (const char* value : {"42", "0", "Main St 12", "ann@example.com", ""})
        EXPECT_EQ(spreadsheetCell(value), value) << value;

    // The export on the command line, read back.
    NARecord r = withFields(makeRecord(1, "-Dash, Ann"),
                            "Tel1=Work: +1 512 555 1234|Tel2=: 0611 123456|Comments=@ the office");
    r.AddrLine1 = "=cmd|' /C calc'!A0";
    env.openFile({{1, r}});
    const QString native = env.dir() + "/native.csv", sheet = env.dir() + "/sheet.csv";
    EXPECT_EQ(command({"--export", "csv", native}).first, 0);
    EXPECT_EQ(command({"--export", "csv", sheet, "--spreadsheet"}).first, 0);
    const QByteArray raw = fileBytes(native), cells = fileBytes(sheet);
    EXPECT_TRUE(raw.contains("\r\n\"-Dash, Ann\",=cmd|' /C calc'!A0,")) << raw.toStdString();
    EXPECT_TRUE(raw.contains(",Work,+1 512 555 1234,,0611 123456,")) << raw.toStdString();
    EXPECT_TRUE(cells.contains("\r\n\"=\"\"-Dash, Ann\"\"\",\"=\"\"=cmd|' /C calc'!A0\"\"\","))
        << cells.toStdString();
    EXPECT_TRUE(cells.contains(",Work,\"=\"\"+1 512 555 1234\"\"\",,\"=\"\"0611 123456\"\"\","));
    // Both read back as the record holds them.
    for (const QByteArray& bytes : {raw, cells}) {
        const Entry e = onlyEntry(bytes);
        EXPECT_EQ(e.name, "-Dash, Ann");
        EXPECT_EQ(e.address.value(0), "=cmd|' /C calc'!A0");
        EXPECT_EQ(e.phones.value(1).number, "0611 123456");
        EXPECT_EQ(e.comments, "@ the office");
    }
    // Only the CSV formats take it.
    EXPECT_EQ(command({"--export", "vcard", "x.vcf", "--spreadsheet"}).first, 2);
}

} // namespace
} // namespace tavrel::test
