#include "search/FieldTest.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

bool matches(const QString& field, int width, const QString& key)
{
    return fieldMatches(field, width, upperCaseKey(key));
}

SearchFieldBoxes only(std::initializer_list<int> ticked)
{
    SearchFieldBoxes b{};
    for (int i : ticked)
        b[i] = true;
    return b;
}

bool recordHas(const NARecord& r, std::initializer_list<int> ticked, const QString& key)
{
    return recordMatches(r, only(ticked), upperCaseKey(key));
}

} // namespace

TEST(FieldTest, SubstringIgnoresCaseAnywhereInTheField)
{
    EXPECT_TRUE(matches(QStringLiteral("Margaret Ellison"), 35, QStringLiteral("ell")));
    EXPECT_TRUE(matches(QStringLiteral("mARGARET eLLISON"), 35, QStringLiteral("EllIsOn")));
    EXPECT_TRUE(matches(QStringLiteral("Margaret Ellison"), 35, QStringLiteral("m")));
    EXPECT_FALSE(matches(QStringLiteral("Margaret Ellison"), 35, QStringLiteral("Elison")));
    // Letters beyond ASCII fold too, and keep their places (no expansion of ß).
    EXPECT_TRUE(matches(QStringLiteral("Jürgen Straße"), 35, QStringLiteral("JÜRGEN STRAßE")));
    EXPECT_TRUE(matches(QStringLiteral("ÉMILE ZOLA"), 35, QStringLiteral("émile")));
    EXPECT_FALSE(matches(QStringLiteral("Strasse"), 35, QStringLiteral("straße")));
}

TEST(FieldTest, FieldIsSeenAtItsFullStoredWidth)
{
    // The fill blanks count: a key ending in a blank matches a value followed
    // by fill, and blanks alone match any field with that many blanks.
    EXPECT_TRUE(matches(QStringLiteral("Smith"), 35, QStringLiteral("smith ")));
    EXPECT_TRUE(matches(QStringLiteral("Smith"), 35, QString(30, QLatin1Char(' '))));
    EXPECT_FALSE(matches(QStringLiteral("Smith"), 35, QString(31, QLatin1Char(' '))));
    EXPECT_TRUE(matches(QString(), 35, QStringLiteral(" ")));

    // A value that fills its field has no blank after it.
    const QString full = QString(30, QLatin1Char('x')) + QStringLiteral("Smith");
    EXPECT_TRUE(matches(full, 35, QStringLiteral("smith")));
    EXPECT_FALSE(matches(full, 35, QStringLiteral("smith ")));
    EXPECT_FALSE(matches(full, 35, QStringLiteral(" ")));

    // Text longer than the field is seen only up to the width.
    EXPECT_FALSE(
        matches(QString(35, QLatin1Char('a')) + QStringLiteral("zz"), 35, QStringLiteral("z")));

    // A key longer than the field never matches, not even blanks in blanks.
    EXPECT_TRUE(matches(QString(), 35, QString(35, QLatin1Char(' '))));
    EXPECT_FALSE(matches(QString(), 35, QString(36, QLatin1Char(' '))));
    EXPECT_FALSE(matches(QString(36, QLatin1Char('a')), 35, QString(36, QLatin1Char('a'))));
    // The key may sit at the very end of the field.
    EXPECT_TRUE(
        matches(QString(34, QLatin1Char('a')) + QLatin1Char('b'), 35, QStringLiteral("ab")));
}

