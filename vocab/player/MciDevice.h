#pragma once

#include "vocab/player/WaveRecording.h"

#include <QMetaObject>
#include <QString>
#include <map>
#include <mutex>

class Clock;
class Speaker;

// The multimedia command interface. It takes command strings exactly as the program writes
// them, runs of blanks included, and understands "close all" (or "close <alias>"),
// "open new type WAVEAudio alias <alias>", "record <alias>", "stop <alias>" and
// "save <alias> <path>", the path being everything after the alias.
//
// Its wave-audio devices record the suite's own speech: every word the speaker is asked to say
// while a device records is placed at the moment it was asked for, read from the same clock as
// the device's start and stop, so a recording comes out the same however long synthesis takes
// and however the clock moves. "save" waits for the words still being synthesized and writes a
// PCM WAV lasting from "record" to "stop". No sound card is involved. Closing a device drops
// an unsaved recording.
//
// Commands may come from any one thread; the speaker's sounds arrive on its synthesis thread.
// The speaker must outlive the device.
class MciDevice {
public:
    MciDevice(const Clock &clock, Speaker &speaker);
    virtual ~MciDevice();
    MciDevice(const MciDevice &) = delete;
    MciDevice &operator=(const MciDevice &) = delete;

    // Runs one command; false when it is not understood or cannot be carried out.
    virtual bool send(const QString &command);

private:
    bool open(const QString &arguments);
    bool record(const QString &alias);
    bool stop(const QString &alias);
    bool save(const QString &alias, const QString &path);
    bool close(const QString &alias);
    void hear(const SpeechSamples &sound);
    // Runs action on the device under the alias while no sound can arrive; false without one,
    // otherwise what action answers.
    template <typename Action> bool onDevice(const QString &alias, Action action);

    const Clock &m_clock;
    Speaker &m_speaker;
    QMetaObject::Connection m_listening;
    std::mutex m_mutex;
    std::map<QString, WaveRecording> m_devices; // by alias in lower case
};
