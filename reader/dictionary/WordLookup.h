#pragma once

#include "reader/dictionary/Dictionary.h"

#include <optional>

// Finds a word's dictionary entry, also when the text shows an inflected form: the word
// itself first, then the candidates of the suffix rules in their order; the first found wins.
class WordLookup {
public:
    explicit WordLookup(QString dictionaryPath);
    explicit WordLookup(Dictionary dictionary);

    std::optional<DictionaryEntry> find(const QString &word);

private:
    Dictionary m_dictionary;
};
