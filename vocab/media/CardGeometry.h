#pragma once

#include <QLine>
#include <QPoint>
#include <QSize>

// Where the parts of a word card go. Positions, the separator and the meaning's wrap numbers
// are in twips from the card's top-left corner; the card and its background are in pixels at
// 96 dpi, whatever the screen.
struct CardGeometry {
    QSize card;       // the canvas inside its one-pixel frame, which is what is saved
    QSize background; // drawn unscaled at the card's top-left corner
    double wordPoints;
    QPoint word;
    double phoneticPoints;
    QPoint phonetic;
    QLine separator;
    double meaningPoints;
    QPoint meaning;
    int meaningWrapBeyond; // a meaning line ends once the pen has passed this x
    int meaningLineStep;
    int meaningReturnX;
    double numberPoints;
    QPoint number;
};

// The larger cards (xue1): a canvas of 3330 × 2445 twips outside, so the background's bottom
// row falls outside the card.
inline constexpr CardGeometry LargerCard{
    .card = {220, 161},
    .background = {220, 162},
    .wordPoints = 18,
    .word = {300, 300},
    .phoneticPoints = 12,
    .phonetic = {300, 780},
    .separator = {300, 1140, 2940, 1140},
    .meaningPoints = 10,
    .meaning = {300, 1260},
    .meaningWrapBeyond = 2840,
    .meaningLineStep = 240,
    .meaningReturnX = 300,
    .numberPoints = 9,
    .number = {2600, 2150},
};

// The smaller cards (xue2): a canvas of 2280 × 1680 twips outside.
inline constexpr CardGeometry SmallerCard{
    .card = {150, 110},
    .background = {150, 110},
    .wordPoints = 12,
    .word = {180, 120},
    .phoneticPoints = 9,
    .phonetic = {180, 420},
    .separator = {180, 660, 2010, 660},
    .meaningPoints = 8,
    .meaning = {180, 720},
    .meaningWrapBeyond = 1900,
    .meaningLineStep = 200,
    .meaningReturnX = 180,
    .numberPoints = 8,
    .number = {1700, 1400},
};
