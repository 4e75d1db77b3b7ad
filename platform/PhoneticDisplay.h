#pragma once

#include <QFont>
#include <QString>

// Transcriptions are stored in the code of a phonetic font the suite does not ship. To show
// one, each code is mapped to the IPA character that font draws for it; the result is drawn in
// an IPA-capable font (phoneticFont).
QString phoneticToIpa(const QString &code);

// A font that draws IPA text, at the given size.
QFont phoneticFont(double pointSize);
