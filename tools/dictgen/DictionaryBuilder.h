#pragma once

#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/GeneratedEntry.h"

#include <vector>

// Chooses the dictionary's entries from the word data and puts them in file order: the words
// and phrases by headword, then the irregular forms by headword, then by headword the forms a
// lookup would otherwise miss or show wrongly, among them the forms of be, have and do.
namespace DictionaryBuilder {

std::vector<GeneratedEntry> entries(const std::vector<EcdictRow> &rows);

} // namespace DictionaryBuilder
