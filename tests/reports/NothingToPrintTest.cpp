// A run whose chosen entries are all gone prints nothing and says so, in the
// windows and on the command line, and never names an earlier printout's file.
#include "ReportFixture.h"

#include "platform/Unattended.h"
#include "platform/gui/QtPrinter.h"
#include "reports/PrintCommandLine.h"
#include "store/RecordAccess.h"

#include <QDir>
#include <QTemporaryDir>

namespace tavrel::test {

namespace {

const QString kNothingToPrint = QStringLiteral(
    "No Entry Chosen For This Report Is In The N&A File.  There Is Nothing To Print.");

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST_F(ReportTest, ARunWhoseChosenEntriesAreAllDeletedPrintsNothingAndSaysSo)
{
    std::map<int, NARecord> records = peopleWithDetails(5);
    records[2] = deletedRecord(2, QStringLiteral("Person 2"));
    records[3] = deletedRecord(3, QStringLiteral("Person 3"));
    env.openFile(records);
    writeList("tvlmail.gon", QStringLiteral("Moved Away"), "2 3");

    // PDF files, as with no printer installed: the first run leaves one.
    QTemporaryDir out;
    QtPrinter pdf(out.path());
    env.program->naFile.close();
    Program onPdf(env.services(pdf));
    openNAFile(onPdf);
    env.ui.setAutoOk(true);
    ReportOptions whole = options(ReportKind::TelephoneList);
    ASSERT_EQ(runReport(onPdf, whole, windows), RunEnd::Completed);
    ASSERT_TRUE(lastMessage().contains(QStringLiteral("Saved As"))) << lastMessage().toStdString();
    const QStringList printed = filesIn(out.path());
    ASSERT_EQ(printed.size(), 1);

    const struct {
        const char* name;
        ReportOptions o;
    } cases[] = {
        {"telephone list in name order", options(ReportKind::TelephoneList, 0)},
        {"book in ID order", options(ReportKind::Book, 4)},
        {"3-across labels", labels(2)},
        {"ID range of deleted entries", options(ReportKind::Listing, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReportOptions o = c.o;
        o.unattended = true; // no stock, test page or position questions
        if (QLatin1String(c.name).startsWith(QLatin1String("ID range"))) {
            o.firstId = 2;
            o.lastId = 3;
        } else {
            o.mailListFile = QStringLiteral("tvlmail.gon");
        }
        const qsizetype said = env.ui.messages.size();
        EXPECT_EQ(runReport(onPdf, o, windows), RunEnd::EmptyFile);
        ASSERT_EQ(env.ui.messages.size(), said + 1);
        EXPECT_EQ(lastMessage(), kNothingToPrint);
        EXPECT_EQ(filesIn(out.path()), printed);
        EXPECT_FALSE(pdf.documentOpen());
    }

    // The command line says it too and exits 1, before any file is written.
    UnattendedUi quiet;
    Program cli({quiet, pdf, env.clipboard, env.help, env.clock, *env.files});
    onPdf.naFile.close();
    openNAFile(cli);
    PrintCommand c;
    c.options = options(ReportKind::TelephoneList, 0);
    c.options.unattended = true;
    c.options.mailListFile = QStringLiteral("tvlmail.gon");
    QString text;
    QTextStream stream(&text);
    EXPECT_EQ(runPrintCommand(cli, c, stream), 1);
    EXPECT_EQ(text, kNothingToPrint + QStringLiteral("\nNothing was printed.\n"));
    EXPECT_EQ(filesIn(out.path()), printed);
}

} // namespace tavrel::test
