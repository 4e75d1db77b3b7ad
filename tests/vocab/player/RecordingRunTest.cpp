#include "vocab/player/RecordingRun.h"

#include "support/FakeClock.h"
#include "support/FakeSpeech.h"
#include "support/RecordingMci.h"
#include "support/TestFiles.h"
#include "support/WavSamples.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/DrillPlayer.h"
#include "vocab/player/ListedWords.h"
#include "vocab/player/RecordingCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int ToneMs = 300;

// A recording run over words in memory with nothing on screen, as a driver without a window
// runs it, on a fake clock.
struct HeadlessRun {
    HeadlessRun(std::vector<WordRecord> words, Speaker &speaker, MciDevice &mci, const Clock &clock,
                const QString &systemFolder, RecordingRun::Kind kind = RecordingRun::Kind::RealTime)
        : words(std::move(words)), drill(this->words, display, speaker, clock),
          run(drill, this->words, mci, systemFolder, kind) {}

    ListedWords words;
    DrillDisplay display;
    DrillPlayer drill;
    RecordingRun run;
};

class RecordingRunTest : public ::testing::Test {
protected:
    HeadlessRun &runOver(std::vector<WordRecord> words) {
        m_run.emplace(std::move(words), speech.speaker, mci, clock, dir.path());
        return *m_run;
    }
    // Steps the run every stepMs until it ends, then ends it; the steps taken.
    int recordToTheEnd(RecordingRun &run, int stepMs = 2000) {
        int steps = 0;
        for (clock.advance(stepMs); run.step(); clock.advance(stepMs))
            ++steps;
        run.end();
        return steps;
    }
    QString workWav() const { return RecordingCommands::workWav(dir.path()); }

    QTemporaryDir dir;
    FakeClock clock;
    FakeSpeaker speech{clock, ToneMs};
    RecordingMci mci{clock, speech.speaker};
    std::optional<HeadlessRun> m_run;
};

TEST_F(RecordingRunTest, ThreeWordsGiveTheTimelineAndTheRecordingOfTheRun) {
    writeFile(workWav(), "an earlier recording");
    writeFile(RecordingCommands::workMp3(dir.path()), "an earlier encoding");
    RecordingRun &run = runOver(numberedWords(3)).run;
    EXPECT_EQ(run.start(), "3");
    EXPECT_FALSE(QFile::exists(RecordingCommands::workMp3(dir.path())));
    EXPECT_EQ(recordToTheEnd(run), 5);

    EXPECT_EQ(run.LrcText(), "[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n"
                             "[00:00.00]word1\r\n[00:02.00]释义1\r\n[00:04.00]word2\r\n"
                             "[00:06.00]释义2\r\n[00:08.00]word3\r\n[00:10.00]释义3");
    EXPECT_EQ(mci.commands,
              QStringList({"close   all", "open   new     type   WAVEAudio   alias   MyWav2",
                           "record   MyWav2", "stop   MyWav2   ", "save   MyWav2     " + workWav(),
                           "close   all"}));
    EXPECT_EQ(speech.spoken(), QStringList({"word1", "word2", "word3"}));

    const WavSamples wav = WavSamples::read(workWav());
    EXPECT_DOUBLE_EQ(wav.seconds(), 12.0); // the end step comes two seconds after the last meaning
    for (double word : {0.0, 4.0, 8.0}) {
        EXPECT_TRUE(wav.soundsBetween(word, word + 0.01)) << word;
        EXPECT_FALSE(wav.soundsBetween(word + 0.3, word + 4.0)) << word;
    }
}

TEST_F(RecordingRunTest, TagsFollowTheClocksWholeSecondsAtOneAndAHalfSecondSteps) {
    RecordingRun &run = runOver(numberedWords(2)).run;
    run.start();
    recordToTheEnd(run, 1500);
    EXPECT_EQ(
        run.LrcText().split("\r\n").mid(4),
        QStringList({"[00:00.00]word1", "[00:01.00]释义1", "[00:03.00]word2", "[00:04.00]释义2"}));
}

TEST_F(RecordingRunTest, RunCoversAtMostTheFirstHundredWordsAndNamesTheLastOnesNumber) {
    RecordingRun &run = runOver(numberedWords(250, 11)).run;
    EXPECT_EQ(run.start(), "110");
    EXPECT_EQ(run.RunWordLimit, 100);
    EXPECT_EQ(recordToTheEnd(run), 199);
    EXPECT_EQ(run.LrcText().split("\r\n").size(), 4 + 200);
    EXPECT_TRUE(run.LrcText().endsWith("]释义110"));

    RecordingRun &shortRun = runOver(numberedWords(7)).run;
    EXPECT_EQ(shortRun.start(), "7");
    EXPECT_EQ(shortRun.RunWordLimit, 7);
    EXPECT_EQ(m_run->words.index(), 1);
}

TEST_F(RecordingRunTest, RenderedRunCoversEveryWordAndCountsTheMinutesOnPastTheHour) {
    FakeSpeaker voiceless(clock);
    HeadlessRun rendered(numberedWords(5700), voiceless.speaker, mci, clock, dir.path(),
                         RecordingRun::Kind::Rendered);
    EXPECT_EQ(rendered.run.start(), "5700");
    int steps = 0;
    for (clock.advance(2000); rendered.run.step(); clock.advance(2000))
        ++steps;
    EXPECT_EQ(steps, 2 * 5700 - 1);

    const QStringList lines = rendered.run.LrcText().split("\r\n");
    ASSERT_EQ(lines.size(), 4 + 2 * 5700);
    EXPECT_EQ(lines[4 + 1125 * 2], "[75:00.00]word1126");
    EXPECT_EQ(lines.last(), "[379:58.00]释义5700");
}

TEST_F(RecordingRunTest, RunStoppedWhileAWordIsShownEndsItsTimelineWithThatWord) {
    RecordingRun &run = runOver(numberedWords(5)).run;
    run.start();
    for (int step = 0; step < 2; ++step) {
        clock.advance(2000);
        run.step();
    }
    clock.advance(900);
    run.end();
    EXPECT_TRUE(run.LrcText().endsWith("释义1\r\n[00:04.00]word2"));
    EXPECT_DOUBLE_EQ(WavSamples::read(workWav()).seconds(), 4.9);

    run.start(); // the next run replaces the timeline
    EXPECT_TRUE(run.LrcText().endsWith("[offset:500]\r\n[00:00.00]word1"));
}

TEST_F(RecordingRunTest, MeaningsGoInUnchangedEmptyOrOverSeveralLines) {
    std::vector<WordRecord> words = numberedWords(2);
    words[0].meaning = "vt. 放弃\nn. 放任";
    words[1].meaning.clear();
    RecordingRun &run = runOver(words).run;
    run.start();
    recordToTheEnd(run);
    EXPECT_EQ(run.LrcText().split("\r\n").mid(4),
              QStringList({"[00:00.00]word1", "[00:02.00]vt. 放弃\nn. 放任", "[00:04.00]word2",
                           "[00:06.00]"}));
}

} // namespace
