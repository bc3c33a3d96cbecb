#include "exchange/ImportLog.h"

#include "exchange/Import.h"
#include "platform/Errors.h"
#include "platform/Files.h"
#include "store/Services.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

// An open log file, closed when it goes.
class LogFile {
public:
    explicit LogFile(int fd) : fd_(fd) {}
    ~LogFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Appends `newest` to the log when it is a plain, writable file with room for
// it beside the earlier imports; false when it is not (nothing written then).
// A write that fails is taken back, so the log stays as it was.
bool appended(Services& services, const QByteArray& newest, qint64 room)
{
    const QByteArray path = QFile::encodeName(services.files.path(kImportLogName));
    LogFile log(::open(path.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (log.fd() < 0 || ::fstat(log.fd(), &st) != 0 || !S_ISREG(st.st_mode) ||
        (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || st.st_size > room)
        return false;
    QByteArray add;
    if (st.st_size > 0) {
        char last = '\n';
        LogFile reader(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (reader.fd() < 0 || ::pread(reader.fd(), &last, 1, st.st_size - 1) != 1)
            return false;
        add = last == '\n' ? QByteArray("\n") : QByteArray("\n\n");
    }
    add += newest;
    if (!writeAll(log.fd(), add) || ::fsync(log.fd()) != 0) {
        const int err = errno;
        // Back to what it held; should that fail too, the next import's
        // section still starts on a line of its own.
        const bool restored = ::ftruncate(log.fd(), st.st_size) == 0;
        Q_UNUSED(restored)
        throw PlatformError(errnoToNumber(err), kImportLogName, err);
    }
    return true;
}

// The earlier imports that fit in `room` bytes: whole sections from the end
// of the log, read from its last `room` bytes only.
QByteArray earlierSections(Services& services, qint64 room)
{
    QByteArray tail;
    try {
        if (!services.files.exists(kImportLogName))
            return {};
        QFile log(services.files.path(kImportLogName));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        const qint64 size = log.size();
        const qint64 from = size - std::max<qint64>(room, 0);
        if (from > 0 && !log.seek(from))
            return {};
        tail = log.read(std::min(size, std::max<qint64>(room, 0)));
        if (log.error() != QFileDevice::NoError)
            return {};
        if (from > 0) {
            const qsizetype at = tail.indexOf("\nImport of ");
            tail = at < 0 ? QByteArray() : tail.mid(at + 1);
        }
    } catch (const PlatformError&) {
        return {};
    }
    if (!tail.isEmpty() && !tail.endsWith('\n'))
        tail += '\n';
    return tail;
}

} // namespace

void addToImportLog(Services& services, const QByteArray& newest)
{
    const qint64 room = kMaxImportLogBytes - newest.size() - 1;
    if (appended(services, newest, room))
        return;
    const QByteArray earlier = earlierSections(services, room);
    services.files.replaceFile(kImportLogName, earlier.isEmpty() ? newest : earlier + '\n' + newest,
                               kImportLogTempName);
}

} // namespace tavrel
