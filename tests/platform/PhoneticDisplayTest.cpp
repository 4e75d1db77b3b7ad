#include "platform/PhoneticDisplay.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PhoneticDisplay, ShowsStoredTranscriptionsAsIpa) {
    EXPECT_EQ(phoneticToIpa(u"E5bAndEn"_s), u"əˈbændən"_s);
    EXPECT_EQ(phoneticToIpa(u"E5bQv"_s), u"əˈbʌv"_s);
    EXPECT_EQ(phoneticToIpa(u"5stQdi"_s), u"ˈstʌdi"_s);
    EXPECT_EQ(phoneticToIpa(u"kEn5sidN"_s), u"kənˈsidŋ"_s);
}

TEST(PhoneticDisplay, SlashBetweenTwoPronunciationsStaysASlash) {
    EXPECT_EQ(phoneticToIpa(u"ei/E"_s), u"ei/ə"_s);
}

TEST(PhoneticDisplay, NasalVowelsGetACombiningTilde) {
    EXPECT_EQ(phoneticToIpa(u"D"_s), u"ɑ\u0303"_s);
    EXPECT_EQ(phoneticToIpa(u"SY"_s), u"ɔ\u0303ɛ\u0303"_s);
}

TEST(PhoneticDisplay, CodesTheFontLeavesBlankShowNothing) {
    EXPECT_EQ(phoneticToIpa(u"a!\"#$%&'*+0 2 3>~b"_s), u"a  b"_s);
}

TEST(PhoneticDisplay, LowerCaseLettersAndPunctuationShowAsThemselves) {
    EXPECT_EQ(phoneticToIpa(u"abc xyz(),-.;"_s), u"abc xyz(),-.;"_s);
}

TEST(PhoneticDisplay, MarksAndPunctuationCodes) {
    EXPECT_EQ(phoneticToIpa(u"579:146?8@<={|}"_s), u"ˈˌˌː…:!U?Süê–¦\\"_s);
    EXPECT_EQ(phoneticToIpa(u"[\\]^_`"_s), u"əɜçɡˇˋ"_s);
}
