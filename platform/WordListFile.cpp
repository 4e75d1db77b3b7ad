#include "platform/WordListFile.h"

#include <QFile>

namespace WordListFile {

bool writeHeaderByte(const QString &path, char byte) {
    QFile file(path);
    if (!file.exists() || file.size() < 2 || !file.open(QIODevice::ReadWrite)) return false;
    return file.seek(1) && file.write(&byte, 1) == 1;
}

int readHeaderByte(const QString &path) {
    QFile file(path);
    char byte = 0;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(1) || file.read(&byte, 1) != 1) return -1;
    return static_cast<unsigned char>(byte);
}

} // namespace WordListFile
