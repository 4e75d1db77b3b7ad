#include "reader/ReaderFiles.h"

#include "platform/Resources.h"
#include "reader/NotesStore.h"
#include "reader/PaperStores.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

ReaderFiles::Installation ReaderFiles::install() const {
    m_paths.createFolders();
    if (m_runningReaders.runsAlone()) removeStaleTemporaryFiles();
    m_runningReaders.join();
    m_writeResource(DictionaryResource, dictionaryPath());
    m_writeResource(ExamStoreResource, examStorePath());
    const auto writeNotesStore = [this](const QString &path) {
        return m_writeResource(NotesStoreResource, path);
    };
    return {
        NotesStore(notesStoreConnection()).setUp(writeNotesStore, QDateTime::currentDateTime())};
}

// A file is written beside its final name as "<name>.XXXXXX" and then renamed over it; a
// reader killed in between leaves that file behind. With no other reader running, none of
// them is being written.
void ReaderFiles::removeStaleTemporaryFiles() const {
    QStringList names;
    for (const QString &path :
         {dictionaryPath(), examStorePath(), notesStorePath(), vocadrillPath()})
        names << QRegularExpression::escape(QFileInfo(path).fileName());
    const QRegularExpression temporary(
        QRegularExpression::anchoredPattern("(" + names.join('|') + ")\\.[A-Za-z0-9]{6}"));
    QDir folder(dataFolder());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
        if (temporary.match(name).hasMatch()) folder.remove(name);
}

void ReaderFiles::removeSessionFiles() const {
    if (m_runningReaders.runsAlone()) {
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
    if (!m_paths.createTempFolder()) return {};
    const QString path = m_paths.tempFolder() + fileName;
    return Resources::copyResource(resourcePath, path) ? path : QString();
}
