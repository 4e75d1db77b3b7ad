#include "vocab/player/RenderedRun.h"

#include "platform/Resources.h"
#include "vocab/player/RecordingCommands.h"

RenderedRun::RenderedRun(std::vector<WordRecord> words, int stepMs, int speakingSpeed,
                         QString workFolder, std::unique_ptr<SpeechBackend> voice)
    : m_stepMs(stepMs), m_workFolder(std::move(workFolder)),
      m_speaker(std::move(voice), Speaker::Silent, m_clock), m_mci(m_clock, m_speaker),
      m_words(std::move(words)), m_drill(m_words, m_nothingShown, m_speaker, m_clock),
      m_run(m_drill, m_words, m_mci, m_workFolder, RecordingRun::Kind::Rendered) {
    m_speaker.setSpeed(speakingSpeed);
}

bool RenderedRun::render(const std::function<bool(int wordsDone)> &goOn) {
    if (wordCount() == 0) return false;
    m_run.start();
    do {
        m_speaker.waitForSyntheses();
        if (!goOn(wordsDone())) return false;
        m_clock.advance(m_stepMs);
    } while (m_run.step());
    m_run.end();
    return Resources::fileExists(RecordingCommands::workWav(m_workFolder));
}

// A word is done once its meaning has been shown.
int RenderedRun::wordsDone() const {
    return m_words.index() - (m_drill.meaningShown() ? 0 : 1);
}
