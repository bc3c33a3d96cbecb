#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavrel {

// How the program was asked to run. It is decided from the arguments alone,
// before anything that needs a display is made: only Windows opens any.
enum class LaunchMode { Windows, Help, Version, Exchange, Backup, Sync, Print };

// `args` without the program name. --help and --version win over the rest;
// readCommandLine (app/CommandLine.h) says more.
LaunchMode launchModeOf(const QStringList& args);

// The file named on the command line of a windowed start (`tavrel FILE.vcf`),
// taken from the arguments Qt leaves once it has taken its own (-style,
// -platform, ...), made absolute against the working directory. `error` says
// what is wrong when more than one is named or an option is not known.
struct FileArgument {
    QString file;
    QString error;
};
FileArgument fileArgumentOf(const QStringList& args);

// The arguments of a windowed start without Qt's own options (-style,
// -platform, ...), as QApplication will leave them: fileArgumentOf judges
// them before any display is asked for.
QStringList ownArguments(const QStringList& args);

// A windowed start that Qt could not give a display, refused before Qt is
// asked for one (it would abort): `line`, one line for standard error, says
// why, and the program ends with `exitCode`.
struct Refusal {
    QString line;
    int exitCode = 1;
};
// Qt reaches a display through DISPLAY or WAYLAND_DISPLAY, or a platform named
// by QT_QPA_PLATFORM or by -platform (offscreen, vnc, ...) in `args`, the
// arguments without the program name. Without any of them: the refusal.
// A word the program does not know is refused before, by fileArgumentOf.
std::optional<Refusal> refusalWithoutDisplay(const QStringList& args,
                                             const QProcessEnvironment& env);

QString usageText();
QString versionText();

} // namespace tavrel
