#pragma once

#include "tools/examstore/PaperSources.h"

#include <QString>
#include <vector>

// Figures the builder reports so the paper sources can be checked at a glance: the length of
// each article and the number of blanks of each cloze text.
namespace PaperStatistics {

// English words of a source text, markup left out; "don't" and "well-known" count once.
int wordCount(const QString &source);

// Numbered blanks written "__21__".
int blankCount(const QString &source);

// One line per year: each part's article words ("412w") and blanks ("20b") when it has any;
// placeholder parts show as "-".
QString table(const std::vector<PaperSources::Part> &parts);

} // namespace PaperStatistics
