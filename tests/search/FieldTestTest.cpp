#include "search/FieldTest.h"
#include "support/TestEnv.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tavrel;

namespace {

bool matches(const QString& field, int width, const QString& key)
{
    return fieldMatches(field, width, upperCaseKey(key));
}

// Each row is the ticked boxes as digits, then '+' and a key the record matches,
// or '-' and one it does not.
void expectKeys(const NARecord& r, std::initializer_list<const char*> rows)
{
    for (const char* row : rows) {
        const QString text = QString::fromUtf8(row);
        const qsizetype sign = text.indexOf(QRegularExpression("[+-]"));
        SearchFieldBoxes boxes{};
        for (QChar c : text.left(sign))
            boxes[c.digitValue()] = true;
        EXPECT_EQ(recordMatches(r, boxes, upperCaseKey(text.mid(sign + 1))), text[sign] == '+')
            << row;
    }
}

} // namespace

TEST(FieldTest, SubstringIgnoresCaseAnywhereInTheFieldAtItsFullStoredWidth)
{
    EXPECT_TRUE(matches("mARGARET eLLISON", 35, "EllIsOn"));
    // Letters beyond ASCII fold too, and keep their places (no expansion of ß).
    EXPECT_TRUE(matches("Jürgen Straße", 35, "JÜRGEN STRAßE"));
    EXPECT_FALSE(matches("Strasse", 35, "straße"));

    // The field is seen at its full stored width: the fill blanks count (a key ending in a blank
    // matching a name followed by fill: the search's own case), and blanks alone match any field
    // with that many blanks.
    EXPECT_TRUE(matches("Smith", 35, QString(30, QLatin1Char(' '))));
    EXPECT_FALSE(matches("Smith", 35, QString(31, QLatin1Char(' '))));

    // A value that fills its field has no blank after it.
    const QString full = QString(30, QLatin1Char('x')) + QStringLiteral("Smith");
    EXPECT_TRUE(matches(full, 35, "smith"));
    EXPECT_FALSE(matches(full, 35, "smith "));

    // Text longer than the field is seen only up to the width.
    EXPECT_FALSE(matches(QString(35, QLatin1Char('a')) + QStringLiteral("zz"), 35, "z"));

    // A key as long as the field still matches (longer ones never do: the long keys' case).
    EXPECT_TRUE(matches(QString(), 35, QString(35, QLatin1Char(' '))));
}

TEST(FieldTest, BoxesChooseTheFieldsThatAreTested)
{
    NARecord r = test::makeRecord(7, "Ada Lovelace", "LOVELACE", "ANALYST");
    r.PhoneType2 = "Work";
    r.PhoneNum2 = "555-0199";
    r.Comments = "Wrote the first program for the engine";
    r.EMail = "ada@engine.example";
    r.LinkText1 = "Babbage";

    expectKeys(r, {// Name and address: nothing further (what each takes: the search's cases).
                   "1-555",
                   // Telephone numbers, but never their type labels.
                   "2+-0199", "2-work", "2-ada", "3+FIRST PROGRAM", "3-lovelace", "4+lovel",
                   "4-analyst", "5+analyst", "5-lovel", "6+@engine", "6-ada l",
                   // Several boxes together, and everything with the last box, but never
                   // the QuickLink descriptions.
                   "36+ada@", "36-555", "7+0199", "7+first program", "7+lovelace", "7+analyst",
                   "7+example", "7-babbage",
                   // Name only shuts out the rest even when other boxes come along.
                   "03-first program"});
}

TEST(FieldTest, LongKeysAreCutForTelephoneNumbersAndSortKeys)
{
    const QString key25 = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    const QString key36 = QString(36, QLatin1Char('q'));
    NARecord r = test::makeRecord(3, "x");
    r.PhoneNum5 = key25.left(20); // a 25-character key is cut to 20 here
    expectKeys(r, {"2+abcdefghijklmnopqrstuvwxy"});
    r.PhoneNum5 = key25.left(19) + QLatin1Char('-');
    expectKeys(r, {"2-ABCDEFGHIJKLMNOPQRSTUVWXY"});

    NARecord s = test::makeRecord(4, "y");
    s.SortKey2 = key25.left(16); // ... and to 16 for the sort keys
    s.SortKey1 = key25.left(15);
    expectKeys(s, {"5+ABCDEFGHIJKLMNOPQRSTUVWXY", "4-ABCDEFGHIJKLMNOPQRSTUVWXY"});

    // 36 characters fit a comment but never a name, address line or e-mail.
    NARecord t = test::makeRecord(5, key36.left(35));
    t.AddrLine1 = key36.left(35);
    t.EMail = key36.left(35);
    t.Comments = "Note: " + key36;
    expectKeys(
        t, {"16-qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq", "7+qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq"});
}
