#include "tools/dictgen/DictionaryCounts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DictionaryCounts, CountsEachKindAndChecksTheRanges) {
    std::vector<GeneratedEntry> entries = {{u"a"_s, u"ei"_s, {}, GeneratedEntry::Word},
                                           {u"a lot"_s, {}, {}, GeneratedEntry::Phrase},
                                           {u"kept"_s, {}, {}, GeneratedEntry::IrregularForm},
                                           {u"using"_s, {}, {}, GeneratedEntry::MissedForm}};
    const DictionaryCounts counts = DictionaryCounts::of(entries);
    EXPECT_EQ(counts.entries, 4);
    EXPECT_EQ(counts.phrases, 1);
    EXPECT_EQ(counts.irregularForms, 1);
    EXPECT_EQ(counts.missedForms, 1);
    EXPECT_EQ(counts.emptyPhonetics, 3);
    EXPECT_EQ(counts.outOfRange().size(), 5);

    const DictionaryCounts fine{12900, 2400, 2000, 290, 100};
    EXPECT_TRUE(fine.outOfRange().isEmpty());
}
