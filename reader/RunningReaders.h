#pragma once

#include <QString>

// Tells the last of the readers that share a data folder from the others. Every running
// reader holds a shared lock on the folder; at its end, a reader that can take the lock alone
// is the only one left. The lock goes with its process, so a reader that crashed does not count.
class RunningReaders {
public:
    explicit RunningReaders(QString folder);
    ~RunningReaders();
    RunningReaders(const RunningReaders &) = delete;
    RunningReaders &operator=(const RunningReaders &) = delete;

    // Counts this reader as running; waits while a last reader is removing the shared files.
    void join();
    // True when no other reader runs, or when the folder cannot be locked at all. This reader
    // then holds the folder alone until leave().
    bool isLast();
    void leave();

private:
    bool lock(int operation);

    QString m_folder;
    int m_descriptor = -1;
};
