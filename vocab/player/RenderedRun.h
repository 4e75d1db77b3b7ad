#pragma once

#include "platform/Clock.h"
#include "platform/Speaker.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/DrillPlayer.h"
#include "vocab/player/ListedWords.h"
#include "vocab/player/MciDevice.h"
#include "vocab/player/RecordingRun.h"

#include <functional>
#include <memory>
#include <vector>

// A recording run rendered without waiting: the run's own steps over words read beforehand, with
// nothing on screen, spoken by a silent speaker into a wave-audio device of its own, on a clock
// that jumps from step to step. The WAV work file in the work folder and the timeline come out
// as a recording run over the same words would have made them, except that the run covers every
// word and its tags count the minutes on past the hour. Each step waits for its word's
// synthesis, so the words done are known one by one and a stop is heard within one word.
class RenderedRun {
public:
    // stepMs: the length of a step, as the speed box sets it; speakingSpeed: the speaker's.
    RenderedRun(std::vector<WordRecord> words, int stepMs, int speakingSpeed, QString workFolder,
                std::unique_ptr<SpeechBackend> voice);

    // Runs the whole run. goOn is asked before every step with the number of words done so far;
    // when it answers false the run stops and writes nothing. True once the WAV work file is
    // written.
    bool render(const std::function<bool(int wordsDone)> &goOn);

    int wordCount() const { return m_words.count(); }
    // The length of the recording: a step for each word, one for each meaning, the last of
    // them ended by the run's end step.
    qint64 lengthMs() const { return 2 * qint64(wordCount()) * m_stepMs; }
    const QString &LrcText() const { return m_run.LrcText(); }

private:
    int wordsDone() const;

    const int m_stepMs;
    const QString m_workFolder;
    SteppingClock m_clock;
    Speaker m_speaker;
    MciDevice m_mci;
    ListedWords m_words;
    DrillDisplay m_nothingShown;
    DrillPlayer m_drill;
    RecordingRun m_run;
};
