#include "reader/RunningReaders.h"

RunningReaders::RunningReaders(const QString &folder) : m_lock(folder, FileLock::Kind::Folder) {}

void RunningReaders::join() {
    m_lock.lock(FileLock::Mode::Shared);
}

bool RunningReaders::runsAlone() {
    return m_lock.tryLock(FileLock::Mode::Exclusive) || !m_lock.isOpen();
}

void RunningReaders::leave() {
    m_lock.unlock();
}
