#include "reader/dictionary/DefinitionSenses.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace DefinitionSenses;

// Dictionary definitions hold the lines of the word data joined by spaces.
TEST(DefinitionSenses, LinesStartAtAPartOfSpeechAFormNoteOrBetweenChineseWords) {
    EXPECT_EQ(linesOf(u"n. 学习, 研究 vt. 学习, 读书 vi. 学习, 思索"_s),
              (QStringList{u"n. 学习, 研究"_s, u"vt. 学习, 读书"_s, u"vi. 学习, 思索"_s}));
    EXPECT_EQ(linesOf(u"a. 天生的 bear的过去分词"_s),
              (QStringList{u"a. 天生的"_s, u"bear的过去分词"_s}));
    EXPECT_EQ(linesOf(u"射击 开枪 子弹"_s), (QStringList{u"射击"_s, u"开枪"_s, u"子弹"_s}));
    EXPECT_EQ(linesOf(u"n. 爱滋病(综合征) 美国决策学学会"_s),
              (QStringList{u"n. 爱滋病(综合征)"_s, u"美国决策学学会"_s}));
    EXPECT_EQ(linesOf(QString()), QStringList());
}

TEST(DefinitionSenses, PartsOfSpeechAndEnglishInsideALineDoNotStartOne) {
    for (const QString &line :
         {u"vt.& vi. （高兴地）盼望, 期待"_s, u"第一个字母 A; 一个"_s, u"a. organise的变形"_s,
          u"n. 纪念品( souvenir的名词复数 )"_s, u"n. 礼物, vt. 赠送"_s}) {
        EXPECT_EQ(linesOf(line), QStringList{line});
    }
}

TEST(DefinitionSenses, ListMeaningKeepsTwoSensesWithinFortyCharacters) {
    EXPECT_EQ(listMeaning(linesOf(u"vt. 放弃, 抛弃, 遗弃, 使屈从 n. 放任, 无拘束"_s)),
              u"vt. 放弃, 抛弃"_s);
    EXPECT_EQ(listMeaning(linesOf(u"n. 传真 vt. 发传真"_s)), u"n. 传真; vt. 发传真"_s);
    EXPECT_EQ(listMeaning(linesOf(u"keep的过去式和过去分词"_s)), u"keep的过去式和过去分词"_s);
    EXPECT_EQ(listMeaning(linesOf(u"a. 天生的 bear的过去分词"_s)), u"a. 天生的; bear的过去分词"_s);
    // Commas inside brackets are part of a sense.
    EXPECT_EQ(listMeaning(linesOf(u"vt. (马,鹰等)戴头罩, 加罩, 遮盖"_s)),
              u"vt. (马,鹰等)戴头罩, 加罩"_s);
    const QString longSense = QString(36, u'甲');
    EXPECT_EQ(listMeaning(linesOf(u"n. "_s + longSense + u", 乙"_s)), u"n. "_s + longSense);
    // A single sense stays whole however long it is.
    EXPECT_EQ(listMeaning({u"n. "_s + QString(50, u'甲')}), u"n. "_s + QString(50, u'甲'));
    EXPECT_EQ(listMeaning({}), QString());
}
