#pragma once

#include <QStringList>

class QTextStream;

namespace tavrel {

class Program;

// Runs `tavrel --export FORMAT FILE [--list ID]` or `tavrel --import FILE
// [--dry-run] [--no-backup]` without windows, on `args` as the launcher's
// parser gives them (the verb first, every option as `--name VALUE`), reporting on standard output;
// returns the exit status (0 done, 1 failed or refused, 2 wrong arguments,
// 3 imported but some entries skipped, 4 imported until the N&A file was full).
// `prepare` runs on the program once its N&A file is open (main points it at
// the automatic backup copy, which --no-backup leaves out of an import).
int exchangeMain(int argc, char** argv, const QStringList& args,
                 void (*prepare)(Program&) = nullptr);

// The export and import forms, their options and exit statuses, as a wrong word prints them.
QString exchangeUsage();

// The same over a program whose N&A file is open: the arguments as above.
int runExchangeCommand(Program& p, const QStringList& arguments, QTextStream& out);

} // namespace tavrel
