#pragma once

#include "tools/dictgen/GeneratedEntry.h"

#include <QStringList>
#include <vector>

// The figures the build reports for a generated dictionary, and the ranges they must lie in.
struct DictionaryCounts {
    int entries = 0;
    int phrases = 0;
    int emptyPhonetics = 0;
    int irregularForms = 0;
    int missedForms = 0;

    static DictionaryCounts of(const std::vector<GeneratedEntry> &entries);

    // One line per figure outside its range; empty when all are fine.
    QStringList outOfRange() const;
    QString summary() const;
};
