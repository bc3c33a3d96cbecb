// How a CSV file's bytes become rows: the delimiter, quotes, cells written
// for spreadsheets, the line each row starts on, and rows past the limit.
#include "exchange/Csv.h"
#include "exchange/Entry.h"

#include <gtest/gtest.h>

namespace tavrel::test {
namespace {

TEST(CsvReading, TheDelimiterIsTheCommonestOfTheHeaderLineOutsideQuotes)
{
    const std::pair<const char*, char> cases[] = {
        {"a;b,c\n", ','}, // a tie goes to the comma
        {"a;b;c,d\n", ';'},        {"a\tb\tc;d\n", '\t'},
        {"a\tb;c\n", ';'},         // semicolon over tab on a tie
        {"\"x,y,z\";b\n", ';'},    // quoted commas do not count
        {"a,b\nc;d;e\n", ','},     // only the header line counts
        {"\"a\nb\";c;d,e\n", ';'}, // a quoted line break does not end it
    };
    for (const auto& [bytes, delimiter] : cases)
        EXPECT_EQ(readCsv(bytes).delimiter, QLatin1Char(delimiter)) << bytes;
}

TEST(CsvReading, QuotesFormulasAndLineNumbersAreReadAsWritten)
{
    const CsvTable t = readCsv("Name,Comments\r\n"
                               "\"Ann \"\"Jo\"\"\",\"two\r\nlines\"\r\n"
                               "Bob,=\"007\"\r\n"
                               "\r\n"
                               "Cy,\"=\"\"a\"\"b\"\"\"\r\n"
                               "Dan,\"=\"\"x\"\"\"\"y\"\"\"\r\n"
                               "Eve,=\"\r\n"
                               "Flo,a\"b\"\r\n");
    EXPECT_EQ(t.header, QStringList({"Name", "Comments"}));
    const QList<QStringList> rows{{"Ann \"Jo\"", "two\r\nlines"},
                                  {"Bob", "007"},
                                  {"Cy", "=\"a\"b\""},
                                  {"Dan", "x\"y"},
                                  {"Eve", "=\""},
                                  {"Flo", "a\"b\""}};
    EXPECT_EQ(t.rows, rows);
    EXPECT_EQ(t.rowLines, (QList<int>{2, 4, 6, 7, 8, 9}));
    EXPECT_TRUE(t.problems.isEmpty());
    EXPECT_EQ(t.rowsNotRead, 0);

    // The last line needs no line end; a file that ends inside quotes says so.
    EXPECT_EQ(readCsv("h\nlast").rows, QList<QStringList>{{"last"}});
    // A carriage return alone ends the file's last line, inside quotes or out.
    EXPECT_EQ(readCsv("h\rlast\r").rows, QList<QStringList>{{"last"}});
    EXPECT_EQ(readCsv("h\r\"open\r").rows, QList<QStringList>{{"open\r\n"}});
    const CsvTable open = readCsv("h\n\"open\nstill");
    EXPECT_EQ(open.rows, QList<QStringList>{{"open\r\nstill"}});
    EXPECT_EQ(open.problems, QStringList{"The file ends inside a quoted field; the last row was "
                                         "read as far as it goes."});
    // Two quotes at the very end are one quote inside the field, not its end.
    const CsvTable doubled = readCsv("h\n\"ab\"\"");
    EXPECT_EQ(doubled.rows, QList<QStringList>{{"ab\""}});
    EXPECT_EQ(doubled.problems, open.problems);

    // Rows past the limit are counted, not kept; the header is not one of them.
    const CsvTable limited = readCsv("h\n1\n2\n\n3\n4\n", 2);
    EXPECT_EQ(limited.rows, (QList<QStringList>{{"1"}, {"2"}}));
    EXPECT_EQ(limited.rowsNotRead, 2);
}

TEST(CsvReading, ManyLinesThatAreNotUtf8AreNamedUpToTwentyAndCounted)
{
    QByteArray bytes = "Name\n\xC3\xA9t\xC3\xA9\n";
    for (int i = 0; i < 25; ++i)
        bytes += "Ren\xE9\n";
    const CsvTable t = readCsv(bytes);
    QStringList lines;
    for (int n = 3; n <= 22; ++n)
        lines << QString::number(n);
    EXPECT_EQ(t.problems, QStringList{"Lines " + lines.join(", ") +
                                      " and 5 more are not UTF-8; they were read as "
                                      "Windows-1252."});
    EXPECT_EQ(t.rows.value(1), QStringList{"René"});
    EXPECT_EQ(t.rows.value(0), QStringList{"été"});
}

// A field is quoted where a reader would otherwise split it, join it or lose
// a blank at either end; any other is written as it is.
TEST(CsvWriting, FieldsAreQuotedOnlyWhereAReaderWouldNeedIt)
{
    Entry e;
    e.name = QStringLiteral(" Ann");
    e.address = QStringList{QStringLiteral("Elm St "), QStringLiteral("a,b"),
                            QStringLiteral("say \"hi\""), QStringLiteral("x;y")};
    e.comments = QStringLiteral("one\r\ntwo");
    const QString comma = QString::fromUtf8(writeCsv({e}, CsvDialect::Native, CsvEncoding::Utf8));
    const QString row = comma.section(QStringLiteral("\r\n"), 1);
    EXPECT_TRUE(row.startsWith("\" Ann\",\"Elm St \",\"a,b\",\"say \"\"hi\"\"\",x;y,,"))
        << row.toStdString();
    EXPECT_TRUE(row.contains(",\"one\r\ntwo\",")) << row.toStdString();
    const QString semicolon =
        QString::fromUtf8(writeCsv({e}, CsvDialect::Native, CsvEncoding::Utf8, QLatin1Char(';')));
    EXPECT_TRUE(semicolon.contains(";a,b;\"say \"\"hi\"\"\";\"x;y\";;")) << semicolon.toStdString();
    // What is written reads back field for field.
    const CsvTable back = readCsv(comma.toUtf8());
    ASSERT_EQ(back.rows.size(), 1);
    EXPECT_EQ(back.rows[0].mid(0, 5), QStringList({" Ann", "Elm St ", "a,b", "say \"hi\"", "x;y"}));
}

TEST(CsvMapping, AFileOfEmailAddressesAloneIsOneWhoseOtherColumnsAreAllEmpty)
{
    const auto onlyEmails = [](const QByteArray& bytes) {
        const CsvTable t = readCsv(bytes);
        return mappingHoldsOnlyEmails(t, mappingByName(t.header));
    };
    EXPECT_TRUE(onlyEmails("E-mail\r\na@example.com\r\n"));
    EXPECT_TRUE(onlyEmails("Name,E-mail\r\n,a@example.com\r\n ,b@example.com\r\n"));
    EXPECT_FALSE(onlyEmails("Name,E-mail\r\n,a@example.com\r\nAnn,b@example.com\r\n"));
    EXPECT_FALSE(onlyEmails("Name,Address 1\r\n"));
    EXPECT_FALSE(onlyEmails("Name,Address 1\r\nAnn,\r\n"));
}

} // namespace
} // namespace tavrel::test
