#include "reader/ReaderFiles.h"

#include "platform/Resources.h"
#include "reader/PaperStores.h"

#include <QFile>

namespace {
constexpr QFile::Permissions Executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::ExeOther;
} // namespace

ReaderFiles::ReaderFiles(Paths paths, ResourceWriter writeResource)
    : m_paths(std::move(paths)), m_writeResource(std::move(writeResource)),
      m_runningReaders(m_paths.dataFolder()) {}

QString ReaderFiles::inDataFolder(const QString &name) const {
    return Paths::join(m_paths.dataFolder(), name);
}

QString ReaderFiles::dictionaryPath() const {
    return inDataFolder(QStringLiteral("mswrd.wd"));
}

QString ReaderFiles::examStorePath() const {
    return inDataFolder(QStringLiteral("read.dll"));
}

QString ReaderFiles::notesStorePath() const {
    return inDataFolder(QStringLiteral("note.dll"));
}

QString ReaderFiles::vocadrillPath() const {
    return inDataFolder(QStringLiteral("Vocadrill"));
}

QString ReaderFiles::storeConnection(const QString &storePath) {
    return PaperStores::connection(storePath);
}

void ReaderFiles::install() const {
    m_paths.createFolders();
    m_runningReaders.join();
    m_writeResource(DictionaryResource, dictionaryPath());
    m_writeResource(ExamStoreResource, examStorePath());
    if (!Resources::fileExists(notesStorePath()))
        m_writeResource(NotesStoreResource, notesStorePath());
}

void ReaderFiles::removeSessionFiles() const {
    if (m_runningReaders.isLast()) {
        Resources::deleteFile(examStorePath());
        Resources::deleteFile(vocadrillPath());
    }
    m_runningReaders.leave();
}

bool ReaderFiles::writeVocadrill() const {
    return m_writeResource(VocadrillResource, vocadrillPath()) &&
           QFile::setPermissions(vocadrillPath(), Executable);
}

QString ReaderFiles::writePage(const QString &resourcePath, const QString &fileName) const {
    const QString path = m_paths.tempFolder() + fileName;
    return Resources::copyResource(resourcePath, path) ? path : QString();
}
