#include "EnvelopeFixture.h"

#include "platform/Errors.h"

namespace tavrel::test {

namespace {

const QString kCompleted = QStringLiteral("Envelope Printing Completed.");
const QString kTestQuestion = QStringLiteral("Do You Want To Print A Test Envelope?");
const QString kAnotherTest = QStringLiteral(
    "Wait For Test Envelope To Print.\n\nDo You Want To Print Another Test Envelope?");

} // namespace

class EnvelopeRunTest : public EnvelopeTest {
protected:
    void SetUp() override
    {
        openPeople(3);
        env.ui.setAutoOk(true);
    }
};

// Each size, fed sideways and upright: its paper code, its class's fonts and
// line steps, and the exact place of every line of both blocks; italics and
// upper case apply per block. Fed upright the drawing is turned a quarter onto
// the upright page (that every line lands at the same place on the envelope's
// face and fits on the real page: EnvelopePdf).
TEST_F(EnvelopeRunTest, EverySizeAndFeedHasItsPaperFontsAndBlockPositions)
{
    struct Row {
        int paper;
        double returnSize;
        int returnStep;
        double mailSize;
        int mailStep, mailX, mailY;
    };
    const Row rows[kEnvelopeSizeCount] = {
        {20, 10, 230, 12, 290, 5760, 2880}, {37, 10, 230, 12, 290, 4320, 2880},
        {38, 9, 200, 10, 230, 3240, 2520},  {27, 10, 230, 12, 290, 5760, 2880},
        {31, 9, 200, 10, 230, 3240, 2520},  {34, 11, 260, 14, 350, 5760, 4320},
        {28, 11, 260, 14, 350, 5760, 4320},
    };
    for (int size = 0; size < kEnvelopeSizeCount; ++size) {
        const Row& r = rows[size];
        for (bool landscape : {true, false}) {
            SCOPED_TRACE(testing::Message() << size << " " << landscape);
            env.printer = RecordingPrinter();
            EnvelopeJob j = typedJob();
            j.mailAddress[4] = QString(35, QLatin1Char('W'));
            j.sizeIndex = size;
            j.landscape = landscape;
            j.returnItalics = j.mailUppercase = landscape;
            j.returnUppercase = j.mailItalics = !landscape;
            ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
            EXPECT_EQ(env.printer.log,
                      (QStringList{QStringLiteral("paper %1").arg(r.paper),
                                   QStringLiteral("orientation %1").arg(landscape ? 2 : 1),
                                   QStringLiteral("turn %1").arg(landscape ? 0 : 1), "endDoc",
                                   "orientation 1", "turn 0", "paper 1"}));
            const auto& t = env.printer.texts;
            ASSERT_EQ(t.size(), 10u);
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(t[i].text, landscape ? j.returnAddress[i] : j.returnAddress[i].toUpper());
                EXPECT_EQ(QPointF(t[i].x, t[i].y), QPointF(0, i * r.returnStep));
                EXPECT_EQ(t[i].size, r.returnSize);
                EXPECT_EQ(t[5 + i].text, landscape ? j.mailAddress[i].toUpper() : j.mailAddress[i]);
                EXPECT_EQ(QPointF(t[5 + i].x, t[5 + i].y),
                          QPointF(r.mailX, r.mailY + i * r.mailStep));
                EXPECT_EQ(t[5 + i].size, r.mailSize);
            }
            for (std::size_t i = 0; i < t.size(); ++i) {
                EXPECT_EQ(std::tie(t[i].font, t[i].bold, t[i].italic, t[i].page, t[i].turned),
                          std::make_tuple(QStringLiteral("Courier New"), true, (i < 5) == landscape,
                                          1, !landscape));
            }
        }
    }
}

