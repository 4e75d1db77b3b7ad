#pragma once

#include "vocab/media/CardGeometry.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

struct WordRecord;

// The drawing board of one card size: the card's background and the pen that prints on it.
// Printing puts a text's top-left corner at the pen and moves the pen right by the text's
// width. A card shows the word (yellow, bold, smaller when it would not fit), the
// transcription in brackets (as IPA), a separator line, up to three lines of the meaning and
// the word's number, all over the background; everything but the word is white.
class CardCanvas {
public:
    static constexpr int MeaningLines = 3;

    explicit CardCanvas(const CardGeometry &geometry);

    // Draws the word's card over a fresh background and returns it; it stays until the next.
    const QImage &draw(const WordRecord &word);

    struct PlacedText {
        QString text;
        QPointF at; // top-left corner, in twips
    };
    // Where each character of a meaning is printed, given the width of a character in twips.
    // After each character, a pen past the wrap limit goes to the next line; the character
    // that crossed the limit stays where it was printed, and whatever would start a fourth line
    // is left out.
    static std::vector<PlacedText>
    layOutMeaning(const QString &meaning, const CardGeometry &geometry,
                  const std::function<double(const QString &)> &advanceTwips);

private:
    const CardGeometry &m_geometry;
    QImage m_background;
    QImage m_picture;
};
