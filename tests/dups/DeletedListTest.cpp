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
    return people(
        {{1, "Alma"}, {7, "Boris"}, {8, "Cleo"}, {10, "BORIS"}, {30, "cleo"}, {50, "ALMA"}});
}

// The body entries of `page`, everything printed in the body font, as "x y text"; x
// to ten twips, for the names stand at text columns of the font's own advance.
QStringList bodyOf(const RecordingPrinter& pr, int page)
{
    QStringList out;
    for (const auto& t : pr.onPage(page)) {
        if (t.font == QLatin1String("Courier New") && t.size == 10 && t.bold)
            out << QStringLiteral("%1 %2 %3")
                       .arg(qRound(t.x / 10) * 10)
                       .arg(t.y)
                       .arg(t.text.trimmed());
    }
    return out;
}

} // namespace

TEST_F(DupsTest, DeletedListIsShownAndPrintedByIdThenUndeletedOnce)
{
    writeFile(scrambledFile());
    QStringList lines;
    onReport([&](DupCompleteDialog& w) {
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("3"));
        EXPECT_TRUE(w.deletedCountEdit->isReadOnly()); // a count shown, in bold, not typed
        EXPECT_TRUE(w.deletedCountEdit->font().bold());
        EXPECT_TRUE(w.actionOptions[0]->isChecked());
        env.ui.onModal([&lines](QDialog& d) { // the list window
            lines << shownLines(control<QListView>(&d, QStringLiteral("List1")));
        });
        perform(w, 0);
        // A print the print system refuses is said not printed; the next one prints.
        env.printer.notSentReason = QStringLiteral("The printer or class does not exist.");
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 1);
        env.printer = RecordingPrinter();
        env.printer.outputFile = QStringLiteral("/out/deleted.pdf");
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 1);
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

    // Each line: the ID, two blanks, the 35-character name.
    EXPECT_EQ(lines, (QStringList{"10  " + QStringLiteral("BORIS").leftJustified(35),
                                  "30  " + QStringLiteral("cleo").leftJustified(35),
                                  "50  " + QStringLiteral("ALMA").leftJustified(35)}));
    EXPECT_EQ(boxes(), (std::vector<Box>{
                           note(QStringLiteral("Report Not Printed.\n\nThe printer or class "
                                               "does not exist."),
                                QStringLiteral("Printer Error")),
                           note(QStringLiteral("Report Complete\n\nSaved As /out/deleted.pdf")),
                           note(kUndeleted), note(nothingDeletedText()), note(nothingDeletedText()),
                           note(kUndeleted)}));

    // One row: 10 on the left, 30 on the right; then 50 alone. Names stand at
    // text columns 12 and 55 of the 120-twip body font.
    EXPECT_EQ(bodyOf(env.printer, 1),
              (QStringList{"400 1810 10", "1320 1810 BORIS", "5700 1810 30", "6480 1810 cleo",
                           "400 2010 50", "1320 2010 ALMA"}));
    // The list report's own heading, placed as every list report's.
    EXPECT_NE(env.printer.find("Duplicate Records Deleted From The N&A File"), nullptr);
    EXPECT_EQ(env.printer.documents, 1);
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
    const QStringList page1 = bodyOf(pr, 1);
    ASSERT_EQ(page1.size(), 240); // 120 IDs and 120 names in 60 rows
    // Row 60: IDs 120 and 121 at y 1610 + 200 x 60.
    EXPECT_EQ(page1[236], "400 13610 120");
    EXPECT_EQ(page1[238], "5700 13610 121");
    EXPECT_EQ(bodyOf(pr, 2), (QStringList{"400 1810 122", "1320 1810 Same Name"}));
    // The second page has its own number in the footer, and no third page follows.
    EXPECT_TRUE(std::ranges::any_of(pr.onPage(2),
                                    [](const auto& t) { return t.y == 14000 && t.text == "2"; }));
    EXPECT_TRUE(pr.onPage(3).empty());
}

TEST_F(DupsTest, UndeleteStopsAtARecordChangedSinceTheSearchAndTheNextOneRestoresTheRest)
{
    writeFile(scrambledFile());
    QByteArray afterFirst;
    onReport([&](DupCompleteDialog& w) {
        // 10, the second one deleted, is taken again for someone new.
        p.CurRec = makeRecord(10, "Dora New");
        Put_NA_Rec(p, 11);
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 2);
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("3"));
        afterFirst = file();
        // Undelete again: 50, restored already, and 10, refused, are passed
        // over; 30 comes back and the new record at 10 keeps its bytes.
        env.ui.answer(Ui::Answer::Ok);
        perform(w, 2);
        EXPECT_EQ(w.deletedCountEdit->text(), QStringLiteral("0"));
    });
    search(DupMatch::Name, false);

    QByteArray restored = before;
    restored.replace(10 * NARecord::Size, NARecord::Size, makeRecord(10, "Dora New").toBytes());
    EXPECT_EQ(file(), restored);
    EXPECT_EQ(boxes(),
              (std::vector<Box>{
                  note(QStringLiteral("Internal Error DUP2.  ID =  10 Ptr = CRVN Name = ") +
                       QStringLiteral("Dora New").leftJustified(35) +
                       QStringLiteral(". Record This Info And Notify The Software Author.")),
                  note(kUndeleted)}));
    // 50 came back before the undelete reached 10; 30 was not touched.
    EXPECT_EQ(afterFirst, withDeleted(restored, {30}));
}

TEST(sortDeletedList, EveryOrderEndsAscendingWithItsNames)
{
    std::vector<qint16> ids{3, 7, 10, 12, 20, 31};
    do {
        DupSearchState s; // 1-based lists: [0] is not sorted
        s.DeletedCount = int(ids.size());
        s.DeletedIds = QVector<qint16>{0} + QVector<qint16>(ids.begin(), ids.end());
        for (qint16 id : s.DeletedIds)
            s.DeletedNames << QString::number(id);
        sortDeletedList(s);
        ASSERT_EQ(s.DeletedIds, (QVector<qint16>{0, 3, 7, 10, 12, 20, 31}));
        ASSERT_EQ(s.DeletedNames, (QStringList{"0", "3", "7", "10", "12", "20", "31"}));
    } while (std::next_permutation(ids.begin(), ids.end()));
}
