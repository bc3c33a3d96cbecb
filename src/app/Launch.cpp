#include "app/Launch.h"

#include "app/CommandLine.h"
#include "exchange/CommandLine.h"
#include "reports/PrintCommandLine.h"
#include "sync/SyncCommandLine.h"

#include <QCoreApplication>
#include <QDir>

namespace tavrel {

LaunchMode launchModeOf(const QStringList& args)
{
    return readCommandLine(args).mode;
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

namespace {

// An option of Qt's own, as QApplication takes it out of the arguments: Qt
// accepts it with one dash or two, and some with their value after '='.
struct QtOption {
    bool known = false;
    bool takesNext = false; // its value is the next argument
    QString name;           // with one dash, without any "=value"
};

QtOption qtOption(const QString& arg)
{
    static const QStringList withValue = {"-platform",
                                          "-platformpluginpath",
                                          "-platformtheme",
                                          "-plugin",
                                          "-qwindowgeometry",
                                          "-geometry",
                                          "-qwindowicon",
                                          "-icon",
                                          "-qwindowtitle",
                                          "-title",
                                          "-name",
                                          "-display",
                                          "-session",
                                          "-style",
                                          "-stylesheet",
                                          "-qmljsdebugger",
                                          "-visual"};
    static const QStringList flags = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                      "-testability"};
    QtOption o;
    o.name = arg.startsWith(QLatin1String("--")) ? arg.mid(1) : arg;
    const qsizetype equals = o.name.indexOf(QLatin1Char('='));
    const bool withEquals = equals > 0;
    if (withEquals)
        o.name.truncate(equals);
    o.known = withValue.contains(o.name) || (!withEquals && flags.contains(o.name));
    o.takesNext = o.known && !withEquals && withValue.contains(o.name);
    return o;
}

bool isSet(const QProcessEnvironment& env, const char* name)
{
    return !env.value(QLatin1String(name)).isEmpty();
}

} // namespace

QStringList ownArguments(const QStringList& args)
{
    QStringList ours;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QtOption o = qtOption(args[i]);
        if (!o.known)
            ours << args[i];
        else if (o.takesNext)
            ++i;
    }
    return ours;
}

std::optional<Refusal> refusalWithoutDisplay(const QStringList& args,
                                             const QProcessEnvironment& env)
{
    if (isSet(env, "DISPLAY") || isSet(env, "WAYLAND_DISPLAY") || isSet(env, "QT_QPA_PLATFORM"))
        return std::nullopt;
    for (const QString& a : args) {
        const QtOption o = qtOption(a);
        if (o.known &&
            (o.name == QLatin1String("-platform") || o.name == QLatin1String("-display")))
            return std::nullopt;
    }
    return Refusal{QCoreApplication::translate(
                       "tavrel::Launch",
                       "tavrel: the windows need a graphical session (neither DISPLAY nor "
                       "WAYLAND_DISPLAY is set); without one, use --print, --envelopes, "
                       "--export, --import, --backup, --restore or --sync (tavrel --help "
                       "lists them)."),
                   1};
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
               "there, else in $XDG_DATA_HOME/tavrel (~/.local/share/tavrel).\n") +
           QCoreApplication::translate("tavrel::Launch",
                                       "Each form's options: tavrel --VERB --help (tavrel --print "
                                       "--help, ...).\n");
}

QString versionText()
{
    return QStringLiteral("tavrel %1 (Corvane Mark32)\n").arg(QStringLiteral(TAVREL_VERSION));
}

} // namespace tavrel
