#pragma once

#include <QString>

// Transcriptions are stored in the code of a phonetic font the suite does not ship. To show
// one, each code is mapped to the IPA character that font draws for it; the result is drawn in
// an IPA-capable font (see phoneticFontFamilies).
QString phoneticToIpa(const QString &code);

// The font families that draw IPA text, in order of preference.
QStringList phoneticFontFamilies();
