#pragma once

#include "store/NARecord.h"

#include <QIODevice>
#include <memory>

namespace tavrel {

// The N&A file as a random-access file of 574-byte records, numbered from 1.
// Failures throw PlatformError with the classic error number.
class NAFile {
public:
    static constexpr int MaxRecords = 1701;

    bool isOpen() const { return device_ != nullptr; }
    // Opens `path` for reading and writing, creating it when missing.
    void open(const QString& path);
    // Uses an already opened device (tests hand in failing devices).
    void attach(std::unique_ptr<QIODevice> device);
    void close();

    // Reads record `recNo`. A record beyond the end of the file, or its part
    // beyond the end, reads as zero bytes.
    QByteArray read(int recNo);
    // Writes all 574 bytes of record `recNo`, extending the file when needed.
    void write(int recNo, const QByteArray& bytes);
    qint64 size() const;
    // Number of records the file holds, a partial last record counted.
    int recordCount() const;

private:
    static void checkRecNo(int recNo);
    std::unique_ptr<QIODevice> device_;
};

} // namespace tavrel
