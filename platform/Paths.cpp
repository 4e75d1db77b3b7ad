#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Paths::Paths(QString dataHome, QString programFolder, QString tempFolder)
    : m_dataHome(std::move(dataHome)), m_programFolder(std::move(programFolder)),
      m_tempFolder(std::move(tempFolder)) {
    if (!m_tempFolder.endsWith('/')) m_tempFolder += '/';
}

Paths Paths::fromEnvironment() {
    return Paths(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 QCoreApplication::applicationDirPath(), QDir::tempPath() + "/");
}

Paths Paths::withWritableProgramFolder() const {
    if (QFileInfo(m_programFolder).isWritable()) return *this;
    return Paths(m_dataHome, dataFolder(), m_tempFolder);
}

QString Paths::dataFolder() const {
    return join(m_dataHome, "Lumenfold");
}

QString Paths::systemFolder() const {
    return join(dataFolder(), "system");
}

QString Paths::join(const QString &folder, const QString &name) {
    return folder + "/" + name;
}

void Paths::createFolders() const {
    QDir().mkpath(dataFolder());
    QDir().mkpath(systemFolder());
}
