#pragma once

#include "platform/WordListFile.h"
#include "reader/dictionary/DictionaryEntry.h"

#include <QString>

// The word list "阅读生词" of the collection "我的生词本" in the word library of the data folder,
// where the reader collects the words the student looks up. Vocadrill started by the reader
// keeps its library in the same folder, so the words can be drilled there. Vocadrill may have
// the list open while a word is added: the add holds the list's lock and leaves the header byte
// as it found it.
class NewWordList {
public:
    static inline const QString CollectionName = QStringLiteral("我的生词本");
    static inline const QString ListName = QStringLiteral("阅读生词");

    explicit NewWordList(const QString &dataFolder);

    QString path() const { return m_path; }

    enum class Outcome { Added, AlreadyListed, NotWritten };
    struct Result {
        Outcome outcome = Outcome::NotWritten;
        QString problem; // why nothing was written, for the status line
    };

    // Adds the entry as the list's last word, marked new, unless a word of the same letters in
    // any case is there already. A missing collection or list is created (the list at rest).
    Result add(const DictionaryEntry &entry) const;

    // The row an entry becomes: its headword and transcription as the dictionary gives them,
    // the first senses of its definition as a word list keeps them, and the new-word mark.
    static WordListFile::WordRow rowFor(const DictionaryEntry &entry, int number);

private:
    Result addToOpenList(const DictionaryEntry &entry) const;

    QString m_collectionFolder;
    QString m_path;
};
