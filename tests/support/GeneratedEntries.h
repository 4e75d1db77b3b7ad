#pragma once

#include "tools/dictgen/GeneratedEntry.h"

// Plain word entries with the given headwords, for the generator's tests of what it adds to a
// dictionary.
inline std::vector<GeneratedEntry> wordEntries(const QStringList &headwords) {
    std::vector<GeneratedEntry> entries;
    for (const QString &headword : headwords)
        entries.push_back({headword, {}, QStringLiteral("释义"), GeneratedEntry::Word});
    return entries;
}
