#pragma once

#include "app/Launch.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tavrel {

// One option of a verb: `--name VALUE` (or `--name=VALUE`) when it has a
// value name, a plain `--name` otherwise.
struct OptionSpec {
    const char* name;
    const char* valueName; // nullptr: a flag
    const char* description;
};

// One verb of the command line (`--print`, `--sync`, ...) and everything it takes.
struct VerbSpec {
    LaunchMode mode;
    const char* name;      // the verb's own option, without the dashes
    const char* valueName; // its value (`--print KIND`); nullptr when it takes none
    const char* description;
    // Words that are not options: how many, what they are called, and the
    // option they belong to (nullptr: the verb); none are taken without that option.
    int minWords = 0;
    int maxWords = 0;
    const char* wordsName = nullptr;
    const char* wordsFollow = nullptr;
    std::vector<OptionSpec> options;
    QString (*usage)() = nullptr; // the verb's own usage text
};

// Every verb, in the order `tavrel --help` names them.
const std::vector<VerbSpec>& verbTable();

// The arguments (without the program name) as the launcher reads them.
struct CommandLine {
    LaunchMode mode = LaunchMode::Windows;
    const VerbSpec* verb = nullptr; // the verb named, if any (also for its help)
    // The verb's arguments in one canonical form: the verb and its value, its
    // words, then each option given as `--name` or `--name VALUE`.
    QStringList arguments;
    QString error; // the one line that refuses the arguments (exit status 2)
};
CommandLine readCommandLine(const QStringList& args);

// What `tavrel --VERB --help` prints: the verb's usage and its options.
QString verbHelp(const VerbSpec& verb);

// The refusal as standard error shows it: the error line and where help is.
QString refusalText(const CommandLine& line);

} // namespace tavrel
