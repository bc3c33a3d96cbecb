#include "upkeep/DiskSpace.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "store/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <limits>
#include <sys/stat.h>

namespace tavrel {

namespace {

// a × b × c, held at the largest 64-bit value rather than wrapping round.
qint64 product(qint64 a, qint64 b, qint64 c)
{
    if (a <= 0 || b <= 0 || c <= 0)
        return 0;
    qint64 ab = 0;
    qint64 abc = 0;
    if (__builtin_mul_overflow(a, b, &ab) || __builtin_mul_overflow(ab, c, &abc))
        return std::numeric_limits<qint64>::max();
    return abc;
}

} // namespace

std::optional<qint64> freeDiskBytes(Services& services)
{
    // The file system is found from the directory itself; a relative path
    // would say more about the working directory than about the data.
    if (!QDir::isAbsolutePath(services.files.programDirectory()))
        return std::nullopt;
    DiskFigures f;
    try {
        f = services.files.diskFigures();
    } catch (const PlatformError& e) {
        const int code = e.systemError() ? e.systemError() : e.number();
        services.ui.messageBox(
            QCoreApplication::translate("tavrel::DiskSpace",
                                        "GetDiskFreeSpace Function Failed. Last Error = ") +
                numText(code),
            kDefaultTitle, Ui::Buttons::Ok);
        return 0;
    }
    return product(f.freeClusters, f.sectorsPerCluster, f.bytesPerSector);
}

bool onProgramDisk(const Services& services, const QString& folder)
{
    QString at = folder;
    while (!QFileInfo(at).isDir()) {
        const QString up = QFileInfo(at).path();
        if (up == at)
            return true;
        at = up;
    }
    struct stat here {};
    struct stat there {};
    if (::stat(QFile::encodeName(services.files.programDirectory()).constData(), &here) != 0 ||
        ::stat(QFile::encodeName(at).constData(), &there) != 0)
        return true;
    return here.st_dev == there.st_dev;
}

bool fitsIn32Bits(qint64 bytes)
{
    return bytes <= std::numeric_limits<qint32>::max();
}

QString formatGrouped(qint64 n, bool zeroShown)
{
    if (n == 0)
        return zeroShown ? QStringLiteral("0") : QString();
    const QString separator = QLocale().groupSeparator();
    QString digits = QString::number(n < 0 ? -(n + 1) + 1ULL : quint64(n));
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace tavrel
