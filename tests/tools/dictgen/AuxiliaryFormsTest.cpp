#include "tools/dictgen/AuxiliaryForms.h"

#include "tests/support/GeneratedEntries.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(AuxiliaryForms, TheVerbUseComesFirstInPlaceOfTheDatasMentionOfIt) {
    std::vector<GeneratedEntry> entries = {
        {u"are"_s, u"1:"_s, u"n. 公亩（面积单位）"_s},
        {u"being"_s, {}, u"n. 存在, 生物, be的现在分词"_s},
        {u"does"_s, {}, u"v. 做；工作；有用（do的第三人称单数形式）"_s},
        {u"AM"_s, {}, u"be的单数第一人称"_s},
        {u"was"_s, {}, u"be的过去式"_s},
        {u"dinner"_s, {}, u"n. 正餐"_s},
    };
    AuxiliaryForms::putVerbUseFirst(entries);
    EXPECT_EQ(entries[0].definition, u"be的第二人称单数和复数现在式 n. 公亩（面积单位）"_s);
    EXPECT_EQ(entries[0].notation, u"1:"_s);
    EXPECT_EQ(entries[1].definition, u"be的现在分词 n. 存在, 生物"_s);
    EXPECT_EQ(entries[2].definition, u"do的第三人称单数现在式 v. 做；工作"_s);
    EXPECT_EQ(entries[3].definition, u"be的单数第一人称"_s); // says so first already
    EXPECT_EQ(entries[4].definition, u"be的过去式"_s);
    EXPECT_EQ(entries[5].definition, u"n. 正餐"_s);
}

TEST(AuxiliaryForms, FormsWithoutAnEntryGetOneFromTheirOwnRow) {
    const std::vector<GeneratedEntry> entries =
        wordEntries({u"AM"_s, u"are"_s, u"was"_s, u"been"_s, u"being"_s, u"Has"_s, u"had"_s,
                     u"does"_s, u"did"_s, u"done"_s});
    const std::vector<EcdictRow> rows = {
        {.word = u"is"_s,
         .phonetic = u"iz"_s,
         .translation = u"be的现在式第三人称\\n[计] 信息系统"_s},
        {.word = u"cannot"_s, .phonetic = u"'kænɒt"_s, .translation = u"aux. 无法, 不能"_s},
    };
    const std::vector<GeneratedEntry> added =
        AuxiliaryForms::missingEntries(entries, rowsByWord(rows));
    ASSERT_EQ(added.size(), 3u);
    EXPECT_EQ(added[0].headword, u"is"_s);
    EXPECT_EQ(added[0].notation, u"iz"_s);
    EXPECT_EQ(added[0].definition, u"be的第三人称单数现在式"_s);
    EXPECT_EQ(added[1].headword, u"were"_s); // no row of its own
    EXPECT_EQ(added[1].notation, QString());
    EXPECT_EQ(added[1].definition, u"be的第二人称单数和复数过去式"_s);
    EXPECT_EQ(added[2].headword, u"cannot"_s);
    EXPECT_EQ(added[2].notation, u"'k9n0t"_s);
    EXPECT_EQ(added[2].definition, u"can的否定式 aux. 无法, 不能"_s);
    EXPECT_EQ(added[2].kind, GeneratedEntry::MissedForm);
}
