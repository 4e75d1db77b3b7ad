#pragma once

#include <QString>

// One entry of the dictionary file, before it is written.
struct GeneratedEntry {
    enum Kind { Word, Phrase, IrregularForm };

    QString headword;
    QString notation; // the pronunciation in the dictionary's notation; may be empty
    QString definition;
    Kind kind = Word;
};

// The file's order: case-insensitively by headword, then by the headword itself.
bool headwordOrder(const QString &a, const QString &b);
