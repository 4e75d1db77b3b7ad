// A recording run over 100 words at the default step of 2 seconds, rendered with a clock that
// jumps from step to step instead of waiting: from "record" to the saved WAV work file, with
// real speech synthesis. The same run in real time lasts 400 seconds. Beside it, the synthesis of
// its words alone, the share of the run no clock can shorten.
#include "platform/Speaker.h"
#include "tests/support/FakeClock.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/DrillPlayer.h"
#include "vocab/player/ListedWords.h"
#include "vocab/player/MciDevice.h"
#include "vocab/player/RecordingRun.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int StepMs = 2000;
constexpr int RunWords = 100;
constexpr int SpeakingSpeed = 120;

std::vector<WordRecord> syllabusLikeWords() {
    const QStringList samples{"abandon",  "ability",    "abnormal",   "aboard",      "abolish",
                              "abortion", "abroad",     "abrupt",     "absence",     "absolute",
                              "absorb",   "abstract",   "absurd",     "abundant",    "abuse",
                              "academic", "academy",    "accelerate", "accent",      "acceptance",
                              "access",   "accessible", "accident",   "accommodate", "accompany"};
    std::vector<WordRecord> words;
    for (int n = 1; n <= RunWords; ++n)
        words.push_back({QString::number(n), samples[(n - 1) % samples.size()], "E5bAndEn",
                         "vt. 放弃, 抛弃", "0"});
    return words;
}

void RecordHundredWordsWithAJumpingClock(benchmark::State &state) {
    QTemporaryDir systemFolder;
    FakeClock clock;
    Speaker speaker(makeFliteBackend(), Speaker::Silent, clock);
    speaker.setSpeed(SpeakingSpeed);
    MciDevice mci(clock, speaker);
    ListedWords words(syllabusLikeWords());
    DrillDisplay nothingShown;
    DrillPlayer drill(words, nothingShown, speaker, clock);
    RecordingRun run(drill, words, mci, systemFolder.path());
    qint64 recordedMs = 0;
    for (auto _ : state) {
        const qint64 startMs = clock.nowMs();
        run.start();
        for (clock.advance(StepMs); run.step(); clock.advance(StepMs)) {
        }
        run.end();
        recordedMs = clock.nowMs() - startMs;
    }
    state.counters["recorded_s"] = double(recordedMs) / 1000;
    state.counters["wav_MB"] =
        double(QFileInfo(systemFolder.filePath("vocareeler.wav")).size()) / (1 << 20);
}
BENCHMARK(RecordHundredWordsWithAJumpingClock)->Unit(benchmark::kMillisecond)->UseRealTime();

void SynthesizeTheRunsWords(benchmark::State &state) {
    const std::unique_ptr<SpeechBackend> flite = makeFliteBackend();
    const std::vector<WordRecord> words = syllabusLikeWords();
    for (auto _ : state)
        for (const WordRecord &word : words)
            benchmark::DoNotOptimize(flite->synthesize(word.word, SpeakingSpeed));
}
BENCHMARK(SynthesizeTheRunsWords)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
