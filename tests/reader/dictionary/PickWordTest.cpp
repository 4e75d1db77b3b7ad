#include "reader/dictionary/PickWord.h"

#include "reader/dictionary/PopupPlacement.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Text = u"the country's 2nd a x1y"_s;

} // namespace

TEST(PickWord, CaretInsideAWordPicksTheWholeWord) {
    EXPECT_EQ(pickword(Text, 5), u"country"_s);  // after its first letter
    EXPECT_EQ(pickword(Text, 10), u"country"_s); // before its last letter
    EXPECT_EQ(pickword(Text, 1), u"the"_s);      // the first word of the text
}

TEST(PickWord, CaretBeforeOrRightAfterAWordPicksNothing) {
    EXPECT_EQ(pickword(Text, 4), QString());  // before "country"
    EXPECT_EQ(pickword(Text, 11), QString()); // right after it
    EXPECT_EQ(pickword(Text, 0), QString());
    EXPECT_EQ(pickword(Text, 3), QString());  // right after "the"
    EXPECT_EQ(pickword(Text, 14), QString()); // between non-letters
    EXPECT_EQ(pickword(Text, 99), QString());
}

TEST(PickWord, OnlyLettersFormAWordAndOneLetterIsNone) {
    EXPECT_EQ(pickword(Text, 13), QString()); // the lone "s" after the apostrophe
    EXPECT_EQ(pickword(u"don't"_s, 1), u"don"_s);
    EXPECT_EQ(pickword(u"abc2def"_s, 1), u"abc"_s);
    EXPECT_EQ(pickword(Text, 17), QString()); // "nd" after a digit is picked only inside
    EXPECT_EQ(pickword(Text, 16), u"nd"_s);
    EXPECT_EQ(pickword(Text, 19), QString()); // "a"
    EXPECT_EQ(pickword(Text, 21), QString()); // "x" before a digit
    EXPECT_EQ(pickword(u"café au"_s, 2), u"caf"_s);
}

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
