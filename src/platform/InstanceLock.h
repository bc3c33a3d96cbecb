#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tavrel {

// What the single-copy check found.
struct InstanceCheck {
    // Another running copy holds the lock.
    bool anotherCopy = false;
    // Not empty when the lock file could not be made at all: the system's reason.
    QString lockProblem;
};

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
    // Takes the lock when it can; otherwise says whether another copy holds
    // it or why the lock file could not be made.
    InstanceCheck check();
    // Gives the lock up (the destructor does the same).
    void release();

private:
    QString directory_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tavrel
