#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace tavrel {

class PlatformError;

// A file the person named for output (an export, a printout saved as PDF),
// written whole or not at all.
//
// A plain file, or a name nothing lies under yet, is written under a hidden
// temporary name beside it (".NAME.tavrel-PID-N.part", made afresh with
// O_EXCL and O_NOFOLLOW, so no link is followed, and locked while in use),
// made durable (fsync), renamed over the name in one step, and the folder made
// durable too. On any failure the temporary goes and an older file of that
// name stays as it was. A new file is for its owner alone (0600); one that
// replaces a plain file keeps that file's permissions. A link to a file is
// followed to the file it names, which is replaced; a link to nothing is itself
// replaced. A character device or a pipe (/dev/null, /dev/stdout in a pipe) is
// written in place and never renamed over; a folder or a disk device is refused.
//
// Every write is checked: after the first failure nothing more is written and
// commit() throws. Failures throw PlatformError with the classic number and
// the system's own error code.
class OutputFile : public QIODevice {
public:
    explicit OutputFile(QString path);
    // Drops whatever was not committed.
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens the file (or its temporary) for writing.
    void start();
    // Ends the file: the first failure of any write, or of making it durable
    // or putting it in place, is thrown, and nothing is left of it.
    void commit();
    // Closes and removes the temporary unless it was committed; never throws.
    void discard() noexcept;

    const QString& path() const { return path_; }
    // True when the file is written where it is (a device or a pipe).
    bool writesInPlace() const { return inPlace_; }
    // True once a write has failed.
    bool failed() const { return error_ != 0; }
    // The system's code of the first failure (errno), or 0.
    int errorCode() const { return error_; }

    bool isSequential() const override { return true; }
    // Marks the device closed; the file stays open until commit() or discard().
    void close() override;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    void startInPlace(const QByteArray& native);
    void startTemporary(const QString& target);

    QString path_;
    QString target_; // the file the temporary replaces
    QString temp_;
    int fd_ = -1;
    int error_ = 0; // errno of the first failure
    bool inPlace_ = false;
    bool committed_ = false;
};

// Writes `bytes` as the whole file at `path` through an OutputFile.
void writeOutputFile(const QString& path, const QByteArray& bytes);

// Removes the temporaries of output files that a killed run left in `folder`:
// only names OutputFile makes, only plain files of this user that no running
// writer holds. Returns how many went.
int removeStaleOutputParts(const QString& folder);

// True when `path` is the file (or pipe, or terminal) standard output goes to,
// so reports about the run go elsewhere and stay out of the output.
bool isStandardOutput(const QString& path);

// What stopped an output file, in words for the person ("The Disk Is Full.").
QString outputFailureText(const PlatformError& e);

} // namespace tavrel
