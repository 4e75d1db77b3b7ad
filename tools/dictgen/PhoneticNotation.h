#pragma once

#include <QString>

// Converts a pronunciation of the word data (mixed IPA, Cyrillic and Greek look-alikes, several
// alternatives, a few corruptions) into the dictionary's notation: digits for IPA symbols, "'"
// for the primary stress, ":" for length, lower-case letters for the rest, and in a phrase the
// spaces between its words. Only the first pronunciation is kept; secondary stress is left out
// because the notation cannot express it. A pronunciation that holds anything the notation
// cannot express converts to the empty text. The headword tells a phrase, whose spaces stay,
// from a word, and shows where the data garbled a word's ending.
QString toDictionaryNotation(const QString &source, const QString &headword);