// UPPERCASE writes capitals as Windows-1252 has them, letter for letter: a
// letter whose capital the code page lacks ("ß", "µ") stays, so no line grows.
TEST_F(EnvelopeRunTest, UppercaseKeepsLettersWithoutACapitalInTheCodePage)
{
    EnvelopeJob j = typedJob();
    j.returnAddress[1] = QStringLiteral("Große Straße 5");
    j.mailAddress[0] =
        QStringLiteral("\u00c6sa \u0153uvre \u00ff \u00b5m \u0161\u017e \u00e0\u00fe");
    j.mailAddress[1] = QStringLiteral("Stra\u00dfe, \u0142\u00f7\u00df");
    j.returnUppercase = j.mailUppercase = true;
    ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
    const auto& t = env.printer.texts;
    ASSERT_EQ(t.size(), 10u);
    EXPECT_EQ(t[1].text, QStringLiteral("GROßE STRAßE 5"));
    EXPECT_EQ(t[5].text,
              QStringLiteral("\u00c6SA \u0152UVRE \u0178 \u00b5M \u0160\u017d \u00c0\u00de"));
    // "ł" has its capital outside the code page; "÷" is no letter.
    EXPECT_EQ(t[6].text, QStringLiteral("STRA\u00dfE, \u0142\u00f7\u00df"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(t[i].text.size(), (i < 5 ? j.returnAddress : j.mailAddress)[i % 5].size());
}

TEST_F(EnvelopeRunTest, ListTimesCopiesGivesPagesInOrderAndTheFileStaysAsItWas)
{
    const QByteArray before = openPeople(5, {4});
    writeList(QStringLiteral("abc"), {2, 4, 5});
    env.printer.outputFile = QStringLiteral("/out/envelopes.pdf");

    EnvelopeJob j = typedJob();
    j.mailOption = MailTo::MailingList;
    j.mailListFile = QStringLiteral("tvlmail.abc");
    j.sortIndex = kDoNotSort;
    j.countText = QStringLiteral(" 2.6 "); // rounded to a whole number of envelopes
    j.mailUppercase = true;
    ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);

    EXPECT_EQ(mailNamesByPage(), (std::vector<QString>{"PERSON 2", "PERSON 2", "PERSON 2",
                                                       "PERSON 5", "PERSON 5", "PERSON 5"}));
    const auto page4 = env.printer.onPage(4);
    EXPECT_EQ(page4[6].text.trimmed(), QStringLiteral("5 MAIN STREET"));
    EXPECT_EQ(page4[9].text.trimmed(), QStringLiteral("ZONE 5"));
    EXPECT_EQ(env.printer.log.count(QStringLiteral("newPage")), 5);
    EXPECT_EQ(windows.prepared, 6);
    EXPECT_EQ(windows.calls, (QStringList{"wait", "closeWait", "progress", "closeProgress"}));
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(env.ui.last().text, kCompleted + QStringLiteral("\n\nSaved As /out/envelopes.pdf"));
}

// "Do Not Sort" keeps ascending IDs; the key orders ignore case and break
// ties on the minor key.
TEST_F(EnvelopeRunTest, DoNotSortAgainstTheKeyOrders)
{
    env.openFile({{1, envelopePerson(1, "delta", "b")},
                  {2, envelopePerson(2, "Alpha", "c")},
                  {3, envelopePerson(3, "charlie", "A")},
                  {4, envelopePerson(4, "bravo", "b")},
                  {5, envelopePerson(5, "alpha", "a")}});
    const std::vector<std::pair<int, std::vector<QString>>> rows = {
        {kDoNotSort, {"Person 1", "Person 2", "Person 3", "Person 4", "Person 5"}},
        {2, {"Person 5", "Person 2", "Person 4", "Person 3", "Person 1"}},
        {3, {"Person 5", "Person 3", "Person 4", "Person 1", "Person 2"}},
    };
    for (const auto& [sortIndex, expected] : rows) {
        SCOPED_TRACE(sortIndex);
        env.printer = RecordingPrinter();
        EnvelopeJob j = typedJob();
        j.mailOption = MailTo::AllEntries;
        j.sortIndex = sortIndex;
        ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
        EXPECT_EQ(mailNamesByPage(), expected);
    }
    // A typed address after such a run prints as typed, not as the list's first;
    // "No 'To' Address" leaves the mailing block out.
    EnvelopeJob j = typedJob();
    for (int mail : {MailTo::Keyboard, MailTo::None}) {
        env.printer = RecordingPrinter();
        j.mailOption = mail;
        ASSERT_EQ(run(j), EnvelopeRunEnd::Completed);
        EXPECT_EQ(env.printer.texts.size(), mail == MailTo::None ? 5u : 10u);
        EXPECT_EQ(mailNamesByPage(), mail == MailTo::None ? std::vector<QString>()
                                                          : std::vector<QString>{"Bob Receiver"});
    }
}

// Refusals and empty selections print nothing and ask no test envelope; a
// count below 1, however far below, prints nothing, feeds no sheet and still
// completes.
TEST_F(EnvelopeRunTest, RefusalsEmptySelectionsAndCountsBelowOnePrintNothing)
{
    openPeople(4, {2, 3});
    writeList(QStringLiteral("del"), {2, 3});

    struct Row {
        int returnOption, mailOption;
        QString file, count, message;
        EnvelopeRunEnd end;
    };
    const QString notNumber = QStringLiteral("The Number Of Envelopes To Print Must Be A Number.");
    const auto refused = EnvelopeRunEnd::Refused;
    const Row rows[] = {
        {-1, 0, {}, "1", "Please Select A 'Return Address' Option.", refused},
        {0, -1, {}, "1", "Please Select A 'Mailing Address' Option.", refused},
        {0, 0, {}, "3x", notNumber, refused},
        {0, 0, {}, "32768", "The Number Of Envelopes To Print Cannot Be More Than 32767.", refused},
        {0, 1, {}, "1", "Please Select A Mailing List.", refused},
        {0, 1, "tvlmail.del", "1",
         "The N&A File Or The Selected Mailing List Is Empty. Nothing To Print.",
         EnvelopeRunEnd::Empty},
        {0, 1, "tvlmail.zzz", "1", "Error  53 In EnvPrintButton_Click.  Notify Programmer.",
         EnvelopeRunEnd::Stopped},
        {0, 3, {}, "-4", kCompleted, EnvelopeRunEnd::Completed},
        {0, 3, {}, "0.4", kCompleted, EnvelopeRunEnd::Completed},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message.toStdString() + " / " + r.count.toStdString());
        env.printer = RecordingPrinter();
        EnvelopeJob j = typedJob();
        j.returnOption = r.returnOption;
        j.mailOption = r.mailOption;
        j.mailListFile = r.file;
        j.countText = r.count;
        EXPECT_EQ(run(j), r.end);
        EXPECT_EQ(env.ui.last().text, r.message);
        EXPECT_TRUE(env.printer.texts.empty());
        EXPECT_EQ(env.printer.log.count(QStringLiteral("newPage")), 0);
        EXPECT_EQ(env.printer.log.isEmpty(), r.end != EnvelopeRunEnd::Completed)
            << env.printer.log.join(' ').toStdString();
    }
    EXPECT_EQ(env.ui.texts().count(kTestQuestion), 2);
}

