#pragma once

#include "platform/FileLock.h"

#include <QString>
#include <vector>

class Database;

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

// The lock every program holds while it changes a list's header byte or writes its rows, so
// that a program writing a list never finds the byte in the state another has just put it in,
// nor restores it behind another's back. It is a hidden lock file beside the list
// (".<list>.wrd.lock"): the library shows only list files, the lock outlives a list replaced by
// a new file, and it can be taken before a missing list is created. Taking it waits while
// another program holds it; it is released with the object.
class Lock {
public:
    explicit Lock(const QString &listPath);
    // False when the lock file cannot be made (a folder that cannot be written) or the path is
    // empty.
    bool isHeld() const { return m_held; }

private:
    FileLock m_lock;
    bool m_held = false;
};
// The lock file of the list at listPath.
QString lockPath(const QString &listPath);

// One row of a word list: "序号", "单词", "音标", "释义", "过滤".
struct WordRow {
    int number = 0;
    QString word;
    QString phonetic;
    QString meaning;
    QString mark = QStringLiteral("0");
};

// Appends the row to the table "vocamarkhome" of an open list; false when the database refuses.
bool insertRow(Database &db, const WordRow &row);

// Writes a new word list at path (replacing any file there) with table "vocamarkhome", its
// index on "序号", and the rows; the file is left at rest. False when it cannot be written.
bool create(const QString &path, const std::vector<WordRow> &rows);

} // namespace WordListFile
