#include "platform/RestoreJournal.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

const QByteArray kMagic = "Tavrel restore journal";
const QByteArray kEnd = "End";

// A directory handle that closes itself.
struct Folder {
    int fd = -1;
    explicit Folder(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd < 0) {
            const int err = errno;
            throw PlatformError(errnoToNumber(err), path, err);
        }
    }
    ~Folder() { ::close(fd); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    bool isPlainFile(const QString& name) const
    {
        struct stat st {};
        return ::fstatat(fd, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISREG(st.st_mode);
    }
    [[noreturn]] static void fail(const QString& name)
    {
        const int err = errno;
        throw PlatformError(errnoToNumber(err), name, err);
    }
    // A folder whose entries cannot be made durable fails the step; some file
    // systems cannot sync a folder at all, and what they hold is as durable as it gets.
    void sync(const QString& what) const
    {
        if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
            fail(what);
    }
};

QByteArray readJournal(const Folder& dir)
{
    const int fd = ::openat(dir.fd, QFile::encodeName(kRestoreJournalName).constData(),
                            O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        Folder::fail(kRestoreJournalName);
    QByteArray out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            throw PlatformError(errnoToNumber(err), kRestoreJournalName, err);
        }
        if (n == 0 || out.size() > 1024 * 1024)
            break;
        out.append(buf, n);
    }
    ::close(fd);
    return out;
}

} // namespace

QByteArray RestoreJournal::toBytes() const
{
    QByteArray out = kMagic + '\n';
    out += "Copy\t" + QFile::encodeName(copyName) + '\n';
    if (undo)
        out += "Undo\n";
    for (const auto& [from, to] : renames)
        out += "Rename\t" + QFile::encodeName(from) + '\t' + QFile::encodeName(to) + '\n';
    for (const QString& name : removals)
        out += "Remove\t" + QFile::encodeName(name) + '\n';
    return out + kEnd + '\n';
}

std::optional<RestoreJournal> RestoreJournal::fromBytes(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    // Complete: the first line, the last line and the newline after it.
    if (lines.size() < 3 || lines.first() != kMagic || lines.last() != QByteArray() ||
        lines[lines.size() - 2] != kEnd)
        return std::nullopt;
    RestoreJournal j;
    for (qsizetype i = 1; i < lines.size() - 2; ++i) {
        const QList<QByteArray> f = lines[i].split('\t');
        auto name = [&](int k) { return QFile::decodeName(f[k]); };
        if (f.size() == 1 && f[0] == "Undo")
            j.undo = true;
        else if (f.size() == 2 && f[0] == "Copy")
            j.copyName = name(1);
        else if (f.size() == 3 && f[0] == "Rename" && Files::isPlainName(name(1)) &&
                 Files::isPlainName(name(2)))
            j.renames.append({name(1), name(2)});
        else if (f.size() == 2 && f[0] == "Remove" && Files::isPlainName(name(1)))
            j.removals << name(1);
        else
            return std::nullopt;
    }
    return j;
}

QString interruptedRestoreLine(const InterruptedRestore& r)
{
    if (r.undone)
        return QCoreApplication::translate("tavrel::RestoreJournal", "The restore of ") +
               r.copyName +
               QCoreApplication::translate("tavrel::RestoreJournal",
                                           " failed half way; its undo has now been finished: "
                                           "the files are as they were before it.");
    return r.completed
               ? QCoreApplication::translate("tavrel::RestoreJournal", "The restore of ") +
                     r.copyName +
                     QCoreApplication::translate("tavrel::RestoreJournal",
                                                 " was interrupted; it has now been completed.")
               : QCoreApplication::translate("tavrel::RestoreJournal", "The restore of ") +
                     r.copyName +
                     QCoreApplication::translate(
                         "tavrel::RestoreJournal",
                         " was interrupted before it changed anything; the files are "
                         "as they were before it.");
}

std::optional<InterruptedRestore> finishInterruptedRestore(const Files& files)
{
    const Folder dir(files.programDirectory());
    struct stat st {};
    const QByteArray journalName = QFile::encodeName(kRestoreJournalName);
    if (::fstatat(dir.fd, journalName.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    InterruptedRestore result;
    if (S_ISREG(st.st_mode)) {
        if (const std::optional<RestoreJournal> j = RestoreJournal::fromBytes(readJournal(dir))) {
            result.copyName = j->copyName;
            result.completed = !j->undo;
            result.undone = j->undo;
            // Each step is done only while still to do, so finishing twice is
            // the same as finishing once.
            for (const auto& [from, to] : j->renames) {
                if (dir.isPlainFile(from) &&
                    ::renameat(dir.fd, QFile::encodeName(from).constData(), dir.fd,
                               QFile::encodeName(to).constData()) != 0)
                    Folder::fail(to);
            }
            for (const QString& name : j->removals) {
                if (dir.isPlainFile(name) &&
                    ::unlinkat(dir.fd, QFile::encodeName(name).constData(), 0) != 0 &&
                    errno != ENOENT)
                    Folder::fail(name);
            }
            dir.sync(files.programDirectory());
        }
    }
    // A journal cut short was written before any rename: dropping it is the
    // whole undo, and the start-up sweep removes the temporary files.
    if (::unlinkat(dir.fd, journalName.constData(), S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0) != 0 &&
        errno != ENOENT)
        Folder::fail(kRestoreJournalName);
    dir.sync(files.programDirectory());
    return result;
}

} // namespace tavrel
