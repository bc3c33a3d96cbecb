// Names kept in their own alphabet print as the person typed them in every
// report, labels and cards: in the design's font where it has the letters,
// in a fallback face where it has not, cut to the room their field takes and
// right to left where the script is written so.
#include "ReportFixture.h"

#include "platform/gui/QtPrinter.h"
#include "reports/LabelLayouts.h"
#include "store/ContactAccess.h"
#include "support/OwnSpellings.h"
#include "support/PdfPages.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tavrel::test {

namespace {

using namespace spellings;

// 48 characters: cut to the field's 35 and to the room it prints in.
const QString kLongArabic = QStringLiteral("عبد الرحمن بن محمد بن عبد العزيز الفيصل آل سعود");

// Whether `word` holds a letter written right to left.
bool isRightToLeftWord(const QString& word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
}

} // namespace

class OwnSpellingReports : public ReportTest {
protected:
    // People 1..6; 1 to 4 have their names (and 1 and 3 their street) kept
    // in their own alphabets.
    void openSpelledPeople()
    {
        openPeople(6);
        spell(1, kRussian, kRussianStreet);
        spell(2, kGreek);
        spell(3, kHebrew, kHebrewStreet);
        spell(4, kChinese);
    }
    void spell(int id, const QString& name, const QString& street = QString())
    {
        spellings::spell(p, id, reportPerson(id), name, street);
    }
    // Runs `o` into a PDF file; labels and cards without a test page at the
    // standard position.
    QString printToPdf(ReportOptions o)
    {
        QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
        PrinterRoute route(p.printer, pdf);
        if (o.kind == ReportKind::Labels && o.labelStock == 0)
            chooseStock(false);
        if (o.kind == ReportKind::Labels || o.kind == ReportKind::Cards)
            noTestPage();
        EXPECT_EQ(run(o), RunEnd::Completed);
        return pdf.lastPdfFile();
    }
    // The recorded texts of the last document.
    std::vector<RecordingPrinter::Text> printed() const
    {
        std::vector<RecordingPrinter::Text> out;
        for (const auto& t : env.printer.texts)
            if (t.document == env.printer.documents - 1)
                out.push_back(t);
        return out;
    }
    const RecordingPrinter::Text* printedText(const QString& text) const
    {
        for (const auto& t : env.printer.texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
};

// Every report kind in a real PDF file: each name and street reads back as
// typed (Arabic joined), the unspelled people beside them as the file holds them.
TEST_F(OwnSpellingReports, EachNameReadsBackAsTypedFromEveryPrintout)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the printed words cannot be read back";
    openSpelledPeople();
    spell(6, kArabic, kArabicStreet);
    ReportOptions large = options(ReportKind::Book);
    large.largePrint = true;
    const std::pair<const char*, ReportOptions> runs[] = {
        {"book", options(ReportKind::Book)},
        {"large print book", large},
        {"telephone list", options(ReportKind::TelephoneList)},
        {"abbreviated list", options(ReportKind::AbbreviatedList)},
        {"listing", options(ReportKind::Listing)},
        {"1-across labels", labels(0)},
        {"3-across labels", labels(2)},
        {"A4 labels", labels(kFirstA4LabelStock)},
        {"cards", cards(1)},
    };
    for (const auto& [name, o] : runs) {
        SCOPED_TRACE(name);
        const QString file = printToPdf(o);
        ASSERT_FALSE(file.isEmpty());
        QString text;
        const auto words = pdfWords(file);
        for (int page = 1; page <= 3; ++page)
            text += pdfLines(words, page).join(u'\n') + u'\n';
        for (const QString& typed : {kRussian, kGreek, kHebrewOnPage, kChinese})
            EXPECT_TRUE(text.contains(typed))
                << typed.toStdString() << " in " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Person 5")));
        EXPECT_FALSE(text.contains(QStringLiteral("Ivan"))) << "no transliteration printed";
        // The telephone lists have no addresses.
        if (o.kind != ReportKind::AbbreviatedList && o.kind != ReportKind::TelephoneList) {
            EXPECT_TRUE(text.contains(kRussianStreet)) << text.toStdString();
            EXPECT_TRUE(text.contains(kHebrewStreetOnPage)) << text.toStdString();
            EXPECT_TRUE(readRightToLeft(text).contains(kArabicStreet)) << text.toStdString();
        }
        // Arabic reads back right to left as typed, its letters joined: ten
        // in the name alone.
        EXPECT_TRUE(readRightToLeft(text).contains(kArabic)) << text.toStdString();
        EXPECT_GE(joinedForms(text), 10) << text.toStdString();
    }
}

// A name far wider than its field in Chinese letters: on every label and card
// stock it is cut by whole characters to the room of the field's 35
// characters, so it never reaches past its label or card; the Hebrew name
// ends at the right edge of that room; the other lines print as always.
TEST_F(OwnSpellingReports, LongNamesStayInsideTheirLabelAndHebrewEndsAtItsRightEdge)
{
    openPeople(3);
    spell(1, kLongChinese);
    spell(2, kHebrew);
    const std::pair<const char*, ReportOptions> runs[] = {
        {"1-across labels", labels(0)}, {"2-across labels", labels(1)},
        {"3-across labels", labels(2)}, {"A4 3 x 8 labels", labels(kFirstA4LabelStock + 2)},
        {"1-across cards", cards(0)},   {"2-across cards", cards(1)},
    };
    for (const auto& [name, o] : runs) {
        SCOPED_TRACE(name);
        env.printer = RecordingPrinter();
        if (o.kind == ReportKind::Labels && o.labelStock == 0)
            chooseStock(false);
        noTestPage();
        ASSERT_EQ(run(o), RunEnd::Completed);
        const Stock stock = stockOf(p, o);
        const QSizeF size = slotSize(stock);
        const auto slots =
            sheetSlots(stock, p.Report.LabelTop, p.Report.LabelLeft, env.printer.printableOrigin());
        const auto texts = printed();
        ASSERT_FALSE(texts.empty());
        const auto& first = texts.front();
        const double points = first.size;
        const double room = 35 * widthOf(QStringLiteral("W"), points, true, kCourier);

        // Cut to the longest run of its first characters that fits the room.
        const QString cut = first.text;
        ASSERT_FALSE(cut.isEmpty());
        EXPECT_TRUE(kLongChinese.startsWith(cut)) << cut.toStdString();
        const double width = widthOf(cut, points, true, kCourier);
        EXPECT_LE(width, room);
        EXPECT_GT(widthOf(kLongChinese.left(cut.size() + 1), points, true, kCourier), room);
        // Inside the label or card it starts in.
        const auto in = std::find_if(slots.begin(), slots.end(), [&](const Slot& s) {
            return QRectF(QPointF(s.x, s.y), size).contains(first.x, first.y);
        });
        ASSERT_NE(in, slots.end());
        EXPECT_LE(first.x + width, in->x + size.width());

        // The next line is the address as the file holds it, as always.
        EXPECT_EQ(texts[1].text.trimmed(), QStringLiteral("1 Main Street"));
        EXPECT_EQ(texts[1].x, first.x);

        const auto hebrew = std::find_if(texts.begin(), texts.end(),
                                         [](const auto& t) { return t.text == kHebrew; });
        ASSERT_NE(hebrew, texts.end());
        EXPECT_TRUE(hebrew->rightToLeft);
        EXPECT_EQ(hebrew->boxWidth, room);
        EXPECT_NEAR(hebrew->x + widthOf(kHebrew, points, true, kCourier), (hebrew + 1)->x + room,
                    0.01)
            << "ends where the field's room ends";
    }
}

// The list reports keep their columns: a line of fields with a name in
// another alphabet prints field by field, each where the padded line would
// have put it; upper-case labels print the person's own letters in capitals.
TEST_F(OwnSpellingReports, ColumnsHoldBesideOtherAlphabetsAndCapitalsAreTheirOwn)
{
    openPeople(2);
    spell(1, kChinese);
    ASSERT_EQ(run(options(ReportKind::AbbreviatedList)), RunEnd::Completed);
    const auto* name = printedText(kChinese);
    ASSERT_NE(name, nullptr);
    const auto* plain = printedText(pad(QStringLiteral("Person 2"), 35) + QStringLiteral("   ") +
                                    pad(QStringLiteral("Tel1"), 6) + QStringLiteral(" ") +
                                    pad(QStringLiteral("555-2-1"), 20) + QStringLiteral("   ") +
                                    pad(QStringLiteral("Tel2"), 6) + QStringLiteral(" ") +
                                    pad(QStringLiteral("555-2-2"), 20));
    ASSERT_NE(plain, nullptr) << "an unspelled record prints its padded line as always";
    const double column = widthOf(QString(38, u' '), 9, true, kCourier);
    const auto* phone = printedText(pad(QStringLiteral("Tel1"), 6));
    ASSERT_NE(phone, nullptr);
    EXPECT_NEAR(phone->x, name->x + column, 0.01);
    EXPECT_EQ(phone->y, name->y);
    const auto* number = printedText(pad(QStringLiteral("555-1-1"), 20));
    ASSERT_NE(number, nullptr);
    EXPECT_NEAR(number->x, name->x + widthOf(QString(45, u' '), 9, true, kCourier), 0.01);

    env.printer = RecordingPrinter();
    spell(1, QStringLiteral("Straße Ёлкина"));
    noTestPage(4, 0, false, true);
    ASSERT_EQ(run(labels(2)), RunEnd::Completed);
    EXPECT_NE(printedText(QStringLiteral("STRAßE ЁЛКИНА")), nullptr);
    EXPECT_NE(printedText(pad(QStringLiteral("PERSON 2"), 35)), nullptr);
}

// On a card the name (11 point) and the address lines (8 point) of a person
// written right to left all end at one right edge, that of the card's text
// box, read off the PDF page; none reaches past its card, a long name neither.
TEST_F(OwnSpellingReports, RightToLeftCardLinesEndAtOneEdgeInsideTheCard)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; the printed words cannot be placed";
    openPeople(4);
    spell(1, kHebrew, kHebrewStreet);
    spell(2, kArabic, kArabicStreet);
    spell(3, kLongArabic);
    for (int stock : {0, 1}) {
        SCOPED_TRACE(stock == 0 ? "1-across cards" : "2-across cards");
        const ReportOptions o = cards(stock);
        const QString file = printToPdf(o);
        ASSERT_FALSE(file.isEmpty());
        const Stock kind = stockOf(p, o);
        const QSizeF size = slotSize(kind) / 20;
        // Points on the PDF page: its printable area starts a quarter inch in.
        std::vector<QRectF> cardsOnPage;
        for (const Slot& s : sheetSlots(kind, p.Report.LabelTop, p.Report.LabelLeft))
            cardsOnPage.emplace_back(QPointF(18 + s.x / 20, 18 + s.y / 20), size);
        // The foot and right edge of each right-to-left line of each card; the
        // words of one line lie within 3 points of its foot (faces differ in depth).
        std::map<int, std::vector<QPointF>> rightEdges;
        for (const PdfWord& w : pdfWords(file)) {
            if (w.page != 1 || !isRightToLeftWord(w.text))
                continue;
            const auto in =
                std::find_if(cardsOnPage.begin(), cardsOnPage.end(),
                             [&](const QRectF& r) { return r.contains(w.box.center()); });
            ASSERT_NE(in, cardsOnPage.end()) << w.text.toStdString();
            EXPECT_LE(w.box.right(), in->right()) << "inside the card: " << w.text.toStdString();
            EXPECT_GE(w.box.left(), in->left()) << "inside the card: " << w.text.toStdString();
            std::vector<QPointF>& lines = rightEdges[int(in - cardsOnPage.begin())];
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const QPointF& l) {
                return std::abs(l.x() - w.box.bottom()) < 3;
            });
            if (line == lines.end())
                lines.emplace_back(w.box.bottom(), w.box.right());
            else
                line->setY(std::max(line->y(), w.box.right()));
        }
        ASSERT_EQ(rightEdges.size(), 3u) << "the Hebrew and the two Arabic cards";
        for (const auto& [card, lines] : rightEdges) {
            // The long name's street is the file's own.
            ASSERT_EQ(lines.size(), card == 2 ? 1u : 2u) << "name and street of card " << card;
            // Both end at the name line's edge: 35 Courier New 11 point cells
            // from the card's left.
            for (const QPointF& line : lines)
                EXPECT_NEAR(line.y(), cardsOnPage[size_t(card)].left() + 35 * 6.6, 0.6)
                    << "card " << card << ", line at " << line.x();
        }
    }
}

} // namespace tavrel::test
