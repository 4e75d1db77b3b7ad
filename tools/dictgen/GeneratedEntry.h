#pragma once

#include <QStringList>
#include <vector>

// One entry of the dictionary file, before it is written.
struct GeneratedEntry {
    // A missed form: one the suffix rules would not lead to, or lead astray.
    enum Kind { Word, Phrase, IrregularForm, MissedForm };

    QString headword;
    QString notation; // the pronunciation in the dictionary's notation; may be empty
    QString definition;
    Kind kind = Word;
};

// The file's order: case-insensitively by headword, then by the headword itself.
bool headwordOrder(const QString &a, const QString &b);

QStringList headwords(const std::vector<GeneratedEntry> &entries);
