#include "sync/SyncCards.h"

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

} // namespace

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
        files.replaceFile(name, card);
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
