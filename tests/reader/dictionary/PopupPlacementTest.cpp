#include "reader/dictionary/PopupPlacement.h"

#include <gtest/gtest.h>

TEST(PopupPlacement, PlacedBelowRightOfTheMouse) {
    const QSizeF popup(2355, 975);
    const QSizeF window(16200, 12090);
    EXPECT_EQ(PopupPlacement::forArticle({2580, 720}, {1000, 500}, popup, window),
              QPointF(3730, 1370));
    EXPECT_EQ(PopupPlacement::forLowerPane({2640, 6000}, {1000, 500}, popup, window),
              QPointF(3790, 6650));
}

TEST(PopupPlacement, PulledBackFromTheRightEdge) {
    const QSizeF popup(2355, 975);
    const QSizeF window(16200, 12090);
    // Left 13845 is exactly window − popup: it stays. One twip further moves it back.
    EXPECT_EQ(PopupPlacement::forArticle({0, 0}, {13695, 0}, popup, window).x(), 13845);
    EXPECT_EQ(PopupPlacement::forArticle({0, 0}, {13696, 0}, popup, window).x(), 13645);
    EXPECT_EQ(PopupPlacement::forLowerPane({0, 0}, {13696, 0}, popup, window).x(), 13645);
}

TEST(PopupPlacement, LiftedAboveTheBottomOnlyInTheLowerPane) {
    const QSizeF popup(2355, 975);
    const QSizeF window(16200, 12090);
    // The limit is 12090 − 975 − 700 = 10415; a lifted popup goes to 12090 − 975 − 900.
    EXPECT_EQ(PopupPlacement::forLowerPane({0, 6000}, {0, 4265}, popup, window).y(), 10415);
    EXPECT_EQ(PopupPlacement::forLowerPane({0, 6000}, {0, 4266}, popup, window).y(), 10215);
    EXPECT_EQ(PopupPlacement::forArticle({0, 6000}, {0, 4266}, popup, window).y(), 10416);
}

TEST(PopupPlacement, SidewaysMovesOfUpTo22TwipsKeepThePopup) {
    EXPECT_TRUE(PopupPlacement::keepsPopup(1000, 1022));
    EXPECT_TRUE(PopupPlacement::keepsPopup(1000, 978));
    EXPECT_FALSE(PopupPlacement::keepsPopup(1000, 1023));
    EXPECT_FALSE(PopupPlacement::keepsPopup(1000, 977));
    EXPECT_FALSE(PopupPlacement::keepsPopup(0, 0)); // hidden since the last lookup
}

// The popup opens below right of the spot, or pulled back left of it, or lifted above it.
TEST(PopupPlacement, TheWayFromTheSpotIntoThePopupKeepsIt) {
    const QPointF spot(1000, 1000);
    const QRectF belowRight(1150, 1150, 2355, 1380);
    EXPECT_TRUE(PopupPlacement::onWayToPopup(spot, belowRight, {1100, 1100}));
    EXPECT_TRUE(PopupPlacement::onWayToPopup(spot, belowRight, {3000, 1050}));
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, belowRight, {1100, 1000})); // sideways only
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, belowRight, {990, 1100}));
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, belowRight, {1100, 990}));
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, belowRight, {3600, 1100}));
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, belowRight, {1100, 2600}));

    const QRectF pulledBack(500, 1150, 2355, 1380);
    EXPECT_TRUE(PopupPlacement::onWayToPopup(spot, pulledBack, {800, 1100}));
    const QRectF lifted(1150, -500, 2355, 1380);
    EXPECT_TRUE(PopupPlacement::onWayToPopup(spot, lifted, {1100, 950}));
    EXPECT_FALSE(PopupPlacement::onWayToPopup(spot, lifted, {1100, 1050}));
}
