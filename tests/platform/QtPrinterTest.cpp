#include "platform/gui/QtPrinter.h"
#include "platform/Errors.h"
#include "platform/SpoolFolders.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/PrintFonts.h"
#include "platform/gui/RecordingPrinter.h"
#include "support/Gui.h"
#include "support/PdfPages.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedUi.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using namespace tavrel;
using namespace tavrel::test;

namespace {

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The word `text`, checked to stand on `page` with its top-left corner at
// (x, y) twips of the printable area (points of the page less quarter-inch
// margins); nullptr when it is missing.
const PdfWord* expectWord(const std::vector<PdfWord>& words, const QString& text, int page,
                          double x, double y, double xTolerance = 0.3, double yTolerance = 1.5)
{
    for (const auto& w : words) {
        if (w.text != text)
            continue;
        EXPECT_EQ(w.page, page) << text.toStdString();
        EXPECT_NEAR(w.box.left(), 18 + x / 20, xTolerance) << text.toStdString();
        EXPECT_NEAR(w.box.top(), 18 + y / 20, yTolerance) << text.toStdString();
        return &w;
    }
    ADD_FAILURE() << "no word " << text.toStdString();
    return nullptr;
}

// Moves to (x, y) twips and prints `text` there.
void printAt(Printer& printer, double x, double y, const QString& text)
{
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.printLine(text);
}

// Ends the document: why it was not sent, or nothing when it was.
QString notSentReason(Printer& printer)
{
    try {
        printer.endDoc();
    } catch (const DocumentNotSent& e) {
        return e.reason();
    }
    return QString();
}

void setFont(Printer& printer, const QString& name, double size, bool bold = false,
             bool italic = false)
{
    printer.setFontName(name);
    printer.setFontSize(size);
    printer.setFontBold(bold);
    printer.setFontItalic(italic);
}

} // namespace

// The PDF printer measures exactly as the recording printer does; Courier New
// and Arial, when missing, are drawn with their metric-compatible Liberation
// faces (other names are asked for as they are); its document has letter pages
// and the text where it was put.
TEST(QtPrinter, PdfDocumentMeasuresAsRecordedAndHasTheTextWhereItWasPut)
{
    if (!QFontDatabase::hasFamily("Arial") && !QFontDatabase::hasFamily("Courier New")) {
        for (const auto& [name, family] : {std::pair{"Courier New", "Liberation Mono"},
                                           {"arial", "Liberation Sans"},
                                           {"Verdana", "Verdana"}})
            EXPECT_EQ(printFont(QLatin1String(name), 10, false, false, false).family(),
                      QLatin1String(family));
    }
    QTemporaryDir tmp;
    const QString dir = tmp.filePath("out");
    QtPrinter printer(dir);
    RecordingPrinter recorded;
    const QString sample = "Smith, Ann  123 High Street W";
    for (const auto& [name, size, bold, italic] :
         {std::tuple{"Courier New", 9.0, true, false}, std::tuple{"Arial", 7.0, false, true},
          std::tuple{"Arial", 10.5, false, false}}) {
        SCOPED_TRACE(name);
        for (Printer* p : {static_cast<Printer*>(&printer), static_cast<Printer*>(&recorded)})
            setFont(*p, QString::fromLatin1(name), size, bold, italic);
        EXPECT_DOUBLE_EQ(printer.textWidth(sample), recorded.textWidth(sample));
        EXPECT_DOUBLE_EQ(printer.textHeight(), recorded.textHeight());
    }
    // Letter paper has the same drawing area on both.
    EXPECT_DOUBLE_EQ(printer.pageWidth(), recorded.pageWidth());
    EXPECT_DOUBLE_EQ(printer.pageHeight(), recorded.pageHeight());
    printer.setScaleTwips();
    // Nothing is drawn yet: no file, not even the folder.
    EXPECT_FALSE(QDir(dir).exists());

    setFont(printer, "Courier New", 11);
    printer.setCurrentX(1440);
    printer.setCurrentY(2880);
    const double lineHeight = printer.textHeight();
    printer.printLine("Hello");
    printer.printLine("Below"); // at x = 0 on the next line

    setFont(printer, "Arial", 14, true);
    printAt(printer, 5760, 7200, "Heading");
    printer.newPage();
    printAt(printer, 0, 0, "Second");
    printer.newPage(); // directly before the end: no blank third sheet
    printer.endDoc();

    const QString pdf = printer.lastOutputFile();
    const QString name = QFileInfo(pdf).fileName();
    EXPECT_EQ(filesIn(dir), QStringList{name});
    EXPECT_TRUE(QRegularExpression("^tavrel-\\d{8}-\\d{6}-1\\.pdf$").match(name).hasMatch())
        << pdf.toStdString();

    EXPECT_EQ(mediaBoxes(pdf), (std::vector<QSizeF>(2, QSizeF(612, 792))));

    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; positions not checked";
    const auto words = pdfWords(pdf);
    const PdfWord* hello = expectWord(words, "Hello", 1, 1440, 2880);
    expectWord(words, "Below", 1, 0, 2880 + lineHeight);
    // A proportional H has a side bearing.
    const PdfWord* heading = expectWord(words, "Heading", 1, 5760, 7200, 0.6, 2);
    expectWord(words, "Second", 2, 0, 0);
    ASSERT_TRUE(hello && heading);
    // Courier New 11 is 6.6 points a character.
    EXPECT_NEAR(hello->box.width(), 5 * 6.6, 0.3);
    EXPECT_GT(heading->box.height(), 13); // 14-point type, not 11
}

