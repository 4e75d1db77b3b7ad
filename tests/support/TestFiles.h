#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests that prepare or inspect files on disk.

// The file's bytes, or empty when it cannot be read.
QByteArray readFile(const QString &path);
// Creates or truncates the file with the bytes; a failure fails the running test.
void writeFile(const QString &path, const QByteArray &bytes = {});
// The file's permission bits as ls shows them (0755 for rwxr-xr-x), or -1 when it is missing.
int fileMode(const QString &path);
