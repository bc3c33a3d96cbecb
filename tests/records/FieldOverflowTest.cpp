#include "records/FieldOverflow.h"
#include "store/NARecord.h"

#include <gtest/gtest.h>

namespace tavrel::test {
namespace {

TEST(FieldOverflow, FindsEachFieldPastItsWidthCountingStoredCharacters)
{
    const QString email = QStringLiteral("someone.with.a.long.name@example-company.co.uk"); // 47
    const QList<FieldText> fields{
        {QStringLiteral("Name"), QStringLiteral("Ann Lee"), Width::Name},
        {QStringLiteral("E-Mail Address"), email, Width::EMail},
        // Exactly full, and full with blanks after it: nothing is lost.
        {QStringLiteral("Sort Key 1"), QString(16, QLatin1Char('K')), Width::SortKey},
        {QStringLiteral("Sort Key 2"), QString(16, QLatin1Char('k')) + "   ", Width::SortKey},
        // Four letters, but the file spells them with seven: Borshch.
        {QStringLiteral("Telephone 1 Type"), QString::fromUtf8("Борщ"), Width::PhoneType},
        {QStringLiteral("QuickLink 1 Description"), QString(20, QLatin1Char('d')) + "  x",
         Width::LinkText},
    };
    const QList<FieldOverflow> found = findOverflows(fields);
    ASSERT_EQ(found.size(), 3);

    EXPECT_EQ(found[0].index, 1);
    EXPECT_EQ(found[0].label, "E-Mail Address");
    EXPECT_EQ(found[0].kept, email.left(35));
    EXPECT_EQ(found[0].lost, email.mid(35));

    EXPECT_EQ(found[1].index, 4);
    EXPECT_EQ(found[1].kept, "Borshc");
    EXPECT_EQ(found[1].lost, "h");

    // Blanks inside what is lost stay; the kept part is the field as stored.
    EXPECT_EQ(found[2].index, 5);
    EXPECT_EQ(found[2].kept, QString(20, QLatin1Char('d')));
    EXPECT_EQ(found[2].lost, "  x");
}

TEST(FieldOverflow, MovesTheRestToCommentsAsFarAsThereIsRoom)
{
    const QList<FieldOverflow> two{
        {1, QStringLiteral("E-Mail Address"), QString(35, QLatin1Char('e')), QStringLiteral("uk")},
        {3, QStringLiteral("Address Line 2"), QString(35, QLatin1Char('a')),
         QStringLiteral("Flat 3")},
    };
    const QString comments = QStringLiteral("Comments");

    // Empty Comments: no separator in front.
    MovedToComments m = moveRestToComments(QString(), two, comments);
    EXPECT_EQ(m.comments, "E-Mail Address: uk; Address Line 2: Flat 3");
    EXPECT_EQ(m.notMoved, "");

    // Comments with text (its trailing blanks dropped) get the rest after "; ".
    m = moveRestToComments(QStringLiteral("Met at fair  "), two, comments);
    EXPECT_EQ(m.comments, "Met at fair; E-Mail Address: uk; Address Line 2: Flat 3");
    EXPECT_EQ(m.notMoved, "");

    // Nearly full: what fits goes in, up to exactly 100, the rest is told.
    const QString nearly(69, QLatin1Char('c'));
    m = moveRestToComments(nearly, two, comments);
    EXPECT_EQ(m.comments, nearly + "; E-Mail Address: uk; Address L");
    EXPECT_EQ(m.comments.size(), 100);
    EXPECT_EQ(m.notMoved, "ine 2: Flat 3");

    // Full: Comments stays as it is and the whole rest is not moved, without a
    // stray separator on either side.
    const QString full(100, QLatin1Char('c'));
    m = moveRestToComments(full, two, comments);
    EXPECT_EQ(m.comments, full);
    EXPECT_EQ(m.notMoved, "E-Mail Address: uk; Address Line 2: Flat 3");
    m = moveRestToComments(QString(99, QLatin1Char('c')), two, comments);
    EXPECT_EQ(m.comments, QString(99, QLatin1Char('c')));
    EXPECT_EQ(m.notMoved, "E-Mail Address: uk; Address Line 2: Flat 3");

    // Comments' own overflow is cut where the file cuts it and goes nowhere.
    const QList<FieldOverflow> own{
        {4, comments, full, QStringLiteral("tail")},
    };
    m = moveRestToComments(full + "tail", own, comments);
    EXPECT_EQ(m.comments, full);
    EXPECT_EQ(m.notMoved, "");
}

} // namespace
} // namespace tavrel::test
