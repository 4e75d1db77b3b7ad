#include "tools/dictgen/DictionaryFile.h"

#include "platform/TextCodec.h"
#include "reader/dictionary/WordLookup.h"
#include "tests/support/TestFiles.h"
#include "tools/dictgen/ArticleWords.h"
#include "tools/dictgen/EcdictCsv.h"
#include "tools/dictgen/LookupCoverage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DictionaryFile, OneGbkLineOfEntriesClosedByAMark) {
    const std::vector<GeneratedEntry> entries = {
        {u"abandon"_s, u"2'b9nd2n"_s, u"vt. 放弃"_s, GeneratedEntry::Word},
        {u"at least"_s, {}, u"至少"_s, GeneratedEntry::Phrase}};
    const QByteArray bytes = DictionaryFile::bytes(entries);
    EXPECT_EQ(TextCodec::fromGbk(bytes), u"$abandon[2'b9nd2n]vt. 放弃$at least[]至少$\r\n"_s);
    EXPECT_TRUE(bytes.contains("\xB7\xC5\xC6\xFA")); // 放弃 in GBK
}

TEST(DictionaryFile, EntriesTheFileCannotHoldAreReported) {
    const std::vector<GeneratedEntry> entries = {{u"fine"_s, {}, u"好"_s},
                                                 {u"a[b"_s, {}, u"x"_s},
                                                 {u"thai"_s, {}, u"\u0E01"_s},
                                                 {u"odd"_s, u"a]"_s, u"x"_s}};
    EXPECT_EQ(DictionaryFile::unfitEntries(entries), (QStringList{u"a[b"_s, u"thai"_s, u"odd"_s}));
}

namespace {

// The dictionary the build generated, when the word data was there to generate it.
QString generatedDictionary() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"../generated/mswrd.wd"_s);
}

QString headwordShown(WordLookup &lookup, const QString &word) {
    const std::optional<DictionaryEntry> entry = lookup.find(word);
    return entry ? entry->headword : u"(none)"_s;
}

} // namespace

TEST(GeneratedDictionary, HasTheExpectedShape) {
    QFile file(generatedDictionary());
    if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no generated dictionary";
    const QString text = TextCodec::fromGbk(file.readAll());
    ASSERT_TRUE(text.startsWith(u'$') && text.endsWith(u"$\r\n"_s));
    const qsizetype entries = text.count(u'$') - 1;
    EXPECT_GE(entries, 12300);
    EXPECT_LE(entries, 13000);
    EXPECT_TRUE(text.contains(u"$abandon[2'b9nd2n]vt. 放弃, 抛弃"_s));
    EXPECT_TRUE(text.contains(u"$study['st3di]n. 学习, 研究"_s));
    EXPECT_TRUE(text.contains(u"$kept[kept]keep的过去式和过去分词$"_s));
    EXPECT_TRUE(text.contains(u"$give up[]"_s));
    EXPECT_TRUE(text.contains(u"$consider[k2n'sid2]"_s)); // not the data's kәn'sidŋ
    EXPECT_FALSE(text.contains(u"$carrie["_s));           // a given name
}

TEST(GeneratedDictionary, CommonFormsOfThePapersShowTheirOwnWord) {
    if (!QFile::exists(generatedDictionary())) GTEST_SKIP() << "no generated dictionary";
    WordLookup lookup(generatedDictionary());
    const std::vector<std::pair<QString, QString>> shown = {
        {u"is"_s, u"is"_s},         {u"has"_s, u"has"_s},       {u"were"_s, u"were"_s},
        {u"using"_s, u"using"_s},   {u"carried"_s, u"carry"_s}, {u"carries"_s, u"carry"_s},
        {u"caring"_s, u"caring"_s}, {u"hiding"_s, u"hiding"_s}, {u"severed"_s, u"severed"_s},
        {u"aided"_s, u"aided"_s},   {u"lying"_s, u"lying"_s},   {u"tying"_s, u"tying"_s},
        {u"cannot"_s, u"cannot"_s}, {u"studies"_s, u"study"_s},
    };
    for (const auto &[word, headword] : shown)
        EXPECT_EQ(headwordShown(lookup, word), headword) << qPrintable(word);
    EXPECT_EQ(lookup.find(u"is"_s)->definition, u"be的第三人称单数现在式"_s);
    EXPECT_EQ(lookup.find(u"using"_s)->definition, u"use的现在分词"_s);
    EXPECT_TRUE(lookup.find(u"being"_s)->definition.startsWith(u"be的现在分词 "_s));
}

// Checked with the word data the file was made from and the papers the reader ships.
TEST(GeneratedDictionary, EveryInflectedFormAndNearlyEveryArticleWordShowsItself) {
    if (!QFile::exists(generatedDictionary())) GTEST_SKIP() << "no generated dictionary";
    const std::vector<EcdictRow> data = EcdictCsv::read(QStringLiteral(WORD_DATA_CSV));
    ASSERT_FALSE(data.empty());
    const QHash<QString, const EcdictRow *> byWord = rowsByWord(data);

    const QString text = TextCodec::fromGbk(readFile(generatedDictionary()));
    static const QRegularExpression headword(uR"(\$([^$\[]*)\[)"_s);
    QStringList headwords;
    for (const QRegularExpressionMatch &match : headword.globalMatch(text))
        headwords += match.captured(1);

    LookupCoverage coverage(WordLookup(generatedDictionary()), byWord);
    const LookupCoverage::Share forms =
        coverage.shownForms(InflectedForms::ofWords(headwords, byWord));
    EXPECT_TRUE(forms.isComplete()) << qPrintable(forms.text());
    EXPECT_GT(forms.total, 14000);
    const LookupCoverage::Share words =
        coverage.shownWords(ArticleWords::read(QStringLiteral(PAPERS_FOLDER)));
    EXPECT_GT(words.total, 20000);
    EXPECT_GE(words.shown * 100, words.total * 98) << qPrintable(words.text());
}
