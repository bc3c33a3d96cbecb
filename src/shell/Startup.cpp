#include "shell/Startup.h"

#include "exchange/Import.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/RestoreJournal.h"
#include "platform/Text.h"
#include "shell/AboutDialog.h"
#include "shell/MainWindow.h"
#include "shell/WelcomeDialog.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UndoStore.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Compaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tavrel {

namespace {

constexpr int kSmallestFigure = 69; // 640 x 480 at 15 twips a pixel
constexpr int kSplashMs = 5000;
constexpr int kSplashStepMs = 40; // how often the wait looks for window events

int toTwips(int pixels, qreal dotsPerInch)
{
    if (dotsPerInch <= 0)
        dotsPerInch = 96;
    return int(std::lround(pixels * 1440.0 / dotsPerInch));
}

void checkScreen(Program& p, const StartupEnvironment& env)
{
    p.ScreenSizeFigure = screenSizeFigure(env.screenWidthTwips, env.screenHeightTwips);
    if (p.ScreenSizeFigure >= kSmallestFigure)
        return;
    p.ui.messageBox(
        QCoreApplication::translate("tavrel::Startup",
                                    "Your Current Screen Resolution Is Too Low To Properly Display "
                                    "the Corvane Windows.  Click OK To Exit Corvane."),
        kDefaultTitle, Ui::Buttons::Ok);
    p.ui.endProgram();
}

void checkSingleCopy(Program& p, const StartupEnvironment& env)
{
    if (!env.checkSingleCopy)
        return;
    const InstanceCheck c = env.checkSingleCopy();
    if (c.anotherCopy) {
        p.ui.messageBox(
            c.backupRunning
                ? QCoreApplication::translate("tavrel::Startup",
                                              "A Backup Copy Of The N&A File Is Being Made.\n\n"
                                              "Start TVL Again In A Moment.")
                : QCoreApplication::translate("tavrel::Startup",
                                              "Corvane Mark32 Is Already Running."),
            kDefaultTitle, Ui::Buttons::Ok);
        p.ui.endProgram();
    }
    if (!c.lockProblem.isEmpty()) {
        // Without the lock no one can tell whether another copy runs; the
        // folder is where the N&A file must be written too.
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::Startup",
                                        "TVL Cannot Make Its Lock File In The Folder\n") +
                p.files.programDirectory() + QStringLiteral("\n(") + c.lockProblem +
                QCoreApplication::translate("tavrel::Startup", ").\n\nClick OK To Terminate TVL."),
            kDefaultTitle, Ui::Buttons::Ok);
        p.ui.endProgram();
    }
}

// A restore cut short by a crash or a power cut is finished before anything
// opens the files; the user is told which way it went.
void finishInterruptedWork(Program& p)
{
    try {
        if (const std::optional<InterruptedRestore> r = finishInterruptedRestore(p.files)) {
            BackupCopy copy;
            copy.name = r->copyName;
            copy.when = copyTimeFromName(r->copyName).value_or(QDateTime());
            p.ui.messageBox(
                QCoreApplication::translate("tavrel::Startup", "The Restore Of The Copy Of ") +
                    (copy.when.isValid() ? copyLabel(copy) : copy.name) +
                    (r->completed ? QCoreApplication::translate(
                                        "tavrel::Startup",
                                        " Was Interrupted.\n\nIt Has Now Been Completed: The N&A "
                                        "File And The Mailing Lists Are Those Of The Copy.")
                     : r->undone
                         ? QCoreApplication::translate(
                               "tavrel::Startup",
                               " Failed Half Way.\n\nIt Has Now Been Undone: The N&A File And "
                               "The Mailing Lists Are As They Were Before It.")
                         : QCoreApplication::translate(
                               "tavrel::Startup",
                               " Was Interrupted Before It Changed Anything.\n\nThe "
                               "N&A File And The Mailing Lists Are As They Were.")),
                kDefaultTitle, Ui::Buttons::Ok, Ui::Icon::Information);
        }
    } catch (const PlatformError& e) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::Startup",
                                        "An Interrupted Restore Could Not Be Finished: Error") +
                numText(e.number()) +
                QCoreApplication::translate("tavrel::Startup",
                                            ".\n\nIt Is Tried Again At The Next Start.  Click OK "
                                            "To Terminate TVL."),
            kDefaultTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        p.ui.endProgram();
    }
    removeStaleTemporaries(p.files);
    tidyBackups(p);
}

// The About box stands for five seconds while nothing else happens. The
// window system shows it when it is ready, which on a busy machine can be
// well after show() returns, and a paint before that is lost; so the wait lets
// window events through (never the user's input), and the box is painted
// whenever it is exposed.
void showSplash(Program& p, const StartupEnvironment& env)
{
    const QDateTime start = p.clock.now();
    AboutDialog splash(p, env.programFile, AboutDialog::Mode::Splash);
    splash.setModal(false);
    splash.show();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const qint64 elapsed = start.msecsTo(p.clock.now());
        if (elapsed > kSplashMs)
            break;
        p.clock.sleepMs(int(qMin<qint64>(kSplashStepMs, kSplashMs - elapsed + 1)));
    }
    splash.close();
}

} // namespace

int screenSizeFigure(int widthTwips, int heightTwips)
{
    const double figure = double(widthTwips) * double(heightTwips) / 1e6;
    return int(qBound<double>(-32768, std::round(figure), 32767));
}

StartupEnvironment currentEnvironment(std::function<InstanceCheck()> checkSingleCopy)
{
    StartupEnvironment env;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        env.screenWidthTwips = toTwips(g.width(), s->logicalDotsPerInchX());
        env.screenHeightTwips = toTwips(g.height(), s->logicalDotsPerInchY());
    }
    env.checkSingleCopy = std::move(checkSingleCopy);
    env.programFile = QCoreApplication::applicationFilePath();
    return env;
}

std::unique_ptr<MainWindow> startUp(Program& p, const StartupEnvironment& env)
{
    checkScreen(p, env);
    // The help topics are compiled into the program; this names where they live.
    p.HelpFilePath = QStringLiteral(":/help");
    checkSingleCopy(p, env);
    finishInterruptedWork(p);
    showSplash(p, env);
    openNAFile(p);
    loadUndoHistory(p);
    takeAutomaticCopy(p, BackupTrigger::Daily);
    armAutomaticCopies(p);

    auto main = std::make_unique<MainWindow>(p, env.programFile);
    main->show();
    if (p.WelcomeOff == QLatin1Char('0')) {
        WelcomeDialog welcome(p, main.get());
        p.ui.runModal(welcome);
    }
    // Once the event loop runs, so the window is on screen before any sync starts.
    QMetaObject::invokeMethod(main.get(), &MainWindow::syncAtStart, Qt::QueuedConnection);
    return main;
}

} // namespace tavrel
