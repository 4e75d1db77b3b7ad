#pragma once

#include "tools/dictgen/GeneratedEntry.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// Writes the dictionary file: one GBK line of "$" headword "[" pronunciation "]" definition
// entries, one more "$" after the last, and CR LF.
namespace DictionaryFile {

// The file's line without its line end, as a reader of the file decodes it.
QString line(const std::vector<GeneratedEntry> &entries);
QByteArray bytes(const std::vector<GeneratedEntry> &entries);

// Headwords of entries that the file cannot hold as they are: a text GBK cannot encode, or a
// mark of the file's own syntax where it would end a part early.
QStringList unfitEntries(const std::vector<GeneratedEntry> &entries);

} // namespace DictionaryFile
