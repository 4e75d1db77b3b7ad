#include "vocab/library/NumberText.h"
#include "vocab/library/RangeFields.h"
#include "vocab/library/SpeedSetting.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRulesTest, LeadingNumberReadsTheNumberATextStartsWith) {
    EXPECT_EQ(NumberText::leadingNumber("12abc"), 12);
    EXPECT_EQ(NumberText::leadingNumber("  2.50"), 2.5);
    EXPECT_EQ(NumberText::leadingNumber(".5"), 0.5);
    EXPECT_EQ(NumberText::leadingNumber("3."), 3);
    EXPECT_EQ(NumberText::leadingNumber("-4"), -4);
    EXPECT_EQ(NumberText::leadingNumber("abc"), 0);
    EXPECT_EQ(NumberText::leadingNumber(""), 0);
}

TEST(NumberRulesTest, StartFieldKeepsBelowTheWordCount) {
    EXPECT_EQ(RangeFields::correctedStart("0", 120), "1");
    EXPECT_EQ(RangeFields::correctedStart("abc", 120), "1");
    EXPECT_EQ(RangeFields::correctedStart("120", 120), "1");
    EXPECT_EQ(RangeFields::correctedStart("121", 120), "1");
    EXPECT_EQ(RangeFields::correctedStart("119", 120), "119");
    EXPECT_EQ(RangeFields::correctedStart("12abc", 120), "12abc");
    EXPECT_EQ(RangeFields::correctedStart("", 120), "");
    EXPECT_EQ(RangeFields::correctedStart("1", 1), "1");
}

TEST(NumberRulesTest, EndFieldKeepsAtMostTheWordCount) {
    EXPECT_EQ(RangeFields::correctedEnd("0", 120), "120");
    EXPECT_EQ(RangeFields::correctedEnd("121", 120), "120");
    EXPECT_EQ(RangeFields::correctedEnd("120", 120), "120");
    EXPECT_EQ(RangeFields::correctedEnd("5", 120), "5");
    EXPECT_EQ(RangeFields::correctedEnd("", 120), "");
    EXPECT_EQ(RangeFields::correctedEnd("0", 0), "0");
}

TEST(NumberRulesTest, SpeedTextIsRewrittenAsItsNumber) {
    EXPECT_EQ(SpeedSetting::correctedText("2.50"), "2.5");
    EXPECT_EQ(SpeedSetting::correctedText("2.0"), "2");
    EXPECT_EQ(SpeedSetting::correctedText("3."), "3");
    EXPECT_EQ(SpeedSetting::correctedText("3.5"), "3.5");
    EXPECT_EQ(SpeedSetting::correctedText("4"), "4");
    EXPECT_EQ(SpeedSetting::correctedText("5"), "2.0");
    EXPECT_EQ(SpeedSetting::correctedText("abc"), "2.0");
    EXPECT_EQ(SpeedSetting::correctedText("0"), "2.0");
    EXPECT_EQ(SpeedSetting::correctedText("-1"), "-1");
}

TEST(NumberRulesTest, SpeedGivesTheStepInMillisecondsWhenPositive) {
    EXPECT_EQ(SpeedSetting::intervalMs("1.5"), 1500);
    EXPECT_EQ(SpeedSetting::intervalMs("2.0"), 2000);
    EXPECT_EQ(SpeedSetting::intervalMs("3.5"), 3500);
    EXPECT_EQ(SpeedSetting::intervalMs("0.0014"), 1);
    EXPECT_EQ(SpeedSetting::intervalMs("0.0004"), std::nullopt);
    EXPECT_EQ(SpeedSetting::intervalMs("-1"), std::nullopt);
}

} // namespace
