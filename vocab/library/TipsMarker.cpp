#include "vocab/library/TipsMarker.h"

#include "platform/Paths.h"
#include "platform/Resources.h"

#include <QDateTime>
#include <QFile>

namespace TipsMarker {

QString path(const QString &systemFolder) {
    return Paths::join(systemFolder, QStringLiteral("vocamark.dll"));
}

bool exists(const QString &systemFolder) {
    return Resources::fileExists(path(systemFolder));
}

void write(const QString &systemFolder) {
    QFile marker(path(systemFolder));
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + "\r\n");
}

void remove(const QString &systemFolder) {
    Resources::deleteFile(path(systemFolder));
}

} // namespace TipsMarker
