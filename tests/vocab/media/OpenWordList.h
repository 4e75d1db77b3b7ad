#pragma once

#include "platform/ConnectionString.h"
#include "platform/RecordSet.h"
#include "platform/WordListFile.h"
#include "vocab/library/WordListSession.h"

#include <QTemporaryDir>
#include <vector>

// A word list of the given rows in a temporary folder, open as WordRecords are: every word in
// number order, on the first.
class OpenWordList {
public:
    explicit OpenWordList(const std::vector<WordListFile::WordRow> &rows) {
        const QString path = m_dir.filePath("list.wrd");
        WordListFile::create(path, rows);
        WordListFile::writeHeaderByte(path, WordListFile::OpenByte);
        records.setLockType(RecordSet::LockType::Optimistic);
        records.open(WordListSession::WholeListSql, ConnectionString::make(path),
                     RecordSet::CursorType::Keyset);
    }

    // Words numbered from first on: "word<n>", transcription "5stQdi", meaning "释义<n>".
    static std::vector<WordListFile::WordRow> numbered(int first, int count) {
        std::vector<WordListFile::WordRow> rows;
        for (int n = first; n < first + count; ++n)
            rows.push_back({n, QStringLiteral("word%1").arg(n), QStringLiteral("5stQdi"),
                            QStringLiteral("释义%1").arg(n)});
        return rows;
    }

    RecordSet records;

private:
    QTemporaryDir m_dir;
};
