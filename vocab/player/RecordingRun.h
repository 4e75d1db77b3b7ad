#pragma once

#include "vocab/player/LrcTimeline.h"

#include <QString>

class DrillPlayer;
class DrillWords;
class MciDevice;

// A recording run: a drill over the first words of the selection, recorded into the WAV work
// file by the wave-audio device and written down step by step as an LRC timeline (LrcText). The
// window steps it with its timer; a driver without a window can step the same run over words
// read beforehand, moving its clock from step to step, and gets the same WAV and timeline.
class RecordingRun {
public:
    static constexpr int MaxWords = 100;

    // A run in real time covers at most MaxWords words, and its tags are the clock label's
    // text, whose minutes count from 00 again after an hour. A rendered run covers every word
    // and counts the minutes on, since players need the real time.
    enum class Kind { RealTime, Rendered };

    // The work files go to workFolder: the system folder for the window's runs.
    RecordingRun(DrillPlayer &drill, DrillWords &words, MciDevice &mci, QString workFolder,
                 Kind kind = Kind::RealTime);

    // Starts a run over a selection that holds words: shows the first word, begins the timeline,
    // starts the clock, deletes the work files, records and speaks the first word. Returns the
    // number (序号) of the run's last word.
    QString start();
    // One step: reveals the shown word's meaning or brings and speaks the next word, adding its
    // line to the timeline. False, adding nothing, once the run's last meaning was shown: the
    // run is then to end.
    bool step();
    // Stops the recording and saves it as the WAV work file.
    void end();

    int RunWordLimit = 0;
    // The last run's timeline, kept until the next run starts.
    const QString &LrcText() const { return m_timeline.text(); }

private:
    QString tag() const;

    DrillPlayer &m_drill;
    DrillWords &m_words;
    MciDevice &m_mci;
    QString m_workFolder;
    Kind m_kind;
    LrcTimeline m_timeline;
};
