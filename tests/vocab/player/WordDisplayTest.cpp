#include "vocab/player/WordDisplay.h"

#include "platform/Twips.h"
#include "vocab/library/WordRecord.h"

#include <QFrame>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

WordRecord word(const QString &phonetic, const QString &meaning = {}) {
    return {"1", "abandon", phonetic, meaning, "0"};
}

int right(const QLabel *label) {
    return label->x() + label->width();
}

TEST(WordDisplay, BracketsHugTheTranscriptionOnBothSides) {
    WordDisplay display;
    display.showWord(word("E5bAndEn"));
    EXPECT_EQ(display.Label5->text(), "abandon");
    EXPECT_EQ(display.Label6->text(), "əˈbændən");
    EXPECT_EQ(display.Label8->text(), "[");
    EXPECT_EQ(display.Label9->text(), "]");
    EXPECT_EQ(display.Label8->x(), display.Label5->x());
    EXPECT_EQ(display.Label6->x(), right(display.Label8) + 2); // 30 twips
    EXPECT_EQ(display.Label9->x(), right(display.Label6) + 2);
    EXPECT_TRUE(display.Label7->text().isEmpty());

    display.showWord(word("ei"));
    EXPECT_EQ(display.Label9->x(), right(display.Label6) + 2);
}

TEST(WordDisplay, MeaningIsPlainTextKeptInsideItsBox) {
    WordDisplay display;
    display.showWord(word(""));
    display.showMeaning("<b>vt.</b> 放弃\nn. 放任");
    EXPECT_EQ(display.Label7->textFormat(), Qt::PlainText);
    EXPECT_EQ(display.Label7->text(), "<b>vt.</b> 放弃\nn. 放任");
    EXPECT_TRUE(display.Label7->wordWrap());
    EXPECT_EQ(display.Label7->geometry(), QRect(40, 116, 245, 70)); // 600, 1740, 3675 × 1050
}

TEST(WordDisplay, EmptySelectionIsSaidOnTheBlankPanelUntilAWordIsShown) {
    WordDisplay display;
    EXPECT_TRUE(display.Line1->isHidden());
    display.showWord(word("E5bAndEn"));
    display.showNoWords();
    EXPECT_FALSE(display.noWords->isHidden());
    EXPECT_EQ(display.noWords->text(), "没有符合条件的单词");
    EXPECT_TRUE(display.Label5->text().isEmpty() && display.Label8->text().isEmpty());
    EXPECT_TRUE(display.Line1->isHidden());
    display.showWord(word(""));
    EXPECT_TRUE(display.noWords->isHidden());
    EXPECT_FALSE(display.Line1->isHidden());
}

TEST(WordDisplay, ZoomGrowsThePanelItsShadowPlacesAndFonts) {
    WordDisplay display;
    EXPECT_EQ(display.size(), QSize(329, 205)); // 4935 × 3075 twips
    EXPECT_EQ(display.Label1->geometry(), QRect(8, 8, 321, 197));
    EXPECT_EQ(display.Label5->pos(), QPoint(36, 32));
    const double wordPoints = display.Label5->font().pointSizeF();
    EXPECT_DOUBLE_EQ(wordPoints, 21.75);

    display.showWord(word("E5bAndEn"));
    display.setZoom(2);
    EXPECT_EQ(display.size(), QSize(658, 410));
    EXPECT_EQ(display.Picture1->geometry(), QRect(0, 0, 640, 394));
    EXPECT_EQ(display.Label5->pos(), QPoint(72, 64));
    EXPECT_DOUBLE_EQ(display.Label5->font().pointSizeF(), 2 * wordPoints);
    EXPECT_DOUBLE_EQ(display.Label7->font().pointSizeF(), 21);
    EXPECT_EQ(display.Label9->x(), right(display.Label6) + 4);
}

} // namespace
