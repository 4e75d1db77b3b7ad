#pragma once

#include <QString>

// One dictionary entry as the popup shows it.
struct DictionaryEntry {
    QString headword;
    QString transcription; // in the phonetic font's code; empty when the entry has none
    QString definition;

    bool operator==(const DictionaryEntry &) const = default;
};
