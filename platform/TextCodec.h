#pragma once

#include <QByteArray>
#include <QString>

// GBK (code page 936) text, the encoding of the dictionary file, LRC files and text exports.
namespace TextCodec {

// A character GBK cannot hold becomes "?".
QByteArray toGbk(const QString &text);
// Bytes that are not valid GBK become U+FFFD.
QString fromGbk(const QByteArray &bytes);

// Line ends become CR LF: a lone "\n" or "\r" turns into "\r\n", an existing "\r\n" stays.
QString withCrLf(const QString &text);

// Writes text as GBK with CR LF line ends and no byte-order mark, replacing the file.
bool writeGbkTextFile(const QString &path, const QString &text);
// Reads a GBK file whole; a missing file reads as empty.
QString readGbkTextFile(const QString &path);

} // namespace TextCodec
