#include "tools/examstore/PaperStatistics.h"

#include <gtest/gtest.h>

TEST(PaperStatistics, CountsEnglishWordsOutsideTheMarkup) {
    EXPECT_EQ(PaperStatistics::wordCount("**Text 1**\nDon't stop: a well-known __21__ in 1999."),
              6); // Text, Don't, stop, a, well-known, in: numbers are not words
    EXPECT_EQ(PaperStatistics::wordCount("城市热岛 heat island"), 2);
    EXPECT_EQ(PaperStatistics::wordCount(""), 0);
}

TEST(PaperStatistics, CountsNumberedBlanksButNotUnderlinedSentences) {
    EXPECT_EQ(PaperStatistics::blankCount("a __1__ b __20__ c __(61) A sentence.__ __x__"), 2);
}

TEST(PaperStatistics, TableHasOneLinePerYear) {
    std::vector<PaperSources::Part> parts = {
        {"1995年试题Part1", "1995/Part1", {"one __1__ two", "", "", ""}, false},
        {"1995年试题Part2", "1995/Part2", {"three words here", "", "", ""}, false},
        {"2002年试题Part1", "2002/Part1", {"placeholder", "", "", ""}, true},
    };
    EXPECT_EQ(PaperStatistics::table(parts), "year  Part1     Part2     Part3     Part4     Part5\n"
                                             "1995  2w 1b     3w\n"
                                             "2002  -\n");
}
