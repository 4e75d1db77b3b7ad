#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// How a definition divides into lines, each led by its part of speech ("n. ", "vt.& vi. "), and
// lines into senses separated by commas, semicolons or "、" outside brackets; and the short
// meaning a word list keeps of it. The dictionary generator and the reader share these rules,
// so that a word the reader collects carries the meaning the default list gives it.
namespace DefinitionSenses {

// Positions in text of the sense separators that are not inside brackets.
std::vector<qsizetype> separatorPositions(const QString &text);
// A dictionary definition's lines: the definition holds them joined by a space, so a new line
// starts where a part of speech follows a space that does not end a sense.
QStringList linesOf(const QString &definition);

// A word list's meaning: the first two senses with their part-of-speech prefixes ("vt. 放弃,
// 抛弃"; senses of different lines joined by "; "), at most 40 characters, cut between senses.
QString listMeaning(const QStringList &lines);

} // namespace DefinitionSenses
