// The windows a person sees while a report goes to a print queue.
#include "ReportFixture.h"

#include "platform/gui/QtPrinter.h"
#include "platform/gui/Windows.h"
#include "reports/gui/ReportCommands.h"
#include "support/ScopedEnv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace tavrel::test {

namespace {

// A print command that keeps its arguments and never takes the job.
void writeHangingLp(const QString& bin)
{
    QDir().mkpath(bin);
    writeBytes(bin + "/lp", "#!/bin/sh\n"
                            "printf '%s\\n' \"$@\" >> \"$FAKE_LP_DIR/args\"\n"
                            "exec sleep 60\n");
    QFile::setPermissions(bin + "/lp", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The default printer as a queue whose print command never takes the job,
// given `patience` before the sending says it is slow.
struct HangingQueue {
    HangingQueue(Program& p, std::chrono::milliseconds patience)
        : path("PATH", (bin() + QLatin1Char(':')).toLocal8Bit() + qgetenv("PATH")),
          log("FAKE_LP_DIR", dir.path().toLocal8Bit()), route(p.printer, queue)
    {
        queue.setSpoolParent(spool.path());
        queue.setSendPatience(patience);
    }
    QString bin()
    {
        writeHangingLp(dir.filePath("bin"));
        return dir.filePath("bin");
    }

    QTemporaryDir dir, spool;
    ScopedEnv path, log;
    QtPrinter queue{QPrinterInfo()};
    PrinterRoute route;
};

// The visible windows titled "Printing" that offer a button (or, with
// `any`, every visible one).
QStringList printingWindowsWithAButton(bool any = false)
{
    QStringList out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowTitle() != QLatin1String("Printing"))
            continue;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (any || b->isVisible()) {
                out << w->objectName();
                break;
            }
        if (any && !out.contains(w->objectName()))
            out << w->objectName();
    }
    return out;
}

} // namespace

// While the finished report is handed to the print system the run's own
// "Printing" window says so, and its Cancel stops the sending: no second
// "Printing" window with a Cancel of its own comes up beside it.
TEST_F(ReportTest, OnePrintingWindowWithOneCancelWhileTheReportIsSent)
{
    HangingQueue hanging(p, std::chrono::milliseconds(150));
    openPeople(3);
    env.ui.setAutoOk(true);

    std::set<QString> seen; // every window set seen at once
    QStringList texts;      // the progress window's words, as they change
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
        const QStringList windows = printingWindowsWithAButton();
        seen.insert(windows.join(u' '));
        QWidget* progress = findWindow(QStringLiteral("StopPrintForm"));
        if (!progress || !progress->isVisible())
            return;
        const QString text = progress->findChild<QLabel*>("Label1")->text();
        if (texts.isEmpty() || texts.last() != text)
            texts << text;
        if (text.contains(QLatin1String("Has Not Taken")))
            click(progress->findChild<QPushButton*>("StopPrintCmd1"));
    });
    watcher.start(10);
    startPrintReport(p);
    press(findWindow(QStringLiteral("PrtForm")), QStringLiteral("PrtCmd1"));
    settle();
    watcher.stop();

    EXPECT_TRUE(seen.count(QStringLiteral("StopPrintForm")));
    for (const QString& windows : seen)
        EXPECT_TRUE(windows.isEmpty() || windows == QLatin1String("StopPrintForm"))
            << windows.toStdString();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts.mid(texts.size() - 2),
              (QStringList{"Sending to printer...",
                           "The Print System Has Not Taken The Document In 1 Seconds.\n"
                           "Click Cancel To Stop Sending It."}));
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Report Not Printed.\n\nSending To The Printer Was Cancelled."));
    EXPECT_EQ(
        QString::fromUtf8(fileBytes(hanging.dir.filePath("args"))).count(QLatin1String("-t\n")), 1);
    EXPECT_EQ(loadedWindow(QStringLiteral("StopPrintForm")), nullptr);
}

// A label test page is handed over while the run's "TVL Is Preparing The
// Report." window is up: that window shows the hand-over and its Cancel, and
// no second "Printing" window comes up beside it.
TEST_F(ReportTest, ATestPageIsSentFromTheOnePrintingWindow)
{
    HangingQueue hanging(p, std::chrono::milliseconds(5000));
    openPeople(3);
    env.ui.answer(Ui::Answer::Yes); // a test page
    position();
    env.ui.setAutoOk(true);

    std::set<QString> seen;
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
        seen.insert(printingWindowsWithAButton(true).join(u' '));
        QWidget* preparing = findWindow(QStringLiteral("CancelForm"));
        if (!preparing || !preparing->isVisible())
            return;
        texts << preparing->findChild<QLabel*>("Label1")->text();
        auto* cancel = preparing->findChild<QPushButton*>("SendCancel");
        if (cancel && cancel->isVisible())
            click(cancel);
    });
    watcher.start(10);
    startPrintReport(p);
    QWidget* form = findWindow(QStringLiteral("PrtForm"));
    click(control<QRadioButton>(form, "PrtOpt3_4"));
    click(control<QRadioButton>(form, "PrtOpt4_2")); // 3-across: no stock question
    click(control<QPushButton>(form, "PrtCmd1"));
    settle();
    watcher.stop();

    for (const QString& windows : seen)
        EXPECT_TRUE(windows.isEmpty() || windows == QLatin1String("CancelForm") ||
                    windows == QLatin1String("StopPrintForm"))
            << windows.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Sending to printer...")));
    bool cancelled = false;
    for (const auto& m : env.ui.messages)
        cancelled = cancelled || m.text.startsWith(QLatin1String("Test Page Not Printed."));
    EXPECT_TRUE(cancelled) << "Cancel in the one window stopped the sending";
    EXPECT_EQ(loadedWindow(QStringLiteral("CancelForm")), nullptr);
}

} // namespace tavrel::test
