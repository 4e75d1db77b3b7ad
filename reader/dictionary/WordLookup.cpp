#include "reader/dictionary/WordLookup.h"

#include "reader/dictionary/InflectionRules.h"

WordLookup::WordLookup(QString dictionaryPath) : m_dictionary(std::move(dictionaryPath)) {}

WordLookup::WordLookup(Dictionary dictionary) : m_dictionary(std::move(dictionary)) {}

std::optional<DictionaryEntry> WordLookup::find(const QString &word) {
    m_dictionary.read();
    for (const QString &candidate : InflectionRules::candidates(word))
        if (const qsizetype position = m_dictionary.find(candidate); position >= 0)
            return m_dictionary.entryAt(position);
    return std::nullopt;
}
