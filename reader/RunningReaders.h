#pragma once

#include "platform/FileLock.h"

// Tells whether other readers share the data folder. Every running reader holds a shared lock
// on the folder; a reader that can take the lock alone is the only one running. The lock goes
// with its process, so a reader that crashed does not count.
class RunningReaders {
public:
    explicit RunningReaders(const QString &folder);

    // Counts this reader as running; waits while a reader that runs alone is setting up or
    // removing the shared files.
    void join();
    // True when no other reader runs, or when the folder cannot be locked at all. This reader
    // then holds the folder alone until join() or leave().
    bool runsAlone();
    void leave();

private:
    FileLock m_lock;
};