TEST(FieldTest, BoxesChooseTheFieldsThatAreTested)
{
    NARecord r = test::makeRecord(7, QStringLiteral("Ada Lovelace"), QStringLiteral("LOVELACE"),
                                  QStringLiteral("ANALYST"));
    r.AddrLine3 = QStringLiteral("12 Engine Row");
    r.PhoneType2 = QStringLiteral("Work");
    r.PhoneNum2 = QStringLiteral("555-0199");
    r.Comments = QStringLiteral("Wrote the first program for the engine");
    r.EMail = QStringLiteral("ada@engine.example");
    r.LinkText1 = QStringLiteral("Babbage");

    // Name only: the name and nothing else.
    EXPECT_TRUE(recordHas(r, {0}, QStringLiteral("ada l")));
    EXPECT_FALSE(recordHas(r, {0}, QStringLiteral("engine")));
    // Name and address: the name and all four lines, nothing further.
    EXPECT_TRUE(recordHas(r, {1}, QStringLiteral("ada l")));
    EXPECT_TRUE(recordHas(r, {1}, QStringLiteral("engine row")));
    EXPECT_FALSE(recordHas(r, {1}, QStringLiteral("555")));
    // Telephone numbers, but never their type labels.
    EXPECT_TRUE(recordHas(r, {2}, QStringLiteral("-0199")));
    EXPECT_FALSE(recordHas(r, {2}, QStringLiteral("work")));
    EXPECT_FALSE(recordHas(r, {2}, QStringLiteral("ada")));
    EXPECT_TRUE(recordHas(r, {3}, QStringLiteral("FIRST PROGRAM")));
    EXPECT_FALSE(recordHas(r, {3}, QStringLiteral("lovelace")));
    EXPECT_TRUE(recordHas(r, {4}, QStringLiteral("lovel")));
    EXPECT_FALSE(recordHas(r, {4}, QStringLiteral("analyst")));
    EXPECT_TRUE(recordHas(r, {5}, QStringLiteral("analyst")));
    EXPECT_FALSE(recordHas(r, {5}, QStringLiteral("lovel")));
    EXPECT_TRUE(recordHas(r, {6}, QStringLiteral("@engine")));
    EXPECT_FALSE(recordHas(r, {6}, QStringLiteral("ada l")));
    // Several boxes together, and everything with the last box.
    EXPECT_TRUE(recordHas(r, {3, 6}, QStringLiteral("ada@")));
    EXPECT_FALSE(recordHas(r, {3, 6}, QStringLiteral("555")));
    for (const char* key :
         {"ada l", "engine row", "0199", "first program", "lovelace", "analyst", "example"})
        EXPECT_TRUE(recordHas(r, {7}, QString::fromLatin1(key))) << key;
    // QuickLink descriptions are not search fields at all.
    EXPECT_FALSE(recordHas(r, {7}, QStringLiteral("babbage")));
    // Name only shuts out the rest even when other boxes come along.
    EXPECT_FALSE(recordHas(r, {0, 3}, QStringLiteral("first program")));
}

TEST(FieldTest, LongKeysAreCutForTelephoneNumbersAndSortKeys)
{
    const QString key25 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
    const QString key36 = QString(36, QLatin1Char('q'));
    NARecord r = test::makeRecord(3, QStringLiteral("x"));
    r.PhoneNum5 = key25.left(20); // a 25-character key is cut to 20 here
    EXPECT_TRUE(recordHas(r, {2}, key25.toLower()));
    r.PhoneNum5 = key25.left(19) + QLatin1Char('-');
    EXPECT_FALSE(recordHas(r, {2}, key25));

    NARecord s = test::makeRecord(4, QStringLiteral("y"));
    s.SortKey2 = key25.left(16); // ... and to 16 for the sort keys
    EXPECT_TRUE(recordHas(s, {5}, key25));
    EXPECT_FALSE(recordHas(s, {4}, key25));
    s.SortKey1 = key25.left(15);
    EXPECT_FALSE(recordHas(s, {4}, key25));

    // 36 characters fit a comment but never a name, address line or e-mail.
    NARecord t = test::makeRecord(5, key36.left(35));
    t.AddrLine1 = key36.left(35);
    t.EMail = key36.left(35);
    EXPECT_FALSE(recordHas(t, {1, 6}, key36));
    t.Comments = QStringLiteral("Note: ") + key36;
    EXPECT_TRUE(recordHas(t, {7}, key36));
}
