#include "reader/dictionary/PopupPlacement.h"

#include <algorithm>

namespace PopupPlacement {
namespace {

constexpr double RightMargin = 200;
constexpr double BottomLimit = 700;       // lifted once its top passes this far above the bottom…
constexpr double BottomLift = 900;        // …to this far above it
constexpr double SidewaysTolerance = 500; // squared twips

QPointF belowRightOfMouse(QPointF origin, QPointF mouse) {
    return origin + mouse + QPointF(MouseOffset, MouseOffset);
}

double keptLeftOfRightEdge(double left, QSizeF popup, QSizeF window) {
    return left > window.width() - popup.width() ? window.width() - popup.width() - RightMargin
                                                 : left;
}

double keptAboveBottom(double top, QSizeF popup, QSizeF window) {
    return top > window.height() - popup.height() - BottomLimit
               ? window.height() - popup.height() - BottomLift
               : top;
}

} // namespace

QPointF forArticle(QPointF picture2Origin, QPointF mouse, QSizeF popup, QSizeF window) {
    const QPointF place = belowRightOfMouse(picture2Origin, mouse);
    return {keptLeftOfRightEdge(place.x(), popup, window), place.y()};
}

QPointF forLowerPane(QPointF r2Origin, QPointF mouse, QSizeF popup, QSizeF window) {
    const QPointF place = belowRightOfMouse(r2Origin, mouse);
    return {keptLeftOfRightEdge(place.x(), popup, window),
            keptAboveBottom(place.y(), popup, window)};
}

bool keepsPopup(int lastLookupX, double mouseX) {
    const double sideways = lastLookupX - mouseX;
    return lastLookupX != 0 && sideways * sideways <= SidewaysTolerance;
}

} // namespace PopupPlacement

namespace PopupPlacement {

bool onWayToPopup(QPointF lookupSpot, QRectF popup, QPointF mouse) {
    const bool between = std::min(lookupSpot.x(), popup.left()) <= mouse.x() &&
                         mouse.x() <= std::max(lookupSpot.x(), popup.right()) &&
                         std::min(lookupSpot.y(), popup.top()) <= mouse.y() &&
                         mouse.y() <= std::max(lookupSpot.y(), popup.bottom());
    const bool towardsPopup =
        (mouse.y() - lookupSpot.y()) * (popup.center().y() - lookupSpot.y()) > 0;
    return between && towardsPopup;
}

} // namespace PopupPlacement
