#include "MailListFixture.h"

#include "maillists/MailListCommands.h"
#include "maillists/ReviseMailListWindow.h"
#include "platform/Errors.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tavrel::test {

class MailListPrintTest : public MailListTest {
protected:
    void SetUp() override
    {
        NARecord carol = makeRecord(3, QStringLiteral("Carol Ames"));
        carol.AddrLine1 = QStringLiteral("12 Elm Street");
        env.openFile({{3, carol},
                      {5, deletedRecord(5, QStringLiteral("Eve Bond"))},
                      {8, makeRecord(8, QStringLiteral("Hal Crane"))}});
        env.ui.setAutoOk(true);
    }

    // The form with list "tvlmail.a" of the IDs in `ids` (titled "Club"), selected.
    ReviseMailListWindow* openOn(const QString& ids)
    {
        parseIdList(p, ids);
        writeMailList(p, QStringLiteral("tvlmail.a"), QStringLiteral("Club"));
        startReviseMailList(p);
        auto* w = windowOf<ReviseMailListWindow>(QStringLiteral("MailForm"));
        if (w)
            select(w->fileList, QStringLiteral("tvlmail.a"));
        return w;
    }

    std::vector<RecordingPrinter::Text> memberLines() const
    {
        std::vector<RecordingPrinter::Text> out;
        for (const auto& t : env.printer.texts)
            if (t.font == QStringLiteral("Courier New"))
                out.push_back(t);
        return out;
    }
};

// The heading and one line per member; a printer that fails or refuses the list.
TEST_F(MailListPrintTest, PrintsHeadingAndOneLinePerMember)
{
    ReviseMailListWindow* w = openOn(QStringLiteral("3 5 8 9 1700"));
    ASSERT_TRUE(w);
    env.printer.outputFile = QStringLiteral("/out/list.pdf");
    click(w->printListButton);
    settle();
    const RecordingPrinter& pr = env.printer;

    // The three heading lines, each in Arial and centred on the page.
    const struct {
        QString text;
        double size;
        bool bold;
        double y;
    } headings[] = {
        {QStringLiteral("Mailing List Contents"), 16, true, 300},
        {QStringLiteral("Mailing List  'tvlmail.a'  With Title  'Club'"), 12, false, 800},
        {QStringLiteral("03-14-2026"), 10, false, 1100},
    };
    for (const auto& h : headings) {
        const auto* t = pr.find(h.text);
        ASSERT_TRUE(t) << h.text.toStdString();
        RecordingPrinter measure;
        measure.setFontSize(h.size);
        measure.setFontBold(h.bold);
        EXPECT_EQ(std::tie(t->font, t->size, t->bold, t->y),
                  std::make_tuple(QStringLiteral("Arial"), h.size, h.bold, h.y));
        EXPECT_NEAR(t->x, (pr.pageWidth() - measure.textWidth(h.text)) / 2, 0.5);
    }

    const auto lines = memberLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text,
              QStringLiteral("3  ") + QStringLiteral("Carol Ames").leftJustified(35) +
                  QStringLiteral("  ") + QStringLiteral("12 Elm Street").leftJustified(35));
    EXPECT_EQ(lines[1].text, QStringLiteral("5  ** ID Not Active **"));
    EXPECT_EQ(lines[3].text, QStringLiteral("9  ** ID Not Active **")); // beyond the last record
    EXPECT_EQ(lines[4].text, QStringLiteral("1700  ** ID Not Active **"));
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x, 720);
        EXPECT_EQ(lines[i].y, 1600 + 250 * double(i));
        EXPECT_EQ(lines[i].size, 10);
        EXPECT_EQ(lines[i].page, 1);
    }
    EXPECT_EQ(pr.abandoned, 0);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Mailing List Printed.\n\nSaved As /out/list.pdf"));
    EXPECT_EQ(findWindow(QStringLiteral("MLPrintWait")), nullptr);
    EXPECT_EQ(w->focusWidget(), w->exitButton);

    // A print system that refuses the list: nothing printed, in its words, and
    // the list kept as it was (a printer error's words: ReportRunTest).
    const QByteArray list = bytesOf(QStringLiteral("tvlmail.a"));
    env.printer = RecordingPrinter();
    env.printer.notSentReason = QStringLiteral("The Print System Said: No such queue.");
    const std::size_t before = env.ui.messages.size();
    click(w->printListButton);
    settle();
    ASSERT_EQ(env.ui.messages.size(), before + 1);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Mailing List Not Printed.\n\nThe Print System Said: No such queue."));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Printer Error"));
    EXPECT_EQ(findWindow(QStringLiteral("MLPrintWait")), nullptr);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), list);
}

TEST_F(MailListPrintTest, BreaksPagesAfter53ThenEvery56Lines)
{
    ReviseMailListWindow* w = openOn(QStringLiteral("1-120"));
    ASSERT_TRUE(w);
    click(w->printListButton);
    const auto lines = memberLines();
    ASSERT_EQ(lines.size(), 120u);
    int perPage[4] = {0, 0, 0, 0};
    for (const auto& l : lines)
        ++perPage[std::min(l.page, 3)];
    EXPECT_EQ(perPage[1], 53);
    EXPECT_EQ(perPage[2], 56);
    EXPECT_EQ(perPage[3], 11);
    EXPECT_EQ(lines[52].y, 14600);
    EXPECT_EQ(lines[53].y, 720);
    EXPECT_EQ(lines[108].y, 720 + 55 * 250);
    EXPECT_EQ(lines[109].y, 720);
    // The heading is on the first page only.
    EXPECT_EQ(env.printer.onPage(2).front().text, lines[53].text);
    EXPECT_EQ(env.printer.log.count(QStringLiteral("newPage")), 2);
    EXPECT_EQ(env.printer.documents, 1);
}

// Cancel on the please-wait window, or closing it, stops the print at the next
// page break; the form takes no clicks and refuses to close meanwhile, and is
// usable again after.
TEST_F(MailListPrintTest, CancelOrClosingThePleaseWaitWindowStopsAtThePageBreak)
{
    for (bool byCancel : {true, false}) {
        SCOPED_TRACE(byCancel ? "Cancel" : "close");
        env.printer = RecordingPrinter();
        env.ui.messages.clear();
        ReviseMailListWindow* w = openOn(QStringLiteral("1-200"));
        ASSERT_TRUE(w);
        bool formStayed = false, formOff = false;
        // Done as soon as the window system gets a chance, which is the first page break.
        QTimer::singleShot(0, [&] {
            formOff = !w->isEnabled();
            w->close();
            formStayed = w->isVisible();
            QWidget* wait = findWindow(QStringLiteral("MLPrintWait"));
            ASSERT_TRUE(wait);
            if (byCancel)
                click(control<QPushButton>(wait, QStringLiteral("CancelButton")));
            else
                wait->close();
        });
        click(w->printListButton);
        settle();
        EXPECT_TRUE(formStayed);
        EXPECT_TRUE(formOff);
        EXPECT_EQ(memberLines().size(), 53u);
        EXPECT_EQ(env.ui.texts(), QStringList{QStringLiteral("Print Cancelled At Your Request. "
                                                             "Throw Away Any Pages That Print.")});
        EXPECT_EQ(env.printer.abandoned, 1);
        EXPECT_EQ(env.printer.log.mid(env.printer.log.size() - 2),
                  (QStringList{QStringLiteral("killDoc"), QStringLiteral("endDoc")}));
        EXPECT_EQ(findWindow(QStringLiteral("MLPrintWait")), nullptr);
        EXPECT_TRUE(w->isEnabled());
        closeAllWindows();
    }
}

} // namespace tavrel::test
