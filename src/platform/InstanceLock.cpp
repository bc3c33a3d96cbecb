#include "platform/InstanceLock.h"

#include <QFile>
#include <QLockFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

InstanceLock::InstanceLock(const QString& programDirectory)
    : directory_(programDirectory),
      lock_(std::make_unique<QLockFile>(programDirectory + QStringLiteral("/tavrel.lock")))
{
    // Never stale by age: a copy may run for days. A lock whose owner died is
    // still taken over at once, because QLockFile checks the owner's process.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::acquire()
{
    return lock_->isLocked() || lock_->tryLock(0);
}

bool InstanceLock::heldByAnother() const
{
    return lock_->error() == QLockFile::LockFailedError;
}

InstanceCheck InstanceLock::check()
{
    InstanceCheck c;
    if (acquire())
        return c;
    if (heldByAnother()) {
        c.anotherCopy = true;
        return c;
    }
    // The lock file does not say why it could not be made; the directory does.
    const QByteArray dir = QFile::encodeName(directory_);
    struct stat st {};
    int err = EACCES;
    if (::stat(dir.constData(), &st) != 0)
        err = errno;
    else if (!S_ISDIR(st.st_mode))
        err = ENOTDIR;
    else if (::access(dir.constData(), W_OK | X_OK) != 0)
        err = errno;
    c.lockProblem = QString::fromLocal8Bit(std::strerror(err));
    return c;
}

void InstanceLock::release()
{
    lock_->unlock();
}

} // namespace tavrel
