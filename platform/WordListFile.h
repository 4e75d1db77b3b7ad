#pragma once

#include <QString>

// A word list is a SQLite file whose second byte is disguised while the list is at rest.
// Opening restores the byte SQLite expects; closing writes the rest byte back.
namespace WordListFile {

constexpr char RestByte = 0x00;
constexpr char OpenByte = 0x51; // 'Q' of "SQLite format 3"

// Writes one byte at offset 1 of an existing file; false when the file is missing or read-only.
bool writeHeaderByte(const QString &path, char byte);
// The byte at offset 1, or -1 when the file is missing or shorter.
int readHeaderByte(const QString &path);

} // namespace WordListFile
