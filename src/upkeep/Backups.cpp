#include "upkeep/Backups.h"

#include "platform/SettingsFile.h"

#include "platform/Errors.h"
#include "platform/RestoreJournal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace tavrel {

namespace {

constexpr int kRecordSize = 574;
constexpr int kMaxRecords = 1701;
constexpr int kKeepNewest = 10;
constexpr int kKeepDays = 14;
constexpr int kKeepMonths = 12;
// Room asked beyond the copy's own bytes: the manifest and the folder entries.
constexpr qint64 kSlack = 64 * 1024;

const QString kNAName = QStringLiteral("n&a.mrk");
const QString kManifestName = QStringLiteral("manifest.txt");
const QString kManifestMagic = QStringLiteral("Tavrel Backup");
const QString kPartPrefix = QStringLiteral(".tvl-part-");
const QString kGonePrefix = QStringLiteral(".tvl-gone-");
const QString& kRestorePrefix = kRestoreTempPrefix;

// The sync state travels with the N&A file it describes; the journal of a
// sync in progress belongs to the files as they were and goes on a restore.
const QString kSyncStateName = QStringLiteral("tvlsync.dat");
const QString kSyncJournalName = QStringLiteral("tvlsync.jnl");
// Each card the sync state names lies in a file of its own, named by its SHA-256.
const QString kSyncCardPattern = QStringLiteral("tvlcard.*");

bool isSyncCardName(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^tvlcard\\.[0-9a-f]{64}$"));
    return re.match(name).hasMatch();
}

// The card files beside the N&A file; links under such names are none of ours.
QStringList syncCardFiles(const Files& files)
{
    QStringList out;
    for (const QString& n : files.list(kSyncCardPattern))
        if (isSyncCardName(n) && !QFileInfo(files.path(n)).isSymLink())
            out << n;
    return out;
}

const char* const kTags[] = {"daily", "compact", "dups", "import", "manual", "restore", "sync"};

const QRegularExpression& namePattern()
{
    static const QRegularExpression re(QStringLiteral(
        "^tvl-(\\d{8})-(\\d{6})(?:-(\\d+))?-(daily|compact|dups|import|manual|restore|sync)$"));
    return re;
}

[[noreturn]] void throwErrno(const QString& what)
{
    const int err = errno;
    throw PlatformError(errnoToNumber(err), what, err);
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// A name the program gives a copy's folder, whole, being written or thrown out.
bool isCopyFolderName(const QString& name)
{
    QString inner = name;
    if (inner.startsWith(kPartPrefix))
        inner = inner.mid(kPartPrefix.size());
    else if (inner.startsWith(kGonePrefix))
        inner = inner.mid(kGonePrefix.size());
    return namePattern().match(inner).hasMatch();
}

// A folder handle that closes itself.
class Handle {
public:
    explicit Handle(int fd = -1) : fd_(fd) {}
    ~Handle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Handle(Handle&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    int fd() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Hands the descriptor over, to be closed by the caller.
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opens folder `name` inside the open folder `at`. A folder named like a copy
// is never entered through a link; other folders (the backup folder and the
// program directory, which the user chose) may be reached through one.
int openFolderAt(int at, const QString& name)
{
    const int flags =
        O_RDONLY | O_DIRECTORY | O_CLOEXEC | (isCopyFolderName(name) ? O_NOFOLLOW : 0);
    return ::openat(at, native(name).constData(), flags);
}

// The folder that holds the last name of `path`, opened so that no copy's
// folder on the way is reached through a link, and that last name.
struct Parent {
    Handle folder;
    QByteArray leaf;
};

Parent parentOf(const QString& path)
{
    const QFileInfo info(path);
    const QString parent = info.path();
    const QFileInfo parentInfo(parent);
    Handle up(::open(native(parentInfo.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!up.valid())
        throwErrno(parent);
    Handle folder(openFolderAt(up.fd(), parentInfo.fileName()));
    if (!folder.valid())
        throwErrno(parent);
    return Parent{std::move(folder), native(info.fileName())};
}

// The type and permissions of the entry itself, links not followed; 0 when there is none.
mode_t entryMode(int at, const QByteArray& leaf)
{
    struct stat st {};
    return ::fstatat(at, leaf.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? st.st_mode : 0;
}

// Reads at most `limit` bytes of the plain file `leaf` in `at`; nullopt for a
// link, a folder or a failure.
std::optional<QByteArray> readPlain(int at, const QByteArray& leaf, qint64 limit,
                                    int* error = nullptr, mode_t* mode = nullptr)
{
    Handle fd(::openat(at, leaf.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error)
            *error = fd.valid() ? EISDIR : errno;
        return std::nullopt;
    }
    if (mode)
        *mode = st.st_mode & 07777;
    QByteArray out;
    char buf[65536];
    while (out.size() < limit) {
        const ssize_t n =
            ::read(fd.fd(), buf, size_t(qMin<qint64>(sizeof buf, limit - out.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (error)
                *error = errno;
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buf, n);
    }
    return out;
}

// The permissions of a plain file in the program directory, for the copy of it.
mode_t liveMode(const Files& files, const QString& name)
{
    struct stat st {};
    if (::lstat(native(files.path(name)).constData(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    return 0600;
}

QByteArray sha1(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QString numberText(qint64 n)
{
    return QString::number(n);
}

// A file name the program itself writes into a copy.
bool ownFileName(const QString& name)
{
    return name == kNAName || name == kManifestName || name == kSyncStateName ||
           isSyncCardName(name) ||
           (name.startsWith(QLatin1String("tvlmail."), Qt::CaseInsensitive) &&
            Files::isPlainName(name));
}

// The files in a copy's folder that the program writes there, read through
// a handle on the folder itself, never through a link.
QStringList ownFilesIn(const QString& dir)
{
    QStringList own;
    Handle up(
        ::open(native(QFileInfo(dir).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!up.valid())
        return own;
    const int fd = openFolderAt(up.fd(), QFileInfo(dir).fileName());
    if (fd < 0)
        return own;
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return own;
    }
    while (const dirent* e = ::readdir(d)) {
        const QString f = QFile::decodeName(e->d_name);
        if (ownFileName(f) && f != kManifestName && S_ISREG(entryMode(fd, e->d_name)))
            own << f;
    }
    ::closedir(d);
    own.sort();
    return own;
}

// The N&A file and the mailing lists as they are now, N&A file first.
struct Snapshot {
    QStringList names;
    QList<QByteArray> data;
    QList<unsigned> modes;
};

} // namespace

QString triggerTag(BackupTrigger t)
{
    return QLatin1String(kTags[int(t)]);
}

std::optional<BackupTrigger> triggerFromTag(const QString& tag)
{
    for (int i = 0; i < int(std::size(kTags)); ++i) {
        if (tag == QLatin1String(kTags[i]))
            return BackupTrigger(i);
    }
    return std::nullopt;
}

QString triggerText(BackupTrigger t)
{
    switch (t) {
    case BackupTrigger::Daily:
        return QCoreApplication::translate("tavrel::Backups", "First Start Of The Day");
    case BackupTrigger::Compaction:
        return QCoreApplication::translate("tavrel::Backups", "Before Compaction");
    case BackupTrigger::DupSearch:
        return QCoreApplication::translate("tavrel::Backups", "Before Duplicate Deletion");
    case BackupTrigger::Import:
        return QCoreApplication::translate("tavrel::Backups", "Before Import");
    case BackupTrigger::Manual:
        return QCoreApplication::translate("tavrel::Backups", "On Request");
    case BackupTrigger::Restore:
        return QCoreApplication::translate("tavrel::Backups", "Before Restore");
    case BackupTrigger::Sync:
        return QCoreApplication::translate("tavrel::Backups", "Before Sync");
    }
    return QString();
}

std::optional<QDateTime> copyTimeFromName(const QString& name)
{
    const QRegularExpressionMatch m = namePattern().match(name);
    if (!m.hasMatch())
        return std::nullopt;
    const QDateTime when(QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd")),
                         QTime::fromString(m.captured(2), QStringLiteral("HHmmss")));
    return when.isValid() ? std::optional<QDateTime>(when) : std::nullopt;
}

// --- settings ---

BackupSettings loadBackupSettings(const Files& files)
{
    BackupSettings s;
    QByteArray text;
    try {
        if (!files.exists(kBackupSettingsName))
            return s;
        text = files.readAll(kBackupSettingsName);
    } catch (const PlatformError&) {
        return s;
    }
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("BackupFolder"))
            s.folder = value;
        else if (key == QLatin1String("AutomaticBackups"))
            s.automatic = value != QLatin1String("0");
    }
    return s;
}

void saveBackupSettings(const Files& files, const BackupSettings& s)
{
    // The file holds other settings too; they are kept.
    QByteArray text = readSettings(files);
    if (text.isEmpty())
        text = "# Tavrel settings\n";
    text = withSetting(text, QStringLiteral("BackupFolder"), s.folder);
    text = withSetting(text, QStringLiteral("AutomaticBackups"),
                       s.automatic ? QStringLiteral("1") : QStringLiteral("0"));
    files.replaceFile(kBackupSettingsName, text);
}

QString backupFolderOf(const Files& files, const BackupSettings& s)
{
    const QString base = files.programDirectory();
    if (s.folder.isEmpty())
        return QDir::cleanPath(base + QLatin1Char('/') + kBackupFolderName);
    return QDir::cleanPath(QDir(base).absoluteFilePath(s.folder));
}

// --- the file system steps ---

void BackupIo::makeFolder(const QString& path)
{
    // A copy's folder is always new; the backup folder itself may be there already.
    if (!isCopyFolderName(QFileInfo(path).fileName())) {
        if (!makePrivateFolders(path))
            throwErrno(path);
        return;
    }
    const Parent at = parentOf(path);
    if (::mkdirat(at.folder.fd(), at.leaf.constData(), 0700) != 0)
        throwErrno(path);
}

QByteArray BackupIo::readFile(const QString& path)
{
    const Parent at = parentOf(path);
    int err = 0;
    std::optional<QByteArray> data =
        readPlain(at.folder.fd(), at.leaf, std::numeric_limits<qint64>::max(), &err);
    if (!data)
        throw PlatformError(errnoToNumber(err), path, err);
    return *data;
}

void BackupIo::writeFile(const QString& path, const QByteArray& bytes, unsigned mode)
{
    const Parent at = parentOf(path);
    Handle fd(::openat(at.folder.fd(), at.leaf.constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid())
        throwErrno(path);
    if (::fchmod(fd.fd(), mode_t(mode & 07777)) != 0)
        throwErrno(path);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.fd(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n == 0 ? ENOSPC : errno;
            throw PlatformError(errnoToNumber(err), path, err);
        }
        done += n;
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd.release()) != 0 && errno != EINTR)
        throwErrno(path);
}

namespace {

Handle openFolder(const QString& path)
{
    const Parent at = parentOf(path);
    Handle fd(openFolderAt(at.folder.fd(), QFile::decodeName(at.leaf)));
    if (!fd.valid())
        throwErrno(path);
    return fd;
}

} // namespace

void BackupIo::flushDisk(const QString& folder)
{
    const Handle fd = openFolder(folder);
    if (::syncfs(fd.fd()) != 0)
        throwErrno(folder);
}

void BackupIo::syncFolder(const QString& path)
{
    const Handle fd = openFolder(path);
    // Some file systems cannot sync a folder; what they hold is as durable as it gets.
    if (::fsync(fd.fd()) != 0 && errno != EINVAL && errno != EROFS)
        throwErrno(path);
}

void BackupIo::renameNew(const QString& from, const QString& to)
{
    const Parent a = parentOf(from);
    const Parent b = parentOf(to);
    if (::renameat2(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData(),
                    RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        throwErrno(from);
    if (entryMode(b.folder.fd(), b.leaf) != 0)
        throw PlatformError(ErrNo::FileAlreadyExists, to, EEXIST);
    if (::renameat(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData()) != 0)
        throwErrno(from);
}

void BackupIo::renameOver(const QString& from, const QString& to)
{
    const Parent a = parentOf(from);
    const Parent b = parentOf(to);
    if (::renameat(a.folder.fd(), a.leaf.constData(), b.folder.fd(), b.leaf.constData()) != 0)
        throwErrno(to);
}

void BackupIo::removeFile(const QString& path)
{
    const Parent at = parentOf(path);
    if (S_ISDIR(entryMode(at.folder.fd(), at.leaf)))
        throw PlatformError(ErrNo::PathFileAccess, path, EISDIR);
    if (::unlinkat(at.folder.fd(), at.leaf.constData(), 0) != 0 && errno != ENOENT)
        throwErrno(path);
}

void BackupIo::removeFolder(const QString& path)
{
    const Parent at = parentOf(path);
    if (::unlinkat(at.folder.fd(), at.leaf.constData(), AT_REMOVEDIR) != 0)
        throwErrno(path);
}

std::optional<qint64> BackupIo::freeBytes(const QString& path)
{
    // The folder may not exist yet: ask about the nearest one that does.
    QString at = path;
    while (!QFileInfo(at).isDir()) {
        const QString up = QFileInfo(at).path();
        if (up == at)
            return std::nullopt;
        at = up;
    }
    struct statvfs s {};
    if (::statvfs(native(at).constData(), &s) != 0)
        return std::nullopt;
    return qint64(s.f_bavail) * qint64(s.f_frsize ? s.f_frsize : s.f_bsize);
}

// --- judging a copy ---

QString naFileDamage(const QByteArray& bytes)
{
    const qint64 size = bytes.size();
    if (size < kRecordSize)
        return QCoreApplication::translate("tavrel::Backups",
                                           "Its N&A File Holds No Header Record.");
    if (size % kRecordSize != 0)
        return QCoreApplication::translate("tavrel::Backups", "Its N&A File's Length, ") +
               numberText(size) +
               QCoreApplication::translate("tavrel::Backups",
                                           " Bytes, Is Not A Whole Number Of 574-Byte Records.");
    if (!bytes.startsWith("CRVN"))
        return QCoreApplication::translate("tavrel::Backups",
                                           "Its N&A File's First Record Is Not A Header Record.");
    const int last = qFromLittleEndian<qint16>(bytes.constData() + 4);
    if (last < 1 || last > kMaxRecords)
        return QCoreApplication::translate("tavrel::Backups", "Its N&A File's Header Gives ") +
               numberText(last) +
               QCoreApplication::translate("tavrel::Backups",
                                           " As The Last Record In Use, Outside 1 To 1701.");
    if (last > size / kRecordSize)
        return QCoreApplication::translate("tavrel::Backups", "Its N&A File's Header Gives ") +
               numberText(last) +
               QCoreApplication::translate("tavrel::Backups",
                                           " As The Last Record In Use, But The File Holds ") +
               numberText(size / kRecordSize) +
               QCoreApplication::translate("tavrel::Backups", " Records.");
    return QString();
}

int countActiveRecords(const QByteArray& bytes)
{
    if (bytes.size() < kRecordSize)
        return 0;
    const int last = qMin<qint64>(qFromLittleEndian<qint16>(bytes.constData() + 4),
                                  qMin<qint64>(bytes.size() / kRecordSize, kMaxRecords));
    int n = 0;
    for (int recNo = 2; recNo <= last; ++recNo) {
        const char* r = bytes.constData() + qint64(recNo - 1) * kRecordSize;
        if (std::equal(r, r + 4, "CRVN") && qFromLittleEndian<qint16>(r + 4) == recNo - 1)
            ++n;
    }
    return n;
}

// --- the copies ---

Backups::Backups(const Files& files, const Clock& clock, BackupIo& io, QString folder)
    : files_(files), clock_(clock), io_(io), folder_(std::move(folder))
{
}

QString Backups::programPath(const QString& name) const
{
    return files_.path(name);
}

// A folder counts as a copy only when its name has the program's pattern and
// it holds the program's manifest. The copy is judged by the sizes the
// manifest gives and by the N&A file's header; restore checks every byte.
std::optional<BackupCopy> Backups::readCopy(const QString& name) const
{
    const QRegularExpressionMatch m = namePattern().match(name);
    if (!m.hasMatch())
        return std::nullopt;
    const Handle top(::open(native(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!top.valid())
        return std::nullopt;
    BackupCopy c;
    c.name = name;
    c.when = QDateTime(QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd")),
                       QTime::fromString(m.captured(2), QStringLiteral("HHmmss")));
    c.sequence = m.captured(3).toInt();
    c.trigger = *triggerFromTag(m.captured(4));
    const mode_t type = entryMode(top.fd(), native(name));
    if (S_ISLNK(type)) {
        // Someone put a link where a copy would be: shown, so it can be found,
        // but never followed, restored, rotated or removed.
        c.link = true;
        c.damage = QCoreApplication::translate("tavrel::Backups",
                                               "It Is A Link To Another Place, Not A Copy.");
        return c;
    }
    if (!S_ISDIR(type))
        return std::nullopt;
    const Handle dir(openFolderAt(top.fd(), name));
    if (!dir.valid())
        return std::nullopt;
    const std::optional<QByteArray> manifest =
        readPlain(dir.fd(), native(kManifestName), 64 * 1024);
    if (!manifest)
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(*manifest).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first() != kManifestMagic)
        return std::nullopt;

    QList<qint64> sizes;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Active ")))
            c.active = line.mid(7).toInt();
        if (!line.startsWith(QLatin1String("File ")))
            continue;
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() != 4 || !ownFileName(parts[3]))
            continue;
        sizes << parts[2].toLongLong();
        c.files << parts[3];
    }
    if (!c.when.isValid()) {
        c.damage = QCoreApplication::translate("tavrel::Backups",
                                               "Its Name Gives No Valid Date And Time.");
        return c;
    }
    if (c.files.isEmpty() || c.files.first() != kNAName) {
        c.damage = QCoreApplication::translate("tavrel::Backups", "It Holds No N&A File.");
        return c;
    }
    for (int i = 0; i < c.files.size(); ++i) {
        struct stat st {};
        const bool isFile =
            ::fstatat(dir.fd(), native(c.files[i]).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode);
        if (!isFile || st.st_size != sizes[i]) {
            c.damage =
                QCoreApplication::translate("tavrel::Backups", "Its File ") + c.files[i] +
                (isFile ? QCoreApplication::translate("tavrel::Backups", " Has Changed Length.")
                        : QCoreApplication::translate("tavrel::Backups", " Is Missing."));
            return c;
        }
    }
    // The header and the length say whether the file can be what it claims.
    const std::optional<QByteArray> head = readPlain(dir.fd(), native(kNAName), kRecordSize);
    if (!head) {
        c.damage = QCoreApplication::translate("tavrel::Backups", "Its N&A File Cannot Be Read.");
        return c;
    }
    QByteArray judged = *head;
    if (judged.size() == kRecordSize && sizes.first() % kRecordSize == 0)
        judged.resize(qsizetype(sizes.first()), '\0');
    c.damage = naFileDamage(judged);
    return c;
}

QList<BackupCopy> Backups::list() const
{
    QList<BackupCopy> out;
    // Links are listed too (QDir::System keeps those that lead nowhere), so
    // one planted under a copy's name is shown for what it is.
    const QStringList names =
        QDir(folder_).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& n : names) {
        if (std::optional<BackupCopy> c = readCopy(n))
            out << *c;
    }
    std::sort(out.begin(), out.end(), [](const BackupCopy& a, const BackupCopy& b) {
        return a.when != b.when ? a.when > b.when : a.sequence > b.sequence;
    });
    return out;
}

std::optional<BackupCopy> Backups::find(const QString& name) const
{
    return readCopy(name);
}

bool Backups::hasCopyOfToday() const
{
    const QDate today = clock_.now().date();
    const QList<BackupCopy> copies = list();
    return std::any_of(copies.begin(), copies.end(),
                       [today](const BackupCopy& c) { return !c.link && c.when.date() == today; });
}

QString Backups::newName(const QDateTime& when, BackupTrigger trigger, int* sequence) const
{
    const QString stamp = QStringLiteral("tvl-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int seq = 0;; ++seq) {
        const QString name = stamp + (seq ? QStringLiteral("-%1").arg(seq) : QString()) +
                             QLatin1Char('-') + triggerTag(trigger);
        // Whatever lies under the name, a link that leads nowhere included.
        bool taken = QFileInfo(folder_ + QLatin1Char('/') + name).isSymLink() ||
                     QFileInfo::exists(folder_ + QLatin1Char('/') + name) ||
                     QFileInfo(folder_ + QLatin1Char('/') + kPartPrefix + name).isSymLink() ||
                     QFileInfo::exists(folder_ + QLatin1Char('/') + kPartPrefix + name);
        // Two copies in one second keep their order by the sequence number,
        // whatever their triggers.
        if (!taken) {
            const QStringList same = QDir(folder_).entryList(
                {stamp + (seq ? QStringLiteral("-%1-*").arg(seq) : QStringLiteral("-*"))},
                QDir::AllEntries | QDir::System);
            for (const QString& n : same) {
                const QRegularExpressionMatch m = namePattern().match(n);
                if (m.hasMatch() && m.captured(3).toInt() == seq)
                    taken = true;
            }
        }
        if (!taken) {
            *sequence = seq;
            return name;
        }
    }
}

namespace {

Snapshot snapshotOf(const Files& files, BackupIo& io)
{
    Snapshot s;
    s.names << kNAName;
    // A list is a plain file; a link under a list's name is no list of ours.
    for (const QString& n : files.list(QStringLiteral("tvlmail.*"))) {
        if (!QFileInfo(files.path(n)).isSymLink())
            s.names << n;
    }
    if (const QFileInfo state(files.path(kSyncStateName)); state.isFile() && !state.isSymLink())
        s.names << kSyncStateName << syncCardFiles(files);
    for (const QString& n : std::as_const(s.names)) {
        s.data << io.readFile(files.path(n));
        s.modes << liveMode(files, n);
    }
    return s;
}

QByteArray manifestOf(const QDateTime& when, BackupTrigger trigger, const Snapshot& s)
{
    QByteArray m = kManifestMagic.toUtf8() + '\n';
    m += "Date " + headerDate(when).toUtf8() + '\n';
    m += "Time " + headerTime(when).toUtf8() + '\n';
    m += "Active " + QByteArray::number(countActiveRecords(s.data.first())) + '\n';
    m += "Trigger " + triggerTag(trigger).toUtf8() + '\n';
    for (int i = 0; i < s.names.size(); ++i)
        m += "File " + sha1(s.data[i]) + ' ' + QByteArray::number(s.data[i].size()) + ' ' +
             s.names[i].toUtf8() + '\n';
    return m;
}

} // namespace

// Removes what the program wrote into a copy's folder, and the folder when
// nothing else is in it. Renamed first, so a copy half removed is never listed.
void Backups::removeCopy(const QString& folderName, const QStringList& files)
{
    QString dir = folder_ + QLatin1Char('/') + folderName;
    if (!folderName.startsWith(kGonePrefix) && !folderName.startsWith(kPartPrefix)) {
        const QString gone = folder_ + QLatin1Char('/') + kGonePrefix + folderName;
        io_.renameNew(dir, gone);
        dir = gone;
    }
    for (const QString& f : files)
        io_.removeFile(dir + QLatin1Char('/') + f);
    io_.removeFile(dir + QLatin1Char('/') + kManifestName);
    try {
        io_.removeFolder(dir);
    } catch (const PlatformError&) {
        // Something the program did not put there stays, and so does its folder.
    }
}

// Copies that were being written or removed when the program stopped.
QStringList Backups::tidy()
{
    QStringList leftAlone;
    const QStringList names = QDir(folder_).entryList(
        {kPartPrefix + QStringLiteral("tvl-*"), kGonePrefix + QStringLiteral("tvl-*")},
        QDir::AllEntries | QDir::System | QDir::Hidden);
    for (const QString& n : names) {
        if (!isCopyFolderName(n))
            continue;
        const QFileInfo info(folder_ + QLatin1Char('/') + n);
        if (info.isSymLink()) {
            leftAlone << n;
            continue;
        }
        if (!info.isDir())
            continue;
        try {
            removeCopy(n, ownFilesIn(info.filePath()));
        } catch (const PlatformError&) {
            // Tried again with the next copy.
        }
    }
    return leftAlone;
}

BackupCopy Backups::take(BackupTrigger trigger)
{
    const QDateTime when = clock_.now();
    const Snapshot s = snapshotOf(files_, io_);
    qint64 need = kSlack;
    for (const QByteArray& d : s.data)
        need += d.size();
    const std::optional<qint64> free = io_.freeBytes(folder_);
    if (free && *free < need)
        throw PlatformError(ErrNo::DiskFull, folder_, ENOSPC);

    io_.makeFolder(folder_);
    BackupCopy c;
    c.name = newName(when, trigger, &c.sequence);
    c.when = QDateTime(when.date(),
                       QTime(when.time().hour(), when.time().minute(), when.time().second()));
    c.trigger = trigger;
    c.active = countActiveRecords(s.data.first());
    c.files = s.names;

    const QString part = folder_ + QLatin1Char('/') + kPartPrefix + c.name;
    const QString final = folder_ + QLatin1Char('/') + c.name;
    bool placed = false;
    try {
        io_.makeFolder(part);
        for (int i = 0; i < s.names.size(); ++i)
            io_.writeFile(part + QLatin1Char('/') + s.names[i], s.data[i], s.modes[i]);
        io_.writeFile(part + QLatin1Char('/') + kManifestName, manifestOf(c.when, trigger, s),
                      0600);
        io_.flushDisk(part);
        io_.renameNew(part, final);
        placed = true;
        io_.syncFolder(folder_);
    } catch (const PlatformError&) {
        try {
            // A write that failed half way leaves its file too: everything the
            // copy wrote goes, and nothing else.
            if (placed)
                removeCopy(c.name, ownFilesIn(final));
            else if (const QFileInfo info(part); info.isDir() && !info.isSymLink())
                removeCopy(kPartPrefix + c.name, ownFilesIn(part));
        } catch (const PlatformError&) {
            // Left for the next copy to clear; it is never listed as a copy.
        }
        throw;
    }
    return c;
}

void Backups::rotate()
{
    QList<BackupCopy> copies = list(); // newest first
    copies.removeIf([](const BackupCopy& c) { return c.link; });
    QSet<QString> keep;
    for (int i = 0; i < copies.size() && i < kKeepNewest; ++i)
        keep.insert(copies[i].name);
    // The newest whole copy of each of the latest days and months that have
    // copies; a damaged copy stands for its day only when it is all there is.
    auto keepPer = [&](auto periodOf, int periods) {
        QList<qint64> seen;
        for (const BackupCopy& c : copies) {
            const qint64 period = periodOf(c.when.date());
            if (seen.contains(period))
                continue;
            if (seen.size() == periods)
                break;
            seen << period;
            const BackupCopy* pick = &c;
            for (const BackupCopy& d : copies) {
                if (periodOf(d.when.date()) == period && !d.damaged()) {
                    pick = &d;
                    break;
                }
            }
            keep.insert(pick->name);
        }
    };
    keepPer([](const QDate& d) { return d.toJulianDay(); }, kKeepDays);
    keepPer([](const QDate& d) { return qint64(d.year()) * 12 + d.month(); }, kKeepMonths);
    for (const BackupCopy& c : copies) {
        if (keep.contains(c.name))
            continue;
        try {
            io_.renameNew(folder_ + QLatin1Char('/') + c.name,
                          folder_ + QLatin1Char('/') + kGonePrefix + c.name);
        } catch (const PlatformError&) {
            // Tried again after the next copy.
        }
    }
}

namespace {

// Writes every file of `target` whole under a temporary name beside the live
// ones, then the journal of the renames (mailing lists first, the N&A file
// last) and of the lists `target` does not hold, which go. Only when all of
// that is on the disk do the renames start, so a crash at any moment leaves
// either no journal and the old files, or a journal the next start finishes.
void applySnapshot(const Files& files, BackupIo& io, const Snapshot& target, const QString& label)
{
    const QString journalPath = files.path(kRestoreJournalName);
    QStringList temps;
    auto removeTemps = [&] {
        for (const QString& t : std::as_const(temps)) {
            try {
                io.removeFile(t);
            } catch (const PlatformError&) {
            }
        }
    };
    RestoreJournal journal;
    journal.copyName = label;
    try {
        io.removeFile(journalPath);
        for (int i = 0; i < target.names.size(); ++i) {
            const QString& name = target.names[i];
            const QString temp = files.path(kRestorePrefix + name);
            io.removeFile(temp);
            temps << temp;
            // A file that replaces another keeps the permissions the user gave it.
            const bool live =
                QFileInfo(files.path(name)).isFile() && !QFileInfo(files.path(name)).isSymLink();
            io.writeFile(temp, target.data[i], live ? liveMode(files, name) : target.modes[i]);
        }
        for (int i = target.names.size() - 1; i >= 0; --i)
            journal.renames.append({kRestorePrefix + target.names[i], target.names[i]});
        for (const QString& n : files.list(QStringLiteral("tvlmail.*"))) {
            if (!target.names.contains(n) && !QFileInfo(files.path(n)).isSymLink())
                journal.removals << n;
        }
        QStringList syncFiles{kSyncStateName, kSyncJournalName};
        syncFiles << syncCardFiles(files);
        for (const QString& n : std::as_const(syncFiles)) {
            const QFileInfo live(files.path(n));
            if (!target.names.contains(n) && live.isFile() && !live.isSymLink())
                journal.removals << n;
        }
        temps << journalPath;
        io.writeFile(journalPath, journal.toBytes(), 0600);
        io.flushDisk(files.programDirectory());
    } catch (const PlatformError&) {
        removeTemps();
        throw;
    }
    try {
        for (const auto& [from, to] : std::as_const(journal.renames)) {
            io.renameOver(files.path(from), files.path(to));
            temps.removeOne(files.path(from));
        }
        for (const QString& n : std::as_const(journal.removals))
            io.removeFile(files.path(n));
        io.syncFolder(files.programDirectory());
        io.removeFile(journalPath);
        temps.clear();
        io.syncFolder(files.programDirectory());
    } catch (const PlatformError&) {
        // The journal goes with the temporary files, so no later start
        // finishes what the caller is about to undo.
        removeTemps();
        throw;
    }
}

} // namespace

BackupCopy Backups::restore(const QString& name)
{
    const std::optional<BackupCopy> copy = readCopy(name);
    if (!copy)
        throw BackupRefused(
            QCoreApplication::translate("tavrel::Backups", "There Is No Backup Copy Named ") +
            name + QStringLiteral("."));
    if (copy->damaged())
        throw BackupRefused(copy->damage);

    // Every byte is checked against the manifest before anything changes.
    const QString dir = folder_ + QLatin1Char('/') + name;
    const Handle top(::open(native(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Handle copyDir(top.valid() ? openFolderAt(top.fd(), name) : -1);
    const QByteArray manifestText =
        copyDir.valid()
            ? readPlain(copyDir.fd(), native(kManifestName), 64 * 1024).value_or(QByteArray())
            : QByteArray();
    Snapshot wanted;
    for (const QString& f : copy->files) {
        const QByteArray bytes = io_.readFile(dir + QLatin1Char('/') + f);
        const mode_t mode = copyDir.valid() ? entryMode(copyDir.fd(), native(f)) & 07777 : 0;
        wanted.modes << (mode ? unsigned(mode) : 0600u);
        const QByteArray line = "File " + sha1(bytes) + ' ' + QByteArray::number(bytes.size()) +
                                ' ' + f.toUtf8() + '\n';
        if (!manifestText.contains(line))
            throw BackupRefused(QCoreApplication::translate("tavrel::Backups", "Its File ") + f +
                                QCoreApplication::translate(
                                    "tavrel::Backups", " Has Changed Since The Copy Was Taken."));
        wanted.names << f;
        wanted.data << bytes;
    }
    const QString damage = naFileDamage(wanted.data.first());
    if (!damage.isEmpty())
        throw BackupRefused(damage);

    const Snapshot current = snapshotOf(files_, io_);
    const BackupCopy safety = take(BackupTrigger::Restore);
    try {
        applySnapshot(files_, io_, wanted, name);
    } catch (const PlatformError&) {
        try {
            applySnapshot(files_, io_, current, safety.name);
        } catch (const PlatformError&) {
            // The copy just taken still holds the state before the restore.
        }
        throw;
    }
    rotate();
    tidy();
    return safety;
}

qint64 backupCopySize(const Files& files)
{
    qint64 need = kSlack;
    QStringList names{kNAName};
    names << files.list(QStringLiteral("tvlmail.*"));
    if (files.exists(kSyncStateName))
        names << kSyncStateName << syncCardFiles(files);
    for (const QString& n : std::as_const(names)) {
        try {
            need += files.length(n);
        } catch (const PlatformError&) {
            // A file that cannot be measured will not be copied either.
        }
    }
    return need;
}

} // namespace tavrel
