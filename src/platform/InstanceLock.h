#pragma once

#include <QString>

namespace tavrel {

// What the single-copy check found.
struct InstanceCheck {
    // Another running copy holds the lock.
    bool anotherCopy = false;
    // ...and it is a backup copy being made (a shared holder), which did not
    // end within the wait.
    bool backupRunning = false;
    // Not empty when the lock file could not be made at all: the system's reason.
    QString lockProblem;
    // The system's error code behind lockProblem (errno), or 0.
    int systemError = 0;
};

// What a command line run says when the lock file cannot be made: the cause
// in plain words where it is one a user can act on.
QString lockRefusalText(const InstanceCheck& c);

// One running copy per program directory: a lock taken on the file
// tavrel.lock there. Whatever changes the files (the program's windows, a
// command line import, a restore) holds it alone; runs that only read them
// (a backup copy being made) hold it shared, beside each other but never
// beside one that changes them. The lock is released when the object goes away, or by
// the system when the process dies, so a lock file left by a crash never
// stops the next start. Whatever else lies under the name (a link, a folder,
// a file the program cannot open) is replaced, not trusted.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programDirectory);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The lock alone, without waiting. False when another copy already holds
    // the lock, or when the lock file cannot be made at all (see heldByAnother).
    bool acquire();
    // The lock shared with other readers, waiting up to `waitMs` while a run
    // that changes the files holds it.
    bool acquireShared(int waitMs);
    // Turns the lock held alone into a shared one; false (and no lock) when
    // a run that changes the files got in between and held on for `waitMs`.
    bool share(int waitMs);
    // After a failed acquire: the lock is held shared only, by readers.
    bool heldByReaders() const { return heldByReaders_; }
    // After a failed acquire: true when another running copy holds the lock,
    // false when the directory would not take the lock file.
    bool heldByAnother() const;
    // After a failed acquire that was not another copy: the system's error code.
    int systemError() const { return error_; }
    // Takes the lock alone when it can, waiting up to `waitForReadersMs`
    // while backup copies are being made; otherwise says whether another copy
    // holds it or why the lock file could not be made.
    InstanceCheck check(int waitForReadersMs = kReaderWaitMs);
    // How long a start waits for a backup copy being made.
    static constexpr int kReaderWaitMs = 10000;
    // Gives the lock up (the destructor does the same).
    void release();

private:
    bool tryOnce(bool shared);
    bool acquireAs(bool shared);

    QString directory_;
    int fd_ = -1;
    bool heldByAnother_ = false;
    bool heldByReaders_ = false;
    int error_ = 0;
};

} // namespace tavrel
