#pragma once

#include "store/NARecord.h"

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

namespace tavrel {

// Beside the N&A file: the last write of a record that crosses a page
// boundary, so that a record a kill cut in two is completed at the next open.
inline const QString kRecordJournalName = QStringLiteral("tvlrecord.jnl");

// The N&A file as a random-access file of 574-byte records, numbered from 1.
// Failures throw PlatformError with the classic error number. Nothing outside
// records 1 to MaxRecords is ever read or written, whatever a caller asks.
class NAFile {
public:
    static constexpr int MaxRecords = 1701;

    // Runs with the path before every probe and open. Empty in the program;
    // a test throws PlatformError from it to stand for a drive that is not ready.
    std::function<void(const QString& path)> accessHook;

    // Tests that `path` exists and can be read, and leaves it closed:
    // 53 when it is missing or empty, the error number of the failure otherwise.
    void probe(const QString& path) const;

    bool isOpen() const { return device_ != nullptr; }
    // Opens `path` for reading and writing, creating it when missing.
    void open(const QString& path);
    // Opens `path` for reading only: a run that must not change the file
    // (a print). Nothing is completed from the record journal and every
    // write fails.
    void openReadOnly(const QString& path);
    // Uses an already opened device (tests hand in failing devices).
    void attach(std::unique_ptr<QIODevice> device);
    void close();

    // Reads record `recNo`. A record beyond the end of the file, or its part
    // beyond the end, reads as zero bytes.
    QByteArray read(int recNo);
    // Reads `count` records from `firstRecNo` on in one go, the same way.
    QByteArray readBlock(int firstRecNo, int count);
    // Writes all 574 bytes of record `recNo`, extending the file when needed.
    // A failed write that extended the file cuts it back to its old length.
    // Across a kill the record is whole, old or new (see kRecordJournalName).
    void write(int recNo, const QByteArray& bytes);
    // Fills a last record that the file holds only in part out with zero
    // bytes, which is how it reads already, and flushes the file to disk. The
    // file only grows, in one step: a crash leaves the old length or the new.
    void completeLastRecord();
    // Cuts the file back to `length` bytes (never lengthens it) and flushes it.
    void truncate(qint64 length);
    qint64 size() const;
    // Number of records the file holds, a partial last record counted.
    int recordCount() const;

private:
    static void checkRecNo(int recNo);
    void requireOpen() const;
    void requireWritable() const;
    // The descriptor of an opened file, or -1 for any other device.
    int fileHandle() const;

    std::unique_ptr<QIODevice> device_;
    QByteArray readBuffer_;
    bool readOnly_ = false;
};

} // namespace tavrel
