// Preview and the printer box: what the preview shows is what Print prints,
// page turning, and the printer chosen per kind of printout.
#include "ReportFixture.h"
#include "platform/SettingsFile.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/QtPrinter.h"
#include "reports/gui/ReportCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace tavrel::test {
namespace {

using Kind = RecordingPrinter::Op::Kind;

// What reaches the paper, page by page: drawing operations, page breaks and
// document ends (set-up operations may come in another order).
std::vector<RecordingPrinter::Op> paperOps(RecordingPrinter r)
{
    std::erase_if(r.ops, [](const auto& op) {
        return op.kind == Kind::Orientation || op.kind == Kind::Paper || op.kind == Kind::Turn;
    });
    return r.ops;
}

class PreviewTest : public ReportTest {
protected:
    QString previewSummary; // what the last preview showed
    int previewPages = 0;

    // Runs the report dialog with `kind` (its option index) through Print, or
    // through Preview and the preview's Print (or its Close).
    void runDialog(int kind, bool preview, bool printFromPreview = true)
    {
        startPrintReport(p);
        QWidget* form = findWindow(QStringLiteral("PrtForm"));
        click(control<QRadioButton>(form, QStringLiteral("PrtOpt3_%1").arg(kind)));
        if (kind == 4)
            click(control<QRadioButton>(form, "PrtOpt4_2")); // 3-across
        control<QLineEdit>(form, "PrtTxt12")->setText(QStringLiteral("2"));
        if (kind == 4 || kind == 5)
            noTestPage(); // on a fresh sheet, whatever the run before left free
        if (preview) {
            env.ui.onModal([=, this](QDialog& d) {
                auto& w = static_cast<PreviewWindow&>(d);
                previewSummary = w.summaryLabel->text();
                previewPages = w.pageCount();
                click(printFromPreview ? w.printButton : w.closeButton);
            });
        }
        env.ui.setAutoOk(true);
        click(control<QPushButton>(form, preview ? "PrtPreview" : "PrtCmd1"));
        settle();
    }
};

TEST_F(PreviewTest, PreviewPrintsWhatPrintPrintsForEveryKindAndUsesUpLabelsAsPrintDoes)
{
    const struct {
        const char* name;
        int kind;
        const char* summary; // 45 people, 2 of each: 3-across labels, 1-across cards
    } cases[] = {
        {"book", 0, ""},
        {"telephone", 1, ""},
        {"abbreviated", 2, ""},
        {"listing", 3, ""},
        {"labels", 4, "90 labels on 3 sheets"},
        {"cards", 5, "90 cards on 23 sheets"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openPeople(45);
        env.printer = RecordingPrinter();
        runDialog(c.kind, false);
        const RecordingPrinter printed = env.printer;
        const QString printedSays = lastMessage();

        env.printer = RecordingPrinter();
        runDialog(c.kind, true);
        EXPECT_EQ(lastMessage(), printedSays);
        EXPECT_EQ(previewPages, printed.pageCount(0));
        EXPECT_EQ(paperOps(env.printer), paperOps(printed));
        EXPECT_EQ(previewSummary, QString::fromUtf8(c.summary));
    }

    // Labels printed from the preview are used up as by Print: the next run
    // offers the slot after them. A preview closed unprinted uses none.
    closeAllWindows();
    openPeople(10); // 20 labels: the first 20 of a 3-across sheet's 30
    runDialog(4, true, false);
    EXPECT_EQ(settingIn(readSettings(*env.files), QStringLiteral("FirstFreeSlot.3-across")), "1");
    EXPECT_FALSE(control<QCheckBox>(findWindow(QStringLiteral("PrtForm")), "PrtChk3")->isChecked());
    closeAllWindows();
    runDialog(4, true);
    EXPECT_EQ(settingIn(readSettings(*env.files), QStringLiteral("FirstFreeSlot.3-across")), "21");
}

// A two-sided report saved as PDF files names both: printed at once into a
// folder of PDF files, or from the preview into a file named in "PDF file..."
// (the first side in it, the second beside it).
TEST_F(PreviewTest, TwoSidedReportToPdfFilesNamesBothFiles)
{
    for (bool preview : {false, true}) {
        SCOPED_TRACE(preview ? "preview" : "print");
        openPeople(45);
        const QString folder =
            env.dir() + (preview ? QStringLiteral("/file") : QStringLiteral("/folder"));
        QtPrinter pdf(folder);
        if (preview) { // a file chosen in "PDF file..." lies in a folder that is there
            QDir().mkpath(folder);
            pdf.setPdfFileName(folder + QStringLiteral("/sides.pdf"));
        }
        PrinterRoute route(p.printer, pdf);
        startPrintReport(p);
        QWidget* form = findWindow(QStringLiteral("PrtForm"));
        click(control<QRadioButton>(form, "PrtOpt3_1"));
        click(control<QCheckBox>(form, "PrtChk3"));
        if (preview)
            env.ui.onModal([](QDialog& d) { click(static_cast<PreviewWindow&>(d).printButton); });
        env.ui.answer(Ui::Answer::Ok); // paper turned over
        env.ui.setAutoOk(true);
        click(control<QPushButton>(form, preview ? "PrtPreview" : "PrtCmd1"));
        settle();
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        ASSERT_EQ(files.size(), 2);
        if (preview) {
            EXPECT_EQ(files, (QStringList{"sides-2.pdf", "sides.pdf"}));
        }
        EXPECT_TRUE(lastMessage().endsWith(
            QStringLiteral("\n\nSaved As Two Files:\nOdd-Numbered Pages: %1/%2\n"
                           "Even-Numbered Pages: %1/%3")
                .arg(folder, files[preview ? 1 : 0], files[preview ? 0 : 1])))
            << lastMessage().toStdString();
    }
}

TEST_F(PreviewTest, PagesTurnByButtonsAndKeysAndDraw)
{
    RecordingPrinter r;
    for (int page = 1; page <= 3; ++page) {
        r.setCurrentY(page * 1000);
        r.printLine(QStringLiteral("Page text %1").arg(page));
        page < 3 ? r.newPage() : r.endDoc();
    }
    PreviewWindow w(r, QStringLiteral("3 labels on 3 sheets"));
    w.show();
    QApplication::setActiveWindow(&w);
    const struct {
        int key;
        int page;
    } steps[] = {{Qt::Key_PageDown, 2}, {Qt::Key_End, 3},  {Qt::Key_PageDown, 3},
                 {Qt::Key_PageUp, 2},   {Qt::Key_Home, 1}, {Qt::Key_PageUp, 1}};
    for (const auto& s : steps) {
        QTest::keyClick(&w, Qt::Key(s.key));
        EXPECT_EQ(w.currentPage(), s.page) << s.key;
        EXPECT_EQ(w.pageLabel->text(), QStringLiteral("Page %1 of 3").arg(s.page));
    }
    click(w.nextButton);
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_TRUE(w.firstButton->isEnabled());

    // The page's text is drawn where the recording put it: lower on each page.
    auto inkRowOf = [&](int page) {
        w.showPage(page);
        const QImage shot = w.scrollArea->widget()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 200)
                    return double(y) / shot.height();
        return -1.0;
    };
    EXPECT_NEAR(inkRowOf(3) - inkRowOf(1), 2000 / 15840.0, 0.02);

    w.setZoom(PreviewWindow::Zoom::FitPage);
    const double fitPage = w.scale();
    w.setZoom(PreviewWindow::Zoom::FitWidth);
    EXPECT_GT(w.scale(), fitPage); // an upright page is taller than the window is
    w.setZoom(PreviewWindow::Zoom::Percent100);
    EXPECT_NEAR(w.scrollArea->widget()->width(), 8.5 * w.logicalDpiX(), 2);

    // The zoom keys step from the size shown; Ctrl+0 fits the page again.
    using Zoom = PreviewWindow::Zoom;
    const struct {
        QKeyCombination key;
        Zoom zoom;
    } zooms[] = {
        {Qt::CTRL | Qt::Key_Plus, Zoom::Percent150}, {Qt::CTRL | Qt::Key_Equal, Zoom::Percent200},
        {Qt::CTRL | Qt::Key_Plus, Zoom::Percent200}, {Qt::CTRL | Qt::Key_Minus, Zoom::Percent150},
        {Qt::CTRL | Qt::Key_0, Zoom::FitPage},       {Qt::CTRL | Qt::Key_Minus, Zoom::Percent50}};
    for (const auto& z : zooms) {
        QTest::keyClick(&w, z.key.key(), z.key.keyboardModifiers());
        EXPECT_EQ(w.zoomBox->currentIndex(), int(z.zoom)) << z.key.key();
    }

    // Zoomed in, Tab reaches the page and the arrow keys move about it.
    w.setZoom(Zoom::Percent200);
    w.closeButton->setFocus();
    QTest::keyClick(w.closeButton, Qt::Key_Tab);
    EXPECT_TRUE(w.scrollArea->hasFocus());
    QTest::keyClick(w.scrollArea, Qt::Key_Down);
    EXPECT_GT(w.scrollArea->verticalScrollBar()->value(), 0);

    // Enter in the zoom box prints; it never closes the preview unasked.
    w.zoomBox->setFocus();
    QTest::keyClick(w.zoomBox, Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(PreviewTest, PrinterBoxListsQueuesRemembersEachKindAndPrintsToAPdfFile)
{
    const Files& files = *env.files;
    PrinterBox box(files, {QStringLiteral("Office"), QStringLiteral("Lab")},
                   QStringLiteral("Office"));
    EXPECT_EQ(comboItems(&box), (QStringList{"Lab", "Office", "PDF file..."}));

    const struct {
        const char* kind;
        int choose; // -1: leave as shown
        QString shown, saved;
    } steps[] = {
        {"labels", 0, "Office", "Lab"},      {"book", -1, "Office", "Office"},
        {"cards", 2, "Office", "PDF"},       {"labels", -1, "Lab", "Lab"},
        {"cards", -1, "PDF file...", "PDF"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.kind);
        box.showChoiceFor(QLatin1String(s.kind));
        EXPECT_EQ(box.currentText(), s.shown);
        if (s.choose >= 0)
            box.setCurrentIndex(s.choose);
        box.rememberChoice();
        EXPECT_EQ(settingIn(readSettings(files), PrinterBox::settingKey(s.kind)), s.saved);
    }

    // No queue at all: nothing is chosen and the program's own printer prints.
    PrinterBox none(files, {}, QString());
    none.showChoiceFor(QStringLiteral("book"));
    bool cancelled = true;
    EXPECT_EQ(none.currentIndex(), -1);
    EXPECT_EQ(none.makeChosenPrinter(env.ui, cancelled), nullptr);
    EXPECT_FALSE(cancelled);

    // "PDF file..." in the report dialog asks for the file and prints into it.
    openPeople(45);
    startPrintReport(p);
    QWidget* form = findWindow(QStringLiteral("PrtForm"));
    auto* formBox = control<QComboBox>(form, "PrinterBox");
    formBox->setCurrentIndex(formBox->count() - 1); // "PDF file...", where "Office" was saved
    const QString file = env.dir() + QStringLiteral("/out/book.pdf");
    QDir().mkpath(QFileInfo(file).path());
    env.ui.onModal([&](QDialog& d) {
        auto& dialog = static_cast<QFileDialog&>(d);
        dialog.setDirectory(QFileInfo(file).path());
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QStringLiteral("book"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    env.ui.setAutoOk(true);
    click(control<QPushButton>(form, "PrtCmd1"));
    settle();
    EXPECT_TRUE(env.printer.ops.empty()); // the program's own printer printed nothing
    EXPECT_GT(QFileInfo(file).size(), 1000);
    EXPECT_TRUE(lastMessage().endsWith(QStringLiteral("Saved As ") + file))
        << lastMessage().toStdString();
    EXPECT_EQ(settingIn(readSettings(files), QStringLiteral("Printer.book")), "PDF");
}

} // namespace
} // namespace tavrel::test
