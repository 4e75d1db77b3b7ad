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

    RecordSet records;

private:
    QTemporaryDir m_dir;
};
