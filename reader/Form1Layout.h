#pragma once

#include <QRectF>
#include <QSizeF>

// Where the reader window's controls go, in twips. Toolbar1 is placed inside Frame1 and R1
// inside Picture2; every other rectangle is in the window's client area.
struct Form1Layout {
    QRectF Frame1;
    QRectF Toolbar1;
    QRectF T1;
    QRectF Picture1;
    QRectF Picture2;
    QRectF R1;
    QRectF Tab1;
    QRectF R2;
    double statusPanel1Width = 0;
    double statusPanel2Width = 0;

    // The window's outer size as designed.
    static constexpr double DesignWidth = 16200;
    static constexpr double DesignHeight = 12090;

    // The controls as the window was designed.
    static Form1Layout design();

    // The layout for a window of outer size W × H twips. Lefts never move; the tree takes the
    // window's height, and the article and the tab strip share it equally, 60 twips apart.
    // Sizes may come out negative for a tiny window; they are shown as empty.
    static Form1Layout forWindow(double W, double H);
};
