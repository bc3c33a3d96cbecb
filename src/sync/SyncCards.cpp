#include "sync/SyncCards.h"

#include "platform/Errors.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

bool isDigest(const QString& digest)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hex.match(digest).hasMatch();
}

// The whole of a plain file; a link, a folder or a device is refused, and
// nothing blocks on a pipe planted under the name.
std::optional<QByteArray> readPlainFile(const QString& path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        if (done == bytes.size())
            out = bytes;
    }
    ::close(fd);
    return out;
}

[[noreturn]] void fail(const QString& name, int err)
{
    throw PlatformError(errnoToNumber(err), name, err);
}

// Writes the file under a hidden name first and renames it into place, so a
// card file is whole or absent (a power cut may still leave one empty: its
// digest tells, and the card counts as unknown). Not flushed one by one:
// flushCards() makes them durable together before the state names them.
void writeCardFile(const Files& files, const QString& name, const QByteArray& card)
{
    const QString tempName = kSaveTempPrefix + name;
    const QByteArray temp = QFile::encodeName(files.path(tempName));
    // A stale one, or a link planted there, is removed and never reused; it is
    // rare, so the name is not removed before every card.
    const auto create = [&temp] {
        return ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    };
    int fd = create();
    if (fd < 0 && errno == EEXIST && ::unlink(temp.constData()) == 0)
        fd = create();
    if (fd < 0)
        fail(name, errno);
    for (qsizetype done = 0; done < card.size();) {
        const ssize_t n = ::write(fd, card.constData() + done, size_t(card.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n == 0 ? ENOSPC : errno;
            ::close(fd);
            ::unlink(temp.constData());
            fail(name, err);
        }
        done += n;
    }
    if (::close(fd) != 0 ||
        ::rename(temp.constData(), QFile::encodeName(files.path(name)).constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        fail(name, err);
    }
}

} // namespace

void flushCards(const Files& files)
{
    const int fd = ::open(QFile::encodeName(files.programDirectory()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(files.programDirectory(), errno);
    const int rc = ::syncfs(fd);
    const int err = errno;
    ::close(fd);
    if (rc != 0)
        fail(files.programDirectory(), err);
}

QString cardDigest(const QByteArray& card)
{
    return QString::fromLatin1(QCryptographicHash::hash(card, QCryptographicHash::Sha256).toHex());
}

QString cardFileName(const QString& digest)
{
    return kSyncCardPrefix + digest;
}

QString storeCard(const Files& files, const QByteArray& card)
{
    const QString digest = cardDigest(card);
    const QString name = cardFileName(digest);
    struct stat st {};
    const bool there = ::lstat(QFile::encodeName(files.path(name)).constData(), &st) == 0 &&
                       S_ISREG(st.st_mode) && st.st_size == card.size();
    if (!there)
        writeCardFile(files, name, card);
    return digest;
}

std::optional<QByteArray> loadCard(const Files& files, const QString& digest)
{
    if (!isDigest(digest))
        return std::nullopt;
    std::optional<QByteArray> card = readPlainFile(files.path(cardFileName(digest)));
    if (card && cardDigest(*card) != digest)
        return std::nullopt;
    return card;
}

void removeUnusedCards(const Files& files, const QSet<QString>& used)
{
    for (const QString& name : files.list(kSyncCardPrefix + QLatin1Char('*'))) {
        const QString digest = name.mid(kSyncCardPrefix.size());
        if (name.startsWith(kSyncCardPrefix) && isDigest(digest) && !used.contains(digest))
            files.removeIfPlainFile(name);
    }
}

} // namespace tavrel
