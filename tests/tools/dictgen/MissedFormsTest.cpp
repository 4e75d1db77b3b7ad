#include "tools/dictgen/MissedForms.h"

#include "tests/support/GeneratedEntries.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList shown(const std::vector<GeneratedEntry> &entries) {
    QStringList texts;
    for (const GeneratedEntry &entry : entries)
        texts += entry.headword + u'[' + entry.notation + u']' + entry.definition;
    return texts;
}

} // namespace

TEST(MissedForms, FormsTheRulesMissOrMisleadGetAnEntryNamingTheirBase) {
    const std::vector<EcdictRow> rows = {
        {.word = u"use"_s, .exchange = u"i:using/3:uses"_s},
        {.word = u"carry"_s, .exchange = u"p:carried/d:carried/i:carrying/3:carries"_s},
        {.word = u"lie"_s, .exchange = u"i:lying/3:lies"_s},
        {.word = u"lying"_s, .phonetic = u"'laiiŋ"_s, .exchange = u"0:lie/1:i"_s},
        {.word = u"walk"_s, .exchange = u"p:walked/d:walked"_s},
        {.word = u"care"_s, .exchange = u"i:caring/3:cares"_s},
    };
    const std::vector<GeneratedEntry> entries = wordEntries(
        {u"car"_s, u"care"_s, u"carrie"_s, u"carry"_s, u"lie"_s, u"us"_s, u"use"_s, u"walk"_s});
    EXPECT_EQ(shown(MissedForms::entries(entries, rowsByWord(rows))),
              (QStringList{u"caring[]care的现在分词"_s,           // rule 14 gives car
                           u"carried[]carry的过去式和过去分词"_s, // rule 2 gives carrie
                           u"carries[]carry的第三人称单数"_s,     // rule 1 gives carrie
                           u"lying['laii8]lie的现在分词"_s,       // no rule gives lie
                           u"using[]use的现在分词"_s}));          // rule 14 gives us
}

// An appended form can be the stripped stem of another form that a later rule led to its base
// before: made-up words show it.
TEST(MissedForms, ChecksAgainWhenAnAppendedFormMisleadsAnother) {
    const std::vector<EcdictRow> rows = {
        {.word = u"care"_s, .exchange = u"i:caring"_s},
        {.word = u"carin"_s, .exchange = u"p:caringed"_s}, // found by rule 19 until caring is
    };
    const std::vector<GeneratedEntry> added =
        MissedForms::entries(wordEntries({u"car"_s, u"care"_s, u"carin"_s}), rowsByWord(rows));
    EXPECT_EQ(shown(added),
              (QStringList{u"caring[]care的现在分词"_s, u"caringed[]carin的过去式"_s}));
}

TEST(MissedForms, NothingWhenEveryFormShowsItselfOrABase) {
    const std::vector<EcdictRow> rows = {
        {.word = u"fall"_s, .exchange = u"p:fell/i:falling/3:falls"_s},
        {.word = u"fell"_s, .exchange = u"0:fall/3:falls"_s}, // falls shows fall: one of its bases
    };
    EXPECT_TRUE(
        MissedForms::entries(wordEntries({u"fall"_s, u"fell"_s}), rowsByWord(rows)).empty());
}
