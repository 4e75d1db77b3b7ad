#pragma once

#include <QString>
#include <vector>

// A word list is a SQLite file whose second byte is disguised while the list is at rest.
// Opening restores the byte SQLite expects; closing writes the rest byte back.
namespace WordListFile {

constexpr char RestByte = 0x00;
constexpr char OpenByte = 0x51; // 'Q' of "SQLite format 3"

// Writes one byte at offset 1 of an existing word list; false when the file is missing,
// read-only or does not start with a word list's header, which is then left as it was.
bool writeHeaderByte(const QString &path, char byte);
// The byte at offset 1, or -1 when the file is missing or shorter.
int readHeaderByte(const QString &path);

// One row of a word list: "序号", "单词", "音标", "释义", "过滤".
struct WordRow {
    int number = 0;
    QString word;
    QString phonetic;
    QString meaning;
    QString mark = QStringLiteral("0");
};

// Writes a new word list at path (replacing any file there) with table "vocamarkhome", its
// index on "序号", and the rows; the file is left at rest. False when it cannot be written.
bool create(const QString &path, const std::vector<WordRow> &rows);

} // namespace WordListFile
