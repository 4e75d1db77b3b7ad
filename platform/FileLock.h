#pragma once

#include <QString>

// An advisory lock between processes on a file or a folder, held through an open descriptor:
// many holders may share it, or one holds it alone. It goes with its descriptor, so a process
// that ends or crashes releases it. Descriptors are not inherited by started programs.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    // A lock file is created when missing; a folder never is.
    enum class Kind { LockFile, Folder };

    explicit FileLock(QString path, Kind kind = Kind::LockFile);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock in mode, waiting while others hold it against that mode; a lock already
    // held is changed to mode. False when the file cannot be opened.
    bool lock(Mode mode);
    // The same without waiting: false at once when others hold it against that mode.
    bool tryLock(Mode mode);
    // False when the file could not be opened for locking.
    bool isOpen() const { return m_descriptor >= 0; }
    // Releases the lock.
    void unlock();

private:
    bool apply(int operation);

    QString m_path;
    int m_openFlags;
    int m_descriptor = -1;
};
