#include "platform/FileLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(QString path, Kind kind)
    : m_path(std::move(path)),
      m_openFlags(O_RDONLY | O_CLOEXEC | (kind == Kind::Folder ? O_DIRECTORY : O_CREAT)) {}

FileLock::~FileLock() {
    unlock();
}

bool FileLock::apply(int operation) {
    if (m_descriptor < 0)
        m_descriptor = ::open(QFile::encodeName(m_path).constData(), m_openFlags, 0644);
    if (m_descriptor < 0) return false;
    int result;
    do // a signal may cut a wait short
        result = ::flock(m_descriptor, operation);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

bool FileLock::lock(Mode mode) {
    return apply(mode == Mode::Shared ? LOCK_SH : LOCK_EX);
}

bool FileLock::tryLock(Mode mode) {
    return apply((mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB);
}

void FileLock::unlock() {
    if (m_descriptor >= 0) ::close(m_descriptor);
    m_descriptor = -1;
}