// A folder that cannot be made is a printer error and loses nothing; page
// breaks take effect at the next drawing; an abandoned document leaves no
// file, and the next one starts afresh.
TEST(QtPrinter, PageBreaksWaitForTheNextDrawingAndDocumentsThatGoNowhereLeaveNoFile)
{
    QTemporaryDir tmp;
    writeBytes(tmp.filePath("file"), "keep");
    QtPrinter blocked(tmp.filePath("file/out"));
    EXPECT_EQ(errorOf([&] { blocked.printLine("x"); }), ErrNo::PrinterError);
    EXPECT_EQ(errorOf([&] { blocked.endDoc(); }), 0);
    EXPECT_EQ(filesIn(tmp.path()), QStringList{"file"});

    QtPrinter printer(tmp.path());
    // Two breaks in a row leave a blank sheet between; breaks at the end add none.
    printer.printLine("one");
    printer.newPage();
    printer.newPage();
    EXPECT_DOUBLE_EQ(printer.currentY(), 0);
    // A later page draws in twips as the first one does; a field's padding draws nothing.
    printAt(printer, 1440, 2880, "three     ");
    printer.printLine("          ");
    printer.newPage();
    printer.newPage();
    printer.endDoc();
    EXPECT_EQ(mediaBoxes(printer.lastPdfFile()).size(), 3u);
    if (havePdfToText()) {
        const auto words = pdfWords(printer.lastPdfFile());
        EXPECT_EQ(words.size(), 2u);
        expectWord(words, "three", 3, 1440, 2880);
    }

    // A break before anything was drawn keeps its blank first sheet.
    printer.newPage();
    printer.printLine("second");
    printer.endDoc();
    EXPECT_EQ(mediaBoxes(printer.lastPdfFile()).size(), 2u);

    printer.endDoc(); // nothing drawn: no document at all
    printer.printLine("page one");
    printer.newPage();
    printer.printLine("page two");
    printer.killDoc();
    printer.endDoc();                               // a cancelled run still ends its document
    EXPECT_EQ(printer.lastOutputFile(), QString()); // no file is said to hold it

    printer.printLine("next");
    printer.endDoc();
    EXPECT_EQ(filesIn(tmp.path()).size(), 4); // the file in the way and three documents
    EXPECT_EQ(mediaBoxes(printer.lastPdfFile()).size(), 1u);
}

