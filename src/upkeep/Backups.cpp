#include "upkeep/Backups.h"

#include "platform/Errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

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
const QString kRestorePrefix = QStringLiteral(".tvlrestore.");

const char* const kTags[] = {"daily", "compact", "dups", "import", "manual", "restore"};

const QRegularExpression& namePattern()
{
    static const QRegularExpression re(QStringLiteral(
        "^tvl-(\\d{8})-(\\d{6})(?:-(\\d+))?-(daily|compact|dups|import|manual|restore)$"));
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
    return name == kNAName || name == kManifestName ||
           (name.startsWith(QLatin1String("tvlmail."), Qt::CaseInsensitive) &&
            Files::isPlainName(name));
}

// The files in a copy's folder that the program writes there.
QStringList ownFilesIn(const QString& dir)
{
    QStringList own;
    const QStringList inside = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& f : inside) {
        if (ownFileName(f) && f != kManifestName)
            own << f;
    }
    return own;
}

// The N&A file and the mailing lists as they are now, N&A file first.
struct Snapshot {
    QStringList names;
    QList<QByteArray> data;
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
        return QStringLiteral("First Start Of The Day");
    case BackupTrigger::Compaction:
        return QStringLiteral("Before Compaction");
    case BackupTrigger::DupSearch:
        return QStringLiteral("Before Duplicate Deletion");
    case BackupTrigger::Import:
        return QStringLiteral("Before Import");
    case BackupTrigger::Manual:
        return QStringLiteral("On Request");
    case BackupTrigger::Restore:
        return QStringLiteral("Before Restore");
    }
    return QString();
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
    const QString text = QStringLiteral("# Tavrel settings\nBackupFolder=") + s.folder +
                         QStringLiteral("\nAutomaticBackups=") +
                         (s.automatic ? QStringLiteral("1") : QStringLiteral("0")) +
                         QStringLiteral("\n");
    files.replaceFile(kBackupSettingsName, text.toUtf8());
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
    if (QFileInfo(path).isDir())
        return;
    errno = 0;
    if (!QDir().mkpath(path))
        throw PlatformError(errno ? errnoToNumber(errno) : ErrNo::PathNotFound, path, errno);
}

QByteArray BackupIo::readFile(const QString& path)
{
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(f.exists() ? errnoToNumber(errno) : ErrNo::FileNotFound, path, errno);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw PlatformError(ErrNo::DeviceIo, path);
    return data;
}

void BackupIo::writeFile(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throwErrno(path);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n == 0 ? ENOSPC : errno;
            ::close(fd);
            throw PlatformError(errnoToNumber(err), path, err);
        }
        done += n;
    }
    if (::close(fd) != 0 && errno != EINTR)
        throwErrno(path);
}

void BackupIo::flushDisk(const QString& folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throwErrno(folder);
    const int rc = ::syncfs(fd);
    const int err = errno;
    ::close(fd);
    if (rc != 0)
        throw PlatformError(errnoToNumber(err), folder, err);
}

void BackupIo::syncFolder(const QString& path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throwErrno(path);
    const int rc = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    // Some file systems cannot sync a folder; what they hold is as durable as it gets.
    if (rc != 0 && err != EINVAL && err != EROFS)
        throw PlatformError(errnoToNumber(err), path, err);
}

