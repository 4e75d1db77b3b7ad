#include "vocab/player/WaveRecording.h"

#include <gtest/gtest.h>

namespace {

constexpr int Rate = 1000; // one sample a millisecond keeps the expectations readable

SpeechSamples sound(qint64 atMs, int length, std::int16_t level, int rate = Rate) {
    SpeechSamples samples;
    samples.sampleRate = rate;
    samples.spokenAtMs = atMs;
    samples.samples.assign(size_t(length), level);
    return samples;
}

using Runs = std::vector<std::pair<int, qint64>>;

// The recording as runs of equal samples: {level, count}, …
Runs runs(const WaveRecording &recording, qint64 untilMs) {
    Runs result;
    auto add = [&result](int level, qint64 count) {
        if (result.empty() || result.back().first != level) result.emplace_back(level, 0);
        result.back().second += count;
    };
    recording.forEachPiece(untilMs, [&](const std::int16_t *samples, qint64 count) {
        for (qint64 i = 0; i < count; ++i)
            add(samples ? samples[i] : 0, 1);
    });
    return result;
}

TEST(WaveRecording, SoundsLieAtTheirMomentsWithSilenceBetweenAndTheStopCutsTheLast) {
    WaveRecording recording;
    recording.record(10'000);
    recording.add(sound(10'000, 30, 5));
    recording.add(sound(10'100, 20, 7));
    recording.add(sound(10'180, 50, 9));
    EXPECT_EQ(recording.sampleCount(10'150), 150); // still recording
    recording.stop(10'200);
    EXPECT_EQ(recording.sampleRate(), Rate);
    EXPECT_EQ(runs(recording, 99'999), Runs({{5, 30}, {0, 70}, {7, 20}, {0, 60}, {9, 20}}));
}

TEST(WaveRecording, NextSoundInterruptsTheOneStillGoingWhateverOrderTheyArriveIn) {
    WaveRecording recording;
    recording.record(0);
    recording.add(sound(40, 100, 2)); // synthesized first, spoken second
    recording.add(sound(0, 100, 1));
    recording.stop(200);
    EXPECT_EQ(runs(recording, 200), Runs({{1, 40}, {2, 100}, {0, 60}}));
}

TEST(WaveRecording, OnlySoundsSpokenWhileRecordingAtTheRecordingsRateAreKept) {
    WaveRecording recording;
    recording.add(sound(0, 10, 1)); // before the device records
    recording.record(100);
    recording.add(sound(99, 10, 2));
    recording.add(sound(120, 10, 3));
    recording.add(sound(130, 10, 4, Rate * 2));
    recording.stop(150);
    recording.add(sound(140, 5, 5)); // spoken before the stop, synthesized after it
    recording.add(sound(150, 10, 6));
    EXPECT_EQ(runs(recording, 1000), Runs({{0, 20}, {3, 10}, {0, 10}, {5, 5}, {0, 5}}));
}

} // namespace
