#pragma once

#include <QStringList>

// The texts a lookup searches for, in order: the word with its spaces trimmed, then one
// candidate for every suffix rule whose lower-case ending the word has (studies: studie,
// studi, study). Each rule starts from the trimmed word, not from the previous candidate.
namespace InflectionRules {

QStringList candidates(const QString &word);

} // namespace InflectionRules
