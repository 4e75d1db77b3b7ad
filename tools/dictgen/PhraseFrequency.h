#pragma once

#include <QStringList>
#include <string>
#include <unordered_map>
#include <unordered_set>

// Counts how often given phrases occur in English text as whole-word sequences, letter case
// ignored. Words are runs of the letters a to z.
class PhraseFrequency {
public:
    explicit PhraseFrequency(const QStringList &phrases);

    void countIn(const QString &text);
    int count(const QString &phrase) const;

private:
    static constexpr size_t MaxWords = 5;

    std::unordered_map<std::string, int> m_counts;
    std::unordered_set<std::string> m_firstWords;
};
