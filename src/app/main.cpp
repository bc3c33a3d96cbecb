#include "app/CommandLine.h"
#include "app/DesktopLaunch.h"
#include "app/Launch.h"
#include "app/Verbs.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/gui/Application.h"
#include "platform/gui/HelpWindow.h"
#include "platform/gui/QtClipboard.h"
#include "platform/gui/QtPrinter.h"
#include "platform/gui/QtUi.h"
#include "platform/gui/Translations.h"
#include "reports/gui/SystemPrinters.h"
#include "shell/MainWindow.h"
#include "shell/ShellResources.h"
#include "shell/Startup.h"
#include "store/Program.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Only the windows need a display: every other mode is decided and run first,
    // each verb on the arguments the one parser gave back.
    const tavrel::CommandLine line = tavrel::readCommandLine(args);
    if (!line.error.isEmpty()) {
        std::fputs(qPrintable(tavrel::refusalText(line)), stderr);
        return 2;
    }
    if (const std::optional<int> status =
            tavrel::runWithoutWindows(line, argc, argv, tavrel::systemPrinters()))
        return *status;
    // A word the windows do not take is refused as a verb's is, display or not.
    const QString wrong = tavrel::fileArgumentOf(tavrel::ownArguments(args)).error;
    if (!wrong.isEmpty()) {
        std::fputs(qPrintable(wrong + QStringLiteral("\nTry 'tavrel --help'.\n")), stderr);
        return 2;
    }
    // Without a display Qt would abort; say instead what works without one.
    if (const auto refusal =
            tavrel::refusalWithoutDisplay(args, QProcessEnvironment::systemEnvironment())) {
        std::fputs(qPrintable(refusal->line + QLatin1Char('\n')), stderr);
        return refusal->exitCode;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-style, -platform, ...) out of the arguments by now.
    const tavrel::FileArgument file = tavrel::fileArgumentOf(QApplication::arguments().mid(1));
    if (!file.error.isEmpty()) {
        std::fputs(qPrintable(file.error + QStringLiteral("\nTry 'tavrel --help'.\n")), stderr);
        return 2;
    }
    tavrel::setUpApplication(app);
    tavrel::loadUsersLanguage(app, QApplication::applicationDirPath());
    tavrel::initShellResources();

    tavrel::Files files(tavrel::resolveProgramDirectory(QApplication::applicationDirPath()));
    tavrel::QtUi ui;
    auto printer = tavrel::makeSystemPrinter(files.programDirectory(), &ui);
    tavrel::QtClipboard clipboard;
    tavrel::HelpWindow help;
    tavrel::SystemClock clock;
    tavrel::Program program({ui, *printer, clipboard, help, clock, files});

    tavrel::InstanceLock lock(files.programDirectory());
    auto env = tavrel::currentEnvironment([&lock] { return lock.check(); });
    auto mainWindow = tavrel::startUp(program, env);
    // `tavrel FILE.vcf` (a file opened from the file manager): the import window on that
    // file, once the main window is up and running.
    if (!file.file.isEmpty())
        QMetaObject::invokeMethod(
            mainWindow.get(), [&] { tavrel::openImportOn(*mainWindow, file.file); },
            Qt::QueuedConnection);
    return app.exec();
}
