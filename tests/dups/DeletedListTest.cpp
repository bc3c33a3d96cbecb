#include "DupsFixture.h"

#include "dups/DeletedList.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QString kUndeleted = QStringLiteral("Deleted Records Have Been Undeleted At Your Request.");

// 50, 10 and 30 repeat 1, 7 and 8: a silent name search deletes them in the
// order 50, 10, 30.
std::map<int, NARecord> scrambledFile()
{
    std::map<int, NARecord> r;
    for (auto [id, name] : {std::pair{1, "Alma"},
                            {7, "Boris"},
                            {8, "Cleo"},
                            {10, "BORIS"},
                            {30, "cleo"},
                            {50, "ALMA"}})
        r[id] = person(id, QString::fromLatin1(name));
    return r;
}

struct Entry {
    double x, y;
    QString text;
};

// The body entries of `page`: everything printed in the body font.
std::vector<Entry> bodyOf(const RecordingPrinter& pr, int page)
{
    std::vector<Entry> out;
    for (const auto& t : pr.onPage(page)) {
        if (t.font == QLatin1String("Courier New") && t.size == 10 && t.bold)
            out.push_back({t.x, t.y, t.text});
    }
    return out;
}

} // namespace

TEST_F(DupsTest, DeletedListIsShownAndPrintedByIdThenUndeletedOnce)
{
    writeFile(scrambledFile());
    QStringList lines, linesAfter;
    onReport([&](DupCompleteDialog& w) {
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("3"));
        EXPECT_TRUE(w.deletedCountEdit->isReadOnly()); // a count shown, in bold, not typed
        EXPECT_TRUE(w.deletedCountEdit->font().bold());
        EXPECT_TRUE(w.actionOptions[0]->isChecked());
        lines = displayList(w);
        // A print the print system refuses is said not printed; the next one prints.
        env.printer.notSentReason = QStringLiteral("The printer or class does not exist.");
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 1);
        EXPECT_EQ(env.printer.documents, 0);
        env.printer = RecordingPrinter();
        env.printer.outputFile = QStringLiteral("/out/deleted.pdf");
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 1);
        EXPECT_EQ(file(), withDeleted(before, {10, 30, 50}));
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 2);
        EXPECT_EQ(file(), before);
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("0"));
        // Nothing is left to show, print or undelete; the window stays.
        for (int option : {0, 1, 2}) {
            env.ui.answer(Ui::Answer::Ok);
            perform(w, option);
        }
        EXPECT_TRUE(w.isVisible());
        click(w.cancelButton);
    });
    search(DupMatch::Name, false);

    EXPECT_EQ(lines, (QStringList{listLine(10, QStringLiteral("BORIS")),
                                  listLine(30, QStringLiteral("cleo")),
                                  listLine(50, QStringLiteral("ALMA"))}));
    EXPECT_EQ(env.ui.modalWindows,
              (QStringList{QStringLiteral("DupDelCompl"), QStringLiteral("DupsDeleted")}));
    EXPECT_EQ(boxes(), (std::vector<Box>{
                           note(QStringLiteral("Report Not Printed.\n\nThe printer or class "
                                               "does not exist."),
                                QStringLiteral("Printer Error")),
                           note(QStringLiteral("Report Complete\n\nSaved As /out/deleted.pdf")),
                           note(kUndeleted), note(nothingDeletedText()), note(nothingDeletedText()),
                           note(kUndeleted)}));

    // One row: 10 on the left, 30 on the right; then 50 alone. Names stand at
    // text columns 12 and 55 of the 120-twip body font.
    const RecordingPrinter& pr = env.printer;
    const std::vector<Entry> body = bodyOf(pr, 1);
    ASSERT_EQ(body.size(), 6u);
    const Entry expected[] = {
        {400, 1810, QStringLiteral("10")},  {1320, 1810, QStringLiteral("BORIS").leftJustified(35)},
        {5700, 1810, QStringLiteral("30")}, {6480, 1810, QStringLiteral("cleo").leftJustified(35)},
        {400, 2010, QStringLiteral("50")},  {1320, 2010, QStringLiteral("ALMA").leftJustified(35)},
    };
    for (size_t i = 0; i < body.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(body[i].x, expected[i].x, 1.0); // the font's own advance
        EXPECT_EQ(body[i].y, expected[i].y);
        EXPECT_EQ(body[i].text, expected[i].text);
    }
    const auto* name = pr.find(QStringLiteral("Duplicate Records Deleted From The N&A File"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->y, 1060);
    EXPECT_EQ(name->font, QStringLiteral("Arial"));
    EXPECT_EQ(pr.log.filter(QStringLiteral("newPage")).size(), 1);
    EXPECT_EQ(pr.documents, 1);
    expectClosed();
}

