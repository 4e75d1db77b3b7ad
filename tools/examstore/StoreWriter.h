#pragma once

#include "tools/examstore/PaperSources.h"

#include <QString>
#include <QStringList>
#include <vector>

// Writes the reader's two password-protected stores, their texts as RTF.
namespace StoreWriter {

// The exam store: table dat(mc, yw, st, da, zw), one row per part. Articles and questions are
// set in Arial, answers and translations in Song.
bool writeExamStore(const QString &path, const std::vector<PaperSources::Part> &parts);

// The notes store: table dat(mc, bak), one row per key, each note the hint.
bool writeNotesStore(const QString &path, const QStringList &keys);

} // namespace StoreWriter
