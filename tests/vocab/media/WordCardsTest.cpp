#include "vocab/media/WordCards.h"

#include "vocab/VocabTestSupport.h"
#include "vocab/media/OpenWordList.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(WordCardsTest, TheFirstTwoHundredWordsGetCardsAndTheRangeEndsAtTheLastOfThem) {
    OpenWordList many(numberedRows(350, 101));
    const auto plan = WordCards::plan(many.records, 350);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->RunWordLimit, 200);
    EXPECT_EQ(plan->lastNumber, "300");
    ASSERT_EQ(plan->words.size(), 200u);
    EXPECT_EQ(plan->words.front().number, "101");
    EXPECT_EQ(plan->words.back().number, "300");
    EXPECT_EQ(many.records.field("序号"), "101");

    OpenWordList few(numberedRows(35, 11));
    const auto fewPlan = WordCards::plan(few.records, 35);
    ASSERT_TRUE(fewPlan);
    EXPECT_EQ(fewPlan->RunWordLimit, 35);
    EXPECT_EQ(fewPlan->lastNumber, "45");

    EXPECT_FALSE(WordCards::plan(few.records, 0));
}

TEST(WordCardsTest, ACardIsNamedByTheLastFourDigitsOfItsNumber) {
    EXPECT_EQ(WordCards::cardFileName("7"), "0007.jpg");
    EXPECT_EQ(WordCards::cardFileName("123"), "0123.jpg");
    EXPECT_EQ(WordCards::cardFileName("12345"), "2345.jpg");
}

class WordCardRuns : public ::testing::Test {
protected:
    QStringList cards() const { return QDir(folder.path()).entryList(QDir::Files); }

    const std::vector<WordRecord> words{{"7", "abandon", "E5bAndEn", "vt. 放弃", "0"},
                                        {"8", "ability", "E5biliti", "n. 能力", "0"},
                                        {"12345", "able", "5eibl", "a. 能干的", "0"}};
    QTemporaryDir folder;
    WordCards wordCards;
};

TEST_F(WordCardRuns, LargerCardsAreWrittenForThePlannedWords) {
    const WordCards::Result result = wordCards.xue1({words[1], words[2]}, folder.path());

    EXPECT_EQ(result.written, 2);
    EXPECT_TRUE(result.problem.isEmpty());
    EXPECT_EQ(cards(), (QStringList{"0008.jpg", "2345.jpg"}));
    EXPECT_EQ(QImage(folder.filePath("2345.jpg")).size(), QSize(220, 161));
}

TEST_F(WordCardRuns, SmallerCardsHaveTheirOwnSize) {
    EXPECT_EQ(wordCards.xue2(words, folder.path()).written, 3);
    EXPECT_EQ(cards(), (QStringList{"0007.jpg", "0008.jpg", "2345.jpg"}));
    EXPECT_EQ(QImage(folder.filePath("0007.jpg")).size(), QSize(150, 110));
}

TEST_F(WordCardRuns, AMissingFolderIsReportedOnceAndNothingIsWritten) {
    const QString missing = folder.filePath("cards");
    const WordCards::Result result = wordCards.xue2(words, missing);

    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(result.problem, "保存文件夹不存在：" + missing);
    EXPECT_TRUE(cards().isEmpty());
    EXPECT_FALSE(QDir(missing).exists());
}

} // namespace