void BackupIo::renameNew(const QString& from, const QString& to)
{
    if (::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        throwErrno(from);
    if (QFileInfo::exists(to))
        throw PlatformError(ErrNo::FileAlreadyExists, to, EEXIST);
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        throwErrno(from);
}

void BackupIo::renameOver(const QString& from, const QString& to)
{
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        throwErrno(to);
}

void BackupIo::removeFile(const QString& path)
{
    if (::unlink(native(path).constData()) != 0 && errno != ENOENT)
        throwErrno(path);
}

void BackupIo::removeFolder(const QString& path)
{
    if (::rmdir(native(path).constData()) != 0)
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
        return QStringLiteral("Its N&A File Holds No Header Record.");
    if (size % kRecordSize != 0)
        return QStringLiteral("Its N&A File's Length, ") + numberText(size) +
               QStringLiteral(" Bytes, Is Not A Whole Number Of 574-Byte Records.");
    if (!bytes.startsWith("CRVN"))
        return QStringLiteral("Its N&A File's First Record Is Not A Header Record.");
    const int last = qFromLittleEndian<qint16>(bytes.constData() + 4);
    if (last < 1 || last > kMaxRecords)
        return QStringLiteral("Its N&A File's Header Gives ") + numberText(last) +
               QStringLiteral(" As The Last Record In Use, Outside 1 To 1701.");
    if (last > size / kRecordSize)
        return QStringLiteral("Its N&A File's Header Gives ") + numberText(last) +
               QStringLiteral(" As The Last Record In Use, But The File Holds ") +
               numberText(size / kRecordSize) + QStringLiteral(" Records.");
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
    const QString dir = folder_ + QLatin1Char('/') + name;
    QFile manifest(dir + QLatin1Char('/') + kManifestName);
    if (!manifest.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(manifest.read(64 * 1024)).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first() != kManifestMagic)
        return std::nullopt;

    BackupCopy c;
    c.name = name;
    c.when = QDateTime(QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd")),
                       QTime::fromString(m.captured(2), QStringLiteral("HHmmss")));
    c.sequence = m.captured(3).toInt();
    c.trigger = *triggerFromTag(m.captured(4));
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
        c.damage = QStringLiteral("Its Name Gives No Valid Date And Time.");
        return c;
    }
    if (c.files.isEmpty() || c.files.first() != kNAName) {
        c.damage = QStringLiteral("It Holds No N&A File.");
        return c;
    }
    for (int i = 0; i < c.files.size(); ++i) {
        const QFileInfo info(dir + QLatin1Char('/') + c.files[i]);
        if (!info.isFile() || info.size() != sizes[i]) {
            c.damage = QStringLiteral("Its File ") + c.files[i] +
                       (info.isFile() ? QStringLiteral(" Has Changed Length.")
                                      : QStringLiteral(" Is Missing."));
            return c;
        }
    }
    QFile na(dir + QLatin1Char('/') + kNAName);
    if (!na.open(QIODevice::ReadOnly)) {
        c.damage = QStringLiteral("Its N&A File Cannot Be Read.");
        return c;
    }
    // The header and the length say whether the file can be what it claims.
    QByteArray head = na.read(kRecordSize);
    if (head.size() == kRecordSize && na.size() % kRecordSize == 0)
        head.resize(qsizetype(na.size()), '\0');
    else
        head.resize(qsizetype(qMin<qint64>(na.size(), kRecordSize)));
    c.damage = naFileDamage(head);
    return c;
}

QList<BackupCopy> Backups::list() const
{
    QList<BackupCopy> out;
    const QStringList names = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
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
                       [today](const BackupCopy& c) { return c.when.date() == today; });
}

