#pragma once

#include "tools/dictgen/EcdictRow.h"

#include <QSet>
#include <QString>
#include <vector>

// The phrases of the dictionary, PhraseCount in all: first the rated or exam-tagged phrases
// made of the dictionary's own words, then common verb, preposition and article patterns
// ("give up", "take part in", "be aware of", "in front of"), the ones used most often in the
// data's English definitions first.
class PhraseSelection {
public:
    static constexpr int PhraseCount = 2400;

    PhraseSelection(const std::vector<EcdictRow> &rows,
                    const std::vector<const EcdictRow *> &words);

    std::vector<const EcdictRow *> select() const;

private:
    bool isRatedPhraseOfKnownWords(const EcdictRow &row) const;
    bool hasCommonShape(const QStringList &words) const;
    std::vector<const EcdictRow *> patternPhrases(const QSet<QString> &taken) const;

    const std::vector<EcdictRow> &m_rows;
    QSet<QString> m_known; // selected words and their inflections, in lower case
    QSet<QString> m_basic; // words of the basic exam lists
    QSet<QString> m_basicVerbs;
};
