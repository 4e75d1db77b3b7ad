#include "platform/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Resources {

QString resourcePath(int id) {
    return QStringLiteral(":/custom/%1").arg(id);
}

QByteArray resourceBytes(int id) {
    QFile file(resourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool writeResource(int id, const QString &path) {
    return copyResource(resourcePath(id), path);
}

bool copyResource(const QString &qtResource, const QString &path) {
    QFile resource(qtResource);
    if (!resource.open(QIODevice::ReadOnly)) return false;
    // Written beside the target and renamed over it, so a failed write keeps the old file.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    while (!resource.atEnd()) {
        if (file.write(resource.read(1 << 20)) < 0) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

bool fileExists(const QString &path) {
    return QFileInfo(path).isFile();
}

bool deleteFile(const QString &path) {
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace Resources
