// What reaches a real queue when something around the printout changes: a
// calibration saved while the program runs, a preview on a printer whose
// margins are not a quarter inch, a queue removed after it was chosen.

#include "PrintServer.h"
#include "platform/PrinterCalibration.h"
#include "platform/gui/PreviewWindow.h"
#include "reports/gui/ReportCommands.h"
#include "support/PdfPages.h"

#include <QComboBox>

namespace tavrel::test {

namespace {

// Counts the words of `b` that are not the word of `a` at the same place
// moved by `shift` (points), to within a tenth of a point.
int misplacedWords(const std::vector<PdfWord>& a, const std::vector<PdfWord>& b,
                   QPointF shift = QPointF())
{
    if (a.size() != b.size())
        return int(std::max(a.size(), b.size()));
    int misplaced = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const QPointF moved = b[i].box.topLeft() - a[i].box.topLeft() - shift;
        if (a[i].text != b[i].text || a[i].page != b[i].page || std::abs(moved.x()) > 0.1 ||
            std::abs(moved.y()) > 0.1) {
            if (misplaced < 3)
                ADD_FAILURE() << a[i].text.toStdString() << " at " << a[i].box.left() << ","
                              << a[i].box.top() << " then " << b[i].text.toStdString() << " at "
                              << b[i].box.left() << "," << b[i].box.top();
            ++misplaced;
        }
    }
    return misplaced;
}

class PrintFaults : public QueueTest {
protected:
    // The words of the next job that reaches a queue.
    std::vector<PdfWord> nextJobWords(PrintServer& server)
    {
        const QString kept = server.nextJob();
        EXPECT_FALSE(kept.isEmpty()) << "job " << server.lastJob() << " never reached the queue";
        return kept.isEmpty() ? std::vector<PdfWord>() : pdfWords(kept);
    }

    // Answers the positioning window: a whole new sheet at the standard position.
    void wholeSheet()
    {
        env.ui.onModal([](QDialog& d) {
            if (auto* first = d.findChild<QPushButton*>(QStringLiteral("SheetFirstSlot")))
                click(first);
            click(control<QPushButton>(&d, "VertCmd1"));
        });
    }

    // 3-across labels on a whole sheet with no test page, at the standard position.
    void printLabels()
    {
        env.ui.answer(Ui::Answer::No);
        wholeSheet();
        ReportOptions o = labels(2);
        ASSERT_EQ(runReport(*onQueue, o, windows), RunEnd::Completed);
    }

    // The report dialog for the report kind `kind` (its option's index),
    // with `queue` in its printer box.
    QWidget* openReportDialog(int kind, const QString& queue)
    {
        startPrintReport(*onQueue);
        QWidget* form = findWindow(QStringLiteral("PrtForm"));
        click(control<QRadioButton>(form, QStringLiteral("PrtOpt3_%1").arg(kind)));
        chooseQueue(form, queue);
        return form;
    }
    // The box shows the printer remembered for the kind and stock chosen:
    // the queue is chosen last.
    static void chooseQueue(QWidget* form, const QString& queue)
    {
        auto* box = control<QComboBox>(form, "PrinterBox");
        box->setCurrentIndex(box->findText(queue));
        EXPECT_EQ(box->currentText(), queue);
    }

    // 3 x 7 A4 labels through the report dialog on `queue`, printed at once or
    // from the preview.
    void printA4Labels(const QString& queue, bool preview)
    {
        QWidget* form = openReportDialog(4, queue);
        click(control<QRadioButton>(form, "PrtOpt4_0"));
        chooseQueue(form, queue);
        env.ui.onModal([](QDialog& d) {
            click(control<QRadioButton>(&d, "A4StockOpt_0"));
            click(control<QPushButton>(&d, "Command3D1"));
        });
        env.ui.answer(Ui::Answer::No);
        wholeSheet();
        if (preview)
            env.ui.onModal([](QDialog& d) { click(static_cast<PreviewWindow&>(d).printButton); });
        click(control<QPushButton>(form, preview ? "PrtPreview" : "PrtCmd1"));
        settle();
        EXPECT_EQ(findWindow(QStringLiteral("PrtForm")), nullptr) << "the run did not end";
    }
};

} // namespace

