#include "tools/dictgen/GeneratedEntry.h"

bool headwordOrder(const QString &a, const QString &b) {
    const int folded = a.toLower().compare(b.toLower());
    return folded != 0 ? folded < 0 : a < b;
}

QStringList headwords(const std::vector<GeneratedEntry> &entries) {
    QStringList words;
    for (const GeneratedEntry &entry : entries)
        words += entry.headword;
    return words;
}
