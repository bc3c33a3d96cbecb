#include "upkeep/BackupFs.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace tavrel {

using namespace backupfs;

// --- judging a copy ---

namespace {

// What is wrong with an N&A file of `size` bytes whose first bytes are `head`
// (its header record, where the file holds one).
QString naFileDamage(const QByteArray& head, qint64 size)
{
    if (size < kRecordSize)
        return QCoreApplication::translate("tavrel::Backups",
                                           "Its N&A File Holds No Header Record.");
    if (size % kRecordSize != 0)
        return QCoreApplication::translate("tavrel::Backups", "Its N&A File's Length, ") +
               numberText(size) +
               QCoreApplication::translate("tavrel::Backups",
                                           " Bytes, Is Not A Whole Number Of 574-Byte Records.");
    if (!head.startsWith("CRVN"))
        return QCoreApplication::translate("tavrel::Backups",
                                           "Its N&A File's First Record Is Not A Header Record.");
    const int last = qFromLittleEndian<qint16>(head.constData() + 4);
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

} // namespace

QString naFileDamage(const QByteArray& bytes)
{
    return naFileDamage(bytes, bytes.size());
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
    c.when = copyTimeFromName(name).value_or(QDateTime());
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
    // The header and the file's full length, judged as restore judges the whole file.
    c.damage = naFileDamage(*head, head->size() < kRecordSize ? head->size() : sizes.first());
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
    for (int seq = *sequence;; ++seq) {
        const QString name = copyFolderName(when, trigger, seq);
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

QByteArray manifestOf(const QDateTime& when, BackupTrigger trigger, const Snapshot& s)
{
    QByteArray m = kManifestMagic.toUtf8() + '\n';
    m += "Date " + headerDate(when).toUtf8() + '\n';
    m += "Time " + headerTime(when).toUtf8() + '\n';
    m += "Active " + QByteArray::number(countActiveRecords(s.data.first())) + '\n';
    m += "Trigger " + triggerTag(trigger).toUtf8() + '\n';
    for (int i = 0; i < s.names.size(); ++i)
        m += manifestLine(s.names[i], s.data[i]);
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

// Copies that were rotated out or removed half way, and copies whose writing
// stopped half way. A copy being written right now by another run holds the
// folder's lock shared; while one does, the half-written ones all stay.
QStringList Backups::tidy()
{
    QStringList leftAlone;
    const FolderLock lock(folder_, true);
    QStringList patterns{kGonePrefix + QStringLiteral("tvl-*")};
    if (lock.held())
        patterns << kPartPrefix + QStringLiteral("tvl-*");
    const QStringList names =
        QDir(folder_).entryList(patterns, QDir::AllEntries | QDir::System | QDir::Hidden);
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

// Makes the folder a new copy is written in. Another run may have taken the
// name between the look and the making: the next sequence number is tried.
QString Backups::makePartFolder(const QDateTime& when, BackupCopy& c)
{
    c.sequence = 0;
    for (int attempt = 0;; ++attempt) {
        c.name = newName(when, c.trigger, &c.sequence);
        const QString part = folder_ + QLatin1Char('/') + kPartPrefix + c.name;
        try {
            io_.makeFolder(part);
            return part;
        } catch (const PlatformError& e) {
            if (e.systemError() != EEXIST || attempt == 100)
                throw;
            ++c.sequence;
        }
    }
}

// Writes the files and the manifest, each made durable, and reads each back:
// only a copy whose every byte is there goes on to be published.
void Backups::writeCopy(const QString& part, const BackupCopy& c, const Snapshot& s)
{
    for (int i = 0; i < s.names.size(); ++i)
        io_.writeFile(part + QLatin1Char('/') + s.names[i], s.data[i], s.modes[i]);
    io_.writeFile(part + QLatin1Char('/') + kManifestName, manifestOf(c.when, c.trigger, s), 0600);
    for (int i = 0; i < s.names.size(); ++i) {
        const QString path = part + QLatin1Char('/') + s.names[i];
        if (io_.readFile(path) != s.data[i])
            throw PlatformError(ErrNo::DeviceIo, path, EIO);
    }
    io_.syncFolder(part);
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
    // Held until the copy is in place, so no clean-up takes it half-written.
    const FolderLock lock(folder_, false);
    BackupCopy c;
    c.when = QDateTime(when.date(),
                       QTime(when.time().hour(), when.time().minute(), when.time().second()));
    c.trigger = trigger;
    c.active = countActiveRecords(s.data.first());
    c.files = s.names;
    const QString part = makePartFolder(when, c);
    const QString final = folder_ + QLatin1Char('/') + c.name;
    bool placed = false;
    try {
        writeCopy(part, c, s);
        io_.renameNew(part, final);
        placed = true;
        io_.syncFolder(folder_);
    } catch (const PlatformError&) {
        try {
            // A write that failed half way leaves its file too: everything
            // this copy wrote goes, and nothing else.
            if (placed)
                removeCopy(c.name, ownFilesIn(final));
            else if (const QFileInfo info(part); info.isDir() && !info.isSymLink())
                removeCopy(kPartPrefix + c.name, ownFilesIn(part));
        } catch (const PlatformError&) {
            // Left for a later clean-up; it is never listed as a copy.
        }
        throw;
    }
    return c;
}

void Backups::rotate()
{
    for (const QString& name : copiesToRotateOut(list())) {
        try {
            io_.renameNew(folder_ + QLatin1Char('/') + name,
                          folder_ + QLatin1Char('/') + kGonePrefix + name);
        } catch (const PlatformError&) {
            // Tried again after the next copy.
        }
    }
}

QString Backups::verify(const QString& name) const
{
    const std::optional<BackupCopy> copy = readCopy(name);
    if (!copy)
        return QCoreApplication::translate("tavrel::Backups", "There Is No Backup Copy Named ") +
               name + QStringLiteral(".");
    if (copy->damaged())
        return copy->damage;
    try {
        readWhole(*copy);
    } catch (const BackupRefused& e) {
        return e.reason();
    } catch (const PlatformError& e) {
        return errorInWords(e.number());
    }
    return QString();
}

qint64 backupCopySize(const Files& files)
{
    qint64 need = kSlack;
    QStringList names{kNAName};
    names << files.list(QStringLiteral("tvlmail.*"));
    if (files.exists(kSyncStateName))
        names << kSyncStateName << syncCardFiles(files);
    if (files.exists(kOriginalSpellingsName))
        names << kOriginalSpellingsName;
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
