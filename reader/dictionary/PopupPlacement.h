#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the word popup goes after a click in a text pane, in twips of the window's client
// area: 150 below and right of the mouse, pulled back from the window's right edge, and for
// the lower pane also lifted above its bottom.
namespace PopupPlacement {

constexpr double MouseOffset = 150;

// The article pane R1 fills Picture2 from its top-left corner, so its clicks are placed from
// Picture2's origin. Only the sideways rule applies.
QPointF forArticle(QPointF picture2Origin, QPointF mouse, QSizeF popup, QSizeF window);
// The lower pane R2: the sideways and the downward rule.
QPointF forLowerPane(QPointF r2Origin, QPointF mouse, QSizeF popup, QSizeF window);

// After a lookup at lastLookupX (0: the popup was hidden since), whether a mouse move to
// mouseX keeps the popup: it stays within about 22 twips sideways, however far it moves up or
// down.
bool keepsPopup(int lastLookupX, double mouseX);

// Whether a mouse move keeps the popup because the mouse is on its way from the lookup spot
// into the popup, to its button: within the rectangle spanning the spot and the popup, and
// off the spot's own line towards the popup. In twips of the window's client area.
bool onWayToPopup(QPointF lookupSpot, QRectF popup, QPointF mouse);

} // namespace PopupPlacement
