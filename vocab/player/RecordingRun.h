#pragma once

#include "vocab/player/LrcTimeline.h"

#include <QString>

class DrillPlayer;
class DrillWords;
class MciDevice;

// A recording run: a drill over at most the first 100 words of the selection, recorded into the
// WAV work file by the wave-audio device and written down step by step as an LRC timeline
// (LrcText). The window steps it with its timer; a driver without a window can step the same run
// over words read beforehand, moving its clock from step to step, and gets the same WAV and
// timeline.
class RecordingRun {
public:
    static constexpr int MaxWords = 100;

    RecordingRun(DrillPlayer &drill, DrillWords &words, MciDevice &mci, QString systemFolder);

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
    DrillPlayer &m_drill;
    DrillWords &m_words;
    MciDevice &m_mci;
    QString m_systemFolder;
    LrcTimeline m_timeline;
};
