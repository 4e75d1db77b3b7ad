#pragma once

#include "platform/Paths.h"
#include "platform/Resources.h"
#include "reader/PaperStores.h"
#include "reader/RunningReaders.h"

#include <QString>
#include <functional>

// The reader's files in its data folder and the embedded resources they come from: the
// dictionary, the exam store (present only while the reader runs), the notes store (written
// once and kept, replaced only when damaged) and the Vocadrill program.
class ReaderFiles {
public:
    // Writes embedded resource id to a file; false, leaving the file as it was, on failure.
    using ResourceWriter = std::function<bool(int id, const QString &path)>;

    static constexpr int DictionaryResource = 103;
    static constexpr int VocadrillResource = 105;
    static constexpr int ExamStoreResource = 106;
    static constexpr int NotesStoreResource = 107;

    explicit ReaderFiles(Paths paths, ResourceWriter writeResource = Resources::writeResource);

    QString dataFolder() const { return m_paths.dataFolder(); }
    QString dictionaryPath() const;
    QString examStorePath() const;
    QString notesStorePath() const;
    QString vocadrillPath() const;

    // Both stores are opened with the same password.
    QString examStoreConnection() const { return PaperStores::connection(examStorePath()); }
    QString notesStoreConnection() const { return PaperStores::connection(notesStorePath()); }

    // What start-up has to tell the student.
    struct Installation {
        QString damagedNotesStore; // where a notes store that could not be opened was moved
    };

    // The start-up installation, in order: the folders; when no other reader runs, the
    // temporary files that writes cut off left behind are removed; the dictionary and the exam
    // store written afresh; the notes store written when missing, and replaced (the old one
    // moved aside) when it cannot be opened. Each step that fails is skipped. From then on
    // this reader counts as running.
    Installation install() const;

    // Removes the files that exist only while readers run: the exam store and the Vocadrill
    // program (a Vocadrill still running goes on without its file). Readers started from the
    // same data folder share them, so only the last one to end removes them.
    void removeSessionFiles() const;

    // Writes the Vocadrill program and makes it executable; false when it could not be written.
    bool writeVocadrill() const;

    // Copies a page that ships inside the reader to the user's temporary folder (made when
    // missing), for the browser to open; returns its path there, or an empty text when it
    // could not be written.
    QString writePage(const QString &resourcePath, const QString &fileName) const;

private:
    QString inDataFolder(const QString &name) const;
    void removeStaleTemporaryFiles() const;

    Paths m_paths;
    ResourceWriter m_writeResource;
    mutable RunningReaders m_runningReaders; // a lock, not part of what the files are
};
