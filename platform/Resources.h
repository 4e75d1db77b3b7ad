#pragma once

#include <QByteArray>
#include <QString>

// Embedded files ("custom" resources) and the few file operations start-up and clean-up use.
// Resource id N is the Qt resource ":/custom/N" of the running program.
namespace Resources {

QString resourcePath(int id);
QByteArray resourceBytes(int id);

// Writes the resource's bytes to path, creating or truncating the file. Returns false, and
// leaves an existing file as it was, when the resource is missing or the file cannot be written.
bool writeResource(int id, const QString &path);
// The same for any Qt resource path, such as ":/reader/help.htm".
bool copyResource(const QString &qtResource, const QString &path);

bool fileExists(const QString &path);

// Deletes the file; a file that is already missing counts as deleted.
bool deleteFile(const QString &path);

} // namespace Resources
