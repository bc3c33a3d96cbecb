#include "store/NAFile.h"

#include "platform/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

// The classic numbers for a record number out of range and a file not open.
constexpr int kBadRecordNumber = 63;
constexpr int kBadFileNumber = 52;

// Writes all of `bytes` at `pos`; false when the file refuses.
bool writeFully(int fd, const QByteArray& bytes, qint64 pos)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), pos + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

void NAFile::probe(const QString& path) const
{
    if (accessHook)
        accessHook(path);
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw PlatformError(errnoToNumber(errno), path);
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (known && S_ISDIR(st.st_mode))
        throw PlatformError(ErrNo::PathFileAccess, path);
    // An empty file holds no header to open: it is treated as no file at all,
    // so the user is offered a new one rather than a file with no date.
    if (known && S_ISREG(st.st_mode) && st.st_size == 0)
        throw PlatformError(ErrNo::FileNotFound, path);
}

void NAFile::open(const QString& path)
{
    if (accessHook)
        accessHook(path);
    if (QFileInfo(path).isDir())
        throw PlatformError(ErrNo::PathFileAccess, path);
    // Unbuffered: every read and write goes straight to the file, so what the
    // program shows is what is on disk, and no read-ahead is thrown away by
    // the seek before each record.
    auto f = std::make_unique<QFile>(path);
    errno = 0;
    // A new file holds personal data: for its owner alone.
    if (!f->open(QIODevice::ReadWrite | QIODevice::Unbuffered,
                 QFile::ReadOwner | QFile::WriteOwner)) {
        const int e = errno;
        throw PlatformError(e ? errnoToNumber(e) : ErrNo::PathFileAccess, path);
    }
    device_ = std::move(f);
}

void NAFile::attach(std::unique_ptr<QIODevice> device)
{
    device_ = std::move(device);
}

void NAFile::close()
{
    if (device_)
        device_->close();
    device_.reset();
}

void NAFile::checkRecNo(int recNo)
{
    if (recNo < 1 || recNo > MaxRecords)
        throw PlatformError(kBadRecordNumber, QStringLiteral("bad record number"));
}

void NAFile::requireOpen() const
{
    if (!device_)
        throw PlatformError(kBadFileNumber, QStringLiteral("file not open"));
}

int NAFile::fileHandle() const
{
    auto* f = qobject_cast<QFile*>(device_.get());
    return f ? f->handle() : -1;
}

QByteArray NAFile::read(int recNo)
{
    return readBlock(recNo, 1);
}

QByteArray NAFile::readBlock(int firstRecNo, int count)
{
    checkRecNo(firstRecNo);
    checkRecNo(firstRecNo + count - 1);
    requireOpen();
    const qint64 pos = qint64(firstRecNo - 1) * NARecord::Size;
    const qint64 length = qint64(count) * NARecord::Size;
    // One buffer serves every read; it is only copied when a caller still
    // holds the bytes of the previous read.
    QByteArray& bytes = readBuffer_;
    bytes.resize(length);
    bytes.fill('\0');
    if (const int fd = fileHandle(); fd >= 0) {
        // Positioned reads: no seek, no size query. The end of the file ends
        // the read early; the rest stays zero bytes.
        qint64 got = 0;
        while (got < length) {
            const ssize_t n = ::pread(fd, bytes.data() + got, size_t(length - got), pos + got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw PlatformError(errnoToNumber(errno));
            if (n == 0)
                break;
            got += n;
        }
        return bytes;
    }
    const qint64 fileSize = device_->size();
    if (pos < fileSize) {
        const qint64 expected = qMin(length, fileSize - pos);
        if (!device_->seek(pos))
            throw PlatformError(ErrNo::DeviceIo);
        // A short read of a part the device holds is a failure, never a blank record.
        qint64 got = 0;
        while (got < expected) {
            const qint64 n = device_->read(bytes.data() + got, expected - got);
            if (n <= 0)
                throw PlatformError(ErrNo::DeviceIo);
            got += n;
        }
    }
    return bytes;
}

void NAFile::write(int recNo, const QByteArray& bytes)
{
    checkRecNo(recNo);
    requireOpen();
    if (bytes.size() != NARecord::Size)
        throw PlatformError(ErrNo::DeviceIo, QStringLiteral("record of wrong length"));
    const qint64 pos = qint64(recNo - 1) * NARecord::Size;
    if (const int fd = fileHandle(); fd >= 0) {
        struct stat st {};
        const qint64 oldSize = ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
        // What the record holds now, to put back should the write fail part-way.
        const QByteArray old =
            oldSize > pos
                ? readBlock(recNo, 1).left(int(qMin<qint64>(NARecord::Size, oldSize - pos)))
                : QByteArray();
        qint64 done = 0;
        while (done < NARecord::Size) {
            const ssize_t n =
                ::pwrite(fd, bytes.constData() + done, size_t(NARecord::Size - done), pos + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int number = n < 0 ? errnoToNumber(errno) : ErrNo::DiskFull;
                // Leave no half-written record: the old bytes go back, and a
                // record that extended the file goes again.
                if (done > 0 && !writeFully(fd, old, pos))
                    qWarning("could not put a record of the N&A file back after a failed write");
                if (oldSize >= 0 && pos + NARecord::Size > oldSize && ::ftruncate(fd, oldSize) != 0)
                    qWarning("could not cut the N&A file back after a failed write");
                throw PlatformError(number);
            }
            done += n;
        }
        return;
    }
    if (!device_->seek(pos) || device_->write(bytes) != bytes.size())
        throw PlatformError(ErrNo::DeviceIo);
}

void NAFile::completeLastRecord()
{
    requireOpen();
    const qint64 whole = qint64(recordCount()) * NARecord::Size;
    if (whole == size())
        return;
    checkRecNo(recordCount());
    if (const int fd = fileHandle(); fd >= 0) {
        if (::ftruncate(fd, whole) != 0 || ::fsync(fd) != 0)
            throw PlatformError(errnoToNumber(errno));
        return;
    }
    const qint64 missing = whole - size();
    if (!device_->seek(size()) || device_->write(QByteArray(missing, '\0')) != missing)
        throw PlatformError(ErrNo::DeviceIo);
}

void NAFile::truncate(qint64 length)
{
    requireOpen();
    if (length < 0 || length >= size())
        return;
    if (const int fd = fileHandle(); fd >= 0) {
        if (::ftruncate(fd, length) != 0 || ::fsync(fd) != 0)
            throw PlatformError(errnoToNumber(errno));
        return;
    }
    auto* f = qobject_cast<QFile*>(device_.get());
    if (!f || !f->resize(length))
        throw PlatformError(ErrNo::DeviceIo);
}

qint64 NAFile::size() const
{
    return device_ ? device_->size() : 0;
}

int NAFile::recordCount() const
{
    return int((size() + NARecord::Size - 1) / NARecord::Size);
}

} // namespace tavrel
