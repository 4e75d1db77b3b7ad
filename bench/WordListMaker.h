#pragma once

#include "platform/WordListFile.h"

#include <QTemporaryDir>
#include <functional>
#include <vector>

// Writes a word list of count words, row n (from 1) made by row, into dir, with the header
// byte of an open list so a record set can read it; returns its path.
inline QString makeWordList(const QTemporaryDir &dir, int count,
                            const std::function<WordListFile::WordRow(int n)> &row) {
    std::vector<WordListFile::WordRow> rows;
    rows.reserve(size_t(count));
    for (int n = 1; n <= count; ++n)
        rows.push_back(row(n));
    const QString path = dir.filePath("list.wrd");
    WordListFile::create(path, rows);
    WordListFile::writeHeaderByte(path, WordListFile::OpenByte);
    return path;
}
