#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tavrel {

// One running copy per program directory. The lock is released when the
// object goes away, or by the system when the process dies.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programDirectory);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another copy already holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tavrel
