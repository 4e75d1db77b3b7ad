#include "vocab/player/DrillPlayer.h"

#include "support/FakeClock.h"
#include "support/FakeSpeech.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/ListedWords.h"

#include <gtest/gtest.h>

namespace {

// What the drill put on the display, one entry per call.
class DisplayLog : public DrillDisplay {
public:
    void showWord(const WordRecord &word) override { shown << "word " + word.word; }
    void showNoWords() override { shown << "no words"; }
    void showMeaning(const QString &meaning) override { shown << "meaning " + meaning; }
    void showPosition(int index) override { shown << QStringLiteral("position %1").arg(index); }
    QStringList shown;
};

class DrillPlayerTest : public ::testing::Test {
protected:
    void drill(std::vector<WordRecord> words) {
        m_words.emplace(std::move(words));
        player.emplace(*m_words, display, speech.speaker, clock);
        player->ShowWord();
    }
    QStringList shownSinceLastLook() { return std::exchange(display.shown, {}); }

    FakeClock clock;
    FakeSpeaker speech{clock};
    DisplayLog display;
    std::optional<ListedWords> m_words;
    std::optional<DrillPlayer> player;
};

using Step = DrillPlayer::Step;

TEST_F(DrillPlayerTest, OneWordIsShownThenGivenItsMeaningThenTheDrillIsOver) {
    drill(numberedWords(1));
    player->SpeakWord();
    EXPECT_EQ(player->step(1), Step::MeaningRevealed);
    EXPECT_EQ(player->step(1), Step::Finished);
    player->rewind();

    EXPECT_EQ(shownSinceLastLook(),
              QStringList({"word word1", "meaning 释义1", "position 1", "word word1"}));
    EXPECT_EQ(speech.spoken(), QStringList{"word1"}); // the rewound word is not spoken
    EXPECT_FALSE(player->meaningShown());
}

TEST_F(DrillPlayerTest, WordWithoutAMeaningDoesNotHoldTheDrill) {
    std::vector<WordRecord> words = numberedWords(2);
    words[0].meaning.clear();
    drill(words);
    EXPECT_EQ(player->step(2), Step::MeaningRevealed);
    EXPECT_EQ(player->step(2), Step::WordBrought);
    EXPECT_EQ(player->step(2), Step::MeaningRevealed);
    EXPECT_EQ(player->step(2), Step::Finished);

    drill(words);
    player->forward(); // reveals the empty meaning
    player->forward();
    EXPECT_EQ(shownSinceLastLook().last(), "word word2");
}

TEST_F(DrillPlayerTest, BackAndForwardRevealFirstThenMoveAndSpeakWithinTheSelection) {
    drill(numberedWords(2));
    player->back();
    EXPECT_EQ(shownSinceLastLook(), QStringList({"word word1", "meaning 释义1"}));
    player->back(); // at the first word: spoken again, nothing moves
    EXPECT_EQ(shownSinceLastLook(), QStringList());
    EXPECT_TRUE(player->meaningShown());

    player->forward();
    EXPECT_EQ(shownSinceLastLook(), QStringList({"position 2", "word word2"}));
    player->forward();
    player->forward(); // at the last word
    player->forward();
    EXPECT_EQ(shownSinceLastLook(), QStringList({"meaning 释义2"}));
    EXPECT_EQ(m_words->index(), 2);
    player->back();
    player->back();
    EXPECT_EQ(shownSinceLastLook(), QStringList({"position 1", "word word1", "meaning 释义1"}));
    EXPECT_EQ(speech.spoken(), QStringList({"word1", "word2", "word2", "word2", "word1"}));
}

TEST_F(DrillPlayerTest, ClockCountsTheClocksWholeSecondsAndMinutesWithinTheHour) {
    drill(numberedWords(1));
    clock.advance(900);
    player->startClock(); // at 0.9 s into a second
    EXPECT_EQ(player->clockText(), "00:00.00");
    clock.advance(200); // 0.2 s later the clock's second has turned
    EXPECT_EQ(player->clockText(), "00:01.00");
    clock.advance(85'000);
    EXPECT_EQ(player->clockText(), "01:26.00");
    clock.advance(75 * 60'000);
    EXPECT_EQ(player->clockText(), "16:26.00");
    EXPECT_EQ(player->clockText(DrillPlayer::Minutes::CountedOn), "76:26.00");
    clock.advance(30 * 60'000);
    EXPECT_EQ(player->clockText(DrillPlayer::Minutes::CountedOn), "106:26.00");
}

} // namespace
