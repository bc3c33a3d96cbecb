#include "app/Launch.h"

#include "exchange/CommandLine.h"
#include "exchange/ImportDialog.h"
#include "reports/PrintCommandLine.h"
#include "shell/MainWindow.h"
#include "sync/SyncCommandLine.h"
#include "upkeep/BackupCommandLine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

namespace tavrel {

LaunchMode launchModeOf(const QStringList& args)
{
    for (const QString& a : args)
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return LaunchMode::Help;
    if (args.contains(QStringLiteral("--version")))
        return LaunchMode::Version;
    if (args.contains(QStringLiteral("--export")) || args.contains(QStringLiteral("--import")))
        return LaunchMode::Exchange;
    if (isBackupCommandLine(args))
        return LaunchMode::Backup;
    if (isSyncCommandLine(args))
        return LaunchMode::Sync;
    if (isPrintCommandLine(args))
        return LaunchMode::Print;
    return LaunchMode::Windows;
}

FileArgument fileArgumentOf(const QStringList& args)
{
    FileArgument result;
    QString named;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            result.error =
                QCoreApplication::translate("tavrel::Launch", "tavrel: unknown option %1").arg(a);
            return result;
        }
        if (!named.isEmpty()) {
            result.error = QCoreApplication::translate("tavrel::Launch",
                                                       "tavrel: one file at a time, not %1 and %2")
                               .arg(named, a);
            return result;
        }
        named = a;
        result.file = QDir::current().absoluteFilePath(a);
    }
    return result;
}

QString usageText()
{
    return QCoreApplication::translate(
               "tavrel::Launch",
               "Usage: tavrel [FILE]\n"
               "       tavrel --backup | --restore [NAME]\n"
               "       tavrel --help | --version\n"
               "\n"
               "Corvane Mark32, a name-and-address book. With no arguments it opens its windows;\n"
               "with a vCard or CSV FILE it opens them and the import window on that file.\n"
               "The other forms run without windows and report on standard output:\n"
               "  --backup        take a backup copy of the N&A file and the mailing lists now\n"
               "  --restore NAME  put copy NAME back (a copy of the state before is kept);\n"
               "                  without NAME, list the copies\n"
               "\n") +
           exchangeUsage() + syncUsage() + printUsage() +
           QCoreApplication::translate(
               "tavrel::Launch",
               "\n"
               "The N&A file is in $TAVREL_HOME when set, else beside the program when one lies\n"
               "there, else in $XDG_DATA_HOME/tavrel (~/.local/share/tavrel).\n");
}

QString versionText()
{
    return QStringLiteral("tavrel %1 (Corvane Mark32)\n").arg(QStringLiteral(TAVREL_VERSION));
}

void openImportOn(MainWindow& main, const QString& path)
{
    main.onImport();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        auto* form = qobject_cast<ImportDialog*>(w);
        if (form && form->isVisible()) {
            form->fileEdit->setText(QDir::toNativeSeparators(path));
            form->onReadClicked();
            return;
        }
    }
}

} // namespace tavrel
