#include "app/Verbs.h"

#include "app/CommandLine.h"
#include "app/Launch.h"
#include "exchange/CommandLine.h"
#include "sync/SyncCommandLine.h"
#include "upkeep/BackupCommandLine.h"
#include "upkeep/BackupCommands.h"

#include <cstdio>

namespace tavrel {

std::optional<int> runWithoutWindows(const CommandLine& line, int argc, char** argv,
                                     const PrinterMaker& printers)
{
    switch (line.mode) {
    case LaunchMode::Help:
        std::fputs(qPrintable(line.verb ? verbHelp(*line.verb) : usageText()), stdout);
        return 0;
    case LaunchMode::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case LaunchMode::Exchange:
        return exchangeMain(argc, argv, line.arguments, &armCommandLineCopies);
    case LaunchMode::Backup:
        return backupCommandLineMain(argc, argv, line.arguments);
    case LaunchMode::Sync:
        return syncMain(argc, argv, line.arguments, &armCommandLineCopies);
    case LaunchMode::Print:
        return printCommandLineMain(argc, argv, line.arguments, printers);
    case LaunchMode::Windows:
        break;
    }
    return std::nullopt;
}

} // namespace tavrel
