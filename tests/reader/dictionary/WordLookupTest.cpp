#include "reader/dictionary/WordLookup.h"

#include "reader/dictionary/InflectionRules.h"
#include "tests/reader/dictionary/DictionaryFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Entries =
    u"$leave[li:v]v.离开$leaf[li:f]n.叶子$run[r3n]v.跑$study['st3di]vt.学习"
    u"$wide[waid]a.宽的$wider['waid2]a.更宽的$knife[naif]n.小刀$china[]瓷器$China[]中国$"_s;

class WordLookupTest : public ::testing::Test {
protected:
    QString headwordFound(const QString &word) {
        const std::optional<DictionaryEntry> entry = m_lookup.find(word);
        return entry ? entry->headword : u"(none)"_s;
    }

    DictionaryFiles m_files;
    WordLookup m_lookup{m_files.write(Entries)};
};

} // namespace

TEST(InflectionRules, EachRuleStartsFromTheTrimmedWord) {
    EXPECT_EQ(InflectionRules::candidates(u"  studies "_s),
              (QStringList{u"studies"_s, u"studie"_s, u"studi"_s, u"study"_s}));
    EXPECT_EQ(InflectionRules::candidates(u"running"_s),
              (QStringList{u"running"_s, u"runn"_s, u"runne"_s, u"run"_s}));
    EXPECT_EQ(InflectionRules::candidates(u"happiest"_s),
              (QStringList{u"happiest"_s, u"happi"_s, u"happie"_s, u"happy"_s, u"happ"_s}));
    EXPECT_EQ(InflectionRules::candidates(u"stopped"_s),
              (QStringList{u"stopped"_s, u"stoppe"_s, u"stopp"_s, u"stop"_s}));
}

TEST(InflectionRules, OnlyLowerCaseEndingsCount) {
    EXPECT_EQ(InflectionRules::candidates(u"RUNNING"_s), QStringList{u"RUNNING"_s});
    EXPECT_EQ(InflectionRules::candidates(u"\tbooks"_s).size(), 2); // only spaces are trimmed
}

TEST(InflectionRules, WordShorterThanTheCutStaysAsItIs) {
    EXPECT_EQ(InflectionRules::candidates(u"ing"_s),
              (QStringList{u"ing"_s, QString(), u"e"_s, u"ing"_s}));
}

TEST_F(WordLookupTest, FirstRuleThatFindsAnEntryWins) {
    EXPECT_EQ(headwordFound(u"studies"_s), u"study"_s); // rule 5, after studie and studi
    EXPECT_EQ(headwordFound(u"leaves"_s), u"leave"_s);  // rule 1; rule 7 would give leaf
    EXPECT_EQ(headwordFound(u"Running"_s), u"run"_s);   // rule 16; the search ignores case
    EXPECT_EQ(headwordFound(u"wider"_s), u"wider"_s);   // found at once, never stemmed
}

TEST_F(WordLookupTest, WordsNoRuleLeadsToFindNothing) {
    EXPECT_EQ(headwordFound(u"knives"_s), u"(none)"_s); // rule 7 gives knif, none gives knife
    EXPECT_EQ(headwordFound(u"RUNNING"_s), u"(none)"_s);
    EXPECT_EQ(headwordFound(u"thinks"_s), u"(none)"_s);
    EXPECT_EQ(headwordFound(QString()), u"(none)"_s);
}

TEST_F(WordLookupTest, CapitalisedWordShowsTheEarlierEntry) {
    EXPECT_EQ(headwordFound(u"China"_s), u"china"_s);
}
