#include "tools/dictgen/PhoneticNotation.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString word(const QString &source, const QString &headword = u"word"_s) {
    return toDictionaryNotation(source, headword);
}

} // namespace

TEST(PhoneticNotation, MapsIpaAndItsLookAlikesToDigits) {
    EXPECT_EQ(word(u"ә'bændәn"_s), u"2'b9nd2n"_s); // Cyrillic schwa
    EXPECT_EQ(word(u"əˈbʌv"_s), u"2'b3v"_s);       // IPA schwa and stress
    EXPECT_EQ(word(u"'stʌdi"_s), u"'st3di"_s);
    EXPECT_EQ(word(u"θɔ:ðɒŋʃʒ"_s), u"40:50867"_s);
    EXPECT_EQ(word(u"ɑːɜːɪʊɡ"_s), u"1:2:iug"_s);
    EXPECT_EQ(word(u"εєɛ"_s), u"///"_s);
    EXPECT_EQ(word(u"filænθrәpic"_s), u"fil9n4r2pik"_s);         // c → k
    EXPECT_EQ(word(u"simәl'teiniәsly"_s), u"sim2l'teini2sli"_s); // y → i
}

TEST(PhoneticNotation, RepairsKnownCorruptions) {
    EXPECT_EQ(word(uR"('p\\\\:mәntli)"_s), u"'p2:m2ntli"_s); // backslashes for a schwa
    EXPECT_EQ(word(u"'^ræni"_s), u"'gr9ni"_s);
    EXPECT_EQ(word(u"'mәjtәbaik"_s), u"'m2ut2baik"_s); // j before a consonant is u
    EXPECT_EQ(word(u"әj'kei"_s), u"2u'kei"_s);
    EXPECT_EQ(word(u"jɑ:d"_s), u"j1:d"_s); // the consonant j stays
    EXPECT_EQ(word(u"pә'tikjjlәli"_s), u"p2'tikjul2li"_s);
    EXPECT_EQ(word(u"simәl'teiniәsly; (?@) saim-"_s), u"sim2l'teini2sli"_s);
    EXPECT_EQ(word(u"''vækjuәm"_s), u"'v9kju2m"_s); // a doubled stress
}

TEST(PhoneticNotation, RepairsEndingsTheSpellingBelies) {
    EXPECT_EQ(word(u"kәn'sidŋ"_s, u"consider"_s), u"k2n'sid2"_s); // ŋ for ə
    EXPECT_EQ(word(u"'ә:niŋ"_s, u"earnings"_s), u"'2:ni8z"_s);    // the plural lost its z
    EXPECT_EQ(word(u"'fɒ:θ'kʌmɑŋ"_s, u"forthcoming"_s), u"'f0:4'k3mi8"_s);
    EXPECT_EQ(word(u"sæl'veiʃә"_s, u"salvation"_s), u"s9l'vei62n"_s);
    // Endings that are what the spelling says.
    EXPECT_EQ(word(u"'bæŋ"_s, u"bang"_s), u"'b98"_s);
    EXPECT_EQ(word(u"'restәrɒŋ"_s, u"restaurant"_s), u"'rest2r08"_s);
    EXPECT_EQ(word(u"'ʒɒŋrә"_s, u"genre"_s), u"'708r2"_s);
    EXPECT_EQ(word(u"'pɑ:ʃә"_s, u"pasha"_s), u"'p1:62"_s);
}

TEST(PhoneticNotation, KeepsTheFirstOfListedAlternatives) {
    EXPECT_EQ(word(u"dʌz; dәz"_s), u"d3z"_s);
    EXPECT_EQ(word(u"tiә. tєә"_s), u"ti2"_s);
    EXPECT_EQ(word(u"'^rænpɑ:, '^rændpɑ:"_s), u"'gr9np1:"_s);
    EXPECT_EQ(word(u"kɑ:st/kæst"_s), u"k1:st"_s);
}

TEST(PhoneticNotation, SpaceInAWordEitherStartsAnAlternativeOrIsDropped) {
    EXPECT_EQ(word(u"'sɔ:riŋ 'sɔәr-"_s), u"'s0:ri8"_s);
    EXPECT_EQ(word(u"nju: 'triʃәnәl"_s), u"nju:'tri62n2l"_s); // nothing stressed before it
    EXPECT_EQ(word(u"in'vest mәnt"_s), u"in'vestm2nt"_s);
    EXPECT_EQ(word(u"' aut'saidә"_s), u"'aut'said2"_s);
}

TEST(PhoneticNotation, DropsSecondaryStress) {
    EXPECT_EQ(word(u".kærәktә'ristik"_s), u"k9r2kt2'ristik"_s); // at the start
    EXPECT_EQ(word(u"ˌɪndɪ'skrɪmɪnətlɪ"_s), u"indi'skrimin2tli"_s);
    EXPECT_EQ(word(u"tju,bә:kju'lәusis"_s), u"tjub2:kju'l2usis"_s); // before the only stress
    EXPECT_EQ(word(u"'senti,mi:tә(r)"_s), u"'sentimi:t2"_s);        // after it
}

// The data writes some secondary stresses as primary ones, before a syllable mark.
TEST(PhoneticNotation, MarkAfterAShortLeadingStressedPartIsSecondaryStress) {
    EXPECT_EQ(word(u"'ri:,ɔ:gənai'zeiʃən"_s), u"'ri:0:g2nai'zei62n"_s);
    EXPECT_EQ(word(u"'dis.sætis'fækʃәn"_s), u"'diss9tis'f9k62n"_s);
    EXPECT_EQ(word(u"'bai,pedəl,bai'pe-"_s), u"'baiped2l"_s); // then a "-" alternative
    EXPECT_EQ(toDictionaryNotation(u"ˈfə:ðə ˌedju:ˈkeiʃən"_s, u"further education"_s),
              u"'f2:52 edju:'kei62n"_s);
}

TEST(PhoneticNotation, SyllableMarkBetweenAlternativesCuts) {
    EXPECT_EQ(word(u"ә'bju:s.ә'bju:z"_s), u"2'bju:s"_s);   // two stressed parts alike
    EXPECT_EQ(word(u"rәu,rau"_s), u"r2u"_s);               // no stress at all
    EXPECT_EQ(word(u"pai'lɔ:rai,pi-"_s), u"pai'l0:rai"_s); // a "-" fragment follows
}

TEST(PhoneticNotation, ParenthesesKeepTheirContentButRIsDropped) {
    EXPECT_EQ(word(u"ri'vju:ә(r)"_s), u"ri'vju:2"_s);
    EXPECT_EQ(word(u"(h)weә'bai"_s), u"hwe2'bai"_s);
}

TEST(PhoneticNotation, AnythingElseLeavesThePronunciationEmpty) {
    EXPECT_EQ(word(u"-'æliti"_s), QString());
    EXPECT_EQ(word(u"ˈfaɪəfaɪtɚ3"_s), QString());
    EXPECT_EQ(word(u"kæt A"_s), QString());
    EXPECT_EQ(word(QString()), QString());
}

TEST(PhoneticNotation, PhrasesKeepTheSpacesBetweenTheirWords) {
    EXPECT_EQ(toDictionaryNotation(u"ə,mi:nəu  'æsid"_s, u"amino acid"_s), u"2mi:n2u '9sid"_s);
    EXPECT_EQ(toDictionaryNotation(u"eə(r) straik"_s, u"air strike"_s), u"e2 straik"_s);
    EXPECT_EQ(word(u"eə straik"_s), u"e2straik"_s);
}
