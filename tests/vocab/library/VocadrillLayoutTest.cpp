#include "vocab/library/VocadrillLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(VocadrillLayout, DesignedSizePlacesTheDisplayBesideTheTreeWithTheRowsUnderIt) {
    const VocadrillLayout l =
        VocadrillLayout::forClient(VocadrillLayout::DesignWidth, VocadrillLayout::DesignHeight);
    EXPECT_DOUBLE_EQ(l.displayZoom, 1);
    EXPECT_EQ(l.T1, QRectF(120, 120, 3300, 4995));
    EXPECT_EQ(l.Picture2, QRectF(3540, 120, 4935, 3075));
    EXPECT_EQ(l.S1, QRectF(3540, 3315, 3660, 330));
    EXPECT_EQ(l.Label4, QRectF(7320, 3352.5, 1155, 255));
    EXPECT_EQ(l.rangeRow, QRectF(3540, 3765, 4935, 375));
    EXPECT_EQ(l.optionsRow, QRectF(3540, 4200, 4935, 375));
    EXPECT_EQ(l.buttonRow, QRectF(3540, 4695, 4935, 420));
    EXPECT_EQ(l.Label3, QRectF(120, 5235, 8355, 300));
}

TEST(VocadrillLayout, LargeWindowGrowsTheDisplayNotTheTreeAndCentresIt) {
    const VocadrillLayout l = VocadrillLayout::forClient(24000, 14000);
    EXPECT_DOUBLE_EQ(l.displayZoom, 2.25); // the largest the display gets
    EXPECT_EQ(l.T1.width(), 3300);
    EXPECT_EQ(l.T1.height(), 14000 - 660); // down to 120 twips above the help link
    EXPECT_EQ(l.Picture2.size(), QSizeF(4935 * 2.25, 3075 * 2.25));
    EXPECT_DOUBLE_EQ(l.Picture2.center().x(), (3540 + 24000 - 120) / 2.0);
    EXPECT_DOUBLE_EQ(l.Picture2.top() - 120, 14000 - 540 - l.buttonRow.bottom());
    EXPECT_EQ(l.buttonRow.width(), l.Picture2.width());
    EXPECT_EQ(l.Label3.top(), 14000 - 420);
}

TEST(VocadrillLayout, ShortWideWindowSizesTheDisplayByItsHeight) {
    const VocadrillLayout l = VocadrillLayout::forClient(24000, 8730);
    EXPECT_DOUBLE_EQ(l.displayZoom, 2); // (8730 − 2580) / 3075
    EXPECT_EQ(l.Picture2.top(), 120);
    EXPECT_EQ(l.buttonRow.bottom(), 8730 - 540);
}

TEST(VocadrillLayout, WindowSmallerThanDesignedKeepsTheDesign) {
    const VocadrillLayout small = VocadrillLayout::forClient(3000, 2000);
    const VocadrillLayout design =
        VocadrillLayout::forClient(VocadrillLayout::DesignWidth, VocadrillLayout::DesignHeight);
    EXPECT_EQ(small.Picture2, design.Picture2);
    EXPECT_EQ(small.T1, design.T1);
}

} // namespace
