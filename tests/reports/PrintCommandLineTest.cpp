#include "ReportFixture.h"

#include "reports/LabelLayouts.h"
#include "reports/PrintCommandLine.h"
#include "support/SilentWindows.h"

namespace tavrel::test {

namespace {

// The words after the program's name, read as a print or an envelope command.
ParsedPrintCommand parse(const char* line)
{
    const QStringList args = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return args.first() == QLatin1String("--envelopes") ? parseEnvelopeCommand(args)
                                                        : parsePrintCommand(args);
}

} // namespace

// A word the command does not take is named, and nothing else is decided.
TEST(PrintCommandLine, UsageErrorsNameTheWordNotTaken)
{
    struct Case {
        const char* args;
        const char* word;
    } cases[] = {
        // clang-format off
        {"--print", "--print"}, {"--print poster", "poster"},
        {"--print book --print phone", "phone"}, {"--print book --sort name", "name"},
        {"--print labels --quantity 0", "0"}, {"--print labels --stock a5-1x1", "a5-1x1"},
        {"--print cards --stock 3-across", "3-across"}, {"--print book --stock 2-across", "--stock"},
        {"--print phone --large", "--large"}, {"--print labels --a4", "--a4"},
        {"--print book --from 3", "--from"}, {"--print book --to 3", "--to"},
        {"--print book --from 4 --to 3", "3"}, {"--print book --from 0 --to 3", "0"},
        {"--print book --output a.pdf --printer office", "--printer"},
        {"--print book --list ../x", "../x"}, {"--print book --colour red", "--colour"},
        {"--envelopes --size a3", "a3"}, {"--envelopes --feed diagonal", "diagonal"},
        {"--envelopes --count 0", "0"}, {"--envelopes --sort name", "name"},
        {"--envelopes --return 1|2|3|4|5|6", "1|2|3|4|5|6"}, {"--envelopes --large x", "--large"},
        {"--envelopes stray", "stray"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const ParsedPrintCommand parsed = parse(c.args);
        EXPECT_FALSE(parsed.command);
        EXPECT_EQ(parsed.error,
                  QStringLiteral("tavrel: %1 does not take \"%2\"")
                      .arg(QString::fromUtf8(c.args).section(u' ', 0, 0), QLatin1String(c.word)));
    }
}

// The choices of the command line are the report dialog's choices.
TEST(PrintCommandLine, ChoicesBecomeTheDialogsOptions)
{
    ParsedPrintCommand parsed =
        parse("--print labels --sort key2+key1 --list abc --from 2 --to 5 --stock continuous "
              "--quantity 3 --title Club --output out.pdf");
    ASSERT_TRUE(parsed.command) << parsed.error.toStdString();
    const ReportOptions& o = parsed.command->options;
    EXPECT_EQ(std::tuple(o.kind, o.sequence, o.mailListFile, o.reprint, o.firstId, o.lastId),
              std::tuple(ReportKind::Labels, 3, QStringLiteral("tvlmail.abc"), false, 2, 5));
    EXPECT_EQ(std::tuple(o.labelStock, o.continuousForms, o.quantity, o.title, o.unattended),
              std::tuple(0, true, 3, QStringLiteral("Club"), true));
    EXPECT_TRUE(parsed.command->outputFile.endsWith(QLatin1String("/out.pdf")));

    // Every sheet of the table is a --stock of its own, named in the usage.
    for (int i = 0; i < int(a4Sheets().size()); ++i) {
        const QString name = QLatin1String(a4Sheets()[i].name);
        parsed = parse(("--print labels --stock " + name.toStdString()).c_str());
        ASSERT_TRUE(parsed.command) << name.toStdString();
        EXPECT_EQ(parsed.command->options.labelStock, kFirstA4LabelStock + i);
        EXPECT_TRUE(printUsage().contains(name + QLatin1Char(' ')));
    }
    EXPECT_EQ(a4SheetNamed(QStringLiteral("a4-2x8")), 3);
    EXPECT_GE(a4SheetNamed(QStringLiteral("a4-3x8-63.5")), 4);
    EXPECT_GE(a4SheetNamed(QStringLiteral("a4-2x4")), 4);
}

// The command line prints exactly what the report and envelope dialogs print
// for the same choices (the dialog answered: no test page, the standard
// position), with no question asked, and says how many records and pages or
// envelopes it printed.
TEST_F(ReportTest, TheCommandLinePrintsWhatTheDialogPrints)
{
    struct Case {
        const char* args;
        int stockForm; // -1: no stock question; 0 cut sheets, 1 continuous forms
        const char* summary;
    } cases[] = {
        {"--print book --large --sort key2 --title Club", -1, "30 records, 15 pages printed."},
        {"--print labels --stock continuous --quantity 2", 1, "30 records, 5 pages printed."},
        {"--print labels", 0, "30 records, 4 pages printed."},
        {"--print labels --stock a4-3x7 --sort key1+key2", -1, "30 records, 2 pages printed."},
        {"--print cards --stock 2-across --quantity 3", -1, "30 records, 12 pages printed."},
        {"--envelopes --size dl --feed upright --sort key2 --count 2 --return Ann|1_Home_Row", -1,
         "30 records, 60 envelopes printed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        openPeople(30);
        const ParsedPrintCommand parsed = parse(c.args);
        ASSERT_TRUE(parsed.command) << parsed.error.toStdString();

        env.printer = RecordingPrinter();
        if (const auto& job = parsed.command->envelopes) {
            EXPECT_EQ(std::tuple(job->sizeIndex, job->landscape, job->sortIndex, job->mailOption),
                      std::tuple(3, false, 1, MailTo::AllEntries));
            EXPECT_EQ(job->returnAddress[1], QStringLiteral("1_Home_Row").leftJustified(35));
            EnvelopeJob dialog = *job;
            dialog.unattended = false;
            env.ui.answer(Ui::Answer::No); // no test envelope
            env.ui.setAutoOk(true);
            SilentEnvelopeWindows envelopeWindows;
            ASSERT_EQ(printEnvelopes(p, dialog, envelopeWindows), EnvelopeRunEnd::Completed);
        } else {
            ReportOptions dialog = parsed.command->options;
            dialog.unattended = false;
            if (c.stockForm >= 0)
                chooseStock(c.stockForm == 1);
            if (dialog.kind == ReportKind::Labels || dialog.kind == ReportKind::Cards)
                noTestPage();
            ASSERT_EQ(run(dialog), RunEnd::Completed);
        }
        const std::vector<RecordingPrinter::Op> fromDialog = env.printer.ops;
        const qsizetype asked = env.ui.messages.size();

        env.printer = RecordingPrinter();
        QString summary;
        QTextStream out(&summary);
        EXPECT_EQ(runPrintCommand(p, *parsed.command, out), 0);
        EXPECT_EQ(env.printer.ops, fromDialog);
        // Only the completion message, which the summary line stands for.
        EXPECT_EQ(env.ui.messages.size(), asked + 1);
        EXPECT_EQ(summary, QString::fromUtf8(c.summary) + QLatin1Char('\n'))
            << summary.toStdString();
    }
}

// --from and --to pick records by ID, in a sorted walk or the file's order,
// within a list's members when a list is named; a range with no record prints
// nothing.
TEST_F(ReportTest, FromAndToPickTheRecordsWithThoseIds)
{
    openPeople(30);
    writeList("tvlmail.none", QStringLiteral("Nobody"), "");
    writeList("tvlmail.abc", QStringLiteral("Odd Ones"), "2 5 7 9 11");
    env.ui.setAutoOk(true); // the completion message the summary line stands for
    struct Case {
        const char* args;
        std::vector<int> ids; // the IDs printed
        const char* summary;
    } cases[] = {
        {"--print labels --from 5 --to 9 --sort key2",
         {5, 6, 7, 8, 9},
         "5 records, 1 page printed."},
        {"--print book --from 5 --to 9 --list abc --sort id",
         {5, 7, 9},
         "3 records, 1 page printed."},
        {"--print phone --from 31 --to 40", {}, "No record has an ID from 31 to 40."},
        // An empty list: the run says there is nothing to print.
        {"--print phone --list none", {}, "Nothing was printed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const ParsedPrintCommand parsed = parse(c.args);
        ASSERT_TRUE(parsed.command) << parsed.error.toStdString();
        env.printer = RecordingPrinter();
        QString summary;
        QTextStream out(&summary);
        EXPECT_EQ(runPrintCommand(p, *parsed.command, out), *c.summary == 'N' ? 1 : 0);
        EXPECT_EQ(summary, QString::fromUtf8(c.summary) + QLatin1Char('\n'));
        EXPECT_EQ(namesOn(1), c.ids);
    }
}

} // namespace tavrel::test
