#include "exchange/CommandLine.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/gui/Application.h"
#include "platform/gui/HelpWindow.h"
#include "platform/gui/QtClipboard.h"
#include "platform/gui/QtPrinter.h"
#include "platform/gui/QtUi.h"
#include "shell/MarkMain.h"
#include "shell/ShellResources.h"
#include "shell/Startup.h"
#include "store/Program.h"
#include "upkeep/BackupCommandLine.h"
#include "upkeep/BackupCommands.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (tavrel::isExchangeCommandLine(argc, argv))
        return tavrel::exchangeMain(argc, argv, &tavrel::armCommandLineCopies);
    // --backup and --restore run without windows.
    if (const std::optional<int> status = tavrel::backupCommandLineMain(argc, argv))
        return *status;
    QApplication app(argc, argv);
    tavrel::setUpApplication(app);
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
    return app.exec();
}
