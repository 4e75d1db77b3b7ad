// A list rendered to MP3 + LRC without waiting, beside the recording run that takes 400 seconds
// of real time for the same 100 words at the default step of 2 seconds: the whole command as the
// window runs it, then the same work phase by phase (synthesis of the words while the run is
// stepped, mixing them into the WAV work file, encoding it), each with its share of the whole.
#include "platform/Speaker.h"
#include "vocab/media/Mp3Render.h"
#include "vocab/media/Mp3Save.h"
#include "vocab/player/RenderedRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int StepMs = 2000;
constexpr int RunWords = 100;
constexpr int SpeakingSpeed = 120;
constexpr double RealTimeRunSeconds = 2.0 * RunWords * StepMs / 1000;

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

void RenderHundredWordsToMp3AndLrc(benchmark::State &state) {
    QTemporaryDir folder;
    int lesson = 0;
    for (auto _ : state) {
        Mp3Render render({syllabusLikeWords(), StepMs, SpeakingSpeed,
                          folder.filePath(QString::number(++lesson))},
                         folder.path(), makeFliteBackend());
        QEventLoop loop;
        bool saved = false;
        QObject::connect(&render, &Mp3Render::finished, [&](bool ok, const QString &) {
            saved = ok;
            loop.quit();
        });
        render.start();
        loop.exec();
        if (!saved) state.SkipWithError("the render did not save its MP3");
    }
    state.counters["real_time_run_s"] = RealTimeRunSeconds;
}
BENCHMARK(RenderHundredWordsToMp3AndLrc)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pieces of the render one after another on this thread, timed apart.
void RenderHundredWordsPhaseByPhase(benchmark::State &state) {
    QTemporaryDir folder;
    double synthesisMs = 0, mixingMs = 0, encodingMs = 0;
    int lesson = 0;
    for (auto _ : state) {
        RenderedRun run(syllabusLikeWords(), StepMs, SpeakingSpeed, folder.path(),
                        makeFliteBackend());
        QElapsedTimer clock;
        clock.start();
        qint64 lastWordMs = 0;
        run.render([&](int) {
            lastWordMs = clock.elapsed(); // every word so far is synthesized
            return true;
        });
        const qint64 renderedMs = clock.elapsed();
        Mp3Save save(folder.path(), QStringLiteral("lame"), Mp3Save::Pointer::Unchanged);
        save.start(folder.filePath(QString::number(++lesson)));
        while (!save.Timer4_Timer(run.LrcText()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        synthesisMs += double(lastWordMs);
        mixingMs += double(renderedMs - lastWordMs);
        encodingMs += double(clock.elapsed() - renderedMs);
    }
    const double totalMs = synthesisMs + mixingMs + encodingMs;
    const double runs = double(state.iterations());
    state.counters["synthesis_ms"] = synthesisMs / runs;
    state.counters["mixing_ms"] = mixingMs / runs;
    state.counters["encoding_ms"] = encodingMs / runs;
    state.counters["synthesis_%"] = 100 * synthesisMs / totalMs;
    state.counters["mixing_%"] = 100 * mixingMs / totalMs;
    state.counters["encoding_%"] = 100 * encodingMs / totalMs;
}
BENCHMARK(RenderHundredWordsPhaseByPhase)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The encoder process reports to the event loop of the application object.
int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
