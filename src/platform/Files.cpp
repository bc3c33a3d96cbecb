#include "platform/Files.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>
#include <cstdio>

namespace tavrel {

namespace {

[[noreturn]] void throwErrno(const QString& what)
{
    throw PlatformError(errnoToNumber(errno), what);
}

int fileErrorNumber(QFileDevice::FileError e)
{
    switch (e) {
    case QFileDevice::OpenError:
        return errno ? errnoToNumber(errno) : ErrNo::PathFileAccess;
    case QFileDevice::ResizeError:
    case QFileDevice::WriteError:
        return errno == ENOSPC ? ErrNo::DiskFull : ErrNo::DeviceIo;
    case QFileDevice::PermissionsError:
        return ErrNo::PermissionDenied;
    default:
        return ErrNo::DeviceIo;
    }
}

} // namespace

Files::Files(QString programDirectory) : dir_(std::move(programDirectory)) {}

bool Files::isPlainName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32 || c.unicode() == 127)
            return false;
    }
    return name.size() <= 255;
}

QString Files::path(const QString& name) const
{
    if (!isPlainName(name))
        throw PlatformError(ErrNo::BadFileName, name);
    return dir_ + QLatin1Char('/') + name;
}

QStringList Files::list(const QString& pattern) const
{
    const QRegularExpression re(
        QRegularExpression::wildcardToRegularExpression(pattern,
                                                        QRegularExpression::UnanchoredWildcardConversion),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression anchored(QRegularExpression::anchoredPattern(re.pattern()),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    const QStringList names = QDir(dir_).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& n : names) {
        if (anchored.match(n).hasMatch())
            out << n;
    }
    return out;
}

bool Files::exists(const QString& name) const
{
    return isPlainName(name) && QFileInfo(path(name)).isFile();
}

void Files::remove(const QString& name) const
{
    const QByteArray p = QFile::encodeName(path(name));
    if (::unlink(p.constData()) != 0)
        throwErrno(name);
}

void Files::rename(const QString& from, const QString& to) const
{
    const QByteArray a = QFile::encodeName(path(from));
    const QByteArray b = QFile::encodeName(path(to));
    if (::rename(a.constData(), b.constData()) != 0)
        throwErrno(from);
}

qint64 Files::length(const QString& name) const
{
    QFileInfo info(path(name));
    if (!info.exists())
        throw PlatformError(ErrNo::FileNotFound, name);
    return info.size();
}

std::optional<QDateTime> Files::lastModified(const QString& absolutePath) const
{
    QFileInfo info(absolutePath);
    if (!info.exists())
        return std::nullopt;
    return info.lastModified();
}

DiskFigures Files::diskFigures() const
{
    struct statvfs s {};
    if (::statvfs(QFile::encodeName(dir_).constData(), &s) != 0)
        throwErrno(dir_);
    // Report 512-byte sectors, eight to a cluster where the block size allows.
    DiskFigures f;
    const qint64 block = static_cast<qint64>(s.f_frsize ? s.f_frsize : s.f_bsize);
    f.bytesPerSector = 512;
    f.sectorsPerCluster = block >= 512 ? block / 512 : 1;
    f.freeClusters = static_cast<qint64>(s.f_bavail);
    f.totalClusters = static_cast<qint64>(s.f_blocks);
    return f;
}

QByteArray Files::readAll(const QString& name) const
{
    QFile f(path(name));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(f.exists() ? fileErrorNumber(f.error()) : ErrNo::FileNotFound, name);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw PlatformError(fileErrorNumber(f.error()), name);
    return data;
}

void Files::replaceFile(const QString& name, const QByteArray& contents,
                        const QString& tempName) const
{
    const QString target = path(name);
    if (tempName.isEmpty()) {
        QSaveFile f(target);
        errno = 0;
        if (!f.open(QIODevice::WriteOnly))
            throw PlatformError(fileErrorNumber(f.error()), name);
        if (f.write(contents) != contents.size() || !f.commit())
            throw PlatformError(fileErrorNumber(f.error()), name);
        return;
    }
    const QString temp = path(tempName);
    {
        QFile f(temp);
        errno = 0;
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw PlatformError(fileErrorNumber(f.error()), tempName);
        if (f.write(contents) != contents.size() || !f.flush() || ::fsync(f.handle()) != 0) {
            const int number = errno == ENOSPC ? ErrNo::DiskFull : ErrNo::DeviceIo;
            f.close();
            QFile::remove(temp);
            throw PlatformError(number, tempName);
        }
    }
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        const int number = errnoToNumber(errno);
        QFile::remove(temp);
        throw PlatformError(number, name);
    }
}

QString resolveProgramDirectory(const QString& executableDirectory)
{
    const QString home = qEnvironmentVariable("TAVREL_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QDir(home).absolutePath();
    }
    if (!executableDirectory.isEmpty() && QFileInfo(executableDirectory + QStringLiteral("/n&a.mrk")).isFile())
        return QDir(executableDirectory).absolutePath();
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dir = base + QStringLiteral("/tavrel");
    QDir().mkpath(dir);
    return dir;
}

} // namespace tavrel
