#pragma once

#include <QString>

// An advisory write lock on a file of the user's runtime folder, held until the
// process ends. The kernel drops it when the process dies, even by kill -9.
class SingleInstanceLock
{
public:
    SingleInstanceLock() = default;
    ~SingleInstanceLock();

    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum Result {
        Locked,        // this process holds the lock (now or from before)
        HeldElsewhere, // another process holds it
        Unavailable    // no private place for it, or its file cannot be opened
    };
    // Takes the lock named `name` in the user's runtime folder without waiting.
    Result tryLock(const QString& name);
    bool isLocked() const { return fd >= 0; }
    QString path() const { return lockPath; }

private:
    int fd = -1;
    QString lockPath;
};
