#include "reader/RunningReaders.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

RunningReaders::RunningReaders(QString folder) : m_folder(std::move(folder)) {}

RunningReaders::~RunningReaders() {
    leave();
}

bool RunningReaders::lock(int operation) {
    // Not inherited by Vocadrill, which would otherwise keep the lock after the reader ends.
    if (m_descriptor < 0)
        m_descriptor =
            ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m_descriptor >= 0 && ::flock(m_descriptor, operation) == 0;
}

void RunningReaders::join() {
    lock(LOCK_SH);
}

bool RunningReaders::isLast() {
    return lock(LOCK_EX | LOCK_NB) || m_descriptor < 0;
}

void RunningReaders::leave() {
    if (m_descriptor >= 0) ::close(m_descriptor);
    m_descriptor = -1;
}
