#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

Paths::Paths(QString dataHome, QString programFolder, QString tempFolder)
    : m_dataHome(std::move(dataHome)), m_programFolder(std::move(programFolder)),
      m_tempFolder(std::move(tempFolder)) {
    if (!m_tempFolder.endsWith('/')) m_tempFolder += '/';
}

Paths Paths::fromEnvironment() {
    return Paths(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 QCoreApplication::applicationDirPath(), userTempFolder());
}

QString Paths::userTempFolder() {
    return QDir::tempPath() + "/lumenfold-" + QString::number(::getuid()) + "/";
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
    createTempFolder();
}

// Only a private folder of this user's own is used: one made here, or found already so.
bool Paths::createTempFolder() const {
    const QByteArray folder = QFile::encodeName(m_tempFolder.chopped(1));
    ::mkdir(folder.constData(), S_IRWXU); // fails harmlessly when the folder exists
    struct stat info {};
    return ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & ACCESSPERMS) == S_IRWXU;
}
