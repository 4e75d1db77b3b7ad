#include "vocab/media/CardCanvas.h"

#include "platform/Twips.h"
#include "vocab/library/WordRecord.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Whether two pictures are alike in the rows from top to bottom (pixels) and the columns from
// left on.
bool sameIn(const QImage &a, const QImage &b, int top, int bottom, int left = 0) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST(CardCanvasTest, AMeaningWrapsAfterTheCharacterThatCrossesTheLimitAndStopsAtThreeLines) {
    // At 200 twips a character from x 300, the 13th ends at 2900, past the limit of 2840.
    const QString meaning(40, QChar(u'词'));
    const auto placed =
        CardCanvas::layOutMeaning(meaning, LargerCard, [](const QString &) { return 200.0; });

    ASSERT_EQ(placed.size(), 39u);
    EXPECT_EQ(placed[0].at, QPointF(300, 1260));
    EXPECT_EQ(placed[12].at, QPointF(2700, 1260));
    EXPECT_EQ(placed[13].at, QPointF(300, 1500));
    EXPECT_EQ(placed[26].at, QPointF(300, 1740));
    EXPECT_EQ(placed[38].at, QPointF(2700, 1740));
}

class CardCanvasDrawing : public ::testing::Test {
protected:
    QImage draw(const CardGeometry &geometry, const WordRecord &word) {
        CardCanvas canvas(geometry);
        return canvas.draw(word);
    }
};

TEST_F(CardCanvasDrawing, AnEmptyTranscriptionLeavesThePhoneticLineBare) {
    const QImage blank = draw(LargerCard, {});
    const int top = Twips::toPixels(LargerCard.phonetic.y());
    const int bottom = Twips::toPixels(LargerCard.separator.y1());

    const QImage without = draw(LargerCard, {"2", "abandon", "", "vt. 放弃", "0"});
    EXPECT_EQ(without.size(), QSize(220, 161));
    EXPECT_TRUE(sameIn(without, blank, top, bottom));

    const QImage with = draw(LargerCard, {"2", "abandon", "E5bAndEn", "vt. 放弃", "0"});
    EXPECT_FALSE(sameIn(with, blank, top, bottom));
}

TEST_F(CardCanvasDrawing, ALongWordIsDrawnSmallerRatherThanCutAtTheEdge) {
    for (const CardGeometry *geometry : {&LargerCard, &SmallerCard}) {
        const QImage blank = draw(*geometry, {});
        const QImage card = draw(*geometry, {"1", "notwithstandingnotwithstanding", "", "", "0"});
        const int margin = Twips::toPixels(geometry->word.x());
        const int rightMargin = geometry->card.width() - margin + 1;
        EXPECT_TRUE(sameIn(card, blank, 0, Twips::toPixels(geometry->phonetic.y()), rightMargin));
        EXPECT_FALSE(sameIn(card, blank, 0, Twips::toPixels(geometry->phonetic.y()), margin));
    }
}

} // namespace
