#include "vocab/media/WordTextExport.h"

#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/media/OpenWordList.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class WordTextExportTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
};

TEST_F(WordTextExportTest, TheFileGetsItsExtensionWhateverTheChosenNameEndsWith) {
    EXPECT_EQ(WordTextExport::filePath("/home/s/vocab"), "/home/s/vocab.txt");
    EXPECT_EQ(WordTextExport::filePath("/home/s/vocab.txt"), "/home/s/vocab.txt.txt");
}

TEST_F(WordTextExportTest, WordsAndMeaningsAreWrittenInGbkWithCrLfAndAnEmptyLineAfterEach) {
    OpenWordList list{{{1, "abandon", "E5bAndEn", "放弃"}, {2, "ability", "E5biliti", "能力"}}};
    list.records.moveLast();
    const QString chosen = folder.filePath("vocab");
    writeFile(chosen + ".txt", "an older export that is longer than the new one");

    ASSERT_TRUE(WordTextExport::exportWords(list.records, 2, chosen));

    EXPECT_EQ(readFile(chosen + ".txt"), QByteArray("abandon\r\n\xB7\xC5\xC6\xFA\r\n\r\n"
                                                    "ability\r\n\xC4\xDC\xC1\xA6\r\n\r\n\r\n"));
    EXPECT_EQ(list.records.field("单词"), "abandon");
}

TEST_F(WordTextExportTest, EmptyFieldsGiveEmptyLinesAndWordsPastTheSelectionNothing) {
    OpenWordList list{{{1, "", "", "放弃"}, {2, "ability", "", ""}}};
    EXPECT_EQ(WordTextExport::text(list.records, 3), "\r\n放弃\r\n\r\nability\r\n\r\n\r\n");
}

TEST_F(WordTextExportTest, AFileThatCannotBeWrittenIsReported) {
    OpenWordList list(numberedRows(2));
    EXPECT_FALSE(WordTextExport::exportWords(list.records, 2, folder.filePath("missing/vocab")));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

} // namespace
