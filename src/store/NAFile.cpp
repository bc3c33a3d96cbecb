#include "store/NAFile.h"

#include "platform/Errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cerrno>
#include <cstring>
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

// A write of a record whose bytes cross a page boundary can be cut in two by
// a kill: the kernel copies a write page by page and stops between pages once
// a fatal signal is pending. Before such a write, the record's number, old and
// new bytes go to a small journal beside the file, in one write within one
// page, which a kill cannot cut. At the next open, a record of the same file
// (by inode: a compaction or a restore makes a new one) that holds the new
// bytes up to the page boundary and the old bytes (or nothing) after it is
// completed from the journal. A journal left from an earlier write matches no
// record that was written whole since, so it is never replayed over newer data.
constexpr qint64 kPage = 4096;
constexpr char kJournalMagic[4] = {'T', 'V', 'R', 'J'};
// magic, record number, old length, the file's inode, old bytes, new bytes,
// SHA-1 of what precedes
constexpr qsizetype kJournalHead = 4 + 4 + 4 + 8;
constexpr qsizetype kJournalSize = kJournalHead + 2 * NARecord::Size + 20;

bool crossesPage(qint64 pos)
{
    return pos / kPage != (pos + NARecord::Size - 1) / kPage;
}

QString journalPathFor(const QIODevice* device)
{
    const auto* f = qobject_cast<const QFile*>(device);
    if (!f || f->fileName().isEmpty())
        return {};
    return QFileInfo(f->fileName()).dir().filePath(kRecordJournalName);
}

// Opens the journal for writing; a link, or a file with another name for it,
// is removed rather than written through.
int openJournal(const QByteArray& path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != ELOOP)
            return -1;
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1)
            return fd;
        if (fd >= 0)
            ::close(fd);
        ::unlink(path.constData());
    }
    return -1;
}

void noteRecordWrite(const QString& journal, quint64 inode, int recNo, const QByteArray& old,
                     const QByteArray& bytes)
{
    QByteArray entry(kJournalMagic, 4);
    entry.resize(kJournalSize - 20);
    qToLittleEndian<quint32>(quint32(recNo), entry.data() + 4);
    qToLittleEndian<quint32>(quint32(old.size()), entry.data() + 8);
    qToLittleEndian<quint64>(inode, entry.data() + 12);
    char* at = entry.data() + kJournalHead;
    std::memset(at, 0, NARecord::Size);
    std::memcpy(at, old.constData(), size_t(old.size()));
    std::memcpy(at + NARecord::Size, bytes.constData(), NARecord::Size);
    entry += QCryptographicHash::hash(entry, QCryptographicHash::Sha1);
    const int fd = openJournal(QFile::encodeName(journal));
    // Without a journal the write goes on as it always did: a disk too full
    // for it must not stop a change the file has room for.
    if (fd < 0 || !writeFully(fd, entry, 0))
        qWarning("could not note a record write in its journal");
    if (fd >= 0)
        ::close(fd);
}

// Completes a record that a kill cut at a page boundary, from the journal.
void completeTornRecord(int fd, const QString& journal)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray entry = file.read(kJournalSize + 1);
    file.close();
    if (entry.size() != kJournalSize || !entry.startsWith(QByteArray(kJournalMagic, 4)) ||
        QCryptographicHash::hash(entry.left(kJournalSize - 20), QCryptographicHash::Sha1) !=
            entry.right(20))
        return;
    const int recNo = int(qFromLittleEndian<quint32>(entry.constData() + 4));
    const int oldLength = int(qFromLittleEndian<quint32>(entry.constData() + 8));
    if (recNo < 1 || recNo > NAFile::MaxRecords || oldLength < 0 || oldLength > NARecord::Size)
        return;
    const qint64 pos = qint64(recNo - 1) * NARecord::Size;
    const qsizetype firstPart = qsizetype(kPage - pos % kPage);
    if (!crossesPage(pos))
        return;
    const QByteArray old = entry.mid(kJournalHead, oldLength);
    const QByteArray bytes = entry.mid(kJournalHead + NARecord::Size, NARecord::Size);
    struct stat st {};
    if (::fstat(fd, &st) != 0 ||
        quint64(st.st_ino) != qFromLittleEndian<quint64>(entry.constData() + 12) ||
        qint64(st.st_size) < pos + firstPart)
        return;
    QByteArray now(NARecord::Size, '\0');
    const ssize_t got = ::pread(fd, now.data(), size_t(NARecord::Size), pos);
    if (got < firstPart || now.left(got) == bytes)
        return;
    // The new bytes up to the boundary; after it the old ones, or the end of
    // the file where the write was to extend it.
    const QByteArray rest = now.mid(firstPart, got - firstPart);
    const bool torn = now.left(firstPart) == bytes.left(firstPart) &&
                      (rest.isEmpty() || rest == old.mid(firstPart));
    if (!torn)
        return;
    if (writeFully(fd, bytes, pos) && ::fsync(fd) == 0)
        qWarning("completed record %d of the N&A file, which a stop had cut short", recNo);
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

namespace {

// Unbuffered: every read and write goes straight to the file, so what the
// program shows is what is on disk, and no read-ahead is thrown away by the
// seek before each record. A new file holds personal data: for its owner alone.
std::unique_ptr<QFile> openUnbuffered(const QString& path, QIODevice::OpenMode mode)
{
    if (QFileInfo(path).isDir())
        throw PlatformError(ErrNo::PathFileAccess, path);
    auto f = std::make_unique<QFile>(path);
    errno = 0;
    if (!f->open(mode | QIODevice::Unbuffered, QFile::ReadOwner | QFile::WriteOwner)) {
        const int e = errno;
        throw PlatformError(e ? errnoToNumber(e) : ErrNo::PathFileAccess, path);
    }
    return f;
}

} // namespace

void NAFile::open(const QString& path)
{
    if (accessHook)
        accessHook(path);
    auto f = openUnbuffered(path, QIODevice::ReadWrite);
    completeTornRecord(int(f->handle()), journalPathFor(f.get()));
    device_ = std::move(f);
    readOnly_ = false;
}

void NAFile::openReadOnly(const QString& path)
{
    if (accessHook)
        accessHook(path);
    device_ = openUnbuffered(path, QIODevice::ReadOnly);
    readOnly_ = true;
}

void NAFile::attach(std::unique_ptr<QIODevice> device)
{
    device_ = std::move(device);
    readOnly_ = false;
}

void NAFile::close()
{
    readOnly_ = false;
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

void NAFile::requireWritable() const
{
    requireOpen();
    // Refused before anything is touched, the record journal included.
    if (readOnly_)
        throw PlatformError(ErrNo::PermissionDenied, QStringLiteral("opened for reading only"));
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
    requireWritable();
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
        if (crossesPage(pos))
            if (const QString journal = journalPathFor(device_.get()); !journal.isEmpty())
                noteRecordWrite(journal, quint64(st.st_ino), recNo, old, bytes);
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
    requireWritable();
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
    requireWritable();
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
