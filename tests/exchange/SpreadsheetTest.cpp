// CSV for spreadsheets: cells a spreadsheet would turn into numbers, dates or
// formulas stay text; the native CSV stays as the record holds it.
#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST(Spreadsheet, CellsThatASpreadsheetWouldConvertStayText)
{
    const std::pair<const char*, const char*> rows[] = {
        {"+1 512 555 1234", "=\"+1 512 555 1234\""},
        {"0611 123456", "=\"0611 123456\""},
        {"06111234567", "=\"06111234567\""},
        {"01234", "=\"01234\""},
        {"3/4", "=\"3/4\""},
        {"12.50", "=\"12.50\""},
        {"1E5", "=\"1E5\""},
        {"1234567890123456", "=\"1234567890123456\""}, // beyond 15 digits
        {"=SUM(A1:A9)", "=\"=SUM(A1:A9)\""},
        {"-the new office", "=\"-the new office\""},
        {"@home", "=\"@home\""},
        {"=say \"hi\"", "=\"=say \"\"hi\"\"\""},
        {"- call back\r\n- send card", "'- call back\r\n- send card"},
        {"42", "42"}, // a whole number stays the same number
        {"0", "0"},
        {"Main St 12", "Main St 12"},
        {"ann@example.com", "ann@example.com"},
        {"", ""},
    };
    for (const auto& [value, cell] : rows)
        EXPECT_EQ(spreadsheetCell(QString::fromUtf8(value)).toStdString(), cell) << value;
}

TEST_F(ExchangeTest, SpreadsheetExportOnTheCommandLineReadsBackUnchanged)
{
    std::map<int, NARecord> m = people(1, 1);
    m[1].Name = "-Dash, Ann";
    m[1].AddrLine1 = "=cmd|' /C calc'!A0";
    m[1].PhoneType1 = "Work";
    m[1].PhoneNum1 = "+1 512 555 1234";
    m[1].PhoneNum2 = "0611 123456";
    m[1].Comments = "@ the office";
    env.openFile(m);
    const QString native = env.dir() + "/native.csv", sheet = env.dir() + "/sheet.csv";
    EXPECT_EQ(command({"--export", "csv", native}).first, 0);
    EXPECT_EQ(command({"--export", "csv", sheet, "--spreadsheet"}).first, 0);
    const QByteArray raw = fileBytes(native), cells = fileBytes(sheet);
    EXPECT_TRUE(raw.contains("\r\n\"-Dash, Ann\",=cmd|' /C calc'!A0,")) << raw.toStdString();
    EXPECT_TRUE(raw.contains(",Work,+1 512 555 1234,,0611 123456,")) << raw.toStdString();
    EXPECT_TRUE(cells.contains("\r\n\"=\"\"-Dash, Ann\"\"\",\"=\"\"=cmd|' /C calc'!A0\"\"\","))
        << cells.toStdString();
    EXPECT_TRUE(cells.contains(",Work,\"=\"\"+1 512 555 1234\"\"\",,\"=\"\"0611 123456\"\"\","));
    EXPECT_TRUE(cells.contains(",\"=\"\"@ the office\"\"\","));
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
