#include "vocab/player/RenderedRun.h"

#include "support/FakeClock.h"
#include "support/FakeSpeech.h"
#include "support/TestFiles.h"
#include "support/WavSamples.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/player/RecordingCommands.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int ToneMs = 300;
constexpr int StepMs = 2000;

class RenderedRunTest : public ::testing::Test {
protected:
    RenderedRun renderedRun(std::vector<WordRecord> words) {
        return RenderedRun(std::move(words), StepMs, 150, dir.path(),
                           std::make_unique<RecordingSpeech>(said, ToneMs));
    }
    QString workWav() const { return RecordingCommands::workWav(dir.path()); }

    QTemporaryDir dir;
    QStringList said;
};

// The same words recorded by the window's run, stepped by hand on the tests' clock.
QByteArray recordedByARun(const std::vector<WordRecord> &words) {
    QTemporaryDir folder;
    FakeClock clock;
    FakeSpeaker speech(clock, ToneMs);
    MciDevice mci(clock, speech.speaker);
    ListedWords listed(words);
    DrillDisplay nothingShown;
    DrillPlayer drill(listed, nothingShown, speech.speaker, clock);
    RecordingRun run(drill, listed, mci, folder.path());
    run.start();
    for (clock.advance(StepMs); run.step(); clock.advance(StepMs)) {
    }
    run.end();
    return readFile(RecordingCommands::workWav(folder.path()));
}

TEST_F(RenderedRunTest, ThreeWordsGiveTheTimelineAndTheSamplesOfARecordingRunOverThem) {
    RenderedRun run = renderedRun(numberedWords(3));
    QList<int> wordsDone;

    EXPECT_TRUE(run.render([&](int done) {
        wordsDone << done;
        return true;
    }));

    EXPECT_EQ(wordsDone, QList<int>({0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(run.LrcText(), "[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n"
                             "[00:00.00]word1\r\n[00:02.00]释义1\r\n[00:04.00]word2\r\n"
                             "[00:06.00]释义2\r\n[00:08.00]word3\r\n[00:10.00]释义3");
    EXPECT_EQ(said, QStringList({"word1", "word2", "word3"}));
    EXPECT_EQ(run.lengthMs(), 12000);
    const WavSamples wav = WavSamples::read(workWav());
    EXPECT_DOUBLE_EQ(wav.seconds(), 12.0);
    EXPECT_TRUE(wav.soundsBetween(8.0, 8.01)); // the third word
    EXPECT_EQ(readFile(workWav()), recordedByARun(numberedWords(3)));
}

TEST_F(RenderedRunTest, RunStoppedOnTheWayWritesNoRecording) {
    RenderedRun run = renderedRun(numberedWords(5));
    EXPECT_FALSE(run.render([](int done) { return done < 2; }));
    EXPECT_FALSE(QFile::exists(workWav()));
    EXPECT_EQ(said, QStringList({"word1", "word2"})) << "stopped after the second meaning";

    RenderedRun empty = renderedRun({});
    EXPECT_FALSE(empty.render([](int) { return true; }));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