QString Backups::newName(const QDateTime& when, BackupTrigger trigger, int* sequence) const
{
    const QString stamp = QStringLiteral("tvl-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int seq = 0;; ++seq) {
        const QString name = stamp + (seq ? QStringLiteral("-%1").arg(seq) : QString()) +
                             QLatin1Char('-') + triggerTag(trigger);
        bool taken = QFileInfo::exists(folder_ + QLatin1Char('/') + name) ||
                     QFileInfo::exists(folder_ + QLatin1Char('/') + kPartPrefix + name);
        // Two copies in one second keep their order by the sequence number,
        // whatever their triggers.
        if (!taken) {
            const QStringList same = QDir(folder_).entryList(
                {stamp + (seq ? QStringLiteral("-%1-*").arg(seq) : QStringLiteral("-*"))},
                QDir::Dirs);
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
    s.names << files.list(QStringLiteral("tvlmail.*"));
    for (const QString& n : std::as_const(s.names))
        s.data << io.readFile(files.path(n));
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
void Backups::tidy()
{
    const QStringList names = QDir(folder_).entryList(
        {kPartPrefix + QStringLiteral("tvl-*"), kGonePrefix + QStringLiteral("tvl-*")},
        QDir::Dirs | QDir::Hidden);
    for (const QString& n : names) {
        const QString inner =
            n.mid(n.startsWith(kPartPrefix) ? kPartPrefix.size() : kGonePrefix.size());
        if (!namePattern().match(inner).hasMatch())
            continue;
        try {
            removeCopy(n, ownFilesIn(folder_ + QLatin1Char('/') + n));
        } catch (const PlatformError&) {
            // Tried again with the next copy.
        }
    }
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
            io_.writeFile(part + QLatin1Char('/') + s.names[i], s.data[i]);
        io_.writeFile(part + QLatin1Char('/') + kManifestName, manifestOf(c.when, trigger, s));
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
            else if (QFileInfo(part).isDir())
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
    const QList<BackupCopy> copies = list(); // newest first
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
// ones, then renames each into place (mailing lists first, the N&A file
// last), then removes the lists `target` does not hold.
void applySnapshot(const Files& files, BackupIo& io, const Snapshot& target)
{
    QStringList temps;
    auto removeTemps = [&] {
        for (const QString& t : std::as_const(temps)) {
            try {
                io.removeFile(t);
            } catch (const PlatformError&) {
            }
        }
    };
    try {
        for (int i = 0; i < target.names.size(); ++i) {
            const QString temp = files.path(kRestorePrefix + target.names[i]);
            io.removeFile(temp);
            temps << temp;
            io.writeFile(temp, target.data[i]);
        }
        io.flushDisk(files.programDirectory());
    } catch (const PlatformError&) {
        removeTemps();
        throw;
    }
    try {
        for (int i = target.names.size() - 1; i >= 0; --i) {
            io.renameOver(temps[i], files.path(target.names[i]));
            temps.removeAt(i);
        }
        const QStringList now = files.list(QStringLiteral("tvlmail.*"));
        for (const QString& n : now) {
            if (!target.names.contains(n))
                io.removeFile(files.path(n));
        }
        io.syncFolder(files.programDirectory());
    } catch (const PlatformError&) {
        removeTemps();
        throw;
    }
}

} // namespace

BackupCopy Backups::restore(const QString& name)
{
    const std::optional<BackupCopy> copy = readCopy(name);
    if (!copy)
        throw BackupRefused(QStringLiteral("There Is No Backup Copy Named ") + name +
                            QStringLiteral("."));
    if (copy->damaged())
        throw BackupRefused(copy->damage);

    // Every byte is checked against the manifest before anything changes.
    const QString dir = folder_ + QLatin1Char('/') + name;
    QFile manifest(dir + QLatin1Char('/') + kManifestName);
    QByteArray manifestText;
    if (manifest.open(QIODevice::ReadOnly))
        manifestText = manifest.readAll();
    Snapshot wanted;
    for (const QString& f : copy->files) {
        const QByteArray bytes = io_.readFile(dir + QLatin1Char('/') + f);
        const QByteArray line = "File " + sha1(bytes) + ' ' + QByteArray::number(bytes.size()) +
                                ' ' + f.toUtf8() + '\n';
        if (!manifestText.contains(line))
            throw BackupRefused(QStringLiteral("Its File ") + f +
                                QStringLiteral(" Has Changed Since The Copy Was Taken."));
        wanted.names << f;
        wanted.data << bytes;
    }
    const QString damage = naFileDamage(wanted.data.first());
    if (!damage.isEmpty())
        throw BackupRefused(damage);

    const Snapshot current = snapshotOf(files_, io_);
    const BackupCopy safety = take(BackupTrigger::Restore);
    try {
        applySnapshot(files_, io_, wanted);
    } catch (const PlatformError&) {
        try {
            applySnapshot(files_, io_, current);
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