TEST_F(DupsTest, PrintedListHolds120EntriesAPage)
{
    // 122 records with one name: 2 to 122 go, 121 entries.
    writeFile(people(1, 122, QStringLiteral("Same Name")));
    onReport([&](DupCompleteDialog& w) {
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 1);
    });
    search(DupMatch::Name, false);

    const RecordingPrinter& pr = env.printer;
    const auto page1 = bodyOf(pr, 1);
    const auto page2 = bodyOf(pr, 2);
    ASSERT_EQ(page1.size(), 240u); // 120 IDs and 120 names in 60 rows
    // Row 60: IDs 120 and 121 at y 1610 + 200 x 60.
    EXPECT_EQ(page1[236].text, QStringLiteral("120"));
    EXPECT_EQ(page1[236].y, 13610);
    EXPECT_EQ(page1[238].text, QStringLiteral("121"));
    EXPECT_EQ(page1[238].x, 5700);
    ASSERT_EQ(page2.size(), 2u);
    EXPECT_EQ(page2[0].text, QStringLiteral("122"));
    EXPECT_EQ(page2[0].x, 400);
    EXPECT_EQ(page2[0].y, 1810);
    // Each page has its heading, with its own page number in the footer.
    for (int page : {1, 2}) {
        int headings = 0;
        QString pageNo;
        for (const auto& t : pr.onPage(page)) {
            headings += t.text == QLatin1String("Duplicate Records Deleted From The N&A File");
            if (t.y == 14000 && t.text != QLatin1String("Produced By Corvane MARK32"))
                pageNo = t.text;
        }
        EXPECT_EQ(headings, 1);
        EXPECT_EQ(pageNo, QString::number(page));
    }
    EXPECT_TRUE(pr.onPage(3).empty());
    EXPECT_EQ(pr.documents, 1);
}

TEST_F(DupsTest, UndeleteStopsAtARecordChangedSinceTheSearchAndTheNextOneRestoresTheRest)
{
    writeFile(scrambledFile());
    QStringList lines;
    QByteArray afterFirst;
    onReport([&](DupCompleteDialog& w) {
        // 10, the second one deleted, is taken again for someone new.
        p.CurRec = person(10, QStringLiteral("Dora New"));
        Put_NA_Rec(p, 11);
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 2);
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("3"));
        lines = displayList(w);
        afterFirst = file();
        // Undelete again: 50, restored already, and 10, refused, are passed
        // over; 30 comes back and the new record at 10 keeps its bytes.
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 2);
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("0"));
    });
    search(DupMatch::Name, false);

    QByteArray restored = before;
    restored.replace(10 * NARecord::Size, NARecord::Size,
                     person(10, QStringLiteral("Dora New")).toBytes());
    EXPECT_EQ(file(), restored);
    EXPECT_EQ(boxes(),
              (std::vector<Box>{
                  note(QStringLiteral("Internal Error DUP2.  ID =  10 Ptr = CRVN Name = ") +
                       QStringLiteral("Dora New").leftJustified(35) +
                       QStringLiteral(". Record This Info And Notify The Software Author.")),
                  note(kUndeleted)}));
    // 50 came back before the undelete reached 10; 30 was not touched.
    EXPECT_EQ(afterFirst, withDeleted(restored, {30}));
    EXPECT_EQ(lines.size(), 3); // the list still holds all three
    expectClosed();
}

TEST(sortDeletedList, EveryOrderEndsAscendingWithItsNames)
{
    std::vector<int> ids{3, 7, 10, 12, 20, 31};
    do {
        DupSearchState s; // 1-based lists
        s.DeletedCount = int(ids.size());
        s.DeletedIds = {0};
        s.DeletedNames = {QString()};
        for (int id : ids) {
            s.DeletedIds << qint16(id);
            s.DeletedNames << QString::number(id);
        }
        sortDeletedList(s);
        ASSERT_EQ(s.DeletedIds, (QVector<qint16>{0, 3, 7, 10, 12, 20, 31}));
        for (int i = 1; i <= s.DeletedCount; ++i)
            ASSERT_EQ(s.DeletedNames[i], QString::number(s.DeletedIds[i]));
    } while (std::next_permutation(ids.begin(), ids.end()));
}
