#pragma once

#include <QString>
#include <optional>

namespace tavrel {

struct Services;

// Free bytes of the file system that holds the program directory, always in
// 64-bit arithmetic. std::nullopt when that file system cannot be told (a
// program directory that is not an absolute path); the caller says so in its
// own words. A failing disk-space call is reported here, with the system's
// own error code, and counts as no free space at all.
std::optional<qint64> freeDiskBytes(Services& services);

// True when `folder` (or, while it does not exist, its nearest existing parent)
// lies on the file system of the program directory, so that what is written
// there takes the program directory's free space. True when it cannot be told.
bool onProgramDisk(const Services& services, const QString& folder);

// True when free bytes fit the 32-bit signed figures the messages were made for.
bool fitsIn32Bits(qint64 bytes);

// A number in a "#,###" style format: thousands separated by the system's
// separator; a zero shows as "0" when the pattern ends in "0" (`zeroShown`),
// and as nothing at all when it ends in "#".
QString formatGrouped(qint64 n, bool zeroShown);

} // namespace tavrel
