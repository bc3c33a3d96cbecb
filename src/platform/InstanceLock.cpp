#include "platform/InstanceLock.h"

#include <QLockFile>

namespace tavrel {

InstanceLock::InstanceLock(const QString& programDirectory)
    : lock_(std::make_unique<QLockFile>(programDirectory + QStringLiteral("/tavrel.lock")))
{
    lock_->setStaleLockTime(0); // a lock whose owner died is taken over at once
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::acquire()
{
    return lock_->isLocked() || lock_->tryLock(0);
}

} // namespace tavrel
