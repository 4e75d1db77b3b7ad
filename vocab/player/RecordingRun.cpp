#include "vocab/player/RecordingRun.h"

#include "vocab/player/DrillPlayer.h"
#include "vocab/player/DrillWords.h"
#include "vocab/player/RecordingCommands.h"

#include <algorithm>

RecordingRun::RecordingRun(DrillPlayer &drill, DrillWords &words, MciDevice &mci,
                           QString workFolder, Kind kind)
    : m_drill(drill), m_words(words), m_mci(mci), m_workFolder(std::move(workFolder)),
      m_kind(kind) {}

QString RecordingRun::start() {
    RunWordLimit = m_kind == Kind::Rendered ? m_words.count() : std::min(m_words.count(), MaxWords);
    m_words.moveTo(RunWordLimit);
    const QString lastNumber = m_words.current().number;
    m_drill.rewind();
    m_timeline.begin(DrillPlayer::StartClockText, m_words.current().word);
    m_drill.startClock();
    RecordingCommands::startRecording(m_mci, m_workFolder);
    m_drill.SpeakWord();
    return lastNumber;
}

bool RecordingRun::step() {
    switch (m_drill.step(RunWordLimit)) {
    case DrillPlayer::Step::MeaningRevealed:
        m_timeline.append(tag(), m_words.current().meaning);
        return true;
    case DrillPlayer::Step::WordBrought:
        m_timeline.append(tag(), m_words.current().word);
        return true;
    case DrillPlayer::Step::Finished:
        break;
    }
    return false;
}

void RecordingRun::end() {
    RecordingCommands::saveAndClose(m_mci, m_workFolder);
}

QString RecordingRun::tag() const {
    return m_drill.clockText(m_kind == Kind::Rendered ? DrillPlayer::Minutes::CountedOn
                                                      : DrillPlayer::Minutes::WithinTheHour);
}
