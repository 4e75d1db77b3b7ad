#include "vocab/player/DrillPlayer.h"

#include "platform/Clock.h"
#include "platform/Speaker.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/DrillWords.h"

#include <algorithm>

namespace {

constexpr qint64 MsPerSecond = 1000;

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

DrillPlayer::DrillPlayer(DrillWords &words, DrillDisplay &display, Speaker &speaker,
                         const Clock &clock)
    : m_words(words), m_display(display), m_speaker(speaker), m_clock(clock) {}

void DrillPlayer::ShowWord() {
    m_meaningShown = false;
    if (m_words.count() == 0)
        m_display.showNoWords();
    else
        m_display.showWord(m_words.current());
}

void DrillPlayer::RevealMeaning() {
    m_display.showMeaning(m_words.current().meaning);
    m_meaningShown = true;
}

void DrillPlayer::SpeakWord() {
    m_speaker.Speak(m_words.current().word, SpeakFlags);
}

DrillPlayer::Step DrillPlayer::step(int limit) {
    if (!m_meaningShown) {
        RevealMeaning();
        return Step::MeaningRevealed;
    }
    if (m_words.index() >= limit) return Step::Finished;
    bring(m_words.index() + 1);
    SpeakWord();
    return Step::WordBrought;
}

void DrillPlayer::back() {
    walk(-1);
}

void DrillPlayer::forward() {
    walk(+1);
}

void DrillPlayer::walk(int offset) {
    if (!m_meaningShown) {
        RevealMeaning();
        return;
    }
    const int target = m_words.index() + offset;
    if (target >= 1 && target <= m_words.count()) bring(target);
    SpeakWord();
}

void DrillPlayer::rewind() {
    bring(1);
}

void DrillPlayer::bring(int index) {
    m_words.moveTo(index);
    m_display.showPosition(index);
    ShowWord();
}

void DrillPlayer::startClock() {
    m_startSecond = m_clock.nowMs() / MsPerSecond;
}

QString DrillPlayer::clockText(Minutes minutes) const {
    const qint64 elapsed = std::max<qint64>(0, m_clock.nowMs() / MsPerSecond - m_startSecond);
    const qint64 minutesShown = minutes == Minutes::CountedOn ? elapsed / 60 : elapsed / 60 % 60;
    return twoDigits(minutesShown) + QLatin1Char(':') + twoDigits(elapsed % 60) +
           QStringLiteral(".00");
}
