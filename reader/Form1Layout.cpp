#include "reader/Form1Layout.h"

Form1Layout Form1Layout::design() {
    Form1Layout layout;
    layout.Frame1 = {40, -60, 16005, 735};
    layout.Toolbar1 = {60, 120, 3915, 570};
    layout.T1 = {60, 720, 2475, 10215};
    layout.Picture1 = {2580, 720, 13455, 4875};
    layout.Picture2 = {2580, 720, 13455, 4875};
    layout.R1 = {0, 0, 13455, 4875};
    layout.Tab1 = {2580, 5640, 13455, 5295};
    layout.R2 = {2640, 6000, 13335, 4875};
    layout.statusPanel1Width = 5300;
    layout.statusPanel2Width = 10760;
    return layout;
}

Form1Layout Form1Layout::forWindow(double W, double H) {
    Form1Layout l = design();
    l.Frame1.setWidth(W - 195);
    l.T1.setHeight(H - 1875);
    l.Picture2.setWidth(W - 2745);
    l.R2.setWidth(W - 2865);
    l.Tab1.setWidth(W - 2745);
    l.Picture2.setHeight((l.T1.height() - 60) / 2);
    l.Tab1.moveTop(l.Picture2.top() + l.Picture2.height() + 60);
    l.Tab1.setHeight((l.T1.height() - 60) / 2);
    l.R2.setHeight(l.Tab1.height() - 410);
    l.R2.moveTop(l.Tab1.top() + 360);
    l.statusPanel2Width = W - 5440;
    l.R1.setWidth(l.Picture2.width() - 60);
    l.R1.setHeight(l.Picture2.height() - 60);
    l.Picture1.setSize(l.Picture2.size());
    return l;
}
