#include "platform/Errors.h"

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

} // namespace tavrel
