#include "vocab/media/AnkiExport.h"

#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/media/OpenWordList.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The header lines every file begins with, for a list named 考研核心.
const QString CoreHeader = u"#separator:Tab\n"
                           u"#html:true\n"
                           u"#notetype:Basic\n"
                           u"#deck:考研核心\n"
                           u"#columns:Front\tBack\tTags\n"
                           u"#tags column:3\n"_s;

class AnkiExportTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
};

TEST_F(AnkiExportTest, HeadersThenOneUtf8RowPerWordWithTheNewWordTagOnTheMarkedOne) {
    OpenWordList list{
        {{1, "abandon", "E5bAndEn", "放弃"}, {2, "ability", "E5biliti", "能力", "1"}}};
    list.records.moveLast();
    // ".txt" is appended even to a name that ends with it.
    const QString chosen = folder.filePath("vocab.txt");
    writeFile(chosen + ".txt", "an older export that is longer than the new one ..........");

    ASSERT_TRUE(AnkiExport::exportWords(list.records, 2, u"考研核心"_s, chosen));

    EXPECT_EQ(readFile(folder.filePath("vocab.txt.txt")),
              (CoreHeader + u"abandon\t[əˈbændən]<br>放弃\t考研核心\n"
                            u"ability\t[əˈbiliti]<br>能力\t生词 考研核心\n"_s)
                  .toUtf8());
    EXPECT_EQ(list.records.field("单词"), "abandon");
}

TEST_F(AnkiExportTest, TabsQuotesHtmlAndLineBreaksStayInsideTheirField) {
    OpenWordList list{{
        {1, "rock & roll", "rCk", "<摇滚>\t乐\r\n\"流行\" 音乐\n完"},
        {2, "\"quoted\"", "", "\"引\"\r开头"},
        {3, "#hash", "", "井号"},
    }};

    EXPECT_EQ(
        AnkiExport::text(list.records, 3, u"考研核心"_s),
        CoreHeader +
            u"rock &amp; roll\t\"[rɔk]<br>&lt;摇滚&gt;\t乐<br>\"\"流行\"\" 音乐<br>完\"\t考研核心\n"
            u"\"\"\"quoted\"\"\"\t\"\"\"引\"\"<br>开头\"\t考研核心\n"
            u"\"#hash\"\t井号\t考研核心\n"_s);
}

TEST_F(AnkiExportTest, BlanksInTheListNameBecomeUnderscoresInTheTagAndStayInTheDeck) {
    OpenWordList list{{{1, "abandon", "", "放弃", "1"}}};

    const QStringList lines =
        AnkiExport::text(list.records, 1, u"考研 词汇\u3000Unit\t1\n"_s).split(u'\n');

    EXPECT_EQ(lines.at(3), u"#deck:考研 词汇\u3000Unit\t1 "_s);
    EXPECT_EQ(lines.at(6), u"abandon\t放弃\t生词 考研_词汇_Unit_1_"_s);
    EXPECT_EQ(lines.size(), 8);
}

TEST_F(AnkiExportTest, NothingIsWrittenForAnEmptySelectionOrWhereAFolderStands) {
    OpenWordList list(numberedRows(2));
    const QString chosen = folder.filePath("vocab");

    EXPECT_FALSE(AnkiExport::exportWords(list.records, 0, u"考研核心"_s, chosen));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    ASSERT_TRUE(QDir(folder.path()).mkdir("vocab.txt"));
    EXPECT_FALSE(AnkiExport::exportWords(list.records, 2, u"考研核心"_s, chosen));
    EXPECT_TRUE(QFileInfo(chosen + ".txt").isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"vocab.txt"});
}

} // namespace
