#pragma once

#include <QString>
#include <functional>

class QTextStream;

namespace tavrel {

class Program;

// A command-line run over the N&A file of the program's directory, with nobody
// watching: refused while the program has that file open, a restore cut short
// by a crash finished first and what a killed run left under the program's
// temporary names removed, as the windows' start does, then the file opened
// and `command` run. What goes
// wrong is said on `out`, with `failed` after the error number ("nothing was
// printed."). Returns the command's exit status, or 1 when it could not run.
int runOverNAFile(Program& program, QTextStream& out, const QString& failed,
                  const std::function<int()>& command);

} // namespace tavrel
