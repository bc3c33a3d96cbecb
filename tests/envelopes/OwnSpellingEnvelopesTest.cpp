// Envelopes print the names and addresses kept in their own alphabet as the
// person typed them, within the mailing block's room.
#include "EnvelopeFixture.h"

#include "platform/PrintedText.h"
#include "platform/gui/QtPrinter.h"
#include "store/ContactAccess.h"
#include "support/OwnSpellings.h"
#include "support/PdfPages.h"

namespace tavrel::test {

using namespace spellings;

class OwnSpellingEnvelopes : public EnvelopeTest {
protected:
    void spell(int id, const QString& name, const QString& street = QString())
    {
        spellings::spell(p, id, envelopePerson(id), name, street);
    }
    static EnvelopeJob everyone()
    {
        EnvelopeJob j = typedJob();
        j.mailOption = MailTo::AllEntries;
        j.sortIndex = kDoNotSort;
        return j;
    }
};

// One envelope a person, in a real PDF file: each name reads back as typed,
// the Hebrew street too; the unspelled person as the file holds them.
TEST_F(OwnSpellingEnvelopes, EachNameReadsBackAsTypedFromThePdf)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the printed words cannot be read back";
    openPeople(5);
    spell(1, kRussian);
    spell(2, kGreek);
    spell(3, kHebrew, kHebrewStreet);
    spell(4, kChinese);
    QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
    PrinterRoute route(p.printer, pdf);
    env.ui.setAutoOk(true);
    ASSERT_EQ(run(everyone()), EnvelopeRunEnd::Completed);
    const auto words = pdfWords(pdf.lastPdfFile());
    const QStringList expected[] = {{kRussian},
                                    {kGreek},
                                    {kHebrewOnPage, kHebrewStreetOnPage},
                                    {kChinese},
                                    {QStringLiteral("Person 5"), QStringLiteral("5 Main Street")}};
    for (int page = 1; page <= 5; ++page) {
        const QStringList lines = pdfLines(words, page);
        ASSERT_GE(lines.size(), 5) << page;
        EXPECT_EQ(lines.mid(3, expected[page - 1].size()), expected[page - 1])
            << page << ": " << lines.join(u'|').toStdString();
        EXPECT_EQ(lines.mid(0, 3),
                  QStringList({QStringLiteral("Ann Sender"), QStringLiteral("1 Home Row"),
                               QStringLiteral("Hometown")}));
    }
}

// An Arabic name and street on an envelope: read back off the page right to
// left as typed, with the letters that join in their joined forms (alef, and
// a letter after alef or reh, stand alone).
TEST_F(OwnSpellingEnvelopes, ArabicPrintsJoinedRightToLeft)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the printed words cannot be read back";
    openPeople(1);
    spell(1, kArabic, kArabicStreet);
    QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
    PrinterRoute route(p.printer, pdf);
    env.ui.setAutoOk(true);
    ASSERT_EQ(run(everyone()), EnvelopeRunEnd::Completed);
    const auto words = pdfWords(pdf.lastPdfFile());
    const QStringList lines = pdfLines(words, 1);
    ASSERT_GE(lines.size(), 5) << lines.join(u'|').toStdString();
    EXPECT_EQ(readRightToLeft(lines[3]), kArabic) << lines[3].toStdString();
    EXPECT_EQ(readRightToLeft(lines[4]), kArabicStreet) << lines[4].toStdString();
    // محمد 4, عبد 3, الله 3 (its alef alone); شارع 2, الملك 4, فهد 3.
    EXPECT_EQ(joinedForms(lines[3]), 10) << lines[3].toStdString();
    EXPECT_EQ(joinedForms(lines[4]), 9) << lines[4].toStdString();
}

// Lines in another alphabet keep to the room of 35 Courier characters: a
// right-to-left one ends at its right edge, one too wide is cut to fit, and
// one that fits starts where the block does. The sizes' own table falls back
// to the first size for an index it does not hold.
TEST_F(OwnSpellingEnvelopes, OtherAlphabetsKeepToTheRoomOfThirtyFiveCharacters)
{
    openPeople(1);
    env.ui.setAutoOk(true);
    EnvelopeJob j = typedJob();
    j.mailAddress = addressOf({kHebrew, kLongChinese, kChinese, kGreek, "Land"});
    ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
    const auto& t = env.printer.texts;
    ASSERT_EQ(t.size(), 10u);
    const EnvelopeSize& size = envelopeSize(0);
    // Measured in the mailing block's font.
    RecordingPrinter& pr = env.printer;
    pr.setFontName(t[5].font);
    pr.setFontSize(t[5].size);
    pr.setFontBold(t[5].bold);
    const double room = fieldRoom(pr, 35);
    EXPECT_TRUE(t[5].rightToLeft);
    EXPECT_EQ(t[5].boxWidth, room);
    EXPECT_DOUBLE_EQ(t[5].x + pr.textWidth(t[5].text), size.mailX + room);
    EXPECT_FALSE(t[6].rightToLeft);
    EXPECT_TRUE(kLongChinese.startsWith(t[6].text));
    EXPECT_LT(t[6].text.size(), kLongChinese.size());
    EXPECT_LE(pr.textWidth(t[6].text), room);
    for (int i : {6, 7, 8, 9}) {
        EXPECT_EQ(t[i].x, size.mailX) << i;
        EXPECT_FALSE(t[i].rightToLeft) << i;
    }
    EXPECT_EQ(t[7].text, kChinese);

    EXPECT_EQ(&envelopeSize(kEnvelopeSizeCount), &envelopeSize(0));
    EXPECT_EQ(&envelopeSize(-1), &envelopeSize(0));
    EXPECT_EQ(&envelopeSize(kEnvelopeSizeCount - 1) - &envelopeSize(0), kEnvelopeSizeCount - 1);
}

} // namespace tavrel::test
