#pragma once

#include <QRectF>

// Where Vocadrill's main window puts its controls, in twips of its client area (below the menus
// and the toolbar). The library tree keeps its width down the left; the word display fills the
// room beside it, growing by a zoom factor with the window up to a limit, and the slider with the
// clock, the two rows of selection controls and the recording buttons follow under it at its width.
// The help link runs along the bottom.
struct VocadrillLayout {
    QRectF T1;
    QRectF Picture2; // the word display with its shadow
    double displayZoom = 1;
    QRectF S1;
    QRectF Label4;
    QRectF rangeRow;   // 选词 Text1 至 Text2, Check1
    QRectF optionsRow; // Check2, 速度 Combo1
    QRectF buttonRow;  // Command2, Command1, Command3
    QRectF Label3;

    // The client area as designed; the window never gets smaller.
    static constexpr double DesignWidth = 8595;
    static constexpr double DesignHeight = 5655;

    static VocadrillLayout forClient(double width, double height);
};
