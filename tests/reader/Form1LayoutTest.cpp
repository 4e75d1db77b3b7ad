#include "reader/Form1Layout.h"

#include "platform/Twips.h"

#include <gtest/gtest.h>

TEST(Form1Layout, DesignSizedWindowSharesTheTreeHeightBetweenArticleAndTabs) {
    const Form1Layout l = Form1Layout::forWindow(16200, 12090);
    EXPECT_EQ(l.T1, QRectF(60, 720, 2475, 10215));
    EXPECT_EQ(l.Frame1, QRectF(40, -60, 16005, 735));
    EXPECT_EQ(l.Picture2, QRectF(2580, 720, 13455, 5077.5));
    EXPECT_EQ(l.Picture1, l.Picture2);
    EXPECT_EQ(l.R1, QRectF(0, 0, 13395, 5017.5));
    EXPECT_EQ(l.Tab1, QRectF(2580, 5857.5, 13455, 5077.5));
    EXPECT_EQ(l.R2, QRectF(2640, 6217.5, 13335, 4667.5));
    EXPECT_EQ(l.statusPanel2Width, 10760);
    EXPECT_EQ(l.Toolbar1, Form1Layout::design().Toolbar1);
}

TEST(Form1Layout, LeftsNeverMoveAndTheHalvesStay60TwipsApart) {
    const Form1Layout design = Form1Layout::design();
    for (const auto &[W, H] : {std::pair{24000.0, 15000.0}, {9000.0, 5000.0}, {100.0, 100.0}}) {
        const Form1Layout l = Form1Layout::forWindow(W, H);
        EXPECT_EQ(l.T1.left(), design.T1.left());
        EXPECT_EQ(l.Tab1.left(), design.Tab1.left());
        EXPECT_EQ(l.R2.left(), design.R2.left());
        EXPECT_DOUBLE_EQ(l.Tab1.top() - (l.Picture2.top() + l.Picture2.height()), 60);
        EXPECT_DOUBLE_EQ(l.R2.top() - l.Tab1.top(), 360);
    }
}

TEST(Twips, ConvertAt15PerPixelAndShowNegativeSizesAsEmpty) {
    EXPECT_EQ(Twips::toPixels(QRectF(2580, 720, 13455, 5077.5)), QRect(172, 48, 897, 339));
    EXPECT_EQ(Twips::fromPixels(1080), 16200);
    const Form1Layout tiny = Form1Layout::forWindow(100, 100); // a minimised window
    EXPECT_LT(tiny.R2.height(), 0);
    EXPECT_TRUE(Twips::toPixels(tiny.R2).isEmpty());
}