// Each paper code gives its real size. Each page takes the paper size and
// orientation in force when it starts, so one document can hold envelopes of
// several sizes and letter sheets; a code or orientation the printer does not
// know changes nothing.
TEST(QtPrinter, EachPageTakesThePaperInForceWhenItStartsAndUnknownCodesChangeNothing)
{
    QTemporaryDir tmp;
    QtPrinter printer(tmp.path());
    // Paper code, width and height in points, portrait.
    const std::tuple<int, double, double> cases[] = {
        {1, 612, 792},      {20, 297, 684},     {27, 311.8, 623.6},
        {28, 459.2, 649.1}, {31, 323.1, 459.2}, {34, 498.9, 708.7},
        {37, 279, 540},     {38, 261, 468},     {9, 595.3, 841.9}};
    std::vector<QSizeF> sizes;
    for (const auto& [code, width, height] : cases) {
        for (int orientation : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "code " << code << " orientation " << orientation);
            printer.setPaperSize(code);
            printer.setOrientation(orientation);
            sizes.emplace_back(orientation == 1 ? width : height,
                               orientation == 1 ? height : width);
            EXPECT_NEAR(printer.pageWidth(), (sizes.back().width() - 36) * 20, 30);
            EXPECT_NEAR(printer.pageHeight(), (sizes.back().height() - 36) * 20, 30);
            printAt(printer, 1440 * orientation, 2880, QStringLiteral("page%1").arg(sizes.size()));
            printer.newPage();
        }
    }
    for (int bad : {0, 2, 256})
        EXPECT_EQ(errorOf([&] { printer.setPaperSize(bad); }), ErrNo::InvalidPropertyValue) << bad;
    for (int bad : {0, 3})
        EXPECT_EQ(errorOf([&] { printer.setOrientation(bad); }), ErrNo::InvalidPropertyValue);
    printer.printLine("still"); // still on A4 turned: a bad code or orientation changed nothing
    printer.endDoc();
    sizes.emplace_back(841.9, 595.3);
    const auto boxes = mediaBoxes(printer.lastPdfFile());
    ASSERT_EQ(boxes.size(), sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_NEAR(boxes[i].width(), sizes[i].width(), 1.5) << i;
        EXPECT_NEAR(boxes[i].height(), sizes[i].height(), 1.5) << i;
    }
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; positions not checked";
    const auto words = pdfWords(printer.lastPdfFile());
    for (int page = 1; page < int(sizes.size()); ++page)
        expectWord(words, QStringLiteral("page%1").arg(page), page, 1440 * (2 - page % 2), 2880, 1,
                   3);
}

TEST(QtPrinter, TheProgramPrinterFollowsTheEnvironment)
{
    QTemporaryDir tmp;
    ScopedEnv printerVariable("TAVREL_PRINTER", ("pdf:" + tmp.filePath("pdfs")).toLocal8Bit());
    // A spool folder that an earlier run left behind goes when the printer is made.
    ScopedEnv tempVariable("TMPDIR", tmp.path().toLocal8Bit());
    const QString left = tmp.filePath("tavrel-Left01");
    QDir().mkpath(left);
    writeBytes(left + "/owner.pid", "2147483646\n"); // no such process
    {
        auto printer = makeSystemPrinter(tmp.filePath("prog"));
        EXPECT_FALSE(QFileInfo::exists(left));
        tempVariable.restore();
        printer->printLine("x");
        printer->endDoc();
        EXPECT_EQ(filesIn(tmp.filePath("pdfs")).size(), 1);
    }
    printerVariable.set("pdf:"); // names no folder: as if it were not set
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        auto printer = makeSystemPrinter(tmp.filePath("prog"));
        auto* qt = dynamic_cast<QtPrinter*>(printer.get());
        ASSERT_NE(qt, nullptr);
        EXPECT_EQ(qt->pdfDirectory(), tmp.filePath("prog/printouts"));
    }
}

