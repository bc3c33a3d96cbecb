#include "MailListFixture.h"

#include "maillists/gui/AddDeleteNamesDialog.h"
#include "store/NameList.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace tavrel::test {

using MailFormTest = MailListTest;

TEST_F(MailFormTest, CommandsNeedASelectedList)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {3}));
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Display / Revise Mailing List"));
    const QString noList = QStringLiteral("Please Select A Mailing List.");
    for (auto [button, text] :
         {std::pair{w->showIdsButton, noList},
          {w->showNamesButton, noList},
          {w->printListButton, noList},
          {w->changeTitleButton,
           QStringLiteral("You Must Select A Mailing List Before Changing Its Title!")},
          {w->deleteListButton, QStringLiteral("You Must Select A Mailing List To Delete.")}}) {
        click(button);
        EXPECT_EQ(env.ui.last().text, text) << button->objectName().toStdString();
        EXPECT_EQ(w->focusWidget(), w->exitButton);
    }
    EXPECT_TRUE(env.printer.texts.empty());
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), listBytes(QStringLiteral("Club"), {3}));
}

TEST_F(MailFormTest, ShowsAndRevisesIdNumbers)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {3, 12, 40}));
    writeRaw(QStringLiteral("tvlmail.h"), listBytes(QStringLiteral("\x15Hidden"), {1}));
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    select(w->fileList, QStringLiteral("tvlmail.h"));
    EXPECT_EQ(w->titleEdit->text(), QString());
    clickLine(w->fileList, QStringLiteral("tvlmail.a"));
    EXPECT_EQ(w->titleEdit->text(), QStringLiteral("Club"));
    EXPECT_EQ(w->focusWidget(), w->showNamesButton);

    // (Each click below needs its button shown.)
    click(w->showIdsButton);
    EXPECT_EQ(w->idNumbersEdit->toPlainText(), QStringLiteral("3, 12, 40"));
    // Tab in the ID numbers moves on rather than typing a tab.
    w->idNumbersEdit->setFocus();
    pressKey(w, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), w->idNumbersEdit);
    EXPECT_EQ(w->idNumbersEdit->toPlainText(), QStringLiteral("3, 12, 40"));
    EXPECT_TRUE(w->showIdsButton->isHidden());

    w->idNumbersEdit->setPlainText(QStringLiteral("1-3"));
    w->titleEdit->clear();
    env.ui.answer(Ui::Answer::No);
    click(w->reviseIdsButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Do You Really Want To Revise This Mailing List?"));
    EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::YesNo);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), listBytes(QStringLiteral("Club"), {3, 12, 40}));

    env.ui.answer(Ui::Answer::Yes);
    click(w->reviseIdsButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Revised."));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")),
              listBytes(QStringLiteral("No Title Specified"), {1, 2, 3}));
    EXPECT_EQ(w->idNumbersEdit->toPlainText(), QString());
    EXPECT_TRUE(w->reviseIdsButton->isHidden());
    EXPECT_FALSE(env.ui.waitCursor);

    // Clicking the selected file again starts afresh: title read again, IDs
    // emptied, revise button hidden.
    click(w->showIdsButton);
    w->titleEdit->setText(QStringLiteral("Typed"));
    clickLine(w->fileList, QStringLiteral("tvlmail.a"));
    EXPECT_EQ(w->titleEdit->text(), QStringLiteral("No Title Specified"));
    EXPECT_TRUE(w->idNumbersEdit->toPlainText().isEmpty());
    EXPECT_TRUE(w->reviseIdsButton->isHidden());

    // A read-only list is refused with the error a write to it gives, and kept.
    const QByteArray kept = bytesOf(QStringLiteral("tvlmail.a"));
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("tvlmail.a")), QFileDevice::ReadOwner));
    select(w->fileList, QStringLiteral("tvlmail.a"));
    click(w->showIdsButton);
    env.ui.answer(Ui::Answer::Yes);
    click(w->reviseIdsButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Error  70 In MailCmd7.  Notify Programmer."));
    EXPECT_FALSE(env.ui.waitCursor);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), kept);
}

