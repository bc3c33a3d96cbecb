#include "platform/SpoolFolders.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

const char kOwnerFile[] = "owner.pid";

bool isSpoolFolderName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^tavrel-[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

bool isJobFileName(const char* name)
{
    static const QRegularExpression pattern(QStringLiteral("^job-\\d+\\.spool$"));
    return qstrcmp(name, kOwnerFile) == 0 || pattern.match(QString::fromLocal8Bit(name)).hasMatch();
}

// The folder itself, opened without following a link, when it is a real
// folder of this user; -1 otherwise.
int openOwnFolder(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The owner process written in the folder, or 0 when there is none.
pid_t ownerOf(int folderFd)
{
    const int fd = ::openat(folderFd, kOwnerFile, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    bool ok = false;
    const long pid = QByteArray(text, int(n)).trimmed().toLong(&ok);
    return ok && pid > 0 ? pid_t(pid) : 0;
}

bool processGone(pid_t pid)
{
    return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

QString makeSpoolFolder(const QString& tempDirectory)
{
    QByteArray templ = QFile::encodeName(tempDirectory + QStringLiteral("/tavrel-XXXXXX"));
    if (!::mkdtemp(templ.data()))
        return {};
    const QString folder = QFile::decodeName(templ);
    const int dirFd = openOwnFolder(templ);
    int fd =
        dirFd < 0 ? -1 : ::openat(dirFd, kOwnerFile, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool ok = fd >= 0;
    if (ok) {
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        ok = ::write(fd, pid.constData(), size_t(pid.size())) == pid.size();
        ok = ::close(fd) == 0 && ok;
    }
    if (dirFd >= 0)
        ::close(dirFd);
    if (!ok) {
        removeSpoolFolder(folder);
        return {};
    }
    return folder;
}

bool removeSpoolFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    const int fd = openOwnFolder(path);
    if (fd < 0)
        return false;
    DIR* dir = ::fdopendir(::dup(fd));
    if (!dir) {
        ::close(fd);
        return false;
    }
    // Only files this program writes there are removed; unlinking a link
    // removes the link, never what it points to.
    bool foreign = false;
    QList<QByteArray> jobFiles;
    while (const dirent* e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        struct stat st {};
        if (!isJobFileName(e->d_name) || ::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode)) {
            foreign = true;
            break;
        }
        jobFiles << QByteArray(e->d_name);
    }
    ::closedir(dir);
    if (!foreign) {
        for (const QByteArray& name : jobFiles)
            ::unlinkat(fd, name.constData(), 0);
    }
    ::close(fd);
    return !foreign && ::rmdir(path.constData()) == 0;
}

int removeStaleSpoolFolders(const QString& tempDirectory, std::chrono::seconds unownedAge)
{
    int removed = 0;
    const QStringList names =
        QDir(tempDirectory).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!isSpoolFolderName(name))
            continue;
        const QString folder = tempDirectory + QLatin1Char('/') + name;
        const int fd = openOwnFolder(QFile::encodeName(folder));
        if (fd < 0)
            continue;
        const pid_t owner = ownerOf(fd);
        struct stat st {};
        const bool old =
            ::fstat(fd, &st) == 0 && std::time(nullptr) - st.st_mtime >= time_t(unownedAge.count());
        ::close(fd);
        const bool stale = owner ? processGone(owner) : old;
        if (stale && removeSpoolFolder(folder))
            ++removed;
    }
    return removed;
}

} // namespace tavrel