// A system printer whose spooler is a stand-in that keeps its arguments and
// the job it was given.
class SpooledPrinter : public testing::Test {
protected:
    SpooledPrinter()
    {
        const QString bin = dir.filePath("bin");
        QDir().mkpath(bin);
        writeBytes(bin + "/lp",
                   "#!/bin/sh\n"
                   "printf '%s\\n' \"$@\" >> \"$FAKE_LP_DIR/args\"\n"
                   "for last; do :; done\n"
                   "cp \"$last\" \"$FAKE_LP_DIR/job$(ls \"$FAKE_LP_DIR\" | wc -l).pdf\"\n"
                   "[ -n \"$FAKE_LP_HANG\" ] && exec sleep 60\n"
                   "[ -n \"$FAKE_LP_SAY\" ] && echo \"$0: $FAKE_LP_SAY\" >&2\n"
                   "exit ${FAKE_LP_EXIT:-0}\n");
        QFile::setPermissions(bin + "/lp", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        path.set((bin + QLatin1Char(':')).toLocal8Bit() + path.saved());
        QDir().mkpath(dir.filePath("log"));
        qputenv("FAKE_LP_DIR", dir.filePath("log").toLocal8Bit());
        printer.setSpoolParent(spoolParent.path());
    }
    ~SpooledPrinter() override
    {
        printer.killDoc(); // a case stopped half-way sends nothing to the real spooler
        for (const char* name : {"FAKE_LP_DIR", "FAKE_LP_EXIT", "FAKE_LP_SAY", "FAKE_LP_HANG"})
            qunsetenv(name);
    }
    // How many times the spooler was started.
    qsizetype calls() const { return args().count("-t"); }
    QStringList args() const
    {
        return QString::fromUtf8(fileBytes(dir.filePath("log/args")))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList jobs() const { return QDir(dir.filePath("log")).entryList({"job*.pdf"}); }
    QStringList spoolFolders() const
    {
        return QDir(spoolParent.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir, spoolParent;
    QtPrinter printer{QPrinterInfo()};
    ScopedEnv path{"PATH"};
};

TEST_F(SpooledPrinter, AJobGoesToTheSpoolerOnlyWhenItEnds)
{
    printer.printLine("abandoned");
    printer.killDoc();
    printer.endDoc();
    EXPECT_TRUE(args().isEmpty()) << args().join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(spoolFolders().isEmpty());

    printer.setPaperSize(20);
    printer.setOrientation(2);
    printAt(printer, 720, 720, "envelope");
    printer.endDoc();
    const QStringList given = args();
    EXPECT_TRUE(given.contains("Tavrel"));
    EXPECT_TRUE(given.contains("landscape"));
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_FALSE(QFile::exists(given.last())); // handed over, then removed with its folder
    EXPECT_TRUE(spoolFolders().isEmpty()) << spoolFolders().join(QLatin1Char(' ')).toStdString();

    // The spooler refuses the job: not sent, in its own words, tried once,
    // and nothing stays behind.
    qputenv("FAKE_LP_EXIT", "1");
    qputenv("FAKE_LP_SAY", "The printer or class does not exist.");
    printer.printLine("refused");
    EXPECT_EQ(notSentReason(printer),
              "The Print System Said: The printer or class does not exist.");
    printer.endDoc(); // the close-down's second end sends nothing
    EXPECT_EQ(calls(), 2);
    EXPECT_TRUE(spoolFolders().isEmpty());
    qunsetenv("FAKE_LP_EXIT");

    // The spooler is told the envelope's own media, so the printer feeds the
    // envelope the pages are laid out for.
    // B5 envelopes share their 176 x 250 mm with B5 paper; the spooler knows both by size.
    const std::pair<int, const char*> cases[] = {
        {1, "Letter"}, {20, "Env10"}, {27, "EnvDL"},      {28, "EnvC5"},
        {31, "EnvC6"}, {34, "ISOB5"}, {37, "EnvMonarch"}, {38, "EnvPersonal"}};
    for (const auto& [code, media] : cases) {
        printer.setPaperSize(code);
        printer.setOrientation(2);
        printer.printLine("x");
        printer.endDoc();
        EXPECT_EQ(args().filter("media=").last(), "media=" + QLatin1String(media)) << code;
    }
}

// A print system that does not answer: the windows go on, the person is told
// after the patience runs out and may cancel; the job is sent once only.
TEST_F(SpooledPrinter, AHangingPrintSystemCanBeCancelledWithoutFreezingTheWindows)
{
    printer.setSendPatience(std::chrono::milliseconds(150));
    qputenv("FAKE_LP_HANG", "1");

    QStringList seen; // the sending window's texts, as they change
    QTimer watcher;   // runs only while the event loop does
    QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
        QWidget* w = findWindow("PrtSendForm");
        if (!w || !w->isVisible())
            return;
        EXPECT_TRUE(w->isModal());
        const QString text = w->findChild<QLabel*>("Label1")->text();
        if (seen.isEmpty() || seen.last() != text)
            seen << text;
        if (text.contains(QLatin1String("Has Not Taken")))
            click(w->findChild<QPushButton*>("CancelButton"));
    });
    watcher.start(10);
    printer.printLine("stuck");
    const QString reason = notSentReason(printer);
    watcher.stop();
    EXPECT_EQ(reason, "Sending To The Printer Was Cancelled.");
    EXPECT_EQ(seen, (QStringList{"Sending to printer...",
                                 "The Print System Has Not Taken The Document In 1 Seconds.\n"
                                 "Click Cancel To Stop Sending It."}));
    EXPECT_EQ(calls(), 1);
    EXPECT_TRUE(spoolFolders().isEmpty());
    QWidget* w = findWindow("PrtSendForm");
    EXPECT_TRUE(!w || !w->isVisible());

    qunsetenv("FAKE_LP_HANG");
    printer.printLine("next");
    printer.endDoc();
    EXPECT_EQ(calls(), 2);
}

// Without the print command the person is told what is missing and may keep
// the job as a PDF file instead.
TEST(QtPrinter, AMissingPrintCommandOffersAPdfFileInstead)
{
    QTemporaryDir tmp;
    const ScopedEnv path("PATH", tmp.filePath("nothing-here").toLocal8Bit());
    const QString missing = QStringLiteral(
        "The Print Command Is Missing: lp (Debian Package cups-client) Is Not Installed.");
    for (const Ui::Answer answer : {Ui::Answer::No, Ui::Answer::Yes}) {
        ScriptedUi ui;
        ui.answer(answer);
        ui.setAutoOk(true);
        const QString printouts = tmp.filePath("printouts");
        QtPrinter printer{QPrinterInfo(), &ui, printouts};
        printer.setSpoolParent(tmp.path());
        printer.printLine("kept");
        const QString reason = notSentReason(printer);
        const bool kept = answer == Ui::Answer::Yes;
        EXPECT_EQ(reason, kept ? QString() : missing);
        EXPECT_TRUE(QDir(tmp.path()).entryList({"tavrel-*"}).isEmpty());
        EXPECT_EQ(QDir(printouts).exists(), kept);
        const QStringList pdfs = filesIn(printouts);
        ASSERT_EQ(pdfs.size(), kept ? 1 : 0);
        QStringList said{missing + "\n\nPrint To A PDF File Instead?"};
        if (kept)
            said << "The Document Was Saved As A PDF File:\n" + QDir(printouts).filePath(pdfs[0]);
        ASSERT_EQ(ui.texts(), said);
        EXPECT_EQ(ui.messages[0].buttons, Ui::Buttons::YesNo);
    }
}

// Spool folders of earlier runs go at start-up when nobody uses them; nothing
// else in the temporary folder is touched, and no link is followed.
TEST(SpoolFolders, StaleOnesOfThisUserAreRemovedAndNothingElse)
{
    QTemporaryDir tmp;
    const QString base = tmp.path();
    const auto folder = [&](const QString& name, const QByteArray& pid, bool old,
                            const QStringList& files = {"job-1.spool"}) {
        const QString dir = base + QLatin1Char('/') + name;
        QDir().mkpath(dir);
        for (const QString& f : files)
            writeBytes(dir + QLatin1Char('/') + f, "");
        if (!pid.isEmpty())
            writeBytes(dir + "/owner.pid", pid);
        if (old) {
            const struct timespec twoDaysAgo[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 172800, 0}};
            EXPECT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(dir).constData(), twoDaysAgo, 0), 0);
        }
    };
    const QByteArray dead = "2147483646\n"; // no such process
    const QByteArray alive = QByteArray::number(QCoreApplication::applicationPid());
    folder("tavrel-Dead01", dead, false);
    folder("tavrel-Alive1", alive, true);
    folder("tavrel-Old001", {}, true, {});
    folder("tavrel-New001", {}, false, {});
    folder("tavrel-Mixed1", dead, true, {"letter.txt"});
    folder("tavrel-x", dead, true);
    folder("elsewhere/target", dead, true);
    ASSERT_TRUE(QFile::link(base + "/elsewhere/target", base + "/tavrel-Link01"));
    const QString made = makeSpoolFolder(base);
    ASSERT_FALSE(made.isEmpty());

    EXPECT_EQ(removeStaleSpoolFolders(base), 2);
    QStringList left = QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    left.removeOne(QFileInfo(made).fileName());
    EXPECT_EQ(left, (QStringList{"elsewhere", "tavrel-Alive1", "tavrel-Link01", "tavrel-Mixed1",
                                 "tavrel-New001", "tavrel-x"}));
    EXPECT_TRUE(QFile::exists(base + "/elsewhere/target/job-1.spool"));
    EXPECT_TRUE(removeSpoolFolder(made));
    EXPECT_FALSE(QFileInfo::exists(made));
}

