#include "tools/dictgen/LookupCoverage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

WordLookup lookupIn(const QString &text) {
    return WordLookup(Dictionary::ofText(text));
}

} // namespace

TEST(LookupCoverage, AFormIsShownRightlyByItselfOrAnyWordItIsAFormOf) {
    const QHash<QString, const EcdictRow *> noRows;
    LookupCoverage coverage(lookupIn(u"$fall[]落下$fell[]砍伐$carrie[]卡丽$tie[]系$"_s), noRows);
    const std::vector<InflectedForm> forms = {
        {u"falls"_s, u"fall"_s, {}},    {u"falls"_s, u"fell"_s, {}}, // shows fall
        {u"fell"_s, u"fall"_s, {}},                                  // shows itself
        {u"carried"_s, u"carry"_s, {}},                              // shows carrie
        {u"tying"_s, u"tie"_s, {}},                                  // shows nothing
    };
    const std::vector<InflectedForm> missed = coverage.missed(forms);
    ASSERT_EQ(missed.size(), 2u);
    EXPECT_EQ(missed[0].form, u"carried"_s);
    EXPECT_EQ(missed[1].form, u"tying"_s);
    const LookupCoverage::Share share = coverage.shownForms(forms);
    EXPECT_EQ(share.shown, 2);
    EXPECT_EQ(share.total, 4); // each form once
    EXPECT_FALSE(share.isComplete());
    EXPECT_EQ(share.text(), u"2 of 4 (50.0 %)"_s);
}

TEST(LookupCoverage, ATextWordIsShownRightlyByItselfOrItsBase) {
    const std::vector<EcdictRow> rows = {
        {.word = u"is"_s, .exchange = u"0:be/1:3"_s},
        {.word = u"thousand"_s, .exchange = u"s:thousands"_s},
        {.word = u"using"_s, .exchange = u"0:use/1:i"_s},
    };
    const QHash<QString, const EcdictRow *> byWord = rowsByWord(rows);
    LookupCoverage coverage(lookupIn(u"$the[]这$be[]是$I[]我$thousand[]千$us[]我们$"_s), byWord);
    EXPECT_EQ(coverage.shownWords({u"The"_s, u"thousands"_s}).shown, 2);
    // "is" shows I until it has an entry of its own, "using" shows us; zebra shows nothing.
    EXPECT_EQ(coverage.shownWords({u"is"_s, u"using"_s, u"zebra"_s}).shown, 0);
    LookupCoverage fixed(lookupIn(u"$I[]我$be[]是$is[]be的第三人称单数现在式$"_s), byWord);
    EXPECT_EQ(fixed.shownWords({u"is"_s, u"Is"_s}).shown, 2);
}
