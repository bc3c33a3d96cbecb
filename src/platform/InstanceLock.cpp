#include "platform/InstanceLock.h"

#include <QLockFile>

namespace tavrel {

InstanceLock::InstanceLock(const QString& programDirectory)
    : lock_(std::make_unique<QLockFile>(programDirectory + QStringLiteral("/tavrel.lock")))
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

void InstanceLock::release()
{
    lock_->unlock();
}

} // namespace tavrel