TEST_F(MailFormTest, ChangesTheTitleKeepingTheFlags)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {3, 1700}));
    // A damaged file, to come back whole: what flags there were, the rest not members.
    QByteArray damaged = listBytes(QStringLiteral("Old"), {2, 3, 900}).left(600);
    damaged[47] = '?';
    writeRaw(QStringLiteral("tvlmail.d"), damaged);
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    select(w->fileList, QStringLiteral("tvlmail.a"));
    setMember(p, 77, true); // the membership in memory is not the file's
    const QByteArray flagsBefore = p.MailListFlags;

    type(w->titleEdit, QStringLiteral("Chess Club Members"));
    click(w->changeTitleButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Title Changed."));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")),
              listBytes(QStringLiteral("Chess Club Members"), {3, 1700}));
    EXPECT_EQ(p.MailListFlags, flagsBefore);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Q$Q$Q$Q$.TMP"))));

    w->titleEdit->setText(QString(40, QLatin1Char(' ')));
    click(w->changeTitleButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")),
              listBytes(QStringLiteral("No Title Specified"), {3, 1700}));

    select(w->fileList, QStringLiteral("tvlmail.d"));
    EXPECT_EQ(w->titleEdit->text(), QStringLiteral("Old"));
    type(w->titleEdit, QStringLiteral("Mended"));
    click(w->changeTitleButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.d")), listBytes(QStringLiteral("Mended"), {3}));
}

TEST_F(MailFormTest, DeletesAList)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("A"), {3}));
    writeRaw(QStringLiteral("tvlmail.b"), listBytes(QStringLiteral("B"), {5}));
    // An older copy of list a under another case is the same list: shown once, deleted with it.
    writeRaw(QStringLiteral("TVLMAIL.A"), listBytes(QStringLiteral("Old A"), {3}));
    setModified(QStringLiteral("TVLMAIL.A"), 60);
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    EXPECT_EQ(shownLines(w->fileList),
              (QStringList{QStringLiteral("tvlmail.a"), QStringLiteral("tvlmail.b")}));
    select(w->fileList, QStringLiteral("tvlmail.a"));

    env.ui.answer(Ui::Answer::No);
    click(w->deleteListButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Do You Really Want To Delete Mailing List tvlmail.a?"));
    EXPECT_EQ(env.ui.last().icon, Ui::Icon::Question);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("tvlmail.a"))));

    env.ui.answer(Ui::Answer::Yes);
    click(w->deleteListButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Deleted."));
    EXPECT_EQ(listFiles(), QStringList{QStringLiteral("tvlmail.b")});
    EXPECT_EQ(shownLines(w->fileList), QStringList{QStringLiteral("tvlmail.b")});
    EXPECT_TRUE(w->titleEdit->text().isEmpty());
}

TEST_F(MailFormTest, AddsAndRemovesNames)
{
    // ID 9 has no active record: it stays a member without being shown.
    const QByteArray original = listBytes(QStringLiteral("\x15Kept Title"), {5, 9});
    writeRaw(QStringLiteral("tvlmail.a"), original);
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    select(w->fileList, QStringLiteral("tvlmail.a"));

    // No change: closes without a question and without writing.
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add / Delete Names From Mailing List"));
        EXPECT_EQ(shownLines(picker.memberList),
                  QStringList{pickerLine(5, QStringLiteral("Eve Bond"))});
        click(picker.okButton);
    });
    click(w->showNamesButton);
    EXPECT_TRUE(env.ui.messages.empty());
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), original);

    // A change answered No, then a change thrown away with Cancel.
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
        select(picker.memberList, QStringLiteral("   5"));
        click(picker.deleteButton);
        EXPECT_TRUE(dynamic_cast<AddDeleteNamesDialog&>(d).listChanged);
        env.ui.answer(Ui::Answer::No);
        click(picker.okButton);
        EXPECT_EQ(env.ui.last().title, QStringLiteral("Double Check!"));
    });
    click(w->showNamesButton);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
        select(picker.allNamesList, QStringLiteral("   3"));
        click(picker.addButton);
        click(picker.cancelButton);
    });
    click(w->showNamesButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")), original);

    // Add 8 (and 5 again, which is already there), remove nothing, answer Yes.
    click(w->showIdsButton);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
        select(picker.allNamesList, QStringLiteral("   8"));
        click(picker.addButton);
        select(picker.allNamesList, QStringLiteral("   5"));
        click(picker.addButton);
        env.ui.answer(Ui::Answer::Yes);
        click(picker.okButton);
    });
    click(w->showNamesButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Changed As Requested."));
    EXPECT_EQ(env.ui.last().title, kDefaultTitle);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.a")),
              listBytes(QStringLiteral("\x15Kept Title"), {5, 8, 9}));
    EXPECT_TRUE(w->idNumbersEdit->toPlainText().isEmpty());
    EXPECT_TRUE(w->titleEdit->text().isEmpty());
    EXPECT_TRUE(w->reviseIdsButton->isHidden());
    EXPECT_TRUE(env.ui.allUsed());
}