TEST_F(EnvelopeRunTest, TestEnvelopesUntilNoThenTheRun)
{
    EnvelopeJob j = typedJob();
    j.returnOption = ReturnFrom::None;
    j.mailItalics = j.mailUppercase = true;
    j.sizeIndex = 5;
    for (auto a : {Ui::Answer::Yes, Ui::Answer::Yes, Ui::Answer::No})
        env.ui.answer(a);
    EXPECT_EQ(printEnvelopes(p, j, windows), EnvelopeRunEnd::Completed);
    EXPECT_EQ(env.ui.texts(), (QStringList{kTestQuestion, kAnotherTest, kAnotherTest, kCompleted}));
    EXPECT_EQ(env.ui.messages[0].buttons, Ui::Buttons::YesNoCancel);
    EXPECT_EQ(env.printer.documents, 3);
    // Each test envelope: its own document, the mailing block only, X rows in plain bold.
    const auto& t = env.printer.texts;
    ASSERT_EQ(t.size(), 15u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(std::tie(t[i].document, t[i].text, t[i].italic, t[i].bold, t[i].size),
                  std::make_tuple(i / 5, QString(35, QLatin1Char('X')), false, true, 14.0));
        EXPECT_EQ(QPointF(t[i].x, t[i].y), QPointF(5760, 4320 + i % 5 * 350));
    }
    EXPECT_EQ(env.printer.log.mid(0, 4),
              (QStringList{"orientation 2", "turn 0", "paper 34", "endDoc"}));
    EXPECT_EQ(std::tie(t.back().document, t.back().text, t.back().italic),
              std::make_tuple(2, QStringLiteral("LAND").leftJustified(35), true));

    // Cancel at the question after a test envelope: nothing more prints.
    env.printer = RecordingPrinter();
    env.ui.answer(Ui::Answer::Yes);
    env.ui.answer(Ui::Answer::Cancel);
    j.landscape = false;
    EXPECT_EQ(printEnvelopes(p, j, windows), EnvelopeRunEnd::Stopped);
    EXPECT_EQ(env.printer.documents, 1); // the test envelope only
    expectPrinterReset();
}

TEST_F(EnvelopeRunTest, APrinterErrorAbandonsTheJobAndResetsThePrinter)
{
    env.printer.failWith = ErrNo::PrinterError;
    EnvelopeJob j = typedJob();
    j.returnItalics = true;
    EXPECT_EQ(run(j), EnvelopeRunEnd::PrinterError);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("A Printer Error Occurred. Throw Away Any Pages That Print."));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Printer Error"));
    EXPECT_EQ(env.printer.log.filter(QStringLiteral("Doc")), (QStringList{"killDoc", "endDoc"}));
    expectPrinterReset();

    // A printer that cannot even abandon the job is still set back.
    env.printer = RecordingPrinter();
    env.printer.failWith = ErrNo::PrinterError;
    env.printer.docFailWith = ErrNo::PrinterError;
    EXPECT_EQ(run(j), EnvelopeRunEnd::PrinterError);
    expectPrinterReset();

    // A print system that refuses the finished job: nothing printed, in its words.
    env.printer = RecordingPrinter();
    env.printer.notSentReason = QStringLiteral("The Print System Said: No such queue.");
    EXPECT_EQ(run(j), EnvelopeRunEnd::PrinterError);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Envelopes Not Printed.\n\nThe Print System Said: No such queue."));
}

} // namespace tavrel::test
