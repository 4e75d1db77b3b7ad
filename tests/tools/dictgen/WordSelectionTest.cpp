#include "tools/dictgen/WordSelection.h"

#include "tools/dictgen/PhraseSelection.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

EcdictRow row(const QString &word, const QString &tag = {}, int frq = 0, int bnc = 0,
              const QString &translation = u"n. 释义"_s) {
    EcdictRow made;
    made.word = word;
    made.tag = tag;
    made.frq = frq;
    made.bnc = bnc;
    made.translation = translation;
    return made;
}

QStringList words(const std::vector<const EcdictRow *> &selected) {
    QStringList found;
    for (const EcdictRow *row : selected)
        found += row->word;
    return found;
}

} // namespace

TEST(EcdictRow, RankIsTheSmallerPositiveRank) {
    EXPECT_EQ(row(u"a"_s, {}, 30, 12).rank(), 12);
    EXPECT_EQ(row(u"a"_s, {}, 0, 12).rank(), 12);
    EXPECT_GT(row(u"a"_s).rank(), 1000000);
}

TEST(WordSelection, TakesExamWordsThenFillsByRank) {
    std::vector<EcdictRow> data = {
        row(u"study"_s, u"zk gk"_s),
        row(u"ice cream"_s, u"zk"_s), // a phrase, not a word
        row(u"Mr."_s, u"ky"_s),       // exam words need not be plain
        row(u"rare"_s, {}, 900, 0),
        row(u"common"_s, {}, 0, 20),
        row(u"also"_s, {}, 20, 0), // same rank: by word
        row(u"Smith"_s, {}, 1, 1), // not lower case
        row(u"john"_s, {}, 2, 2, u"n. 约翰(男子名)"_s),
        row(u"went"_s, {}, 3, 3),
        row(u"empty"_s, {}, 4, 4, {}), // no translation
    };
    data[8].exchange = u"0:go/1:p"_s; // an inflection of another word
    EXPECT_EQ(words(WordSelection::select(data)),
              (QStringList{u"study"_s, u"Mr."_s, u"also"_s, u"common"_s, u"rare"_s}));
}

TEST(WordSelection, FillWordsNameNoPersonOrPlace) {
    const std::vector<EcdictRow> data = {
        row(u"carrie"_s, {}, 1, 1, u"n. 卡丽（女名, Caroline的昵称）"_s),
        row(u"derek"_s, {}, 2, 2, u"n. 德里克（男名）"_s),
        row(u"ross"_s, {}, 3, 3, u"n. 罗丝（女性名）"_s),
        row(u"silas"_s, {}, 4, 4, u"n. 赛拉斯（男性名）"_s),
        row(u"paige"_s, {}, 5, 5, u"n. 佩奇（姓名）"_s),
        row(u"glasgow"_s, {}, 6, 6, u"n. 格拉斯哥（英国城市名）"_s),
        row(u"sussex"_s, {}, 7, 7, u"n. 苏塞克斯（英国郡名）"_s),
        row(u"serbia"_s, {}, 8, 8, u"n. 塞尔维亚（南斯拉夫成员共和国名）"_s),
        row(u"noun"_s, {}, 9, 9, u"n. 名词"_s),
        row(u"famous"_s, {}, 10, 10, u"a. 著名的, 出名的"_s),
        row(u"will"_s, {}, 11, 11,
            u"n. 意志, 遗嘱\\nn. 威尔（男子名）"_s), // only the first line counts
    };
    EXPECT_EQ(words(WordSelection::select(data)), (QStringList{u"noun"_s, u"famous"_s, u"will"_s}));
}

TEST(PhraseSelection, RatedPhrasesOfKnownWordsComeFirstThenCommonPatternsByUse) {
    std::vector<EcdictRow> data = {
        row(u"give"_s, u"zk"_s, 0, 0, u"vt. 给"_s),
        row(u"take"_s, u"zk"_s, 0, 0, u"vt. 拿"_s),
        row(u"part"_s, u"zk"_s, 0, 0, u"n. 部分"_s),
        row(u"up"_s, u"zk"_s, 0, 0, u"adv. 向上"_s),
        row(u"in"_s, u"zk"_s, 0, 0, u"prep. 在"_s),
        row(u"front"_s, u"zk"_s, 0, 0, u"n. 前面"_s),
        row(u"of"_s, u"zk"_s, 0, 0, u"prep. 的"_s),
        row(u"take part in"_s, {}, 0, 0, u"参加"_s),
        row(u"give up"_s, {}, 0, 0, u"放弃"_s),
        row(u"in front of"_s, {}, 0, 0, u"在前面"_s),
        row(u"give it up"_s, {}, 0, 0, u"放弃"_s),   // holds a pronoun
        row(u"part of"_s, {}, 0, 0, u"[计] 部分"_s), // only a labelled line
        row(u"A front"_s, {}, 0, 0, u"前线"_s),      // not lower case, not rated
        row(u"take in sth"_s, u"cet4"_s, 0, 0, u"吸收"_s),
    };
    data.back().rated = true;
    data[0].definition = u"to give up hope; Give up, give up!"_s;
    data[1].definition = u"to take part in; in front of"_s;
    std::vector<const EcdictRow *> selected;
    for (int i = 0; i < 7; ++i)
        selected.push_back(&data[size_t(i)]);
    EXPECT_EQ(words(PhraseSelection(data, selected).select()),
              (QStringList{u"take in sth"_s, u"give up"_s, u"in front of"_s, u"take part in"_s}));
}
