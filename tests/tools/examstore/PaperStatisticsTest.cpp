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

TEST(PaperStatistics, CountsNumberedItemsThatHaveOptions) {
    // Options on their own lines, options on the question's line, a heading between texts, and
    // the outline points of a writing task, which have no options.
    EXPECT_EQ(PaperStatistics::itemCount("**Text 1**\n21. Stem\n[A] a\n[B] b\n"
                                         "22. [A] x [B] y\n**Text 2**\n23.\n[A] c\n"),
              3);
    EXPECT_EQ(PaperStatistics::itemCount("1. describe the chart\n2. give reasons\n"), 0);
}

TEST(PaperStatistics, TableHasOneLinePerYear) {
    std::vector<PaperSources::Part> parts = {
        {"1995年试题Part1", "1995/Part1", {"one __1__ two", "1.\n[A] a\n", "", ""}, false},
        {"1995年试题Part2", "1995/Part2", {"three words here", "", "", ""}, false},
        {"2002年试题Part1", "2002/Part1", {"placeholder", "", "", ""}, true},
    };
    EXPECT_EQ(PaperStatistics::table(parts),
              "year  Part1           Part2           Part3           Part4           Part5\n"
              "1995  2w 1q 1b        3w\n"
              "2002  -\n");
}
