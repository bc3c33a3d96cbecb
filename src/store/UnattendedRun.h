#pragma once

#include <QString>
#include <functional>

class QTextStream;

namespace tavrel {

class Program;

// How a command-line run uses the N&A file.
enum class NAFileUse {
    Change,  // opened as the program opens it: a damaged file is mended where it can be
    ReadOnly // opened for reading only: a damaged file is said and the run refused
};

// A command-line run over the N&A file of the program's directory, with nobody
// watching: refused while the program has that file open, a restore cut short
// by a crash finished first and what a killed run left under the program's
// temporary names removed, as the windows' start does, then the file opened
// and `command` run. What goes
// wrong is said on `out`, with `failed` after the error number ("nothing was
// printed."). Returns the command's exit status, or 1 when it could not run.
int runOverNAFile(Program& program, QTextStream& out, const QString& failed,
                  const std::function<int()>& command, NAFileUse use = NAFileUse::Change);

} // namespace tavrel
