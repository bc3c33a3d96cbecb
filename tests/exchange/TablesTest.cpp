#include "exchange/Tables.h"
#include "exchange/VCard.h"
#include "exchange/VCardFields.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tavrel {

TEST(ExchangeTables, NameSplit)
{
    struct Row {
        const char* name;
        const char* key1;
        NameParts want; // family, given, additional, prefix, suffix
    };
    const Row rows[] = {
        {"Smith, John Quincy", "", {"Smith", "John", "Quincy", "", ""}},
        {"Dr. Jane A. Doe Jr.", "", {"Doe", "Jane", "A.", "Dr.", "Jr."}},
        {"John Smith, Jr.", "", {"Smith", "John", "", "", "Jr."}},
        {"Vincent van der Berg", "", {"van der Berg", "Vincent", "", "", ""}},
        {"Maria Garcia Lopez", "GARCIA", {"Garcia Lopez", "Maria", "", "", ""}},
        {"Mary Ann Smith-Jones", "SMITH", {"Smith-Jones", "Mary", "Ann", "", ""}},
        {"Acme", "", {"Acme", "", "", "", ""}},
        {"Mrs. Peel", "", {"Peel", "", "", "Mrs.", ""}},
        {"  ", "", {"", "", "", "", ""}},
        {"Jr.", "", {"Jr.", "", "", "", ""}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(splitName(QString::fromUtf8(r.name), QString::fromUtf8(r.key1)), r.want)
            << r.name;
    EXPECT_EQ(joinName({"Doe", "Jane", "A.", "Dr.", "Jr."}), "Dr. Jane A. Doe Jr.");
}

TEST(ExchangeTables, AddressRecognition)
{
    struct Row {
        const char* lines; // the lines, then the parts: street lines, locality,
                           // region, code,
        bool parsed;       // country; each list joined with '|'
        const char *street, *parts;
    };
    const Row rows[] = {
        {"Apt 4|12 Main St|Springfield, IL 62704-1234|USA", true, "Apt 4|12 Main St",
         "Springfield|IL|62704-1234|USA"},
        {"1 Bay St|Toronto, ON M5V 2T6|Canada", true, "1 Bay St", "Toronto|ON|M5V 2T6|Canada"},
        {"Keizersgracht 1|1015 CJ Amsterdam", true, "Keizersgracht 1", "Amsterdam||1015 CJ|"},
        {"10 Downing St|London SW1A 2AA|UK", true, "10 Downing St", "London||SW1A 2AA|UK"},
        // Not a city line: everything stays in the street part.
        {"c/o Jones|The Old Mill|Little Snoring", false, "c/o Jones|The Old Mill|Little Snoring",
         "|||"},
        {"Springfield, IL 62704", false, "Springfield, IL 62704", "|||"},
        {"PO Box 7||Canada", false, "PO Box 7|Canada", "|||"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.lines);
        const QStringList lines = QString::fromUtf8(r.lines).split('|');
        PostalParts out;
        EXPECT_EQ(parseAddress(lines, out), r.parsed);
        EXPECT_EQ(out.street, QString::fromUtf8(r.street).split('|'));
        EXPECT_EQ(QStringList({out.locality, out.region, out.code, out.country}).join('|'),
                  QString::fromUtf8(r.parts));
        if (r.parsed &&
            (out.region.isEmpty() || lines.join(QString()).contains(QLatin1Char(',')))) {
            // The way back gives the lines again.
            EXPECT_EQ(addressLines(out), lines.filter(QRegularExpression(".")));
        }
    }
}

TEST(ExchangeTables, PhoneLabels)
{
    struct Row {
        const char* label;
        QStringList types;
        const char* back; // the label the types read back as
    };
    const Row rows[] = {
        {"WORK", {"work"}, "Work"},
        {"Office", {"work"}, "Work"},
        {"Cell", {"cell"}, "Mobile"},
        {"Fax", {"fax"}, "Fax"},
        {"HFax", {"home", "fax"}, "H Fax"},
        {"W Fax", {"work", "fax"}, "W Fax"},
        {"Skype", {}, ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(phoneTypesForLabel(QString::fromUtf8(r.label)), r.types) << r.label;
        EXPECT_EQ(labelForPhoneTypes(r.types), QString::fromUtf8(r.back)) << r.label;
    }
    // Types a peer adds beside the kind do not change it; the most telling kind wins.
    EXPECT_EQ(labelForPhoneTypes({"voice", "msg"}), "Msg");
    EXPECT_EQ(labelForPhoneTypes({"cell", "work", "voice"}), "Mobile");
    EXPECT_EQ(labelForPhoneTypes({"pager", "work"}), "Pager");
    // Kinds the table does not name: a plain "other" or a peer's private one.
    EXPECT_EQ(labelForPhoneTypes({"other"}), "Other");
    EXPECT_EQ(labelForPhoneTypes({"x-other"}), "Other");
}

// Text values escape backslash, comma, semicolon and every line break (CR LF,
// a lone CR, LF) as "\n"; other text, non-Latin included, stays as it is.
TEST(ExchangeTables, VCardTextEscapes)
{
    const std::pair<QString, QString> cases[] = {
        {"plain text", "plain text"},
        {"", ""},
        {"a;b,c\\d", "a\\;b\\,c\\\\d"},
        {"one\r\ntwo\rthree\nfour", "one\\ntwo\\nthree\\nfour"},
        {"\r\r\n\n\r", "\\n\\n\\n\\n"},
        {";;;", "\\;\\;\\;"},
        {QString::fromUtf8("Ж;ё,\r\n\xe2\x82\xac"), QString::fromUtf8("Ж\\;ё\\,\\n\xe2\x82\xac")},
        {"end\\", "end\\\\"},
        {"\rstart", "\\nstart"},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(escapeVCardText(text), want) << qPrintable(text);
}

// A soft break of any line end joins the lines; "=" and two hex digits is a
// byte; anything else after "=" stays as it stands.
TEST(ExchangeTables, QuotedPrintable)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"a=\r\nb", "ab"},
        {"a=\nb", "ab"},
        {"a=\rb", "ab"},
        {"a=\r\n\r\nb", "a\r\nb"},
        {"=C3=BC=0D=0A", "\xC3\xBC\r\n"},
        {"=4", "=4"},
        {"=ZZ", "=ZZ"},
        {"end=", "end="},
    };
    for (const auto& [in, want] : cases)
        EXPECT_EQ(vcard::decodeQuotedPrintable(in), want) << in.toHex().toStdString();
}

} // namespace tavrel
