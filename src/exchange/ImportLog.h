#pragma once

#include <QByteArray>

namespace tavrel {

struct Services;

// Adds the newest import's section at the end of the import log, a blank line
// before it. The log is never read whole: while the earlier imports and the
// new one fit in kMaxImportLogBytes the section is appended; past that, the
// newest whole earlier sections that still fit are read from the log's tail
// and written with the new one under a temporary name, then renamed over the
// log. A log that cannot be read is started afresh rather than stopping the
// import. Failures to write throw PlatformError.
void addToImportLog(Services& services, const QByteArray& newest);

} // namespace tavrel
