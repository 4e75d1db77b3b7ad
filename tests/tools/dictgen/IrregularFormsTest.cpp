#include "tools/dictgen/IrregularForms.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(IrregularForms, RegularEndingsAreRecognised) {
    for (const auto &[base, form] :
         std::vector<std::pair<const char *, const char *>>{{"walk", "walked"},
                                                            {"hope", "hoped"},
                                                            {"stop", "stopped"},
                                                            {"study", "studied"},
                                                            {"book", "books"},
                                                            {"watch", "watches"},
                                                            {"study", "studies"},
                                                            {"hard", "harder"},
                                                            {"wide", "widest"},
                                                            {"big", "biggest"},
                                                            {"happy", "happier"},
                                                            {"African", "africans"}})
        EXPECT_TRUE(IrregularForms::isRegularForm(base, form)) << base << " " << form;
    for (const auto &[base, form] :
         std::vector<std::pair<const char *, const char *>>{{"keep", "kept"},
                                                            {"knife", "knives"},
                                                            {"good", "best"},
                                                            {"panic", "panicked"},
                                                            {"see", "seen"},
                                                            {"play", "plaied"}})
        EXPECT_FALSE(IrregularForms::isRegularForm(base, form)) << base << " " << form;
}

TEST(IrregularForms, MakesAnEntryPerIrregularFormWithItsLabels) {
    EcdictRow keep;
    keep.word = u"keep"_s;
    keep.exchange = u"p:kept/d:kept/i:keeping/3:keeps"_s;
    EcdictRow knife;
    knife.word = u"knife"_s;
    knife.exchange = u"s:knives/p:knifed"_s;
    EcdictRow ski;
    ski.word = u"ski"_s;
    ski.exchange = u"p:ski'd/s:skis"_s;
    EcdictRow see;
    see.word = u"see"_s;
    see.exchange = u"p:saw/d:seen"_s;
    EcdictRow kept;
    kept.word = u"kept"_s;
    kept.phonetic = u"kept"_s;
    const QHash<QString, const EcdictRow *> rowsByWord = {{u"kept"_s, &kept}};

    const std::vector<GeneratedEntry> forms =
        IrregularForms(rowsByWord).entries({&keep, &knife, &ski, &see}, {u"saw"_s});
    ASSERT_EQ(forms.size(), 3u);
    EXPECT_EQ(forms[0].headword, u"kept"_s);
    EXPECT_EQ(forms[0].notation, u"kept"_s);
    EXPECT_EQ(forms[0].definition, u"keep的过去式和过去分词"_s);
    EXPECT_EQ(forms[0].kind, GeneratedEntry::IrregularForm);
    EXPECT_EQ(forms[1].definition, u"knife的复数"_s);
    EXPECT_EQ(forms[1].notation, QString()); // no row of its own
    EXPECT_EQ(forms[2].headword, u"seen"_s); // "saw" is an entry already
}
