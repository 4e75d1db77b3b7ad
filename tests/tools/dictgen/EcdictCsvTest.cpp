#include "tools/dictgen/EcdictCsv.h"

#include "tools/dictgen/DefaultWordList.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(EcdictCsv, ReadsColumnsByNameWithStandardQuoting) {
    const QByteArray csv = "phonetic,word,translation,tag,bnc,frq,exchange,collins,oxford\r\n"
                           "'st\xca\x8c"
                           "di,study,\"n. \xe5\xad\xa6\xe4\xb9\xa0, \"\"x\"\"\\nvt. y\",zk gk,1,2,"
                           "p:studied,,1\r\n"
                           "\n"
                           ",\"a,b\",\"line\nbreak\",,0,0,,,\n";
    const std::vector<EcdictRow> rows = EcdictCsv::parse(csv);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].word, u"study"_s);
    EXPECT_EQ(rows[0].phonetic, u"'stʌdi"_s);
    EXPECT_EQ(rows[0].translation, u"n. 学习, \"x\"\\nvt. y"_s);
    EXPECT_EQ(rows[0].tag, u"zk gk"_s);
    EXPECT_EQ(rows[0].bnc, 1);
    EXPECT_EQ(rows[0].frq, 2);
    EXPECT_EQ(rows[0].inflection(u'p'), u"studied"_s);
    EXPECT_TRUE(rows[0].rated);
    EXPECT_EQ(rows[1].word, u"a,b"_s);
    EXPECT_EQ(rows[1].translation, u"line\nbreak"_s);
    EXPECT_FALSE(rows[1].rated);
    EXPECT_TRUE(rows[1].definition.isEmpty()); // no such column
}

TEST(DefaultWordList, SyllabusWordsInOrderWithCodeAndShortMeaning) {
    std::vector<EcdictRow> data(5);
    data[0].word = u"FAX"_s;
    data[0].tag = u"ky"_s;
    data[0].phonetic = u"fæks"_s;
    data[0].translation = u"n. 传真\\nvt. 发传真"_s;
    data[1].word = u"abandon"_s;
    data[1].tag = u"cet4 ky"_s;
    data[1].phonetic = u"ә'bændәn"_s;
    data[1].translation = u"vt. 放弃, 抛弃, 遗弃"_s;
    data[2].word = u"Able"_s;
    data[2].tag = u"zk"_s;
    data[3].word = u"ice cream"_s;
    data[3].tag = u"zk"_s;
    data[4].word = u"zebra"_s;
    data[4].tag = u"cet4"_s;

    const std::vector<WordListFile::WordRow> rows = DefaultWordList::rows(data);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].word, u"abandon"_s);
    EXPECT_EQ(rows[0].phonetic, u"E5bAndEn"_s);
    EXPECT_EQ(rows[0].meaning, u"vt. 放弃, 抛弃"_s);
    EXPECT_EQ(rows[0].mark, u"0"_s);
    EXPECT_EQ(rows[1].word, u"Able"_s);
    EXPECT_EQ(rows[2].number, 3);
    EXPECT_EQ(rows[2].word, u"fax"_s);
    EXPECT_EQ(rows[2].meaning, u"n. 传真; vt. 发传真"_s);
}
