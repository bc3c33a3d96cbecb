#pragma once

#include "reports/PrintCommandLine.h"

#include <optional>

namespace tavrel {

struct CommandLine;

// Runs what `line` asks for when it is not the windows: help, the version, or
// a verb (--export, --import, --sync, --backup, --restore, --print,
// --envelopes), none of which opens a window; --print and --envelopes print
// through `printers`. Gives the exit status, or nothing for a windowed start.
std::optional<int> runWithoutWindows(const CommandLine& line, int argc, char** argv,
                                     const PrinterMaker& printers);

} // namespace tavrel
