#include "store/NAFile.h"

#include "platform/Errors.h"

#include <QFile>
#include <cerrno>

namespace tavrel {

namespace {

int deviceErrorNumber(const QIODevice& d, int fallback)
{
    if (auto* f = qobject_cast<const QFile*>(&d)) {
        if (f->error() == QFileDevice::PermissionsError)
            return ErrNo::PermissionDenied;
        if (errno == ENOSPC)
            return ErrNo::DiskFull;
    }
    return fallback;
}

} // namespace

void NAFile::open(const QString& path)
{
    auto f = std::make_unique<QFile>(path);
    errno = 0;
    if (!f->open(QIODevice::ReadWrite)) {
        const int e = errno;
        if (e == ENOENT)
            throw PlatformError(ErrNo::PathNotFound, path);
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
    // Never touch anything outside records 1 to 1701, whatever a caller asks.
    if (recNo < 1 || recNo > MaxRecords)
        throw PlatformError(63, QStringLiteral("bad record number"));
}

QByteArray NAFile::read(int recNo)
{
    checkRecNo(recNo);
    if (!device_)
        throw PlatformError(52, QStringLiteral("file not open"));
    const qint64 pos = qint64(recNo - 1) * NARecord::Size;
    QByteArray bytes;
    if (pos < device_->size()) {
        if (!device_->seek(pos))
            throw PlatformError(deviceErrorNumber(*device_, ErrNo::DeviceIo));
        bytes = device_->read(NARecord::Size);
        if (bytes.isNull() && NARecord::Size > 0 && device_->size() > pos)
            throw PlatformError(deviceErrorNumber(*device_, ErrNo::DeviceIo));
    }
    if (bytes.size() < NARecord::Size)
        bytes.append(QByteArray(NARecord::Size - bytes.size(), '\0'));
    return bytes;
}

void NAFile::write(int recNo, const QByteArray& bytes)
{
    checkRecNo(recNo);
    if (!device_)
        throw PlatformError(52, QStringLiteral("file not open"));
    Q_ASSERT(bytes.size() == NARecord::Size);
    const qint64 pos = qint64(recNo - 1) * NARecord::Size;
    errno = 0;
    if (!device_->seek(pos))
        throw PlatformError(deviceErrorNumber(*device_, ErrNo::DeviceIo));
    if (device_->write(bytes) != bytes.size())
        throw PlatformError(deviceErrorNumber(*device_, ErrNo::DeviceIo));
    if (auto* f = qobject_cast<QFile*>(device_.get()); f && !f->flush())
        throw PlatformError(deviceErrorNumber(*device_, ErrNo::DiskFull));
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
