#include "tools/dictgen/DefinitionText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace DefinitionText;

namespace {

const QString Study = u"n. 学习, 研究, 学科, 论文, 求学, 书房, 试作\\nvt. 学习, 读书, 研究, 考虑, "
                      u"计划\\nvi. 学习, 思索\\n[计] 研究"_s;

} // namespace

TEST(DefinitionText, JoinsTheLinesLeavingDomainLabelsOut) {
    EXPECT_EQ(dictionaryDefinition(Study, u"study"_s),
              u"n. 学习, 研究, 学科, 论文, 求学, 书房, 试作 vt. 学习, 读书, 研究, 考虑, 计划 vi. "
              u"学习, 思索"_s);
}

TEST(DefinitionText, KeepsTheFirstLabelledLineWhenAllAreLabelled) {
    EXPECT_EQ(dictionaryDefinition(u"[计] 内核\\n[医] 核"_s, u"kernel"_s), u"内核"_s);
}

TEST(DefinitionText, DropsANoteOnTheHeadwordsOwnInflections) {
    const QString run = u"vi. 跑, 奔跑\\nrun的过去式和过去分词\\n[计] 运行"_s;
    EXPECT_EQ(dictionaryDefinition(run, u"run"_s), u"vi. 跑, 奔跑"_s);
    // A note about another word is a meaning of its own.
    EXPECT_EQ(dictionaryDefinition(u"keep的过去式和过去分词"_s, u"kept"_s),
              u"keep的过去式和过去分词"_s);
}

TEST(DefinitionText, CollapsesSpacesAndReadsCarriageReturnNotesAsLineBreaks) {
    EXPECT_EQ(dictionaryDefinition(u"第一个字母  A\\r\\nart. 一个"_s, u"a"_s),
              u"第一个字母 A art. 一个"_s);
}

TEST(DefinitionText, LongDefinitionsAreCutBetweenSensesOnly) {
    QString senses;
    for (int i = 0; i < 20; ++i)
        senses += (i ? u", "_s : u"n. "_s) + u"释义释义%1"_s.arg(i % 10);
    const QString cut = dictionaryDefinition(senses, u"word"_s);
    EXPECT_EQ(cut.size(), 78); // eleven senses; a twelfth would pass 80
    EXPECT_TRUE(cut.endsWith(u"释义释义0"_s)) << qPrintable(cut);
}

TEST(DefinitionText, CommasInsideBracketsDoNotSeparateSenses) {
    const QString line = u"vt. "_s + QString(70, u'甲') + u"(马,鹰等)戴头罩, 加罩"_s;
    EXPECT_EQ(dictionaryDefinition(line, u"hood"_s),
              u"vt. "_s + QString(70, u'甲') + u"(马,鹰等)戴头罩"_s);
}

TEST(DefinitionText, NeverHoldsTheEntryMark) {
    EXPECT_EQ(dictionaryDefinition(u"n. 美元符号$"_s, u"dollar"_s), u"n. 美元符号＄"_s);
}

TEST(DefinitionText, ListMeaningTakesTheFirstTwoSensesWithTheirPartOfSpeech) {
    EXPECT_EQ(listMeaning(u"vt. 放弃, 抛弃, 遗弃\\nn. 放任"_s, u"abandon"_s), u"vt. 放弃, 抛弃"_s);
    EXPECT_EQ(listMeaning(u"n. 传真\\nvt. 发传真\\n[计] 传真系统"_s, u"FAX"_s),
              u"n. 传真; vt. 发传真"_s);
    EXPECT_EQ(listMeaning(u"第一个字母 A; 一个; 第一的"_s, u"a"_s), u"第一个字母 A, 一个"_s);
}

TEST(DefinitionText, ListMeaningDropsTheSecondSenseBeyondFortyCharacters) {
    const QString first = QString(30, u'甲');
    EXPECT_EQ(listMeaning(u"n. "_s + first + u", "_s + QString(10, u'乙'), u"w"_s),
              u"n. "_s + first);
}

TEST(DefinitionText, LeavesOutTheSensesHoldingAText) {
    EXPECT_EQ(withoutSensesHolding(u"n. 存在, 性质, 生物, be的现在分词"_s, u"be的"_s),
              u"n. 存在, 性质, 生物"_s);
    EXPECT_EQ(withoutSensesHolding(u"v. 做；工作；有用（do的第三人称单数形式）"_s, u"do的"_s),
              u"v. 做；工作"_s);
    EXPECT_EQ(withoutSensesHolding(u"be的过去式, 曾是"_s, u"be的"_s), u"曾是"_s);
    EXPECT_EQ(withoutSensesHolding(u"be的过去式"_s, u"be的"_s), QString());
    // The senses of the line before stay.
    EXPECT_EQ(withoutSensesHolding(u"a. 完成了的, 好了的 do的过去分词"_s, u"do的"_s),
              u"a. 完成了的, 好了的"_s);
    // A separator inside brackets does not end a sense.
    EXPECT_EQ(withoutSensesHolding(u"a. 好的（be的, 非）, 对的"_s, u"be的"_s), u"对的"_s);
}
