#pragma once

#include "support/FakeSpeech.h"
#include "vocab/player/MciDevice.h"

#include <latch>

// A recording whose speech is slower than any clock: the voice finishes nothing until the
// multimedia device is told to save, so the save finds every word still in synthesis.

// The suite's multimedia device, opening the latch when a save command arrives.
class SaveSignallingMci : public MciDevice {
public:
    SaveSignallingMci(const Clock &clock, Speaker &speaker, std::latch &saving)
        : MciDevice(clock, speaker), m_saving(saving) {}
    bool send(const QString &command) override {
        if (command.startsWith(QLatin1String("save"))) m_saving.count_down();
        return MciDevice::send(command);
    }

private:
    std::latch &m_saving;
};

// The tone voice of RecordingSpeech, waiting for the latch before every word.
class VoiceHeldUntilTheSave : public SpeechBackend {
public:
    VoiceHeldUntilTheSave(std::latch &saving, int toneMs)
        : m_saving(saving), m_voice(m_said, toneMs) {}
    SpeechSamples synthesize(const QString &text, int speed) override {
        m_saving.wait();
        return m_voice.synthesize(text, speed);
    }

private:
    std::latch &m_saving;
    QStringList m_said;
    RecordingSpeech m_voice;
};
