#include "platform/Errors.h"

#include <QCoreApplication>

#include <cerrno>

namespace tavrel {

PlatformError::PlatformError(int number, const QString& what, int systemError)
    : std::runtime_error(QStringLiteral("error %1 %2").arg(number).arg(what).toStdString()),
      number_(number), systemError_(systemError)
{
}

int errnoToNumber(int err)
{
    switch (err) {
    case ENOENT:
        return ErrNo::FileNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrNo::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return ErrNo::BadFileName;
    case EACCES:
    case EPERM:
    case EROFS:
    case EAGAIN:
        return ErrNo::PermissionDenied;
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
        return ErrNo::DiskNotReady;
    case ENOTDIR:
    case ELOOP:
        return ErrNo::PathNotFound;
    case EEXIST:
    case ENOTEMPTY:
        return ErrNo::FileAlreadyExists;
    case EISDIR:
    case EBUSY:
    case ETXTBSY:
    case EXDEV:
        return ErrNo::PathFileAccess;
    default:
        return ErrNo::DeviceIo;
    }
}

QString errorInWords(int number)
{
    switch (number) {
    case ErrNo::FileNotFound:
        return QCoreApplication::translate("tavrel::Errors", "A File Was Not Found.");
    case ErrNo::DeviceIo:
        return QCoreApplication::translate("tavrel::Errors",
                                           "The Disk Reported A Read Or Write Error.");
    case ErrNo::FileAlreadyExists:
        return QCoreApplication::translate("tavrel::Errors",
                                           "A File Or Folder Of That Name Is In The Way.");
    case ErrNo::DiskFull:
        return QCoreApplication::translate("tavrel::Errors", "The Disk Is Full.");
    case ErrNo::BadFileName:
        return QCoreApplication::translate("tavrel::Errors", "A File Name Was Refused.");
    case ErrNo::PermissionDenied:
        return QCoreApplication::translate(
            "tavrel::Errors", "Writing Was Refused: The Folder Or File Is Read-Only Or Belongs "
                              "To Another User.");
    case ErrNo::DiskNotReady:
        return QCoreApplication::translate("tavrel::Errors", "The Disk Is Not Ready.");
    case ErrNo::PathFileAccess:
        return QCoreApplication::translate("tavrel::Errors",
                                           "A File Or Folder Could Not Be Reached.");
    case ErrNo::PathNotFound:
        return QCoreApplication::translate("tavrel::Errors", "A Folder Was Not Found.");
    default:
        return QCoreApplication::translate("tavrel::Errors", "The System Reported Error ") +
               QString::number(number) + QStringLiteral(".");
    }
}

} // namespace tavrel
