#include "vocab/library/NumberText.h"
#include "vocab/library/RangeFields.h"
#include "vocab/library/SpeedSetting.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRulesTest, LeadingNumberReadsTheNumberATextStartsWith) {
    EXPECT_EQ(NumberText::leadingNumber("12abc"), 12);
    EXPECT_EQ(NumberText::leadingNumber("  2.50"), 2.5);
    EXPECT_EQ(NumberText::leadingNumber(".5"), 0.5);
    EXPECT_EQ(NumberText::leadingNumber("-4"), -4);
    EXPECT_EQ(NumberText::leadingNumber("abc"), 0);
}

TEST(NumberRulesTest, WholeNumberRoundsHalfToEvenAndRejectsWhatIsNoNumber) {
    EXPECT_EQ(NumberText::wholeNumber(" 12 "), 12);
    EXPECT_EQ(NumberText::wholeNumber("2.5"), 2);
    EXPECT_EQ(NumberText::wholeNumber("3.5"), 4);
    for (const char *invalid : {"12abc", "", "nan", "inf", "-inf", "1e300"})
        EXPECT_EQ(NumberText::wholeNumber(invalid), std::nullopt) << invalid;
}

TEST(NumberRulesTest, RangeFieldsKeepBetweenOneAndTheWordCount) {
    for (const char *start : {"0", "abc", "120", "121"})
        EXPECT_EQ(RangeFields::correctedStart(start, 120), "1") << start;
    EXPECT_EQ(RangeFields::correctedStart("119", 120), "119");
    EXPECT_EQ(RangeFields::correctedStart("12abc", 120), "12abc");

    for (const char *end : {"0", "121"})
        EXPECT_EQ(RangeFields::correctedEnd(end, 120), "120") << end;
    EXPECT_EQ(RangeFields::correctedEnd("120", 120), "120");
    EXPECT_EQ(RangeFields::correctedEnd("0", 0), "0");

    EXPECT_EQ(RangeFields::correctedStart("", 120), "");
    EXPECT_EQ(RangeFields::correctedEnd("", 120), "");
}

TEST(NumberRulesTest, SpeedTextIsRewrittenAsItsNumberWithinOneToFourSeconds) {
    EXPECT_EQ(SpeedSetting::correctedText("2.50"), "2.5");
    EXPECT_EQ(SpeedSetting::correctedText("2.0"), "2");
    EXPECT_EQ(SpeedSetting::correctedText("3."), "3");
    EXPECT_EQ(SpeedSetting::correctedText("4"), "4");
    for (const char *fallsBack : {"5", "abc", "0"})
        EXPECT_EQ(SpeedSetting::correctedText(fallsBack), "2.0") << fallsBack;
    EXPECT_EQ(SpeedSetting::correctedText("-1"), "-1");
}

TEST(NumberRulesTest, SpeedGivesAStepOnlyWhenItIsAPositiveNumberOfMilliseconds) {
    EXPECT_EQ(SpeedSetting::intervalMs("1.5"), 1500);
    EXPECT_EQ(SpeedSetting::intervalMs("0.0014"), 1);
    EXPECT_EQ(SpeedSetting::intervalMs("0.0004"), std::nullopt);
    EXPECT_EQ(SpeedSetting::intervalMs("-1"), std::nullopt);
}

} // namespace
