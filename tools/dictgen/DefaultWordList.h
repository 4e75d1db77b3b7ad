#pragma once

#include "platform/WordListFile.h"
#include "tools/dictgen/EcdictRow.h"

#include <vector>

// The default word list: the syllabus words of the postgraduate exam and of the basic list,
// in headword order, numbered from 1, with the pronunciation in the phonetic font's code (as a
// dictionary lookup shows it), a short meaning, and no new-word mark.
namespace DefaultWordList {

std::vector<WordListFile::WordRow> rows(const std::vector<EcdictRow> &data);

// The range the list's size must lie in.
constexpr int MinimumWords = 5600;
constexpr int MaximumWords = 5850;

} // namespace DefaultWordList
