#pragma once

#include "platform/Paths.h"
#include "platform/WordLibrary.h"
#include "platform/WordListFile.h"
#include "vocab/library/WordRecord.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <vector>

// Rows numbered from first on: "word<n>", transcription "5stQdi", meaning "释义<n>", unmarked.
inline std::vector<WordListFile::WordRow> numberedRows(int count, int first = 1) {
    std::vector<WordListFile::WordRow> rows;
    for (int n = first; n < first + count; ++n)
        rows.push_back({n, QStringLiteral("word%1").arg(n), QStringLiteral("5stQdi"),
                        QStringLiteral("释义%1").arg(n)});
    return rows;
}

// The same words as the window holds them.
inline std::vector<WordRecord> numberedWords(int count, int first = 1) {
    std::vector<WordRecord> words;
    for (const WordListFile::WordRow &row : numberedRows(count, first))
        words.push_back(
            {QString::number(row.number), row.word, row.phonetic, row.meaning, row.mark});
    return words;
}

// A program folder, data home and temp folder inside one temporary folder.
class VocabFolders {
public:
    VocabFolders()
        : paths(m_root.filePath("home"), m_root.filePath("program"), m_root.filePath("temp")) {
        QDir().mkpath(paths.programFolder());
        paths.createFolders();
    }

    QString programFolder() const { return paths.programFolder(); }
    QString systemFolder() const { return paths.systemFolder(); }

    // Writes <program>/word/<collection>/<list>.wrd with words numbered 1 to count: "word<n>",
    // phonetic "5stQdi" (none for the numbers in withoutPhonetic), meaning "释义<n>", marked
    // for the numbers in marked.
    QString makeList(const QString &collection, const QString &list, int count,
                     const std::set<int> &marked = {}, const std::set<int> &withoutPhonetic = {}) {
        QDir().mkpath(Paths::join(WordLibrary::wordFolder(programFolder()), collection));
        std::vector<WordListFile::WordRow> rows = numberedRows(count);
        for (WordListFile::WordRow &row : rows) {
            if (withoutPhonetic.count(row.number)) row.phonetic.clear();
            if (marked.count(row.number)) row.mark = QStringLiteral("1");
        }
        const QString path = WordLibrary::listPath(programFolder(), collection, list);
        WordListFile::create(path, rows);
        return path;
    }

private:
    QTemporaryDir m_root;

public:
    const Paths paths;
};
