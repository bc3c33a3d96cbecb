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

    // False when another copy already holds the lock, or when the lock file
    // cannot be made at all (see heldByAnother).
    bool acquire();
    // After a failed acquire: true when another running copy holds the lock,
    // false when the directory would not take the lock file.
    bool heldByAnother() const;
    // Gives the lock up (the destructor does the same).
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tavrel
