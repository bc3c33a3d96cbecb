// Envelopes print the names and addresses kept in their own alphabet as the
// person typed them, within the mailing block's room.
#include "EnvelopeFixture.h"

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

} // namespace tavrel::test
