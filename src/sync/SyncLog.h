#pragma once

#include <QByteArray>
#include <QStringList>

namespace tavrel {

// The sync log never grows past this; the oldest syncs go first.
inline constexpr qsizetype kMaxLogBytes = 1024 * 1024;

// The log `old` with one more section at its end: its lines in order (the first
// two, the heading and the summary, are always kept), then a blank line. The
// oldest sections go until the whole fits in `limit` bytes; a section too long
// on its own keeps its first lines and one saying how many were left out.
QByteArray appendLogSection(const QByteArray& old, const QStringList& section, qsizetype limit);

} // namespace tavrel
