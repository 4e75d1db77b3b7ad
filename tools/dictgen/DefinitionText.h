#pragma once

#include <QString>
#include <QStringList>

// Turns a translation of the word data into the short one-line texts the suite shows.
namespace DefinitionText {

// The translation's lines worth showing: domain-labelled lines ("[计] …") are left out unless
// every line is one (then the first stays, without its label), and so is a line that only
// names the headword's own inflections ("run的过去式和过去分词"). Runs of spaces collapse.
QStringList cleanLines(const QString &translation, const QString &headword);

// The dictionary's definition: the clean lines joined by a space, at most 80 characters, cut
// only between senses or lines. It never holds "$", the dictionary's entry mark.
QString dictionaryDefinition(const QString &translation, const QString &headword);

// A definition without the senses that hold text, and without their separators ("n. 存在, 生物,
// be的现在分词" without "be的": "n. 存在, 生物").
QString withoutSensesHolding(const QString &definition, const QString &text);

// A word list's meaning: the first two senses with their part-of-speech prefixes ("vt. 放弃,
// 抛弃"; senses of different lines joined by "; "), at most 40 characters, cut between senses.
QString listMeaning(const QString &translation, const QString &headword);

} // namespace DefinitionText