// A calibrated system printer moves and stretches what it prints by exactly
// the calibration; a PDF file is drawn as it is, calibration or not.
TEST_F(SpooledPrinter, CalibrationMovesPrinterOutputOnlyAndByExactlyItsFigures)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed; positions not checked";
    QTemporaryDir pdfs;
    // The boxes of "Near" at one inch in and "Far" at 5 by 7 inches, in points.
    const auto printBoth = [](QtPrinter& printer) {
        printAt(printer, 1440, 1440, "Near");
        printAt(printer, 7200, 10080, "Far");
        printer.endDoc();
        return printer.lastOutputFile();
    };
    const auto job = [&](const PrinterCalibration& c) {
        QtPrinter printer{QPrinterInfo()};
        printer.setSpoolParent(spoolParent.path());
        printer.setCalibration(c);
        printBoth(printer);
        return pdfWords(dir.filePath("log/" + jobs().back()));
    };
    const auto pdf = [&](const PrinterCalibration& c) {
        QtPrinter printer{pdfs.path()};
        printer.setCalibration(c);
        return pdfWords(printBoth(printer));
    };
    constexpr double mm = 72 / 25.4;
    const std::vector<PdfWord> plain = job({});
    ASSERT_EQ(plain.size(), 2u);
    struct Case {
        PrinterCalibration c;
        QPointF nearMove, farMove; // points
    } cases[] = {
        {{5, -3, 100, 100}, {5 * mm, -3 * mm}, {5 * mm, -3 * mm}},
        {{0, 0, 102, 98}, {72 * 0.02, 72 * -0.02}, {360 * 0.02, 504 * -0.02}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(calibrationText(c.c).toStdString());
        const std::vector<PdfWord> moved = job(c.c);
        ASSERT_EQ(moved.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const QPointF want = i == 0 ? c.nearMove : c.farMove;
            EXPECT_NEAR(moved[i].box.left() - plain[i].box.left(), want.x(), 0.05) << i;
            // The text's top moves with its baseline, less the stretch of its ascent.
            EXPECT_NEAR(moved[i].box.top() - plain[i].box.top(), want.y(), 0.3) << i;
        }
        EXPECT_EQ(pdf(c.c), pdf({}));
    }
}

