#pragma once

#include <QString>

// The lock file in the folder of the data files. Whoever works on the
// configuration of a folder (the desktop program, zolvoctl serve) holds an
// exclusive flock on it, so no two programs change one folder's files at
// once. The kernel drops the lock when its holder ends, even by a crash.
inline constexpr const char* folderLockFileName = ".zolvo.lock";

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False, with the reason, when another program holds the lock or the
    // lock file cannot be made.
    bool acquire(const QString& dir, QString& problem);
    // Lets go of the lock before the object ends (a restart hands it on).
    void release();
    bool held() const { return _fd >= 0; }

private:
    int _fd = -1;
};
