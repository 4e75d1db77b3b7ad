#pragma once

#include "tools/dictgen/EcdictRow.h"

#include <vector>

// The single words of the dictionary: every exam-tagged word, then the most frequent other
// plain words until there are WordCount in all.
namespace WordSelection {

constexpr int WordCount = 10000;

std::vector<const EcdictRow *> select(const std::vector<EcdictRow> &rows);

} // namespace WordSelection
