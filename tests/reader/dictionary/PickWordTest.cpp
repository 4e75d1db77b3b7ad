#include "reader/dictionary/PickWord.h"

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
