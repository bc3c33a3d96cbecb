#pragma once

// Set-up shared by the print-run targets: the run's options come from the
// input's option bytes, the N&A file from the rest.

#include "FuzzSupport.h"

namespace tavrel::fuzz {

inline const QString kListName = QStringLiteral("tvlmail.fuz");

// A mailing list file whose title and members come from the option bytes.
inline void writeMailList(const FuzzDir& dir, Choices& options)
{
    QByteArray pattern;
    for (int i = 0; i < 4; ++i)
        pattern += char(options.byte());
    QByteArray line = QByteArray("Fuzzed list").leftJustified(46, ' ');
    line += flagsFromPattern(pattern);
    // Now and then a list cut short, as a copy tool may leave it.
    const int cut = options.pick(4) == 0 ? options.pick(int(line.size())) : int(line.size());
    dir.write(kListName, line.left(cut) + "\r\n");
}

// The bytes of the N&A file, to prove a print run writes nothing to it.
inline QByteArray naBytes(const FuzzDir& dir)
{
    return dir.read(kNAFileName);
}

} // namespace tavrel::fuzz
