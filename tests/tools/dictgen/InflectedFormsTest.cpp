#include "tools/dictgen/InflectedForms.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList definitions(const std::vector<InflectedForm> &forms) {
    QStringList texts;
    for (const InflectedForm &form : forms)
        texts += form.form + u": "_s + InflectedForms::definition(form);
    return texts;
}

} // namespace

TEST(InflectedForms, EachFormOnceWithTheLabelsOfAllItsKeys) {
    const EcdictRow keep{.word = u"keep"_s,
                         .exchange = u"p:kept/d:kept/i:keeping/3:keeps/0:keep"_s};
    EXPECT_EQ(definitions(InflectedForms::of(keep, InflectedForms::AllKeys)),
              (QStringList{u"kept: keep的过去式和过去分词"_s, u"keeping: keep的现在分词"_s,
                           u"keeps: keep的第三人称单数"_s}));
    EXPECT_EQ(definitions(InflectedForms::of(keep, u"i")),
              QStringList{u"keeping: keep的现在分词"_s});
    const EcdictRow big{.word = u"big"_s, .exchange = u"r:bigger/t:biggest/s:bigs"_s};
    EXPECT_EQ(
        definitions(InflectedForms::of(big, InflectedForms::AllKeys)),
        (QStringList{u"bigs: big的复数"_s, u"bigger: big的比较级"_s, u"biggest: big的最高级"_s}));
}

TEST(InflectedForms, KnownDataErrorsAreNoForms) {
    const EcdictRow ski{.word = u"ski"_s, .exchange = u"p:ski'd/s:skis"_s};
    const EcdictRow made{.word = u"made"_s, .exchange = u"0:make/1:dp/r:mader"_s};
    EXPECT_EQ(definitions(InflectedForms::of(ski, InflectedForms::AllKeys)),
              QStringList{u"skis: ski的复数"_s});
    EXPECT_TRUE(InflectedForms::of(made, InflectedForms::AllKeys).empty());
}

TEST(InflectedForms, FormsOfTheSingleWordsAmongHeadwordsThatHaveARow) {
    const std::vector<EcdictRow> rows = {
        {.word = u"use"_s, .exchange = u"i:using/3:uses"_s},
        {.word = u"give up"_s, .exchange = u"i:giving up"_s},
        {.word = u"lie"_s, .exchange = u"i:lying"_s},
    };
    const std::vector<InflectedForm> forms =
        InflectedForms::ofWords({u"lie"_s, u"give up"_s, u"unknown"_s, u"use"_s}, rowsByWord(rows));
    EXPECT_EQ(definitions(forms), (QStringList{u"lying: lie的现在分词"_s, u"using: use的现在分词"_s,
                                               u"uses: use的第三人称单数"_s}));
    EXPECT_TRUE(InflectedForms::lists(rows[0], u"Using"_s));
    EXPECT_FALSE(InflectedForms::lists(rows[0], u"use"_s));
}

TEST(InflectedForms, EntryNamesEveryWordTheFormBelongsToAndTakesItsOwnPronunciation) {
    const std::vector<EcdictRow> rows = {{.word = u"axed"_s, .phonetic = u"ækst"_s}};
    const GeneratedEntry entry = InflectedForms::entry(
        {{u"axed"_s, u"ax"_s, {u"过去式"_s}}, {u"axed"_s, u"axe"_s, {u"过去式"_s, u"过去分词"_s}}},
        rowsByWord(rows), GeneratedEntry::MissedForm);
    EXPECT_EQ(entry.headword, u"axed"_s);
    EXPECT_EQ(entry.notation, u"9kst"_s);
    EXPECT_EQ(entry.definition, u"ax的过去式, axe的过去式和过去分词"_s);
    EXPECT_EQ(entry.kind, GeneratedEntry::MissedForm);

    const GeneratedEntry without = InflectedForms::entry(
        {{u"lying"_s, u"lie"_s, {u"现在分词"_s}}}, rowsByWord(rows), GeneratedEntry::MissedForm);
    EXPECT_EQ(without.notation, QString());
}