TEST_F(MailFormTest, OddFilesAreHandledWithoutHarm)
{
    // A name the program could not address is not offered at all.
    writeRaw(QStringLiteral("tvlmail.\nx"), listBytes(QStringLiteral("Odd"), {1}));
    // A big stray file: only its line is read, and the title change mends it.
    QByteArray big = listBytes(QStringLiteral("Big"), {7});
    big += QByteArray(4 << 20, 'z');
    writeRaw(QStringLiteral("tvlmail.big"), big);
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    EXPECT_EQ(shownLines(w->fileList), QStringList{QStringLiteral("tvlmail.big")});
    select(w->fileList, QStringLiteral("tvlmail.big"));
    click(w->showIdsButton);
    EXPECT_EQ(w->idNumbersEdit->toPlainText(), QStringLiteral("7"));
    click(w->changeTitleButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.big")), listBytes(QStringLiteral("Big"), {7}));

    // A list that vanished under the window: a message, nothing printed or written.
    QFile::remove(path(QStringLiteral("tvlmail.big")));
    click(w->printListButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Error  53 In MailCmd6.  Notify Programmer."));
    EXPECT_TRUE(env.printer.texts.empty());
    click(w->showNamesButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Error  53 In ListByName.  Notify Programmer."));
    EXPECT_TRUE(env.ui.modalWindows.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tvlmail.big"))));

    // An empty N&A file still opens the picker, with no names in it.
    env.openFile({}, 1);
    writeRaw(QStringLiteral("tvlmail.big"), listBytes(QStringLiteral("A"), {2}));
    env.ui.onModal([&](QDialog& d) {
        EXPECT_EQ(dynamic_cast<AddDeleteNamesDialog&>(d).picker.allNamesList->model()->rowCount(),
                  0);
    });
    click(w->showNamesButton);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("The N&A File Is Empty."));
    EXPECT_EQ(env.ui.beeps, 1);
}

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
        ReviseMailListWindow* w = openMail();
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
    for (auto [text, size, bold, y] :
         {std::tuple{QStringLiteral("Mailing List Contents"), 16.0, true, 300.0},
          {QStringLiteral("Mailing List  'tvlmail.a'  With Title  'Club'"), 12.0, false, 800.0},
          {QStringLiteral("03-14-2026"), 10.0, false, 1100.0}}) {
        const auto* t = pr.find(text);
        ASSERT_TRUE(t) << text.toStdString();
        RecordingPrinter measure;
        measure.setFontSize(size);
        measure.setFontBold(bold);
        EXPECT_EQ(std::tie(t->font, t->size, t->bold, t->y),
                  std::make_tuple(QStringLiteral("Arial"), size, bold, y));
        EXPECT_NEAR(t->x, (pr.pageWidth() - measure.textWidth(text)) / 2, 0.5);
    }

    const auto lines = memberLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text,
              QStringLiteral("3  ") + QStringLiteral("Carol Ames").leftJustified(35) +
                  QStringLiteral("  ") + QStringLiteral("12 Elm Street").leftJustified(35));
    EXPECT_EQ(lines[1].text, QStringLiteral("5  ** ID Not Active **"));
    EXPECT_EQ(lines[4].text, QStringLiteral("1700  ** ID Not Active **")); // beyond the last record
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(std::tie(lines[i].x, lines[i].y, lines[i].size, lines[i].page),
                  std::make_tuple(720.0, 1600 + 250 * double(i), 10.0, 1))
            << i;
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
    // Each page's last and first lines: 53 on the first page, 56 on the next, 11 on the last.
    const std::tuple<int, int, double> edges[] = {
        {52, 1, 14600}, {53, 2, 720}, {108, 2, 720 + 55 * 250}, {109, 3, 720}, {119, 3, 3220}};
    for (auto [i, page, y] : edges)
        EXPECT_EQ(std::tie(lines[i].page, lines[i].y), std::tie(page, y)) << i;
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
