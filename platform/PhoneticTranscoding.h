#pragma once

#include <QString>

// Turns a pronunciation in the dictionary's notation (digits for IPA symbols, "'" for stress)
// into the phonetic font's code, the form in which transcriptions are shown and stored.
QString transcodePhonetic(const QString &notation);
