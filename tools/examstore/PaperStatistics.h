#pragma once

#include "tools/examstore/PaperSources.h"

#include <QString>
#include <vector>

// Figures the builder reports so the paper sources can be checked at a glance: the length of
// each article, its numbered blanks and the multiple-choice items of its questions.
namespace PaperStatistics {

// English words of a source text, markup left out; "don't" and "well-known" count once.
int wordCount(const QString &source);

// Numbered blanks written "__21__".
int blankCount(const QString &source);

// Multiple-choice items of a questions text: numbered lines ("21.") followed by an option "[A]"
// before the next numbered line. Outline points of a writing task have no options and do not
// count.
int itemCount(const QString &questions);

// One line per year: each part's article words ("412w"), then its items ("20q") and blanks
// ("20b") when it has any; placeholder parts show as "-".
QString table(const std::vector<PaperSources::Part> &parts);

} // namespace PaperStatistics
