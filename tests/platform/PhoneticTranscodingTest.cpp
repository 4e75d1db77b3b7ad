#include "platform/PhoneticTranscoding.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PhoneticTranscoding, DictionaryExamples) {
    EXPECT_EQ(transcodePhonetic(u"2'b9nd2n"_s), u"E5bAndEn"_s);
    EXPECT_EQ(transcodePhonetic(u"2'b3v"_s), u"E5bQv"_s);
    EXPECT_EQ(transcodePhonetic(u"'st3di"_s), u"5stQdi"_s);
}

TEST(PhoneticTranscoding, CommaBecomesSlashAndSpacesGo) {
    EXPECT_EQ(transcodePhonetic(u"ei, 2"_s), u"ei/E"_s);
}

// The stress mark turns into "5" after the digit 5 has turned into "T", and the comma into
// "/" after the slash has turned into "Z": neither is replaced a second time.
TEST(PhoneticTranscoding, ReplacementsDoNotChain) {
    EXPECT_EQ(transcodePhonetic(u"'5i"_s), u"5Ti"_s);
    EXPECT_EQ(transcodePhonetic(u"/,"_s), u"Z/"_s);
}

TEST(PhoneticTranscoding, EveryDigitHasItsSymbol) {
    EXPECT_EQ(transcodePhonetic(u"0123456789"_s), u"CBEQWTFVNA"_s);
}

TEST(PhoneticTranscoding, OtherCharactersPassUnchanged) {
    EXPECT_EQ(transcodePhonetic(u"abc:()-ABC"_s), u"abc:()-ABC"_s);
    EXPECT_EQ(transcodePhonetic(QString()), QString());
}
