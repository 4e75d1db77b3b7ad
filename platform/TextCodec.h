#pragma once

#include <QByteArray>
#include <QString>

// GBK (code page 936) text, the encoding of the dictionary file, LRC files and text exports;
// and UTF-8 text for files that other programs import.
namespace TextCodec {

// A character GBK cannot hold becomes "?".
QByteArray toGbk(const QString &text);
// Bytes that are not valid GBK become U+FFFD.
QString fromGbk(const QByteArray &bytes);

// Line ends become CR LF: a lone "\n" or "\r" turns into "\r\n", an existing "\r\n" stays.
QString withCrLf(const QString &text);

// The two writes replace the file at path through a temporary file beside it that is renamed
// over it once complete: a write that fails returns false and leaves the old file, or none, and
// no partial one. Neither writes a byte-order mark.
// GBK with CR LF line ends:
bool writeGbkTextFile(const QString &path, const QString &text);
// UTF-8 with the line ends as they are:
bool writeUtf8TextFile(const QString &path, const QString &text);

// Reads a GBK file whole; a missing file reads as empty.
QString readGbkTextFile(const QString &path);

} // namespace TextCodec