// Figures saved in the calibration window (which saves them as here) move the
// printer in use from its next printout on, with no restart.
TEST_F(PrintFaults, CalibrationSavedWhileTheProgramRunsMovesTheNextPrintout)
{
    TAVREL_START_PRINT_SERVER(server);
    startProgram(6);
    printLabels();
    const std::vector<PdfWord> before = nextJobWords(server);
    ASSERT_FALSE(before.empty());

    PrinterCalibration right5mm;
    right5mm.offsetXmm = 5;
    saveCalibration(*env.files, QStringLiteral("q"), right5mm);
    printLabels();
    EXPECT_EQ(misplacedWords(before, nextJobWords(server), QPointF(5 / 25.4 * 72, 0)), 0);

    saveCalibration(*env.files, QStringLiteral("q"), PrinterCalibration{});
    printLabels();
    EXPECT_EQ(misplacedWords(before, nextJobWords(server)), 0);
}

// On a printer whose margins are 12, 14, 12 and 20 points, the preview lays
// the labels out for those margins: printed from the preview, every word of
// the job lands where Print puts it.
TEST_F(PrintFaults, PreviewThenPrintPutsEveryWordWherePrintPutsItWhateverTheMargins)
{
    TAVREL_START_PRINT_SERVER(server);
    ASSERT_EQ(server.addQueue(QStringLiteral("a4"), a4PpdText(server.filter())), QString());
    startProgram(25); // more than one sheet of 21
    printA4Labels(QStringLiteral("a4"), false);
    const std::vector<PdfWord> printed = nextJobWords(server);
    ASSERT_GT(printed.size(), 100u);
    // The first label's text 9.25 mm from the left and 26.15 mm from the top
    // edge of the paper, whatever the printer's margins.
    EXPECT_NEAR(printed[0].box.left(), 9.25 / 25.4 * 72, 0.1);
    EXPECT_NEAR(printed[0].box.top(), 26.15 / 25.4 * 72, 0.1);
    EXPECT_EQ(
        mediaBoxes(server.jobs() + QStringLiteral("/job-%1.pdf").arg(server.lastJob())).size(), 2u);

    printA4Labels(QStringLiteral("a4"), true);
    EXPECT_EQ(misplacedWords(printed, nextJobWords(server)), 0);
}

// A queue removed after it was chosen is said; nothing goes to any other
// printer, and the dialog stays open to choose another.
TEST_F(PrintFaults, AQueueRemovedAfterItWasChosenPrintsNothingAndSaysSo)
{
    TAVREL_START_PRINT_SERVER(server);
    ASSERT_EQ(server.addQueue(QStringLiteral("a4"), a4PpdText(server.filter())), QString());
    startProgram(3);
    QWidget* form = openReportDialog(0, QStringLiteral("a4"));
    ASSERT_TRUE(server.removeQueue(QStringLiteral("a4")));
    const QString jobsBefore = server.allJobs();

    click(control<QPushButton>(form, "PrtCmd1"));
    settle();
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("The Printer a4 Is No Longer Installed.  Nothing Was Printed.\n\n"
                             "Please Choose Another Printer."));
    EXPECT_EQ(env.ui.last().title, QStringLiteral("Printer Error"));
    ASSERT_EQ(findWindow(QStringLiteral("PrtForm")), form);
    auto* box = control<QComboBox>(form, "PrinterBox");
    EXPECT_EQ(box->findText(QStringLiteral("a4")), -1);
    EXPECT_EQ(box->currentText(), QStringLiteral("q"));
    PrintServer::waitFor(3000, [] { return false; }); // time for a stray job to arrive
    EXPECT_EQ(server.allJobs(), jobsBefore);
}

} // namespace tavrel::test