// The preview shows the pages that draw something, each on the paper in force
// when it began (a blank page between is no page), and nothing of a document
// that was abandoned.
TEST(PreviewPages, EachDrawnPageOnItsPaperAndNoneOfAnAbandonedDocument)
{
    RecordingPrinter p;
    p.setPaperSize(20);
    p.setOrientation(2);
    p.printLine("envelope");
    p.newPage();
    p.newPage();
    p.setQuarterTurn(true);
    p.drawRect(0, 0, 1440, 1440);
    p.setQuarterTurn(false); // within the page: the page stays turned
    p.drawLine(0, 0, 1440, 0);
    p.endDoc();
    p.printLine("dropped");
    p.killDoc();
    p.endDoc();
    p.setPaperSize(1);
    p.setOrientation(1);
    p.printLine("letter");
    p.endDoc();
    EXPECT_EQ(p.pageCount(0), 3);

    using Row = std::tuple<int, int, std::size_t, std::size_t, int, int, bool>;
    std::vector<Row> pages;
    for (const PreviewWindow::Page& g : PreviewWindow::pagesOf(p))
        pages.emplace_back(g.document, g.page, g.firstOp, g.endOp, g.paper, g.orientation,
                           g.turned);
    EXPECT_EQ(pages, (std::vector<Row>{{0, 1, 2, 3, 20, 2, false},
                                       {0, 3, 6, 9, 20, 2, true},
                                       {2, 1, 15, 16, 1, 1, false}}));
    // A turned landscape page stands upright; a page holds its own operations only.
    const auto shown = PreviewWindow::pagesOf(p);
    EXPECT_EQ(paperTwips(shown[0]), QSizeF(13680, 5940));
    EXPECT_EQ(paperTwips(shown[1]), QSizeF(5940, 13680));
    EXPECT_EQ(p.opsOnPage(0, 3).size(), 5u); // the turns, the box, the line, the end
}
