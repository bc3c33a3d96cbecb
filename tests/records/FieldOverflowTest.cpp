#include "records/FieldOverflow.h"
#include "store/NARecord.h"

#include <gtest/gtest.h>

namespace tavrel::test {
namespace {

TEST(FieldOverflow, FindsEachFieldPastItsWidthCountingTheCharactersTyped)
{
    const QString email = QStringLiteral("someone.with.a.long.name@example-company.co.uk"); // 47
    const QList<FieldText> fields{
        {QStringLiteral("Name"), QStringLiteral("Ann Lee"), Width::Name},
        {QStringLiteral("E-Mail Address"), email, Width::EMail},
        // Exactly full, and full with blanks after it: nothing is lost.
        {QStringLiteral("Sort Key 1"), QString(16, QLatin1Char('K')), Width::SortKey},
        {QStringLiteral("Sort Key 2"), QString(16, QLatin1Char('k')) + "   ", Width::SortKey},
        // Four letters fit, although the file spells them with seven (Borshch);
        // six characters outside the basic plane fit as six.
        {QStringLiteral("Telephone 1 Type"), QString::fromUtf8("Борщ"), Width::PhoneType},
        {QStringLiteral("Telephone 2 Type"), QString::fromUcs4(U"\U0001F600").repeated(6),
         Width::PhoneType},
        {QStringLiteral("Telephone 3 Type"), QString::fromUtf8("Борщевик"), Width::PhoneType},
        {QStringLiteral("QuickLink 1 Description"), QString(20, QLatin1Char('d')) + "  x",
         Width::LinkText},
    };
    const QList<FieldOverflow> found = findOverflows(fields);
    ASSERT_EQ(found.size(), 3);

    EXPECT_EQ(found[0].index, 1);
    EXPECT_EQ(found[0].label, "E-Mail Address");
    EXPECT_EQ(found[0].kept, email.left(35));
    EXPECT_EQ(found[0].lost, email.mid(35));

    // In the person's own spelling.
    EXPECT_EQ(found[1].index, 6);
    EXPECT_EQ(found[1].kept, QString::fromUtf8("Борщев"));
    EXPECT_EQ(found[1].lost, QString::fromUtf8("ик"));

    // Blanks inside what is lost stay; the kept part is the field as stored.
    EXPECT_EQ(found[2].index, 7);
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

    // Room is counted in characters: a rest in another alphabet moves as typed.
    const QList<FieldOverflow> greek{
        {0, QStringLiteral("Name"), QString(), QString::fromUtf8("Παπαδόπουλος")}};
    m = moveRestToComments(QString::fromUtf8("Ж").repeated(85), greek, comments);
    EXPECT_EQ(m.comments,
              QString::fromUtf8("Ж").repeated(85) + QString::fromUtf8("; Name: Παπαδόπ"));
    EXPECT_EQ(m.notMoved, QString::fromUtf8("ουλος"));

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
