#pragma once

#include <QString>
#include <QtGlobal>

class Clock;
class DrillDisplay;
class DrillWords;
class Speaker;

// The drill: one word after another, each shown with its transcription and spoken, then given
// its meaning in the following step. The phase (word shown, meaning shown) is kept here rather
// than read from the display, so a word with an empty meaning passes like any other. Also the
// elapsed clock of a drill or a recording run, measured in the clock's whole seconds.
class DrillPlayer {
public:
    // Stop the word still sounding, then speak.
    static constexpr int SpeakFlags = 144;
    static inline const QString IdleClockText = QStringLiteral("00:00:00");
    static inline const QString StartClockText = QStringLiteral("00:00.00");

    DrillPlayer(DrillWords &words, DrillDisplay &display, Speaker &speaker, const Clock &clock);

    // Shows the current word without its meaning, or that the selection holds none.
    void ShowWord();
    void RevealMeaning();
    void SpeakWord();
    bool meaningShown() const { return m_meaningShown; }

    enum class Step { MeaningRevealed, WordBrought, Finished };
    // One step of a drill over the first `limit` words: reveals the shown word's meaning; once
    // it is shown, brings and speaks the next word; after the meaning of word `limit`, Finished.
    Step step(int limit);
    // By hand: the first press reveals the shown word's meaning, the next moves to the previous
    // (next) word and speaks it; at the first (last) word the shown word is spoken again.
    void back();
    void forward();
    // Shows the first word, not spoken.
    void rewind();

    // StartTime: the clock's current whole second.
    void startClock();
    // How the minutes of an hour's run and more are written: the clock label counts them from 00
    // again after an hour; a rendered timeline counts them on (75:00.00), as LRC allows.
    enum class Minutes { WithinTheHour, CountedOn };
    // The minutes and seconds since StartTime as "mm:ss.00".
    QString clockText(Minutes minutes = Minutes::WithinTheHour) const;

private:
    void bring(int index);
    void walk(int offset);

    DrillWords &m_words;
    DrillDisplay &m_display;
    Speaker &m_speaker;
    const Clock &m_clock;
    bool m_meaningShown = false;
    qint64 m_startSecond = 0;
};
