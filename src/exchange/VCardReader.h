#pragma once

#include "exchange/Entry.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <memory>

namespace tavrel {

// Reads cards one at a time from a device, so that a file of any length takes
// the memory of the card at hand; readVCards says what it understands.
class VCardReader {
public:
    // Reads `prefix` (a byte-order mark the file lacks, say), then the device
    // from where it stands to its end.
    explicit VCardReader(QIODevice& in, const QByteArray& prefix = {});
    ~VCardReader();
    VCardReader(const VCardReader&) = delete;
    VCardReader& operator=(const VCardReader&) = delete;

    // The next card into `entry`; false at the end of the file.
    bool next(Entry& entry);
    // What was found about the file as a whole; complete once next() says false.
    const QStringList& problems() const;

private:
    struct State;
    std::unique_ptr<State> d_;
};

} // namespace tavrel
